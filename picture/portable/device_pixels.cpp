#include "picture/portable/device_pixels.h"

#include <cstring>

namespace quorvane {

Block PadRowsForDib24(const DecodedPicture& picture) {
  if (!HasFullPixelBlock(picture, 3)) return Block();
  const std::size_t row = static_cast<std::size_t>(picture.width) * 3;
  // Cannot wrap: the width is below 2^31.
  const std::uint64_t padded_row = (static_cast<std::uint64_t>(picture.width) * 24 + 31) / 32 * 4;
  const auto size = PixelBlockSize(padded_row, picture.height, 1);
  if (!size) return Block();
  Block rows = Block::TryAllocate(*size);
  if (rows.missing()) return rows;
  std::memset(rows.data(), 0, *size);
  for (std::size_t y = 0; y < static_cast<std::size_t>(picture.height); ++y) {
    std::memcpy(rows.data() + y * padded_row, picture.pixels.data() + y * row, row);
  }
  return rows;
}

std::uint8_t BlendChannel(std::uint8_t c, std::uint8_t k, std::uint8_t alpha) {
  const float a = static_cast<float>(alpha) * 0.0039215689f;
  const float blended = static_cast<float>(c) * a + static_cast<float>(k) * (1.0f - a);
  if (blended <= 0.0f) return 0;
  if (blended >= 255.0f) return 255;
  return static_cast<std::uint8_t>(blended);  // truncates toward zero
}

Block CompositeOverBackground(const DecodedPicture& picture, std::uint32_t background) {
  if (!HasFullPixelBlock(picture, 4)) return Block();
  const std::size_t size = *PixelBlockSize(picture.width, picture.height, 4);
  Block copy = Block::TryAllocate(size);
  if (copy.missing()) return copy;
  std::memcpy(copy.data(), picture.pixels.data(), size);
  const std::uint8_t red = background & 0xFF;
  const std::uint8_t green = (background >> 8) & 0xFF;
  const std::uint8_t blue = (background >> 16) & 0xFF;
  for (std::uint8_t* pixel = copy.data(); pixel != copy.data() + size; pixel += 4) {
    const std::uint8_t alpha = pixel[3];
    if (alpha == 255) continue;
    pixel[0] = BlendChannel(pixel[0], blue, alpha);
    pixel[1] = BlendChannel(pixel[1], green, alpha);
    pixel[2] = BlendChannel(pixel[2], red, alpha);
  }
  return copy;
}

}  // namespace quorvane
