// The computed rules of the fetch: read size, object name, scheme mapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "web/portable/object_name.h"
#include "web/portable/read_size.h"
#include "web/portable/scheme_rule.h"

namespace quorvane {
namespace {

struct DecimalCase {
  const char* text;
  std::int32_t value;
};

TEST(ParseDecimalTest, ReadsAsStrtolWithBaseTenClampedToInt32) {
  const DecimalCase cases[] = {
      {"300", 300},
      {"0", 0},
      {"", 0},
      {"abc", 0},
      {"0x10", 0},
      {"1e5", 1},
      {"42abc", 42},
      {" \t\n\v\f\r42", 42},
      {"+42", 42},
      {"-42", -42},
      {"--42", 0},
      {"+-42", 0},
      {"- 42", 0},
      {"4 2", 4},
      {"\x85" "42", 0},  // no blank outside the C locale's six
      {"000000000000000000000000000000300", 300},
      {"2147483647", INT32_MAX},
      {"2147483648", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"-2147483649", INT32_MIN},
      {"99999999999999999999999999", INT32_MAX},
      {"-99999999999999999999999999", INT32_MIN},
  };
  for (const DecimalCase& c : cases) {
    EXPECT_EQ(ParseDecimal(c.text), c.value) << '"' << c.text << '"';
    // The C library is the reference: strtol here is 64-bit, so clamping its
    // result gives the 32-bit reading.
    const long reference = std::strtol(c.text, nullptr, 10);
    EXPECT_EQ(ParseDecimal(c.text), std::clamp<long>(reference, INT32_MIN, INT32_MAX)) << '"' << c.text << '"';
  }
}

TEST(ParseDecimalTest, StopsAtTheEndOfTheViewAndAtAZero) {
  EXPECT_EQ(ParseDecimal(std::string_view("12345", 3)), 123);
  EXPECT_EQ(ParseDecimal(std::string_view("12\0" "34", 5)), 12);
}

struct ReadSizeCase {
  std::optional<std::string_view> content_length;
  std::int32_t read_size;
};

TEST(ReadSizeTest, FollowsTheAnnouncedLengthWithinBounds) {
  const ReadSizeCase cases[] = {
      {std::nullopt, 10240},   // no header, or one too long to query
      {"0", 10240},
      {"-1", 10240},
      {"-2147483648", 10240},
      {"not a number", 10240},
      {"1", 2},
      {"300", 301},
      {"10240", 10241},
      {"102398", 102399},
      {"102399", 102400},       // n + 1 is exactly the largest read
      {"102400", 102400},
      {"5000000", 102400},
      {"2147483647", 102400},   // n + 1 would overflow
      {"99999999999", 102400},  // beyond the range: clamped, still positive
  };
  for (const ReadSizeCase& c : cases) {
    EXPECT_EQ(ReadSizeFor(c.content_length), c.read_size)
        << (c.content_length ? std::string(*c.content_length) : "(none)");
  }
}

TEST(ObjectNameTest, EndsBeforeTheFirstHash) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"/api.php?text=abc", "/api.php?text=abc"},
      {"/api.php?text=abc#top", "/api.php?text=abc"},
      {"/a#b#c", "/a"},
      {"#only", ""},
      {"/trailing#", "/trailing"},
      {"", ""},
  };
  for (const auto& [path, object] : cases) {
    EXPECT_EQ(path.substr(0, ObjectNameLength(path)), object) << path;
  }
}

TEST(SchemeRuleTest, OnlyHttpsAddsSecureAndUnknownSchemesGetNoService) {
  constexpr std::uint32_t kFresh = 0x80000000u | 0x04000000u;  // reload, no cache write
  struct Case {
    std::int32_t scheme;
    std::uint32_t service;
    std::uint32_t flags;
  };
  const Case cases[] = {
      {3, 3, kFresh},                // http
      {4, 3, kFresh | 0x00800000u},  // https
      {1, 1, kFresh},                // ftp
      {2, 2, kFresh},                // gopher
      {5, kNoService, kFresh},       // file
      {6, kNoService, kFresh},       // news
      {7, kNoService, kFresh},       // mailto
      {0, kNoService, kFresh},       // default
      {-1, kNoService, kFresh},      // unknown
  };
  for (const Case& c : cases) {
    const SchemeRule rule = RuleForScheme(c.scheme);
    EXPECT_EQ(rule.service, c.service) << c.scheme;
    EXPECT_EQ(rule.request_flags, c.flags) << c.scheme;
  }
}

}  // namespace
}  // namespace quorvane
