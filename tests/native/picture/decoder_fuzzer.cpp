// libFuzzer entry for the picture decoders: recognition picks the decoder
// exactly as the picture box does. Built only with Clang and
// -DQUORVANE_FUZZ=ON; see tests/native/picture/CMakeLists.txt.
#include <cstddef>
#include <cstdint>

#include "picture/portable/device_pixels.h"
#include "picture/portable/picture_format.h"
#include "picture/portable/still_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  const std::span<const std::uint8_t> bytes(data, size);
  const auto kind = RecognizePictureFormat(bytes);
  if (!kind) return 0;
  const auto picture = DecodeStillPicture(*kind, bytes);
  if (!picture) return 0;
  // Painting's preparation reads the whole pixel block.
  if (picture->kind == PictureKind::kPng) {
    CompositeOverBackground(*picture, 0x00F0F0F0);
  } else {
    PadRowsForDib24(*picture);
  }
  return 0;
}
