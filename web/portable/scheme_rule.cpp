#include "web/portable/scheme_rule.h"

#include "web/portable/wininet_values.h"

namespace quorvane {

static_assert(kNoService != wininet::kServiceFtp && kNoService != wininet::kServiceGopher &&
              kNoService != wininet::kServiceHttp);

SchemeRule RuleForScheme(std::int32_t scheme) {
  // Always from the server, never into the cache: the image answers one
  // request and is not wanted again.
  constexpr std::uint32_t kFresh = wininet::kFlagReload | wininet::kFlagNoCacheWrite;
  switch (scheme) {
    case wininet::kSchemeHttp: return {wininet::kServiceHttp, kFresh};
    case wininet::kSchemeHttps: return {wininet::kServiceHttp, kFresh | wininet::kFlagSecure};
    case wininet::kSchemeFtp: return {wininet::kServiceFtp, kFresh};
    case wininet::kSchemeGopher: return {wininet::kServiceGopher, kFresh};
    default: return {kNoService, kFresh};
  }
}

}  // namespace quorvane
