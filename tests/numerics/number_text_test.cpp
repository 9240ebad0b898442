#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>

#include "numerics/NumberText.h"

namespace zw {
namespace {

TEST(ScanInteger, Table) {
  struct Case {
    const char* text;
    std::int32_t pos, want, posAfter;
  } cases[] = {
      {"", 1, 0, 1},
      {"  42x", 1, 42, 5},
      {"-17", 1, -17, 4},
      {"+8 ", 1, 8, 3},
      {"abc", 1, 0, 1},
      {"x=12,7", 3, 12, 5},
      {"99999999999999999999", 1, 2147483647, 21},  // saturates instead of wrapping
      {"-99999999999", 1, -2147483647 - 1, 13},
  };
  for (const Case& c : cases) {
    std::int32_t pos = c.pos;
    EXPECT_EQ(ScanInteger(c.text, pos), c.want) << c.text;
    EXPECT_EQ(pos, c.posAfter) << c.text;
  }
}

TEST(ScanReal, Table) {
  struct Case {
    const char* text;
    bool exp;
    int sep;
    double want;
    std::int32_t posAfter;
  } cases[] = {
      {"2.5", true, 1, 2.5, 4},
      {"  -1.25E+3x", true, 1, -1250, 11},
      {"1E", true, 1, 1, 3},      // a dangling E is dropped
      {"1E+", true, 1, 1, 4},
      {"1E5", false, 1, 1, 2},    // no exponent allowed: E ends the number
      {"3,5", true, 2, 3.5, 4},
      {"3,5", true, 1, 3, 2},
      {"7.", true, 1, 7, 3},
      {"1.2.3", true, 1, 0, 4},   // a second separator is an error
      {"E5", true, 1, 0, 1},
      {"- 5", true, 1, 0, 2},
      {"", true, 1, 0, 1},
      {"1E400", true, 1, 1.7e308, 6},
      {"-1E400", true, 1, -1.7e308, 7},
      {"1E-400", true, 1, 0, 7},
      {"1E99999", true, 1, 1.7e308, 8},
  };
  for (const Case& c : cases) {
    std::int32_t pos = 1;
    EXPECT_EQ(ScanReal(c.text, c.exp, c.sep, pos), c.want) << c.text;
    EXPECT_EQ(pos, c.posAfter) << c.text;
  }
}

TEST(FormatReal, FixedAndExponentForms) {
  EXPECT_EQ(FormatReal(1234.5, 13, -1), " 1.2345E+0003");
  EXPECT_EQ(FormatReal(-0.5, 13, -1), "-5.0000E-0001");
  EXPECT_EQ(FormatReal(2.5, 15, -1), " 2.500000E+0000");
  EXPECT_EQ(FormatReal(1.0 / 3, 26, -1), " 3.33333333333333315E-0001");
  EXPECT_EQ(FormatReal(3.14159, 1, 2), "3.14");
  EXPECT_EQ(FormatReal(0.125, 1, 2), "0.12");  // an exact tie rounds to even
  EXPECT_EQ(FormatReal(-2, 6, 1), "  -2.0");
  EXPECT_EQ(FormatReal(1e36, 1, 2), " 1.0E+0036");  // large magnitudes switch to the exponent form
  EXPECT_EQ(FormatReal(std::ldexp(1.0, 100), 1, 0), "1267650600228229401496703205376");
}

TEST(FormatGeneral15, ShortestText) {
  struct Case {
    double x;
    const char* want;
  } cases[] = {{0, "0"},         {2.5, "2.5"},         {-3, "-3"},         {0.1, "0.1"},
               {1.0 / 3, "0.333333333333333"},         {123456789012345, "123456789012345"},
               {1e15, "1E15"},   {1.5e20, "1.5E20"},   {0.00001, "0.00001"}, {2e-7, "2E-7"},
               {-1.25e-300, "-1.25E-300"}};
  for (const Case& c : cases) EXPECT_EQ(FormatGeneral15(c.x), c.want) << c.x;
  // What is written reads back through the scanner of the XML cells.
  for (double x : {0.1, 1.0 / 3, 6.02214076e23, -1.6e-19, 4.9e-324}) {
    std::int32_t pos = 1;
    const double back = ScanReal(FormatGeneral15(x), true, 1, pos);
    EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << x;
  }
}

TEST(ExtendedReal, ByteLayout) {
  struct Case {
    double x;
    unsigned char bytes[10];
  } cases[] = {
      {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {-2.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}},
      {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
      {3.0, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0x00, 0x40}},
      {std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
  };
  for (const Case& c : cases) {
    const TExtendedBytes b = EncodeExtended(c.x);
    EXPECT_EQ(std::memcmp(b.data(), c.bytes, 10), 0) << c.x;
    TExtendedBytes in;
    std::memcpy(in.data(), c.bytes, 10);
    EXPECT_EQ(static_cast<double>(DecodeExtended(in)), c.x);
    EXPECT_EQ(std::signbit(DecodeExtended(in)), std::signbit(c.x));
  }
  for (double x : {0.1, -1e-310, 1.7976931348623157e308, 4.9e-324, 12345.678})
    EXPECT_EQ(static_cast<double>(DecodeExtended(EncodeExtended(x))), x) << x;
  EXPECT_TRUE(std::isnan(DecodeExtended(EncodeExtended(std::nan("")))));
  // A value beyond the doubles stays a large extended real.
  const TExtendedBytes big = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F - 1};
  EXPECT_GT(DecodeExtended(big), 1e4000L);
}

TEST(StreamLines, ControlCharactersDroppedTabsKept) {
  std::istringstream in("a\tb\r\nsecond\x01\nlast");
  std::string line;
  ASSERT_TRUE(ReadStreamLine(in, line));
  EXPECT_EQ(line, "a\tb");
  ASSERT_TRUE(ReadStreamLine(in, line));
  EXPECT_EQ(line, "second");
  ASSERT_TRUE(ReadStreamLine(in, line));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(ReadStreamLine(in, line));
}

TEST(Cp1252Ids, RoundTrip) {
  EXPECT_EQ(Utf8ToCp1252("Maß €"), "Ma\xDF \x80");
  EXPECT_EQ(Cp1252ToUtf8("Ma\xDF \x80"), "Maß €");
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // not in the code page
}

}  // namespace
}  // namespace zw
