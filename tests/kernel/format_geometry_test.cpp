#include <gtest/gtest.h>

#include "kernel/CalcFailure.h"
#include "kernel/FormatGeometry.h"
#include "kernel/KernelState.h"

namespace zw {
namespace {

class FormatGeometry : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }
};

TEST_F(FormatGeometry, Points) {
  EXPECT_EQ(FormatPoint2(u"P", {1.5L, -2}, 20), u"P(1,5|-2)");
  EXPECT_EQ(FormatPoint2(u"P", {1.0L / 3, 0}, 12), u"P(0,3333|0)");  // (12 - 4) div 2 digits
  EXPECT_EQ(FormatPoint2Indexed(u"P", 12, {1, 2}, 20), u"P\u2081\u2082(1|2)");
  EXPECT_EQ(FormatPoint3(u"Q", {1, -2.5L, 1.0L / 3}, 13), u"Q(1|-2,5|0,333)");
  EXPECT_EQ(FormatPoint2Zeros(u"P", {1.5L, 2}, 12), u"P(1,500|2)");
  // An exponent is never padded: «1,5E80000» would be a different number.
  EXPECT_EQ(FormatPoint2Zeros(u"P", {1.5e8L, 2}, 21), u"P(1,5E8|2)");
}

TEST_F(FormatGeometry, CoefTerms) {
  struct Case { Extended c; std::u16string first, later; } cases[] = {
      {0, u"", u""},
      {1, u"z", u" + z"},
      {-1, u"- z", u" - z"},
      {2.5L, u"2,5\u00B7z", u" + 2,5000000\u00B7z"},  // padded to 8 + 4 characters
      {-3, u"-3\u00B7z", u" \u2013 3\u00B7z"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFirstCoefTerm(u"z", c.c), c.first) << c.c;
    EXPECT_EQ(FormatCoefTerm(u"z", c.c), c.later) << c.c;
  }
}

TEST_F(FormatGeometry, NormalForms) {
  struct Case3 { Extended a, b, c, na, nb, nc; } cases3[] = {
      {-1, 2, 3, -1, 2, 3},      // one negative sign of three stays
      {-2, -4, 6, 1, 2, -3},     // two negative signs are turned
      {0.5L, 1, 2, 1, 2, 4},
      {0, 0, 5, 0, 0, 1},
      {0, -7, 0, 0, 1, 0},
      {0, 0, 0, 0, 0, 0},
  };
  for (auto c : cases3) {
    NormalizeCoefs3(c.a, c.b, c.c);
    EXPECT_EQ(c.a, c.na);
    EXPECT_EQ(c.b, c.nb);
    EXPECT_EQ(c.c, c.nc);
  }
  struct Case4 { Extended a, b, c, d, na, nb, nc, nd; } cases4[] = {
      {2, 4, 6, 8, 1, 2, 3, 4},
      {-1, -1, -1, 2, 1, 1, 1, -2},
      {-1, -1, 1, 2, -1, -1, 1, 2},
      {0, 0, 0, 5, 0, 0, 0, 1},
      {0, 0, 0.3L, 0, 0, 0, 1, 0},
  };
  for (auto c : cases4) {
    NormalizeCoefs4(c.a, c.b, c.c, c.d);
    EXPECT_EQ(c.a, c.na);
    EXPECT_EQ(c.b, c.nb);
    EXPECT_EQ(c.c, c.nc);
    EXPECT_EQ(c.d, c.nd);
  }
}

