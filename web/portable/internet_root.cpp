#include "web/portable/internet_root.h"

#include "web/portable/wininet_values.h"

namespace quorvane {

namespace {
// The agent text of the browser that the image service was first used with.
constexpr char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
}  // namespace

InternetHandle InternetRoot::Acquire() {
  if (!handle_) {
    handle_ = UniqueInternetHandle(
        api_, api_.Open(kAgent, wininet::kOpenTypeDirect, nullptr, nullptr, 0));
  }
  return handle_.get();
}

}  // namespace quorvane
