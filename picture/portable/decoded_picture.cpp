#include "picture/portable/decoded_picture.h"

#include <limits>

namespace quorvane {

std::optional<std::size_t> PixelBlockSize(std::uint64_t width, std::uint64_t height,
                                          std::uint64_t bytes_per_pixel) {
  constexpr std::uint64_t kLimit = std::numeric_limits<std::int32_t>::max();
  // Each factor is checked before the next multiplication, so no product can
  // wrap even for 64-bit inputs.
  if (width > kLimit || height > kLimit || bytes_per_pixel > kLimit) return std::nullopt;
  const std::uint64_t row = width * bytes_per_pixel;
  if (row > kLimit) return std::nullopt;
  const std::uint64_t total = row * height;
  if (total > kLimit) return std::nullopt;
  return static_cast<std::size_t>(total);
}

bool HasFullPixelBlock(const DecodedPicture& picture, std::uint64_t bytes_per_pixel) {
  if (picture.width < 0 || picture.height < 0) return false;
  const auto size = PixelBlockSize(static_cast<std::uint64_t>(picture.width),
                                   static_cast<std::uint64_t>(picture.height), bytes_per_pixel);
  return size && !picture.pixels.missing() && picture.pixels.size() >= *size;
}

}  // namespace quorvane
