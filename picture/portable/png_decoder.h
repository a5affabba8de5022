#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "picture/portable/decoded_picture.h"

namespace quorvane {

// A PNG as B, G, R, A pixels with straight alpha, rows top-down (alpha 255
// where the file has none). Refuses 7 bytes or fewer, anything libpng
// rejects, and pictures whose pixel block can't be represented or had.
std::optional<DecodedPicture> DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace quorvane
