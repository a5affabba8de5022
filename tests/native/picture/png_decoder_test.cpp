#include "picture/portable/png_decoder.h"

#include <gtest/gtest.h>
#include <png.h>

#include "picture_fixtures.h"

namespace quorvane {
namespace {

using testing::Bytes;

// B, G, R, A of pixel (x, y), rows top-down.
std::array<std::uint8_t, 4> PixelAt(const DecodedPicture& picture, int x, int y) {
  const std::uint8_t* p = picture.pixels.data() + (static_cast<std::size_t>(y) * picture.width + x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

using Bgra = std::array<std::uint8_t, 4>;

TEST(PngDecoderTest, OpaqueRgbBecomesBgraTopDownWithFullAlpha) {
  const Bytes png = testing::MakePatternPng(5, 3);
  const auto picture = DecodePng(png);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->kind, PictureKind::kPng);
  EXPECT_EQ(picture->width, 5);
  EXPECT_EQ(picture->height, 3);
  EXPECT_EQ(picture->pixels.size(), 5u * 3 * 4);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const testing::Rgb c = testing::PatternColor(x, y);
      EXPECT_EQ(PixelAt(*picture, x, y), (Bgra{c.b, c.g, c.r, 255})) << x << "," << y;
    }
  }
}

TEST(PngDecoderTest, AlphaStaysStraight) {
  const std::uint8_t rgba[] = {200, 100, 50, 128, 10, 20, 30, 0, 1, 2, 3, 255};
  const auto picture = DecodePng(testing::MakePng(3, 1, PNG_FORMAT_RGBA, rgba));
  ASSERT_TRUE(picture);
  EXPECT_EQ(PixelAt(*picture, 0, 0), (Bgra{50, 100, 200, 128}));
  EXPECT_EQ(PixelAt(*picture, 1, 0)[3], 0);
  EXPECT_EQ(PixelAt(*picture, 2, 0), (Bgra{3, 2, 1, 255}));
}

TEST(PngDecoderTest, PaletteEntriesAndTheirTransparencyAreLookedUp) {
  const Bytes colormap = {255, 0, 0, 255, 0, 0, 255, 64, 0, 255, 0, 255};
  const std::uint8_t indices[] = {0, 1, 2, 1, 0, 2};
  const Bytes png = testing::MakePng(3, 2, PNG_FORMAT_RGBA_COLORMAP, indices, colormap);
  ASSERT_NE(testing::FindPngChunk(png, "PLTE"), 0u);
  const auto picture = DecodePng(png);
  ASSERT_TRUE(picture);
  EXPECT_EQ(PixelAt(*picture, 0, 0), (Bgra{0, 0, 255, 255}));
  EXPECT_EQ(PixelAt(*picture, 1, 0), (Bgra{255, 0, 0, 64}));
  EXPECT_EQ(PixelAt(*picture, 2, 0), (Bgra{0, 255, 0, 255}));
  EXPECT_EQ(PixelAt(*picture, 0, 1), (Bgra{255, 0, 0, 64}));
}

TEST(PngDecoderTest, GreyscaleFillsAllThreeChannels) {
  const std::uint8_t grey[] = {0, 77, 200, 255};
  const auto picture = DecodePng(testing::MakePng(2, 2, PNG_FORMAT_GRAY, grey));
  ASSERT_TRUE(picture);
  EXPECT_EQ(PixelAt(*picture, 1, 0), (Bgra{77, 77, 77, 255}));
  EXPECT_EQ(PixelAt(*picture, 0, 1), (Bgra{200, 200, 200, 255}));
}

TEST(PngDecoderTest, SixteenBitSamplesAreConvertedToEightBitSrgb) {
  // The writer stores 16-bit linear samples; half intensity is about 188 in
  // sRGB, where a decoder that took the high byte would give 127.
  const std::uint16_t linear[] = {65535, 0, 65535, 0, 32768, 0};
  const Bytes png = testing::MakePng(2, 1, PNG_FORMAT_LINEAR_RGB, linear);
  ASSERT_EQ(png[8 + 8 + 8], 16) << "IHDR bit depth";
  const auto picture = DecodePng(png);
  ASSERT_TRUE(picture);
  EXPECT_EQ(PixelAt(*picture, 0, 0), (Bgra{255, 0, 255, 255}));
  const Bgra middle = PixelAt(*picture, 1, 0);
  EXPECT_EQ(middle[0], 0);
  EXPECT_NEAR(middle[1], 188, 2);
  EXPECT_EQ(middle[2], 0);
}

TEST(PngDecoderTest, SevenBytesOrFewerAreRefused) {
  const Bytes png = testing::MakePatternPng(2, 2);
  for (std::size_t size : {0u, 1u, 7u}) {
    EXPECT_FALSE(DecodePng(std::span(png).first(size))) << size;
  }
}

struct Damage {
  const char* name;
  void (*apply)(Bytes& png);
};

const Damage kDamages[] = {
    {"ImageDataCrc", [](Bytes& png) { png[testing::FindPngChunk(png, "IDAT") + 8 + 2] ^= 0x40; }},
    {"HeaderCrc", [](Bytes& png) { png[testing::FindPngChunk(png, "IHDR") + 8 + 13] ^= 0x01; }},
    {"CompressedStreamWithGoodCrc",
     [](Bytes& png) {
       const std::size_t idat = testing::FindPngChunk(png, "IDAT");
       png[idat + 8] = 0xFF;  // not a zlib stream header
       testing::FixPngChunkCrc(png, idat);
     }},
    {"CutInsideImageData",
     [](Bytes& png) { png.resize(testing::FindPngChunk(png, "IDAT") + 8 + 20); }},
    {"CutAfterSignature", [](Bytes& png) { png.resize(12); }},
    {"BadSignature", [](Bytes& png) { png[1] = 'Q'; }},
    {"WidthBeyondAnyBlock",
     [](Bytes& png) {
       // 30000 x 20000 x 4 bytes is more than a picture record can count.
       const std::size_t ihdr = testing::FindPngChunk(png, "IHDR");
       const std::uint8_t size[] = {0, 0, 0x75, 0x30, 0, 0, 0x4E, 0x20};
       std::copy(std::begin(size), std::end(size), png.begin() + ihdr + 8);
       testing::FixPngChunkCrc(png, ihdr);
     }},
};

class DamagedPngTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedPngTest, IsRefused) {
  Bytes png = testing::MakePatternPng(40, 30);
  ASSERT_TRUE(DecodePng(png));
  GetParam().apply(png);
  EXPECT_FALSE(DecodePng(png));
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedPngTest, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane
