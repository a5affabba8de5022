#include "picture/portable/still_picture.h"

#include "picture/portable/further_formats.h"
#include "picture/portable/jpeg_decoder.h"
#include "picture/portable/png_decoder.h"

namespace quorvane {

std::optional<DecodedPicture> DecodeStillPicture(PictureKind kind, std::span<const std::uint8_t> bytes) {
  switch (kind) {
    case PictureKind::kPng: return DecodePng(bytes);
    case PictureKind::kJpeg: return DecodeJpeg(bytes);
    case PictureKind::kBmp: return DecodeBmp(bytes);
    case PictureKind::kIco:
    case PictureKind::kCur: return DecodeIcon(bytes, kind);
    case PictureKind::kPcx8:
    case PictureKind::kPcx1: return DecodePcx(bytes, kind);
    case PictureKind::kGif: break;
  }
  return std::nullopt;
}

}  // namespace quorvane
