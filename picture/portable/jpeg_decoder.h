#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "picture/portable/decoded_picture.h"

namespace quorvane {

// A JPEG as B, G, R pixels, rows bottom-up. Greyscale comes out as three
// equal channels; other component counts (CMYK, YCCK) give a picture of the
// right size whose rows stay zero. Data that breaks off after its start
// still gives the whole picture, with what was decoded before the break.
// Refuses anything libjpeg rejects and pictures whose pixel block can't be
// represented or had.
std::optional<DecodedPicture> DecodeJpeg(std::span<const std::uint8_t> bytes);

}  // namespace quorvane
