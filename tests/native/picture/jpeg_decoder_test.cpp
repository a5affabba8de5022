#include "picture/portable/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "picture_fixtures.h"

namespace quorvane {
namespace {

using testing::Bytes;
using Bgr = std::array<int, 3>;

// B, G, R of pixel (x, y) counted from the top; the block holds the
// picture's last row first.
Bgr PixelAt(const DecodedPicture& picture, int x, int y) {
  const std::size_t row = static_cast<std::size_t>(picture.height - 1 - y);
  const std::uint8_t* p = picture.pixels.data() + (row * picture.width + x) * 3;
  return {p[0], p[1], p[2]};
}

void ExpectNear(Bgr actual, Bgr expected, int x, int y) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 6) << "channel " << i << " at " << x << "," << y;
}

// Rows above `split` red, the rest blue.
Bytes RedOverBlue(int width, int height, int split) {
  Bytes rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (y < split) rgb.insert(rgb.end(), {255, 0, 0});
      else rgb.insert(rgb.end(), {0, 0, 255});
    }
  }
  return testing::MakeJpeg(width, height, 3, rgb);
}

TEST(JpegDecoderTest, ColourBecomesBgrBottomUpWithoutRowGaps) {
  // 13 pixels make 39-byte rows: any padding would shift later rows.
  const auto picture = DecodeJpeg(RedOverBlue(13, 16, 8));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->kind, PictureKind::kJpeg);
  EXPECT_EQ(picture->width, 13);
  EXPECT_EQ(picture->height, 16);
  ASSERT_EQ(picture->pixels.size(), 13u * 16 * 3);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 13; ++x) ExpectNear(PixelAt(*picture, x, y), y < 8 ? Bgr{0, 0, 255} : Bgr{255, 0, 0}, x, y);
  }
}

TEST(JpegDecoderTest, GreyscaleGivesThreeEqualChannels) {
  Bytes grey;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) grey.push_back(static_cast<std::uint8_t>(x * 20 + y));
  }
  const auto picture = DecodeJpeg(testing::MakeJpeg(10, 10, 1, grey));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->pixels.size(), 10u * 10 * 3);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const Bgr pixel = PixelAt(*picture, x, y);
      EXPECT_EQ(pixel[0], pixel[1]);
      EXPECT_EQ(pixel[1], pixel[2]);
      EXPECT_NEAR(pixel[0], x * 20 + y, 3) << x << "," << y;
    }
  }
}

TEST(JpegDecoderTest, CmykGivesThePictureSizeWithNoRowsFilled) {
  const Bytes cmyk(8 * 8 * 4, 0x60);
  const auto picture = DecodeJpeg(testing::MakeJpeg(8, 8, 4, cmyk));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 8);
  EXPECT_EQ(picture->height, 8);
  ASSERT_EQ(picture->pixels.size(), 8u * 8 * 3);
  const auto bytes = picture->pixels.bytes();
  EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(JpegDecoderTest, CutInHalfKeepsFullSizeAndTheUpperRows) {
  // Noise makes the scan data outweigh the header, so half the file holds
  // roughly the upper half of the picture.
  std::mt19937 random(7);
  Bytes rgb(64 * 64 * 3);
  for (auto& sample : rgb) sample = static_cast<std::uint8_t>(random());
  const Bytes whole = testing::MakeJpeg(64, 64, 3, rgb);
  const auto full = DecodeJpeg(whole);
  ASSERT_TRUE(full);

  const auto cut = DecodeJpeg(std::span(whole).first(whole.size() / 2));
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->width, 64);
  EXPECT_EQ(cut->height, 64);
  ASSERT_EQ(cut->pixels.size(), full->pixels.size());
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 64; ++x) ASSERT_EQ(PixelAt(*cut, x, y), PixelAt(*full, x, y)) << x << "," << y;
  }
  int differing = 0;
  for (int x = 0; x < 64; ++x) differing += PixelAt(*cut, x, 63) != PixelAt(*full, x, 63);
  EXPECT_GT(differing, 32) << "the lowest row should not have arrived";
}

TEST(JpegDecoderTest, DataWithoutAnImageIsRefused) {
  const Bytes whole = RedOverBlue(16, 16, 8);
  Bytes garbage = {0xFF, 0xD8};
  garbage.resize(200, 0x55);
  const std::vector<Bytes> cases = {
      {},
      {0xFF, 0xD8},
      {0xFF, 0xD8, 0xFF, 0xD9},
      Bytes(whole.begin(), whole.begin() + 40),  // inside the tables
      garbage,
  };
  for (const Bytes& bytes : cases) EXPECT_FALSE(DecodeJpeg(bytes)) << bytes.size() << " bytes";
}

TEST(JpegDecoderTest, SizeBeyondAnyBlockIsRefused) {
  Bytes jpeg = RedOverBlue(16, 16, 8);
  const std::uint8_t kStartOfFrame[] = {0xFF, 0xC0};
  const auto sof = std::search(jpeg.begin(), jpeg.end(), std::begin(kStartOfFrame), std::end(kStartOfFrame));
  ASSERT_NE(sof, jpeg.end());
  // 65000 x 65000 x 3 bytes is more than a picture record can count.
  const std::uint8_t size[] = {0xFD, 0xE8, 0xFD, 0xE8};
  std::copy(std::begin(size), std::end(size), sof + 5);
  EXPECT_FALSE(DecodeJpeg(jpeg));
}

}  // namespace
}  // namespace quorvane
