#pragma once
// How much one read of the body asks for, chosen from the Content-Length
// header: enough for the whole announced body and the read that finds its
// end, within fixed bounds.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

constexpr std::int32_t kDefaultReadSize = 10240;
constexpr std::int32_t kLargestReadSize = 102400;

// The text read as strtol with base 10 reads it: leading white space skipped,
// one sign, digits up to the first other character; a text that does not
// begin with a number gives 0, and a value beyond the 32-bit signed range
// gives its largest or smallest value.
std::int32_t ParseDecimal(std::string_view text);

// content_length is the header's value, or nothing when the query failed.
std::int32_t ReadSizeFor(std::optional<std::string_view> content_length);

}  // namespace quorvane
