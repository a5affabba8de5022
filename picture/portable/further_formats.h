#pragma once
// Decoders of the formats that a picture box recognises but does not show
// yet. Each has its final entry point and refuses every input until its
// decoder is written, so such data leaves the box without a picture.

#include <cstdint>
#include <optional>
#include <span>

#include "picture/portable/decoded_picture.h"

namespace quorvane {

std::optional<DecodedPicture> DecodeBmp(std::span<const std::uint8_t> bytes);
// kind is kIco or kCur. The icon handle itself will be made on the Windows
// side from the image this picks.
std::optional<DecodedPicture> DecodeIcon(std::span<const std::uint8_t> bytes, PictureKind kind);
// kind is kPcx8 or kPcx1.
std::optional<DecodedPicture> DecodePcx(std::span<const std::uint8_t> bytes, PictureKind kind);

}  // namespace quorvane
