#pragma once
// Small pictures made by the tests themselves with libpng's and libjpeg's
// writers, and ways to damage them.

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvane::testing {

using Bytes = std::vector<std::uint8_t>;

// A PNG written by libpng's simplified writer. `format` is a PNG_FORMAT_*
// value; `pixels` are rows top-down in that format, without gaps. For a
// colour-mapped format `colormap` holds the entries (RGBA, 4 bytes each).
Bytes MakePng(std::uint32_t width, std::uint32_t height, std::uint32_t format, const void* pixels,
              const Bytes& colormap = {});

// An 8-bit opaque RGB PNG whose pixel (x, y) is PatternColor(x, y).
Bytes MakePatternPng(std::uint32_t width, std::uint32_t height);
struct Rgb {
  std::uint8_t r, g, b;
};
Rgb PatternColor(std::uint32_t x, std::uint32_t y);

// A PNG of one colour with one alpha value everywhere.
Bytes MakeSolidPng(std::uint32_t width, std::uint32_t height, Rgb color, std::uint8_t alpha);

// Offset of the length field of the first chunk of that type; 0 if none.
std::size_t FindPngChunk(const Bytes& png, std::string_view type);
// Recomputes the CRC of the chunk whose length field is at `offset`.
void FixPngChunkCrc(Bytes& png, std::size_t offset);

// A baseline JPEG, quality 100, no chroma subsampling. `components` is 1
// (greyscale), 3 (RGB) or 4 (CMYK); `samples` are rows top-down.
Bytes MakeJpeg(int width, int height, int components, const Bytes& samples);

}  // namespace quorvane::testing
