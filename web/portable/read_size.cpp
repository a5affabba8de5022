#include "web/portable/read_size.h"

#include <limits>

namespace quorvane {

namespace {
// The C locale's white space, which strtol skips.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::int32_t ParseDecimal(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

  // Accumulated as a magnitude that stops growing just past the int32 range,
  // so no digit count can overflow it.
  constexpr std::int64_t kBeyondRange = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
  std::int64_t magnitude = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > kBeyondRange) magnitude = kBeyondRange;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::int32_t ReadSizeFor(std::optional<std::string_view> content_length) {
  if (!content_length) return kDefaultReadSize;
  const std::int32_t announced = ParseDecimal(*content_length);
  if (announced <= 0) return kDefaultReadSize;
  // n + 1 <= 102400, written so that n = INT32_MAX does not overflow.
  if (announced < kLargestReadSize) return announced + 1;
  return kLargestReadSize;
}

}  // namespace quorvane
