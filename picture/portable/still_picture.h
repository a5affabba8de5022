#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "picture/portable/decoded_picture.h"

namespace quorvane {

// Hands the bytes to the decoder of a recognised format other than GIF,
// which plays through its own animation state.
std::optional<DecodedPicture> DecodeStillPicture(PictureKind kind, std::span<const std::uint8_t> bytes);

}  // namespace quorvane
