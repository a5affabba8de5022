#pragma once
// InternetRoot: the one root WinINet handle of the process. No fetch opens it
// until it needs it; once open it serves every later fetch, and it is closed
// when its holder goes away at process exit.

#include "web/portable/internet_api.h"
#include "web/portable/internet_handle.h"

namespace quorvane {

class InternetRoot {
 public:
  explicit InternetRoot(InternetApi& api) : api_(api), handle_(api, nullptr) {}
  InternetRoot(const InternetRoot&) = delete;
  InternetRoot& operator=(const InternetRoot&) = delete;

  // The root handle, opened first if none is held; null when the platform
  // refuses, and then the next call tries again.
  InternetHandle Acquire();
  bool is_open() const { return static_cast<bool>(handle_); }
  void Close() { handle_.reset(); }

 private:
  InternetApi& api_;
  UniqueInternetHandle handle_;
};

}  // namespace quorvane
