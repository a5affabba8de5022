#pragma once
// The text of the run-time error report, in code page 936 bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// Where the error arose: whether the named window is loaded and whether the
// named control belongs to it.
struct ErrorLocation {
  std::int32_t window = 0;
  std::int32_t control = 0;
  bool window_loaded = false;
  bool control_found = false;
};

std::string BuildLocationText(const ErrorLocation& location);
std::string BuildReportText(std::string_view message, std::int32_t code,
                            const ErrorLocation& location);
// The message for a request of `size` bytes that the heap refused.
std::string OutOfMemoryMessage(std::size_t size);

}  // namespace quorvane
