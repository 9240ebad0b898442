#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "kernel/PolyText.h"
#include "common/TextMeasurer.h"
#include "tests/kernel/poly_helpers.h"

namespace zw {
namespace {

using testing_poly::F;
using testing_poly::P;
using testing_poly::utf8;

class FakeClipboard : public TextClipboard {
public:
  bool hasText() const override { return has; }
  std::u16string text() const override { return content; }
  void setText(const std::u16string& t) override {
    content = t;
    has = true;
  }
  bool has = false;
  std::u16string content;
};

// Row 0 and column 0 fixed; coefficient columns 1..cols.
class FakeGrid : public CoefficientGrid {
public:
  FakeGrid(int cols, int rows) : cols_(cols + 1), cells_(rows + 1, std::vector<std::u16string>(cols + 1)) {}
  int columnCount() const override { return cols_; }
  int firstEditableColumn() const override { return 1; }
  int currentRow() const override { return row; }
  std::u16string cell(int c, int r) const override { return cells_.at(r).at(c); }
  void setCell(int c, int r, const std::u16string& t) override { cells_.at(r).at(c) = t; }
  int row = 1;

private:
  int cols_;
  std::vector<std::vector<std::u16string>> cells_;
};

TEST(PolyText, FractionText) {
  struct Case { TPoly p; std::u16string text; } cases[] = {
      {TPoly{}, u"0"},
      {P({{0}, {-1}}), u" - x"},
      {P({{1}}), u"1"},
      {P({{F(-1, 2)}}), u" - 1/2"},
      {P({{F(1, 2)}, {-1}, {F(3, 4)}}), u"3/4x² - x + 1/2"},
      {P({{-1}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {2}}), u"2x¹² - 1"},
      {P({{F(3, 0)}, {1}}), u"x + 3"},  // a zero denominator reads as 1
  };
  for (const auto& c : cases) EXPECT_EQ(PolyToTextFrac(c.p), c.text) << utf8(c.text);
  TPoly p36{};
  p36[36] = F(-1);
  EXPECT_EQ(PolyToTextFrac(p36), u" - x³⁶");
}

TEST(PolyText, DecimalText) {
  kernelState().reset();
  EXPECT_EQ(PolyToTextDecimal(P({{F(1, 2)}, {-1}, {F(3, 4)}})), u"0,75·x² - x + 0,5");
  EXPECT_EQ(PolyToTextDecimal(TPoly{}), u"");
  EXPECT_EQ(PolyToTextDecimal(P({{-2}, {F(1, 4)}})), u"0,25·x - 2");
}

TEST(PolyText, PlainFactorAndSmallTexts) {
  EXPECT_EQ(PolyToTextPlain(P({{F(1, 2)}, {-2}, {1}})), u"x^2 - 2x + 1/2");
  EXPECT_EQ(SupToCaret(u"3x² - 2·x"), u"3x^2 - 2x");
  EXPECT_EQ(SupToCaret(u"x¹² + x²"), u"x^12 + x^2");
  // No cut of long texts.
  TPoly p{};
  for (int i = 0; i <= 36; ++i) p[i] = F(-1000000 - i, 999999);
  const std::u16string plain = PolyToTextPlain(p);
  EXPECT_GT(plain.size(), 255u);
  EXPECT_EQ(plain.substr(plain.size() - 24), u"999999x - 1000000/999999");
  EXPECT_EQ(PolyToTextFactor(1, P({{1}, {1}})), u"x + 1");
  EXPECT_EQ(PolyToTextFactor(-3, P({{1}, {1}})), u"-3·(x + 1)");
  EXPECT_EQ(PolyToTextFactor(100000, P({{100000}})), u"10000000000");
  EXPECT_EQ(BruchFactorText(F(1)), u"");
  EXPECT_EQ(BruchFactorText(F(2, 3)), u"2/3·");
  EXPECT_EQ(ExponentText(1), u"");
  EXPECT_EQ(ExponentText(12), u"¹²");
}

TEST(PolyText, FactorisedText) {
  struct Case { TPoly p; std::u16string text; TBruch factor; std::u16string rest; } cases[] = {
      {P({{0}, {-2}, {0}, {2}}), u"x·(x - 1)·(x + 1)", F(2), u"0"},
      {P({{1}, {2}, {1}}), u"(x + 1)²", F(1), u"0"},
      {P({{1}, {0}, {1}}), u"x² + 1", F(1), u"x² + 1"},
      {P({{-2}, {0}, {2}}), u"(x - 1)·(x + 1)", F(2), u"0"},
      {P({{-2}, {0}, {-1}, {0}, {1}}), u"x⁴ - x² - 2", F(1), u"x⁴ - x² - 2"},
      {P({{-1}, {1}, {-1}, {1}}), u"(x - 1)·(x² + 1)", F(1), u"x² + 1"},
      {P({{2}, {-3}, {0}, {1}}), u"(x - 1)²·(x + 2)", F(1), u"0"},
      {P({{-1}, {0}, {0}, {0}, {3}}), u"3x⁴ - 1", F(1), u"3x⁴ - 1"},
      {P({{5}}), u"1", F(5), u"0"},
      {P({{F(-1, 3)}, {F(1, 2)}}), u"(3x - 2)", F(1, 6), u"0"},
  };
  for (const auto& c : cases) {
    std::u16string text;
    TBruch factor;
    TPoly rest = P({{9}});
    PolyFactorisedText(c.p, text, factor, rest);
    EXPECT_EQ(text, c.text) << utf8(c.text);
    EXPECT_EQ(factor, c.factor) << utf8(c.text);
    EXPECT_EQ(PolyToTextFrac(rest), c.rest) << utf8(c.text);
  }
  // (x − 1)(x + 1/10⁸) made whole: 100000000x² − 99999999x − 1 = (x − 1)(100000000x + 1).
  std::u16string text;
  TBruch factor;
  TPoly rest;
  PolyFactorisedText(P({{F(-1, 100000000)}, {F(-99999999, 100000000)}, {1}}), text, factor, rest);
  EXPECT_EQ(text, u"(x - 1)·(100000000x + 1)");
  EXPECT_EQ(factor, F(1, 100000000));
}

TEST(PolyText, FactorisedRationalFunction) {
  std::u16string zt, nt;
  TPoly zr, nr;
  // 2(x − 1) over 3x²: ratio 2/3.
  FactorisedText(F(2, 3), P({{-1}, {1}}), P({{0}, {0}, {1}}), nr, zr, nt, zt);
  EXPECT_EQ(zt, u"2·(x - 1)");
  EXPECT_EQ(nt, u"3·(x²)");
  EXPECT_TRUE(PolyIsZero(zr));
  // Constant numerator: ratio numerator times the constant.
  FactorisedText(F(4, 1), P({{1}}), P({{1}, {0}, {1}}), nr, zr, nt, zt);
  EXPECT_EQ(zt, u"4");
  EXPECT_EQ(nt, u"x² + 1");
  EXPECT_EQ(PolyToTextFrac(nr), u"x² + 1");
  // Texts that begin with "(" are not wrapped again.
  FactorisedText(F(5, 1), P({{-1}, {0}, {1}}), P({{1}}), nr, zr, nt, zt);
  EXPECT_EQ(zt, u"5·(x - 1)·(x + 1)");
}

TEST(PolyText, FractionLinesArePaddedByPixelWidth) {
  // Blank 4 px, thin space 2 px, em dash 10 px, everything else 6 px.
  const FixedWidthMeasurer font(6, {{u' ', 4}, {u'\u2009', 2}, {u'\u2014', 10}});
  const FractionText3 l = FractionLines(font, u"f = ", u"x + 1", u"x");
  // widths: "x + 1" 3·6 + 2·4 = 26, bar (26 div 10) + 2 = 4 dashes = 40 px.
  EXPECT_EQ(l.barLine, u"f = ————");
  // prefix "f = " is 6+4+6+4 = 20 px; " " is 4: 4 blanks pad the rest.
  EXPECT_EQ(l.numeratorLine, u"     " u"  \u2009x + 1 ");
  EXPECT_EQ(l.denominatorLine, u"     " u"    \u2009x    ");
  // All three lines end at the same pixel.
  EXPECT_EQ(font.textWidth(l.numeratorLine), 60);
  EXPECT_EQ(font.textWidth(l.barLine), 60);
  EXPECT_EQ(font.textWidth(l.denominatorLine), 60);
  // Equal second fraction: one fraction only.
  const FractionText3 same = FractionLinesEq(font, u"f = ", u"_", u"a", u"b", u"a", u"b");
  EXPECT_EQ(same.barLine, u"f = ——");
  EXPECT_EQ(same.numeratorLine.substr(0, 1), u"_");
  const FractionText3 two = FractionLinesEq(font, u"f = ", u"", u"a", u"b", u"c", u"d");
  EXPECT_EQ(two.barLine, u"f = —— = ——");
  const std::u16string fn = FunctionFractionText(font, u"1", u"x");
  EXPECT_NE(fn.find(u"ƒ(x) = ——\r\n"), std::u16string::npos);
  EXPECT_EQ(std::count(fn.begin(), fn.end(), u'\n'), 2);
}

TEST(PolyText, CoefficientsToAndFromTheClipboard) {
  FakeClipboard clip;
  PolyCopyToClipboard(P({{F(-1, 2)}, {0}, {1}}), clip);
  EXPECT_EQ(clip.content, u"0;0;0;0;0;0;0;1;0;-1/2\r\n");

  FakeGrid grid(10, 2);
  grid.row = 2;
  PolyGridPasteRow(grid, clip);
  EXPECT_EQ(grid.cell(8, 2), u"1");
  EXPECT_EQ(grid.cell(10, 2), u"-1/2");
  EXPECT_EQ(grid.cell(1, 1), u"");
  FakeClipboard other;
  PolyGridCopy(grid, other);
  EXPECT_EQ(other.content, clip.content);
  PolyGridCut(grid, other);
  EXPECT_EQ(other.content, clip.content);
  EXPECT_EQ(grid.cell(8, 2), u"");

  // Long cells are not cut at 256 characters.
  const std::u16string longCell(300, u'7');
  grid.setCell(1, 2, longCell);
  PolyGridCopy(grid, other);
  EXPECT_EQ(other.content, longCell + u";;;;;;;;;\r\n");

  // Bars and blanks of a pasted line; items beyond the row are dropped.
  clip.setText(u"| 1  2 |\r\nsecond line");
  FakeGrid small(3, 1);
  PolyGridPasteRow(small, clip);
  EXPECT_EQ(small.cell(1, 1), u"1");
  EXPECT_EQ(small.cell(2, 1), u"2");
  clip.setText(u"1;2;3;4;5");
  PolyGridPasteRow(small, clip);
  EXPECT_EQ(small.cell(3, 1), u"3");
  FakeClipboard empty;
  small.setCell(1, 1, u"keep");
  PolyGridPasteRow(small, empty);
  EXPECT_EQ(small.cell(1, 1), u"keep");
}

TEST(PolyText, PasteIntoATermField) {
  struct Case { std::u16string clip, text; } cases[] = {
      {u"1;-2;1/2", u"x^2 - 2x + 1/2"},
      {u"3x² - 2·x + 4·5", u"3x^2 - 2x + 4*5"},
      {u"x² + y²", u"x^2 + y^2"},
      {u"0;0;1;0\r\n9;9", u"x"},
      {u"| 2  0 -1 |;", u"2x^4 - x^2"},  // bars dropped, blanks become ";"
  };
  for (const auto& c : cases) {
    FakeClipboard clip;
    clip.setText(c.clip);
    std::u16string text = u"old";
    PolyGridPaste(text, clip);
    EXPECT_EQ(text, c.text) << utf8(c.clip);
  }
  FakeClipboard none;
  std::u16string text = u"old";
  PolyGridPaste(text, none);
  EXPECT_EQ(text, u"");

  FakeClipboard bad;
  bad.setText(u"1;x;2");
  EXPECT_THROW(PolyGridPaste(text, bad), CalcFailure);
  // More items than a polynomial holds: refused, nothing written past the array.
  std::u16string many;
  for (int i = 0; i < 38; ++i) many += u"1;";
  many += u"1";
  FakeClipboard tooMany;
  tooMany.setText(many);
  try {
    PolyGridPaste(text, tooMany);
    ADD_FAILURE();
  } catch (const CalcFailure& f) {
    EXPECT_EQ(f.message(), 21);
  }
  // 37 items still fit.
  std::u16string fit = u"1";
  for (int i = 0; i < 36; ++i) fit += u";0";
  FakeClipboard full;
  full.setText(fit);
  PolyGridPaste(text, full);
  EXPECT_EQ(text, u"x^36");
}

}  // namespace
}  // namespace zw
