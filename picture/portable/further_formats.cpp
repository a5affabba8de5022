#include "picture/portable/further_formats.h"

namespace quorvane {

// Not decoded yet: every input is refused.
std::optional<DecodedPicture> DecodeBmp(std::span<const std::uint8_t>) { return std::nullopt; }

std::optional<DecodedPicture> DecodeIcon(std::span<const std::uint8_t>, PictureKind) { return std::nullopt; }

std::optional<DecodedPicture> DecodePcx(std::span<const std::uint8_t>, PictureKind) { return std::nullopt; }

}  // namespace quorvane
