#pragma once
#include <cstdint>
#include <optional>

namespace quorvane {

enum class StretchMode { kHalftone, kColorOnColor };

// Halftone only pays on displays deeper than 16 bits per pixel; an unknown
// display mode gets the plain mode.
inline StretchMode ChooseStretchMode(std::optional<std::uint32_t> display_bits_per_pixel) {
  return display_bits_per_pixel && *display_bits_per_pixel > 16 ? StretchMode::kHalftone
                                                                 : StretchMode::kColorOnColor;
}

}  // namespace quorvane
