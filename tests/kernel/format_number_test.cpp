#include <gtest/gtest.h>

#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatFixed.h"
#include "kernel/KernelState.h"

namespace zw {
namespace {

// Separators pinned per test: regional ",", language ",".
class Format : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }
  static void UseRegionalPoint() { kernelState().RegionalDecimalSeparator = u'.'; }
};

TEST_F(Format, FormatRealWithBothRegionalSeparators) {
  struct Case { int digits; Extended x; std::u16string comma, point; } cases[] = {
      {8, 0, u"0", u"0"},
      {8, 1e-19L, u"0", u"0"},
      {8, -1e-19L, u"0", u"0"},
      {4, 1234, u"1234", u"1234"},
      {4, 12345, u"1,235E4", u"1.235E4"},
      {8, 1.5e20L, u"1,5E20", u"1.5E20"},
      {8, 123456789, u"1,2345679E8", u"1.2345679E8"},
      {8, 12345678, u"12345678", u"12345678"},
      {8, -1.5L, u"-1,5", u"-1.5"},
      {8, 0.0001L, u"0,0001", u"0.0001"},
      {4, 0.00012346L, u"0,0001235", u"0.0001235"},
      // Below 1e-4: fixed notation with `digits` decimals, whatever the separator.
      {8, 1.2345678e-5L, u"0,00001235", u"0.00001235"},
      {8, 1e-9L, u"0,00000000", u"0.00000000"},
      {6, -2.5e-5L, u"-0,000025", u"-0.000025"},
      {6, 1.0L / 3, u"0,333333", u"0.333333"},
      {4, 9999.6L, u"1E4", u"1E4"},          // the carry moves into the exponent
      {2, 0.125L, u"0,13", u"0.13"},         // halves round up
      {3, 2.675L, u"2,68", u"2.68"},
      {15, 0.1L, u"0,1", u"0.1"},
      {15, 1e15L, u"1E15", u"1E15"},
      {8, 100, u"100", u"100"},
  };
  for (const auto& c : cases) {
    kernelState().RegionalDecimalSeparator = u',';
    EXPECT_EQ(FormatReal(c.digits, c.x), c.comma) << c.digits << ", " << c.x;
    kernelState().RegionalDecimalSeparator = u'.';
    EXPECT_EQ(FormatReal(c.digits, c.x), c.point) << c.digits << ", " << c.x;
  }
  EXPECT_EQ(FormatReal(8, INFINITY), u"INF");
  EXPECT_EQ(FormatReal(8, NAN), u"NAN");
}

TEST_F(Format, GeneralFormatAtNineAndFifteenDigits) {
  struct Case { int digits; Extended x; std::u16string text; } cases[] = {
      {15, 0, u"0"},
      {15, -0.0L, u"0"},
      {15, 1, u"1"},
      {15, -2.5L, u"-2,5"},
      {15, 1.0L / 3, u"0,333333333333333"},
      {15, 2.0L / 3, u"0,666666666666667"},
      {15, 0.9999999999999998L, u"1"},          // elimination noise vanishes at 15 digits
      {15, 0.00001L, u"0,00001"},               // fixed from 0.00001 on
      {15, 0.0000099999L, u"9,9999E-6"},
      {15, 1e-6L, u"1E-6"},                     // no "+", no leading zeros
      {15, 123456789012345.0L, u"123456789012345"},
      {15, 999999999999999.5L, u"1E15"},        // the carry reaches the exponent
      {15, 1e15L, u"1E15"},
      {15, 1.5e20L, u"1,5E20"},
      {15, -1.5e400L, u"-1,5E400"},             // beyond double's range
      {15, 2.5e-400L, u"2,5E-400"},
      {9, -2.5L, u"-2,5"},
      {9, 1.0L / 3, u"0,333333333"},
      {9, 123456789, u"123456789"},
      {9, 1234567890, u"1,23456789E9"},         // the integer part longer than the precision
      {9, 1234567891234.0L, u"1,23456789E12"},
      {9, 0.000123456789123L, u"0,000123456789"},
      {9, 99999999.96L, u"100000000"},
      {9, 999999999.5L, u"1E9"},
      // One rounding of the value: through 18 digits first, ...4449999 would
      // become ...445 and then ...45.
      {9, 0.1234567844999999999L, u"0,123456784"},
  };
  kernelState().RegionalDecimalSeparator = u',';
  for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.digits, c.x), c.text) << c.digits << ", " << c.x;
  UseRegionalPoint();
  EXPECT_EQ(FormatGeneral(15, 1.25L), u"1.25");
  EXPECT_EQ(FormatGeneral(9, 1.5e-7L), u"1.5E-7");
  EXPECT_EQ(FormatGeneral(15, INFINITY), u"INF");
  EXPECT_EQ(FormatGeneral(15, -INFINITY), u"-INF");
  EXPECT_EQ(FormatGeneral(15, NAN), u"NAN");
}

