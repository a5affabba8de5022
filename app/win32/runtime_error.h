#pragma once
#include <cstdint>
#include <string_view>

namespace quorvane {

// Tells the user that an operation cannot go on and ends the process with
// exit code -1. Window and control are description identifiers, 0 for none.
[[noreturn]] void ReportRuntimeError(std::string_view message, std::int32_t code,
                                     std::int32_t window, std::int32_t control);

}  // namespace quorvane
