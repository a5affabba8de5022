#include "picture/portable/device_pixels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

#include "picture/portable/stretch_mode.h"

namespace quorvane {
namespace {

DecodedPicture MakePicture(PictureKind kind, int width, int height, const std::vector<std::uint8_t>& pixels) {
  return DecodedPicture{kind, width, height, Block::CopyOf(pixels)};
}

// Background red 10, green 20, blue 30 as a COLORREF (red lowest).
constexpr std::uint32_t kBackground = 0x001E140A;

TEST(CompositingTest, BlendsEachChannelWithItsBackgroundComponentAndTruncates) {
  // B, G, R, A per pixel; the expected values are worked out by hand from
  // trunc(C * a + K * (1 - a)), a = A * 0.0039215689 in single precision.
  const std::vector<std::uint8_t> pixels = {
      200, 100, 50, 0,    // fully transparent: the background
      255, 255, 255, 1,   // 30.88, 20.92, 10.96: truncated, not rounded
      200, 100, 50, 128,  // 115.33, 60.16, 30.08
      0, 128, 250, 254,   // 0.12, 127.58, 249.06
      1, 2, 3, 255,       // opaque: as it is
  };
  const DecodedPicture png = MakePicture(PictureKind::kPng, 5, 1, pixels);
  const Block composited = CompositeOverBackground(png, kBackground);
  ASSERT_EQ(composited.size(), pixels.size());
  const std::vector<std::uint8_t> expected = {
      30, 20, 10, 0,  //
      30, 20, 10, 1,  //
      115, 60, 30, 128,
      0, 127, 249, 254,
      1, 2, 3, 255,
  };
  EXPECT_EQ(std::vector(composited.bytes().begin(), composited.bytes().end()), expected);
  EXPECT_EQ(std::vector(png.pixels.bytes().begin(), png.pixels.bytes().end()), pixels) << "the picture itself changed";
}

TEST(CompositingTest, ShortPixelBlockGivesNoCopy) {
  const DecodedPicture png = MakePicture(PictureKind::kPng, 2, 2, std::vector<std::uint8_t>(15, 0));
  EXPECT_TRUE(CompositeOverBackground(png, kBackground).missing());
}

TEST(DibRowsTest, RowsArePaddedWithZerosToFourBytesInTheirOrder) {
  // 5 pixels make 15 bytes a row, padded to 16.
  std::vector<std::uint8_t> pixels(5 * 2 * 3);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i + 1);
  const Block rows = PadRowsForDib24(MakePicture(PictureKind::kJpeg, 5, 2, pixels));
  ASSERT_EQ(rows.size(), 32u);
  EXPECT_EQ(std::memcmp(rows.data(), pixels.data(), 15), 0);
  EXPECT_EQ(rows.data()[15], 0);
  EXPECT_EQ(std::memcmp(rows.data() + 16, pixels.data() + 15, 15), 0);
  EXPECT_EQ(rows.data()[31], 0);
}

TEST(DibRowsTest, RowsAlreadyAlignedStayAsTheyAre) {
  const std::vector<std::uint8_t> pixels(4 * 3 * 3, 7);
  const Block rows = PadRowsForDib24(MakePicture(PictureKind::kJpeg, 4, 3, pixels));
  ASSERT_EQ(rows.size(), pixels.size());
  EXPECT_EQ(std::memcmp(rows.data(), pixels.data(), pixels.size()), 0);
}

TEST(DibRowsTest, ShortOrImpossiblePicturesGiveNoRows) {
  EXPECT_TRUE(PadRowsForDib24(MakePicture(PictureKind::kJpeg, 5, 2, std::vector<std::uint8_t>(29, 0))).missing());
  EXPECT_TRUE(PadRowsForDib24(MakePicture(PictureKind::kJpeg, -5, 2, std::vector<std::uint8_t>(30, 0))).missing());
}

TEST(PixelBlockSizeTest, CountsOnlyWhatASigned32BitSizeCanHold) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(PixelBlockSize(300, 300, 4), 360000u);
  EXPECT_EQ(PixelBlockSize(kMax, 1, 1), kMax);
  EXPECT_EQ(PixelBlockSize(0, 5, 3), 0u);
  EXPECT_FALSE(PixelBlockSize(kMax, 1, 2));
  EXPECT_FALSE(PixelBlockSize(65536, 65536, 3));
  EXPECT_FALSE(PixelBlockSize(0x100000000ull, 0x100000000ull, 1));  // would wrap in 64 bits
  EXPECT_FALSE(PixelBlockSize(1ull << 62, 0, 4));
}

TEST(StretchModeTest, HalftoneOnlyAboveSixteenBitsPerPixel) {
  EXPECT_EQ(ChooseStretchMode(32), StretchMode::kHalftone);
  EXPECT_EQ(ChooseStretchMode(24), StretchMode::kHalftone);
  EXPECT_EQ(ChooseStretchMode(17), StretchMode::kHalftone);
  EXPECT_EQ(ChooseStretchMode(16), StretchMode::kColorOnColor);
  EXPECT_EQ(ChooseStretchMode(8), StretchMode::kColorOnColor);
  EXPECT_EQ(ChooseStretchMode(std::nullopt), StretchMode::kColorOnColor);
}

}  // namespace
}  // namespace quorvane
