// String and number helpers of the chart library.
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <vector>

#include "common/MathHelpers.h"
#include "common/StringHelpers.h"

namespace zw {
namespace {

TEST(StringHelpers, FormatFixedWidth) {
  struct Case { int width, decimals; long double x; std::string expected; } cases[] = {
      {8, 2, 3.14159L, "    3.14"},
      {-8, 2, -3.14159L, "-0003.14"},
      {-8, 2, 3.14159L, "00003.14"},
      {1, 2, 12345.678L, "12345.68"},     // longer than the field
      {1, -2, 12345.0L, " 1.2E+04"},
      {1, -2, -0.00012345L, "-1.2E-04"},
      {12, -2, 12345.0L, " 1.23450E+04"},  // field 14: six significant digits
      {1, -2, 1e120L, "********"},
      {1, -2, 1e-150L, "********"},
      {10, -1, 12345.0L, " 1.2E+0004"},    // other negative decimals: no cut
      {0, 0, 2.5L, "2"},                   // ties go to the conversion (to even)
      {1, 600, 1.0L, "1." + std::string(600, '0')},
      {6, 2, std::numeric_limits<long double>::infinity(), "  +Inf"},
      {1, -2, -std::numeric_limits<long double>::infinity(), "-Inf"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatFixedWidth(c.width, c.decimals, c.x), c.expected) << c.width << "," << c.decimals;
  std::string s;
  FormatFixedWidth(6, 1, s, 2.25L);
  EXPECT_EQ(s, "   2.2");
}

TEST(StringHelpers, ReplaceAndTrim) {
  EXPECT_EQ(ReplaceChar(u"a.b.c", u'.', u','), u"a,b,c");
  EXPECT_EQ(TrimBlanks(u"  a b  "), u"a b");
  EXPECT_EQ(TrimBlanks(u"   "), u"");
  EXPECT_EQ(TrimBlanks(u"\ta "), u"\ta");  // only the blank counts
}

std::vector<std::u16string> scan(std::u16string_view text) {
  std::vector<std::u16string> tokens;
  std::u16string token;
  TQuotedStrState state = TQuotedStrState::vsStart;
  for (char16_t ch : text) {
    if (ScanQuotedStr(ch, u'"', token, state)) {
      tokens.push_back(token);
      token.clear();
    }
  }
  return tokens;
}

TEST(StringHelpers, ScanQuotedStr) {
  EXPECT_EQ(scan(u"\"a b\" x "), (std::vector<std::u16string>{u"a b", u"x"}));
  EXPECT_EQ(scan(u"  one two "), (std::vector<std::u16string>{u"one", u"two"}));
  // Two quotes in a row stand for one quote character.
  EXPECT_EQ(scan(u"\"\"q "), (std::vector<std::u16string>{u"\"q"}));
  // A control character right after the opening quote ends the token.
  EXPECT_EQ(scan(u"\"\n"), (std::vector<std::u16string>{u""}));
  EXPECT_TRUE(scan(u"unfinished").empty());
}

TEST(StringHelpers, ReadTagFromText) {
  const std::array<std::u16string_view, 8> tags = {u"sub", u"sup", u"font", u"b", u"i", u"u", u"s", u"*default*"};
  struct Case { const char16_t* text; int index; bool endTag; const char16_t* attributes; int tagEnd; } cases[] = {
      {u"</FONT>", 2, true, u"", 7},
      {u"<font color=red>", 2, false, u"color=red", 16},
      {u"<br>", 7, false, u"", 4},
      {u"<B>bold", 3, false, u"", 3},
      {u"<font size=3 />", 2, false, u"size=3", 15},
  };
  for (const Case& c : cases) {
    int pos = 1, tagEnd = 0;
    bool end = false;
    std::u16string attr;
    EXPECT_EQ(ReadTagFromText(c.text, pos, tagEnd, end, attr, 7, tags), c.index);
    EXPECT_EQ(end, c.endTag);
    EXPECT_EQ(attr, c.attributes);
    EXPECT_EQ(tagEnd, c.tagEnd);
  }
  // Text before the tag is skipped, and the tag's first letter is kept.
  int pos = 1, tagEnd = 0;
  bool end = false;
  std::u16string attr;
  EXPECT_EQ(ReadTagFromText(u"ab<sub>x", pos, tagEnd, end, attr, 7, tags), 0);
  EXPECT_EQ(pos, 4);
  // No tag left.
  pos = 1;
  EXPECT_EQ(ReadTagFromText(u"plain", pos, tagEnd, end, attr, 7, tags), 7);
  EXPECT_FALSE(end);
}

TEST(MathHelpers, PolarAngle) {
  constexpr double pi = std::numbers::pi;
  struct Case { double x, y, a; } cases[] = {
      {0, 0, 3 * pi / 2}, {-1, 0, pi}, {1, -1, 7 * pi / 4}, {0, 2, pi / 2}, {0, -2, 3 * pi / 2},
      {1, 0, 0},          {-1, 1, 3 * pi / 4}, {-1, -1, 5 * pi / 4},
  };
  for (const Case& c : cases) EXPECT_NEAR(PolarAngle(c.x, c.y), c.a, 1e-12) << c.x << "," << c.y;
}

TEST(MathHelpers, FormatEngineering) {
  struct Case { int digits; double x; const char* expected; } cases[] = {
      {4, 12346, "12.35k"},    {-4, 12346, "12k35"},   {3, 0.000123, "123u"}, {3, 5, "5.00"},
      {3, -12346, "-12.3k"},   {3, 0, "0.00"},         {1, 0, "0"},           {-3, 1500, "1k50"},
      {3, 1.5e15, "1500T"},    {3, 2e18, "2000000T"},  {20, 1, "1.00000000"},
      {-3, 2e6, "2M00"},       {3, 4.7e-18, "4.70a"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatEngineering(c.digits, c.x), c.expected) << c.digits << " " << c.x;
}

TEST(MathHelpers, Log10CheckedRaises) {
  EXPECT_DOUBLE_EQ(Log10Checked(1000), 3);
  for (double bad : {0.0, -1.0, std::nan("")}) {
    try {
      Log10Checked(bad);
      ADD_FAILURE() << bad;
    } catch (const EZwError& e) {
      EXPECT_STREQ(e.what(), "logarithm: invalid argument");
    }
  }
}

TEST(MathHelpers, CombSort) {
  std::vector<double> d = {5, 3, 9, 1};
  CombSortDoubles(d, true);
  EXPECT_EQ(d, (std::vector<double>{1, 3, 5, 9}));
  CombSortDoubles(d, false);
  EXPECT_EQ(d, (std::vector<double>{9, 5, 3, 1}));
  std::vector<double> one = {4};
  CombSortDoubles(one, true);
  EXPECT_EQ(one, std::vector<double>{4});
  std::vector<std::int32_t> ints = {3, -1, 7, 7, 0, -20, 11, 2, 5, 1, 9, 8};
  std::vector<std::int32_t> sorted = ints;
  std::sort(sorted.begin(), sorted.end());
  CombSortIntegers(ints, true);
  EXPECT_EQ(ints, sorted);
}

TEST(MathHelpers, HexFloorSignExchange) {
  EXPECT_EQ(CardinalToHex(255, 0), "F");
  EXPECT_EQ(CardinalToHex(255, 4), "00FF");
  EXPECT_EQ(CardinalToHex(0xFFFFFFFFu, 12), "FFFFFFFF");
  EXPECT_EQ(CardinalToHex(0xABCDu, 2), "CD");
  EXPECT_EQ(FloorInt(-1.5), -2);
  EXPECT_EQ(FloorInt(2.999), 2);
  EXPECT_EQ(FloorInt(1e300), 2147483647);
  EXPECT_EQ(FormatEngineering(3, std::numeric_limits<double>::infinity()), "+Inf");
  EXPECT_EQ(SignOf(0.0), 1);
  EXPECT_EQ(SignOf(-1e-300), -1);
  int a = 1, b = 2;
  ExchangeIntegers(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
}

}  // namespace
}  // namespace zw