TEST_F(Format, FixedNotationKeepsItsDecimalsAndTheRegionalSeparator) {
  struct Case { Extended x; std::u16string comma, point; } cases[] = {
      {0, u"0,00000000", u"0.00000000"},
      {1, u"1,00000000", u"1.00000000"},
      {0.123456789L, u"0,12345679", u"0.12345679"},
      {1.0L / 12, u"0,08333333", u"0.08333333"},
      {4.9e-9L, u"0,00000000", u"0.00000000"},
      {5e-9L, u"0,00000001", u"0.00000001"},
      {-3e-9L, u"0,00000000", u"0.00000000"},  // no "-0"
      {-0.25L, u"-0,25000000", u"-0.25000000"},
      {0.999999999L, u"1,00000000", u"1.00000000"},
      {12345678901.0L, u"1,23456789E10", u"1.23456789E10"},  // beyond the precision
  };
  for (const auto& c : cases) {
    kernelState().RegionalDecimalSeparator = u',';
    EXPECT_EQ(FormatFixed(10, 8, c.x), c.comma) << double(c.x);
    UseRegionalPoint();
    EXPECT_EQ(FormatFixed(10, 8, c.x), c.point) << double(c.x);
  }
}

TEST_F(Format, ZerosSignsAndParentheses) {
  EXPECT_EQ(FormatRealZeros(4, 1.5L), u"1,500");
  EXPECT_EQ(FormatRealZeros(4, -1.5L), u"-1,50");
  EXPECT_EQ(FormatRealZeros(4, 2), u"2");
  // Never pad behind an exponent: «1,5E20000» would read as 1.5·10^20000.
  EXPECT_EQ(FormatRealZeros(8, 1.5e20L), u"1,5E20");
  EXPECT_EQ(FormatRealZeros(8, 1.5e8L), u"1,5E8");
  kernelState().LanguageDecimalSeparator = std::u16string(1, u'.');  // English on German regional settings
  EXPECT_EQ(FormatRealZeros(4, 1.5L), u"1,5");

  EXPECT_EQ(FormatRealSigned(6, 2), u" 2");
  EXPECT_EQ(FormatRealSigned(6, -2), u"-2");
  EXPECT_EQ(FormatRealSigned(6, -1e-20L), u" 0");
  EXPECT_EQ(FormatRealParen(4, -2), u"(-2)");
  EXPECT_EQ(FormatRealParen(4, 2.5L), u"2,5");
}

