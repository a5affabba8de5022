// Damaged variants of good pictures, made by a seeded mutator: every one must
// be decoded or refused without touching memory outside the data, which the
// sanitizers of the native build watch.
#include <gtest/gtest.h>
#include <png.h>

#include <random>

#include "picture/portable/picture_format.h"
#include "picture/portable/still_picture.h"
#include "picture_fixtures.h"

namespace quorvane {
namespace {

using testing::Bytes;

Bytes Mutate(const Bytes& original, std::mt19937& random) {
  Bytes bytes = original;
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < edits; ++i) {
    const std::size_t at = 8 + random() % (bytes.size() - 8);  // keep the signature
    switch (random() % 3) {
      case 0: bytes[at] = static_cast<std::uint8_t>(random()); break;
      case 1: bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8)); break;
      case 2: bytes.resize(at); break;
    }
    if (bytes.size() <= 8) break;
  }
  return bytes;
}

void ExpectDecodedOrRefused(const Bytes& original, int rounds, unsigned seed) {
  std::mt19937 random(seed);
  int decoded = 0;
  for (int round = 0; round < rounds; ++round) {
    const Bytes bytes = Mutate(original, random);
    const auto kind = RecognizePictureFormat(bytes);
    if (!kind) continue;
    const auto picture = DecodeStillPicture(*kind, bytes);
    if (!picture) continue;
    ++decoded;
    const int bytes_per_pixel = picture->kind == PictureKind::kPng ? 4 : 3;
    ASSERT_TRUE(HasFullPixelBlock(*picture, bytes_per_pixel)) << "round " << round;
  }
  // Some damage (in pixel data) leaves a picture; all refused would mean the
  // mutator never got past the checks.
  EXPECT_GT(decoded, 0);
}

TEST(DecoderRobustnessTest, DamagedPngs) {
  ExpectDecodedOrRefused(testing::MakePatternPng(37, 23), 3000, 1);
}

TEST(DecoderRobustnessTest, DamagedJpegs) {
  Bytes rgb(24 * 17 * 3);
  std::mt19937 random(3);
  for (auto& sample : rgb) sample = static_cast<std::uint8_t>(random() % 64 + 96);
  ExpectDecodedOrRefused(testing::MakeJpeg(24, 17, 3, rgb), 3000, 2);
}

}  // namespace
}  // namespace quorvane
