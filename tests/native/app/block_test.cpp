#include "app/portable/block.h"

#include <gtest/gtest.h>

#include "app/portable/texts.h"

namespace quorvane {
namespace {

TEST(TextTest, JoinMakesOneBlockOfAllPartsAndTheTerminator) {
  Text joined = Text::Join({"http://", std::string_view(), "host", "/a?b=c"});
  EXPECT_EQ(joined.view(), "http://host/a?b=c");
  EXPECT_EQ(joined.block_size(), 18u);
  EXPECT_EQ(joined.c_str()[17], '\0');
}

TEST(TextTest, MissingAndZeroLengthAreEmptyButBlanksAreNot) {
  EXPECT_TRUE(Text().empty());
  EXPECT_TRUE(Text().missing());
  EXPECT_TRUE(Text::Copy("").empty());
  EXPECT_FALSE(Text::Copy("").missing());
  EXPECT_FALSE(Text::Copy(" ").empty());
}

TEST(BlockTest, MovingHandsOverOwnershipOnce) {
  Block a = Block::CopyOf(std::vector<std::uint8_t>{1, 2, 3});
  Block b = std::move(a);
  EXPECT_TRUE(a.missing());
  ASSERT_EQ(b.size(), 3u);
  EXPECT_EQ(b.data()[2], 3);
  ASSERT_TRUE(b.TryResize(1000));
  EXPECT_EQ(b.data()[1], 2);
}

TEST(BlockTest, ReleaseIgnoresConstantTextsAndNull) {
  EXPECT_TRUE(IsConstantText(kTexts.InfoCaption));
  ReleaseBlock(kTexts.InfoCaption);  // would be a bad free under ASan
  ReleaseBlock(nullptr);
  std::string local = "x";
  EXPECT_FALSE(IsConstantText(local.data()));
}

}  // namespace
}  // namespace quorvane
