#include "picture_fixtures.h"

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace quorvane::testing {

Bytes MakePng(std::uint32_t width, std::uint32_t height, std::uint32_t format, const void* pixels,
              const Bytes& colormap) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = format;
  image.colormap_entries = static_cast<png_uint_32>(colormap.size() / 4);
  const void* map = colormap.empty() ? nullptr : colormap.data();
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, map)) std::abort();
  Bytes png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels, 0, map)) std::abort();
  png.resize(size);
  return png;
}

Rgb PatternColor(std::uint32_t x, std::uint32_t y) {
  return {static_cast<std::uint8_t>(x * 7 + y), static_cast<std::uint8_t>(y * 5 + 3 * x),
          static_cast<std::uint8_t>(x ^ (y * 3))};
}

Bytes MakePatternPng(std::uint32_t width, std::uint32_t height) {
  Bytes rgb;
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      const Rgb c = PatternColor(x, y);
      rgb.insert(rgb.end(), {c.r, c.g, c.b});
    }
  }
  return MakePng(width, height, PNG_FORMAT_RGB, rgb.data());
}

Bytes MakeSolidPng(std::uint32_t width, std::uint32_t height, Rgb color, std::uint8_t alpha) {
  Bytes rgba;
  for (std::uint32_t i = 0; i < width * height; ++i) rgba.insert(rgba.end(), {color.r, color.g, color.b, alpha});
  return MakePng(width, height, PNG_FORMAT_RGBA, rgba.data());
}

std::size_t FindPngChunk(const Bytes& png, std::string_view type) {
  std::size_t offset = 8;
  while (offset + 12 <= png.size()) {
    const std::size_t length = (std::size_t{png[offset]} << 24) | (png[offset + 1] << 16) |
                               (png[offset + 2] << 8) | png[offset + 3];
    if (std::memcmp(&png[offset + 4], type.data(), 4) == 0) return offset;
    offset += 12 + length;
  }
  return 0;
}

void FixPngChunkCrc(Bytes& png, std::size_t offset) {
  const std::size_t length = (std::size_t{png[offset]} << 24) | (png[offset + 1] << 16) |
                             (png[offset + 2] << 8) | png[offset + 3];
  const uLong crc = crc32(0, &png[offset + 4], static_cast<uInt>(length + 4));
  for (int i = 0; i < 4; ++i) png[offset + 8 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
}

Bytes MakeJpeg(int width, int height, int components, const Bytes& samples) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  for (int i = 0; i < info.num_components; ++i) {
    info.comp_info[i].h_samp_factor = 1;
    info.comp_info[i].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(&samples[std::size_t{info.next_scanline} * width * components]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  Bytes jpeg(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return jpeg;
}

}  // namespace quorvane::testing
