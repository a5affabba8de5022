#include "picture/portable/png_decoder.h"

#include <png.h>

#include <utility>

namespace quorvane {
namespace {

// libpng's simplified reader keeps its state behind the record; it has to
// be freed whichever way decoding ends. Freeing twice is harmless.
class PngImage {
 public:
  PngImage() { image_.version = PNG_IMAGE_VERSION; }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  ~PngImage() { png_image_free(&image_); }
  png_image* get() { return &image_; }

 private:
  png_image image_{};
};

}  // namespace

std::optional<DecodedPicture> DecodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.size() <= 7) return std::nullopt;
  PngImage image;
  if (!png_image_begin_read_from_memory(image.get(), bytes.data(), bytes.size())) return std::nullopt;
  image.get()->format = PNG_FORMAT_BGRA;
  const auto size = PixelBlockSize(image.get()->width, image.get()->height, 4);
  if (!size) return std::nullopt;
  Block pixels = Block::TryAllocate(*size);
  if (pixels.missing()) return std::nullopt;
  if (!png_image_finish_read(image.get(), nullptr, pixels.data(), 0, nullptr)) return std::nullopt;
  return DecodedPicture{PictureKind::kPng, static_cast<std::int32_t>(image.get()->width),
                        static_cast<std::int32_t>(image.get()->height), std::move(pixels)};
}

}  // namespace quorvane
