#pragma once
// Owner of one HINTERNET: closes it exactly once, through the same interface
// that opened it.

#include <utility>

#include "web/portable/internet_api.h"

namespace quorvane {

class UniqueInternetHandle {
 public:
  UniqueInternetHandle(InternetApi& api, InternetHandle handle) : api_(&api), handle_(handle) {}
  UniqueInternetHandle(UniqueInternetHandle&& other) noexcept
      : api_(other.api_), handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueInternetHandle& operator=(UniqueInternetHandle&& other) noexcept {
    if (this != &other) {
      reset();
      api_ = other.api_;
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueInternetHandle(const UniqueInternetHandle&) = delete;
  UniqueInternetHandle& operator=(const UniqueInternetHandle&) = delete;
  ~UniqueInternetHandle() { reset(); }

  InternetHandle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset() {
    if (handle_) api_->CloseHandle(std::exchange(handle_, nullptr));
  }

 private:
  InternetApi* api_;
  InternetHandle handle_;
};

}  // namespace quorvane
