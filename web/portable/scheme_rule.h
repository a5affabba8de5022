#pragma once
// What the URL's scheme means for the connection and the request.

#include <cstdint>

namespace quorvane {

// Given to InternetConnectA for schemes that have no WinINet service, so the
// platform refuses them.
constexpr std::uint32_t kNoService = 0;

struct SchemeRule {
  std::uint32_t service;
  std::uint32_t request_flags;
};

// scheme is InternetCrackUrlA's nScheme.
SchemeRule RuleForScheme(std::int32_t scheme);

}  // namespace quorvane
