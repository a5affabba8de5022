#include "picture/portable/picture_format.h"

namespace quorvane {
namespace {

bool StartsWith(std::span<const std::uint8_t, 8> head, std::initializer_list<std::uint8_t> prefix) {
  std::size_t i = 0;
  for (std::uint8_t byte : prefix) {
    if (head[i++] != byte) return false;
  }
  return true;
}

// ICO and CUR: a zero word, the type word, then an image count above 0.
bool IsIconDirectory(std::span<const std::uint8_t, 8> head, std::uint8_t type) {
  return StartsWith(head, {0x00, 0x00, type, 0x00}) && (head[4] | head[5]) != 0;
}

}  // namespace

std::optional<PictureKind> RecognizePictureFormat(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 8) return std::nullopt;
  const std::span<const std::uint8_t, 8> head = bytes.first<8>();
  // The order decides when more than one signature could match.
  if (StartsWith(head, {0x42, 0x4D})) return PictureKind::kBmp;
  if (StartsWith(head, {0xFF, 0xD8})) return PictureKind::kJpeg;
  if (StartsWith(head, {0x89, 0x50, 0x4E, 0x47})) return PictureKind::kPng;
  if (IsIconDirectory(head, 0x01)) return PictureKind::kIco;
  if (IsIconDirectory(head, 0x02)) return PictureKind::kCur;
  if (StartsWith(head, {0x47, 0x49, 0x46, 0x38}) && (head[4] == 0x37 || head[4] == 0x39) && head[5] == 0x61) {
    return PictureKind::kGif;
  }
  if (head[0] == 0x0A && head[1] <= 5 && head[2] == 0x01 && head[3] == 0x08) return PictureKind::kPcx8;
  if (StartsWith(head, {0x0A, 0x03, 0x01, 0x01})) return PictureKind::kPcx1;
  return std::nullopt;
}

}  // namespace quorvane
