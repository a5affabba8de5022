#include "app/portable/order_url.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(OrderUrlTest, TheInitialIdentifierGivesTheServiceRequestByteForByte) {
  const Text order = BuildOrderUrl("100011528666");
  EXPECT_EQ(order.view(), "https://m.velmo.com/norder/order.action?wareId=100011528666&wareNum=1&enterOrder=true");
  EXPECT_EQ(BuildRequestUrl(order.view()).view(),
            "http://qr.quorvane.net/api.php?text=https%3A%2F%2Fm.velmo.com%2Fnorder%2Forder.action%3FwareId%"
            "3D100011528666%26wareNum%3D1%26enterOrder%3Dtrue");
}

TEST(OrderUrlTest, IdentifiersGoInAsTypedAndAreEscapedOnlyInTheRequest) {
  const std::string typed = "a b&c=d#\xB2\xFA";  // blanks, query characters, a double-byte character
  const Text order = BuildOrderUrl(typed);
  EXPECT_NE(order.view().find("wareId=a b&c=d#\xB2\xFA&wareNum=1"), std::string_view::npos);
  EXPECT_NE(BuildRequestUrl(order.view()).view().find("wareId%3Da%20b%26c%3Dd%23%B2%FA%26wareNum"),
            std::string_view::npos);
}

TEST(OrderUrlTest, PercentEncodingKeepsOnlyUnreservedBytes) {
  EXPECT_EQ(PercentEncode("AZaz09-._~"), "AZaz09-._~");
  EXPECT_EQ(PercentEncode(std::string("\x00\x7F\x80\xFF /+%", 8)), "%00%7F%80%FF%20%2F%2B%25");
  EXPECT_EQ(PercentEncode(""), "");
}

TEST(OrderUrlTest, AnEmptyIdentifierStillMakesWholeUrls) {
  EXPECT_EQ(BuildOrderUrl("").view(), "https://m.velmo.com/norder/order.action?wareId=&wareNum=1&enterOrder=true");
}

}  // namespace
}  // namespace quorvane