TEST_F(Format, FormatTermPadsOnlyPlainDecimals) {
  struct Case { int digits; Extended x; std::u16string text; } cases[] = {
      {4, 1.5L, u" + 1,500"},
      {4, -2, u" \u2013 2"},
      {4, -0.25L, u" \u2013 0,250"},
      {8, 1.5e10L, u" + 1,5E0010"},   // not « + 1,5E00100»
      {8, 1.5e20L, u" + 1,5E0020"},
      {4, 1e-6L, u" + 1E-0006"},
      {4, 0, u" + 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatTerm(c.digits, c.x), c.text) << c.x;
  // The regional separator decides the padding, not a literal ",".
  UseRegionalPoint();
  EXPECT_EQ(FormatTerm(4, 1.5L), u" + 1.500");
  EXPECT_EQ(FormatTerm(4, -1.5L), u" \u2013 1.500");
}

TEST_F(Format, FormatGrouped) {
  struct Case { Extended x; std::u16string text; } cases[] = {
      {1234567, u"1 234 567"}, {-1234.5L, u"-1 235"}, {999, u"999"}, {0.4L, u"0"},
      {-0.4L, u"0"}, {999999999999999999.0L, u"999 999 999 999 999 999"},
      {1e18L, u"overflow"}, {1e19L, u"overflow"}, {-1e19L, u"overflow"}, {INFINITY, u"overflow"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatGrouped(c.x), c.text) << c.x;
  UseRegionalPoint();
  EXPECT_EQ(FormatGrouped(1234567), u"1,234,567");
}

TEST_F(Format, BlanksAndPadding) {
  EXPECT_EQ(Blanks(3), u"   ");
  EXPECT_EQ(Blanks(-1), u"");
  EXPECT_EQ(Blanks(40).size(), 30u);
  EXPECT_EQ(PadRight(u"ab", 4), u"ab  ");
  EXPECT_EQ(PadLeft(u"abc", 2), u"abc");
  EXPECT_EQ(PadLeft(u"", 100).size(), 30u);
  EXPECT_EQ(PadCenter(u"abc", 7), u"  abc  ");
  EXPECT_EQ(PadCenter(u"abc", 6), u"  abc ");  // the odd blank goes first
  EXPECT_EQ(PadCenter(u"abcdef", 4), u"abcd");
  EXPECT_EQ(PadCenter(u"", 100).size(), 73u);  // 30 leading + 43 trailing at most
  EXPECT_EQ(RepeatStr(u"ab", 3), u"ababab");
  EXPECT_EQ(RepeatStr(u"ab", 0), u"");
}

TEST_F(Format, FormatLinear3) {
  struct Case { std::u16string n1, n2, n3; Extended c1, c2, c3; std::u16string text; } cases[] = {
      {u"", u"t", u"", 3, -1, 0, u"3 - t"},
      {u"", u"t", u"", 1, 1, 0, u"1 + t"},
      {u"x", u"y", u"z", 0, 0, 0, u"0"},
      {u"x", u"y", u"z", -1, 2.5L, -1, u"- x + 2,5y - z"},
      {u"x", u"y", u"z", 0, 0, -4, u"- 4z"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatLinear3(c.n1, c.n2, c.n3, c.c1, c.c2, c.c3), c.text);
}

TEST_F(Format, MillionsBillionsAndPowersOfTen) {
  struct Case { Extended x; std::u16string mio, power; } cases[] = {
      {1.5e6L, u"1,5 Mio", u"1,5000\u00B710\u2076"},
      {1.2345e7L, u"12,345 Mio", u"1,2345\u00B710\u2077"},
      {-1.5e6L, u"-1,5 Mio", u"-1,500\u00B710\u2076"},
      {2.5e9L, u"2,5 Mrd", u"2,5000\u00B710\u2079"},
      {4.2e11L, u"420 Mrd", u"4,2000\u00B710\u00B9\u00B9"},
      {2e6L, u"2 Mio", u"2\u00B710\u2076"},
      {1.5e12L, u"1,5E12", u"1,5000\u00B710\u00B9\u00B2"},
      {1234, u"1234", u"1234"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatMioMrd(5, c.x), c.mio) << c.x;
    EXPECT_EQ(FormatPowerOfTen(5, c.x), c.power) << c.x;
  }
  UseRegionalPoint();
  EXPECT_EQ(FormatMioMrd(5, 1.2345e7L), u"12.345 Mio");
}

TEST_F(Format, ScriptDigits) {
  EXPECT_EQ(ksym::SupScriptDigits(10), u"\u00B9\u2070");
  EXPECT_EQ(ksym::SupScriptDigits(0), u"\u2070");
  EXPECT_EQ(ksym::SupScriptDigits(23456789), u"\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079");
  EXPECT_EQ(ksym::SubScriptDigits(12), u"\u2081\u2082");
}

TEST_F(Format, ParseDateDMY) {
  using namespace std::chrono;
  EXPECT_EQ(ParseDateDMY(u"24.12.2024"), year_month_day(year(2024), month(12), day(24)));
  EXPECT_EQ(ParseDateDMY(u" 1. 2. 2000"), year_month_day(year(2000), month(2), day(1)));
  EXPECT_EQ(ParseDateDMY(u"29.2.2024"), year_month_day(year(2024), month(2), day(29)));
  EXPECT_EQ(ParseDateDMY(u"3 4 1999"), year_month_day(year(1999), month(4), day(3)));
  for (const std::u16string bad : {u"31.2.2024", u"29.2.2023", u"24.12", u"24.12.", u"a.1.2020",
                                   u"1.13.2020", u"0.1.2020", u"1..2020", u"", u"1.1.99999",
                                   u"1.5x.2020"})
    EXPECT_THROW(ParseDateDMY(bad), CalcFailure) << std::string(bad.begin(), bad.end());
}

// Both replacements ignore case and make one pass, so they end even when the
// new text contains the old one; RenameVariable also keeps "fak" intact.
TEST_F(Format, ReplaceAllTextAndRenameVariable) {
  using Replace = void (*)(std::u16string&, const std::u16string&, const std::u16string&);
  struct Case { Replace replace; std::u16string text, oldText, newText, result; } cases[] = {
      {ReplaceAllText, u"ArcTan(x)+arctan(1)", u"arctan", u"atan", u"atan(x)+atan(1)"},
      {ReplaceAllText, u"2k+k", u"k", u"(fak(3))", u"2(fak(3))+(fak(3))"},
      {ReplaceAllText, u"k", u"k", u"(2k)", u"(2k)"},
      {ReplaceAllText, u"aaa", u"aa", u"b", u"ba"},
      {ReplaceAllText, u"ÄRGER", u"ä", u"ae", u"aeRGER"},
      {ReplaceAllText, u"abc", u"", u"x", u"abc"},
      {ReplaceAllText, u"ab", u"abc", u"x", u"ab"},
      {RenameVariable, u"fak(a)+a", u"a", u"t", u"fak(t)+t"},
      {RenameVariable, u"FAK(k)*k", u"k", u"(fak(3))", u"fak((fak(3)))*(fak(3))"},
      {RenameVariable, u"2k+k^2", u"k", u"(2k)", u"2(2k)+(2k)^2"},
      {RenameVariable, u"f+fak(f)", u"f", u"g", u"g+fak(g)"},
      {RenameVariable, u"xxx+x", u"x", u"t", u"ttt+t"},  // no "xxx" placeholder to corrupt
      {RenameVariable, u"A*a", u"a", u"b", u"b*b"},
  };
  for (auto c : cases) {
    c.replace(c.text, c.oldText, c.newText);
    EXPECT_EQ(c.text, c.result);
  }
}

}  // namespace
}  // namespace zw
