#pragma once
// Which decoder a picture's bytes go to, judged by their first 8 bytes only.

#include <cstdint>
#include <optional>
#include <span>

#include "picture/portable/decoded_picture.h"

namespace quorvane {

// Nothing for fewer than 8 bytes or when no known signature matches.
std::optional<PictureKind> RecognizePictureFormat(std::span<const std::uint8_t> bytes);

}  // namespace quorvane
