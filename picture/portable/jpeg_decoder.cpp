#include "picture/portable/jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <type_traits>
#include <utility>

#include <jerror.h>
#include <jpeglib.h>

namespace quorvane {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return;
// ours jumps back into Decompress. Everything that lives across that jump is
// in one trivially destructible record, so the jump skips no destructor.

constexpr std::size_t kRefillSize = 4096;
const JOCTET kFakeEndOfImage[2] = {0xFF, JPEG_EOI};

struct ErrorManager {
  jpeg_error_mgr standard;
  std::jmp_buf escape;
};

struct ByteSource {
  jpeg_source_mgr manager;
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;  // of the next refill
};

struct Decompression {
  jpeg_decompress_struct info;
  ErrorManager errors;
  ByteSource source;
  void* pixels;  // from TryAllocateBlock; DecodeJpeg takes it over
  std::size_t pixel_size;
  std::int32_t width;
  std::int32_t height;
};
static_assert(std::is_trivially_destructible_v<Decompression>);

void IgnoreMessage(j_common_ptr) {}
void IgnoreMessageLevel(j_common_ptr, int) {}
void FormatNoMessage(j_common_ptr, char* buffer) { buffer[0] = '\0'; }

[[noreturn]] void EscapeToDecoder(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

ByteSource& SourceOf(j_decompress_ptr info) { return *reinterpret_cast<ByteSource*>(info->src); }

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr info) {
  ByteSource& source = SourceOf(info);
  const std::size_t left = source.size - source.position;
  if (left == 0) {
    if (source.position == 0) ERREXIT(info, JERR_INPUT_EMPTY);
    // A picture cut off in transit still shows what arrived.
    WARNMS(info, JWRN_JPEG_EOF);
    source.manager.next_input_byte = kFakeEndOfImage;
    source.manager.bytes_in_buffer = sizeof kFakeEndOfImage;
    return TRUE;
  }
  const std::size_t count = std::min(left, kRefillSize);
  source.manager.next_input_byte = source.data + source.position;
  source.manager.bytes_in_buffer = count;
  source.position += count;
  return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  ByteSource& source = SourceOf(info);
  auto skip = static_cast<unsigned long>(count);
  while (skip > source.manager.bytes_in_buffer) {
    skip -= source.manager.bytes_in_buffer;
    source.manager.bytes_in_buffer = 0;
    const bool data_ran_out = source.position == source.size;
    FillInputBuffer(info);
    // Past the end only the end marker is left to read; skipping it would
    // make a long skip loop over fake markers.
    if (data_ran_out) return;
  }
  source.manager.next_input_byte += skip;
  source.manager.bytes_in_buffer -= skip;
}

void AttachSource(Decompression& d, std::span<const std::uint8_t> bytes) {
  d.source.manager.init_source = InitSource;
  d.source.manager.fill_input_buffer = FillInputBuffer;
  d.source.manager.skip_input_data = SkipInputData;
  d.source.manager.resync_to_restart = jpeg_resync_to_restart;
  d.source.manager.term_source = TermSource;
  d.source.manager.next_input_byte = nullptr;
  d.source.manager.bytes_in_buffer = 0;
  d.source.data = bytes.data();
  d.source.size = bytes.size();
  d.source.position = 0;
  d.info.src = &d.source.manager;
}

bool AllocatePixels(Decompression& d) {
  const auto size = PixelBlockSize(d.info.output_width, d.info.output_height, 3);
  if (!size) return false;
  d.pixels = TryAllocateBlock(*size);
  if (!d.pixels) return false;
  d.pixel_size = *size;
  d.width = static_cast<std::int32_t>(d.info.output_width);
  d.height = static_cast<std::int32_t>(d.info.output_height);
  // Rows of component counts the picture can't show stay zero.
  std::memset(d.pixels, 0, *size);
  return true;
}

// Puts decoded row `line` (top-down) into the stored layout: B, G, R, the
// picture's last row first.
void StoreRow(Decompression& d, JDIMENSION line, const JSAMPLE* row) {
  const std::size_t width = d.info.output_width;
  auto* out = static_cast<std::uint8_t*>(d.pixels) + (d.info.output_height - 1 - line) * width * 3;
  if (d.info.output_components == 3) {
    for (std::size_t x = 0; x < width; ++x) {
      out[x * 3 + 0] = row[x * 3 + 2];
      out[x * 3 + 1] = row[x * 3 + 1];
      out[x * 3 + 2] = row[x * 3 + 0];
    }
  } else if (d.info.output_components == 1) {
    for (std::size_t x = 0; x < width; ++x) out[x * 3 + 0] = out[x * 3 + 1] = out[x * 3 + 2] = row[x];
  }
}

bool Decompress(Decompression& d, std::span<const std::uint8_t> bytes) {
  d.info.err = jpeg_std_error(&d.errors.standard);
  d.errors.standard.error_exit = EscapeToDecoder;
  d.errors.standard.emit_message = IgnoreMessageLevel;
  d.errors.standard.output_message = IgnoreMessage;
  d.errors.standard.format_message = FormatNoMessage;
  if (setjmp(d.errors.escape)) {
    jpeg_destroy_decompress(&d.info);
    return false;
  }
  jpeg_create_decompress(&d.info);
  AttachSource(d, bytes);
  jpeg_read_header(&d.info, TRUE);
  jpeg_start_decompress(&d.info);
  if (!AllocatePixels(d)) {
    jpeg_destroy_decompress(&d.info);
    return false;
  }
  JSAMPARRAY row = (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                               d.info.output_width * d.info.output_components, 1);
  while (d.info.output_scanline < d.info.output_height) {
    const JDIMENSION line = d.info.output_scanline;
    // Our source never suspends, so no row means the library has given up.
    if (jpeg_read_scanlines(&d.info, row, 1) != 1) ERREXIT(&d.info, JERR_TOO_LITTLE_DATA);
    StoreRow(d, line, row[0]);
  }
  jpeg_finish_decompress(&d.info);
  jpeg_destroy_decompress(&d.info);
  return true;
}

}  // namespace

std::optional<DecodedPicture> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  Decompression d{};
  const bool decoded = Decompress(d, bytes);
  Block pixels = Block::Adopt(d.pixels, d.pixel_size);
  if (!decoded) return std::nullopt;
  return DecodedPicture{PictureKind::kJpeg, d.width, d.height, std::move(pixels)};
}

}  // namespace quorvane
