#pragma once
// A picture decoded from the bytes written to a picture box, in the layout
// that painting hands to the system.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "app/portable/block.h"

namespace quorvane {

enum class PictureKind { kJpeg, kBmp, kIco, kCur, kGif, kPcx8, kPcx1, kPng };

// Pixel layouts:
//   kJpeg, kBmp  B, G, R per pixel; rows bottom-up, width * 3 bytes, no gaps
//   kPng         B, G, R, A per pixel, straight alpha; rows top-down,
//                width * 4 bytes
//   kGif         no pixels, width and height 0: the animation holds the GIF
//   kIco, kCur   no pixels: the Windows side keeps the icon
struct DecodedPicture {
  PictureKind kind = PictureKind::kPng;
  std::int32_t width = 0;
  std::int32_t height = 0;
  Block pixels;
};

// width * height * bytes_per_pixel when the product fits the picture
// record's signed 32-bit size; nothing otherwise.
std::optional<std::size_t> PixelBlockSize(std::uint64_t width, std::uint64_t height,
                                          std::uint64_t bytes_per_pixel);

// Whether the picture's block holds at least the bytes its kind's layout
// needs; painting checks this before it reads.
bool HasFullPixelBlock(const DecodedPicture& picture, std::uint64_t bytes_per_pixel);

}  // namespace quorvane