TEST_F(FormatGeometry, LineEquations) {
  struct Case { Extended a, b, c; std::u16string text; } cases[] = {
      {0.5L, 1, 2, u"x + 2\u00B7y = 4"},
      {-2, -4, 6, u"x + 2\u00B7y = -3"},
      {0, 0, 5, u" = 1"},
      {0, 3, 6, u"y = 2"},
      {0, -3, 6, u"-y = 2"},
      {0, 2, 3, u"2\u00B7y = 3"},
      {1, -1, 0, u"x - y = 0"},
      {-1, 1, 2, u"-x + y = 2"},
      {3, 0, 6, u"x = 2"},
      {2, -3, 1, u"2\u00B7x \u2013 3\u00B7y = 1"},
      // Coefficients without a common whole form keep their scale; the
      // exponents are not padded with zeros (« + 1,5E00100» before).
      {1.0L / 3, 1.5L, 2, u"3,3333333E9\u00B7x + 1,5E0010\u00B7y = 2E10"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLineEquation(c.a, c.b, c.c), c.text) << c.a << " " << c.b << " " << c.c;

  EXPECT_EQ(FormatLineEquation6(1.0L / 3, 1, 2), u"0,333333\u00B7x + y = 2");
  EXPECT_EQ(FormatLineEquation6(0.5L, 1, 2), u"x + 2\u00B7y = 4");
  EXPECT_EQ(FormatLineEquationRec({1.0L / 3, 1, 2}), u"0,333333\u00B7x + y = 2");
  EXPECT_EQ(FormatLineEquationNamed(u"s", u"t", 1, -1, 3), u"s - t = 3");
  EXPECT_EQ(FormatLineEquationNamed(u"s", u"t", 0, 2, 4), u"t = 2");
  EXPECT_EQ(FormatLineEquationNamed(u"s", u"t", -0.5L, 0.25L, 1), u"-2\u00B7s + t = 4");
  EXPECT_EQ(FormatLineEquationNamed(u"s", u"t", 0.2L, 0, 1), u"s = 5");
}

TEST_F(FormatGeometry, PlaneEquations) {
  struct Case { TVec4 plane; std::u16string text; } cases[] = {
      {{2, 4, 6, 8}, u"x + 2\u00B7y + 3\u00B7z = 4"},
      {{0, 0, -1, 2}, u"z = -2"},
      {{1, -1, 0, 3}, u"x - y = 3"},
      {{0, 2, -3, 1}, u"2\u00B7y \u2013 3\u00B7z = 1"},
      {{-1, -2, -3, 4}, u"x + 2\u00B7y + 3\u00B7z = -4"},
      {{0, -0.5L, 0, 1}, u"y = -2"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatPlaneEquation(c.plane), c.text);
  // A plane without a normal vector has no equation.
  EXPECT_EQ(FormatPlaneEquation({0, 0, 0, 1}), u"0 = 1");
  EXPECT_EQ(FormatPlaneEquation({0, 0, 0, 0}), u"0 = 0");
}

TEST_F(FormatGeometry, ColumnVectors) {
  std::u16string l1, l2, l3;
  FormatColumnVector(l1, l2, l3, 1, -2.5L, 10);
  EXPECT_EQ(l1, u"\u239B   1 \u239E");
  EXPECT_EQ(l2, u"\u239C-2,5 \u239F");
  EXPECT_EQ(l3, u"\u239D  10 \u23A0");
  kernelState().UnicodeOption = false;
  FormatColumnVector(l1, l2, l3, 1, -2.5L, 10);
  EXPECT_EQ(l1, u"|   1 |");
  EXPECT_EQ(l2, u"|-2,5 |");
  EXPECT_EQ(l3, u"|  10 |");
  kernelState().UnicodeOption = true;

  FormatFractionVector(l1, l2, l3, 1, 3, 2, 1, 0, 5);
  EXPECT_EQ(l1, u"\u239B 1/3 \u239E");
  EXPECT_EQ(l2, u"\u239C   2 \u239F");
  EXPECT_EQ(l3, u"\u239D   0 \u23A0");
  // 2,5/0,33333333 is too long and becomes the decimal 7,5; 1/7E12 stays.
  FormatFractionVector(l1, l2, l3, 2.5L, 1.0L / 3, 1, 7e12L, -1, 2);
  EXPECT_EQ(l1, u"\u239B    7,5 \u239E");
  EXPECT_EQ(l2, u"\u239C 1/7E12 \u239F");
  EXPECT_EQ(l3, u"\u239D   -1/2 \u23A0");
  // A zero denominator keeps its fraction text (there is no decimal value).
  FormatFractionVector(l1, l2, l3, 1.2345678L, 0, 0, 1, 0, 1);
  EXPECT_EQ(l1, u"\u239B 1,2345678/0 \u239E");
}

TEST_F(FormatGeometry, MatrixLines) {
  Matrix m{};
  m[1][1] = 1;
  m[1][2] = -2.5L;
  std::vector<std::u16string> list{u"old"};
  FormatMatrixLines(m, 1, 2, list);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], u"  \u239D  1 -2,5  \u23A0");  // a single row takes the bottom brackets

  m[2][1] = 10;
  m[3][1] = -1;
  kernelState().UnicodeOption = false;  // the matrix brackets do not depend on it
  FormatMatrixLines(m, 3, 1, list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], u"  \u239B   1  \u239E");
  EXPECT_EQ(list[1], u"  \u239C  10  \u239F");
  EXPECT_EQ(list[2], u"  \u239D  -1  \u23A0");

  FormatMatrixLines(m, 0, 2, list);
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace zw
