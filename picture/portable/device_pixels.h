#pragma once
// The pixels that painting hands to CreateDIBitmap, made anew for each paint
// from the decoded picture, which stays unchanged.

#include <cstdint>

#include "app/portable/block.h"
#include "picture/portable/decoded_picture.h"

namespace quorvane {

// A JPEG or BMP picture's rows, in their order, each padded with zero bytes
// to a multiple of 4 bytes as 24-bit device-independent bitmaps need. The
// missing block when memory can't be had or the picture's block is short.
Block PadRowsForDib24(const DecodedPicture& picture);

// One channel of a PNG pixel over the background: trunc(c * a + k * (1 - a)),
// limited to 0..255, with a = alpha / 255 in single precision.
std::uint8_t BlendChannel(std::uint8_t c, std::uint8_t k, std::uint8_t alpha);

// A copy of a PNG picture's pixels with every pixel below alpha 255 blended
// over `background` (a COLORREF: red in the lowest byte); the alpha bytes are
// kept. The missing block when memory can't be had or the picture's block
// is short.
Block CompositeOverBackground(const DecodedPicture& picture, std::uint32_t background);

}  // namespace quorvane
