#include "picture/portable/picture_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvane {
namespace {

struct RecognitionCase {
  const char* name;
  std::vector<std::uint8_t> head;
  std::optional<PictureKind> expected;
};

void PrintTo(const RecognitionCase& c, std::ostream* out) { *out << c.name; }

class RecognitionTest : public ::testing::TestWithParam<RecognitionCase> {};

TEST_P(RecognitionTest, FirstEightBytesDecideTheFormat) {
  EXPECT_EQ(RecognizePictureFormat(GetParam().head), GetParam().expected);
}

const RecognitionCase kRecognitionCases[] = {
    {"Bmp", {0x42, 0x4D, 0, 0, 0, 0, 0, 0}, PictureKind::kBmp},
    {"Jpeg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F'}, PictureKind::kJpeg},
    {"Png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, PictureKind::kPng},
    {"PngSignatureStartIsEnough", {0x89, 'P', 'N', 'G', 0, 0, 0, 0}, PictureKind::kPng},
    {"Ico", {0, 0, 1, 0, 2, 0, 16, 16}, PictureKind::kIco},
    {"IcoCountInHighByte", {0, 0, 1, 0, 0, 1, 16, 16}, PictureKind::kIco},
    {"IcoWithoutImages", {0, 0, 1, 0, 0, 0, 16, 16}, std::nullopt},
    {"Cur", {0, 0, 2, 0, 1, 0, 32, 32}, PictureKind::kCur},
    {"CurWithoutImages", {0, 0, 2, 0, 0, 0, 32, 32}, std::nullopt},
    {"IconTypeThree", {0, 0, 3, 0, 1, 0, 32, 32}, std::nullopt},
    {"Gif87a", {'G', 'I', 'F', '8', '7', 'a', 1, 0}, PictureKind::kGif},
    {"Gif89a", {'G', 'I', 'F', '8', '9', 'a', 1, 0}, PictureKind::kGif},
    {"Gif88a", {'G', 'I', 'F', '8', '8', 'a', 1, 0}, std::nullopt},
    {"Gif89b", {'G', 'I', 'F', '8', '9', 'b', 1, 0}, std::nullopt},
    {"Pcx8Version5", {0x0A, 5, 1, 8, 0, 0, 0, 0}, PictureKind::kPcx8},
    {"Pcx8Version0", {0x0A, 0, 1, 8, 0, 0, 0, 0}, PictureKind::kPcx8},
    {"Pcx8Version6", {0x0A, 6, 1, 8, 0, 0, 0, 0}, std::nullopt},
    {"Pcx8Version3", {0x0A, 3, 1, 8, 0, 0, 0, 0}, PictureKind::kPcx8},
    {"Pcx1", {0x0A, 3, 1, 1, 0, 0, 0, 0}, PictureKind::kPcx1},
    {"Pcx1OnlyVersion3", {0x0A, 5, 1, 1, 0, 0, 0, 0}, std::nullopt},
    {"PcxNotRunLengthEncoded", {0x0A, 5, 0, 8, 0, 0, 0, 0}, std::nullopt},
    {"HtmlErrorPage", {'<', '!', 'D', 'O', 'C', 'T', 'Y', 'P'}, std::nullopt},
    {"Json", {'{', '"', 'e', 'r', 'r', 'o', 'r', '"'}, std::nullopt},
    {"SevenBytesOfPng", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A}, std::nullopt},
    {"TwoBytesOfJpeg", {0xFF, 0xD8}, std::nullopt},
    {"Empty", {}, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Signatures, RecognitionTest, ::testing::ValuesIn(kRecognitionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecognitionTest, OnlyTheFirstBytesCount) {
  std::vector<std::uint8_t> html = {'<', 'h', 't', 'm', 'l', '>', ' ', ' '};
  html.insert(html.end(), {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
  EXPECT_EQ(RecognizePictureFormat(html), std::nullopt);
}

}  // namespace
}  // namespace quorvane
