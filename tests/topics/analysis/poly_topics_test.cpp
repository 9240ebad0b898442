// The polynomial topics' computations without a window: memo lines compared
// exactly with a fixed-width measurer, the clipboard row, and the decided
// cases (division by the zero polynomial, overflow, constants).
#include <gtest/gtest.h>

#include "kernel/Fraction.h"
#include "kernel/PolyText.h"
#include "common/TextMeasurer.h"
#include "topics/analysis/PolyTopics.h"

namespace zw {
namespace {

// Coefficients from the constant up: P({-1, 0, 1}) is x² − 1.
TPoly P(std::initializer_list<int> c) {
  TPoly p{};
  int i = 0;
  for (int v : c) p[static_cast<std::size_t>(i++)] = TBruch{v, 1};
  return p;
}
QString T(const TPoly& p) { return QString::fromStdU16String(PolyToTextFrac(p)); }

const FixedWidthMeasurer kMemo(10);
const PolyDivLabels kDiv{"Polynom", "Produkt", "Quotient", "Rest", "Division durch Null"};

TEST(PolyDivision, ProductQuotientRemainderAndClipboard) {
  const PolyComputation r = PolyDivision(P({-1, 0, 1}), P({-1, 1}), false, kMemo, kDiv);
  ASSERT_EQ(r.lines.size(), 6);
  // Every label is right-aligned to the width of "Polynom" and eight blanks.
  for (int i : {0, 1, 3, 4, 5}) EXPECT_EQ(r.lines[i].indexOf(u':'), 13) << r.lines[i].toStdString();
  EXPECT_TRUE(r.lines[3].endsWith(T(P({1, -1, -1, 1}))));
  EXPECT_TRUE(r.lines[4].endsWith(T(P({1, 1}))));
  EXPECT_TRUE(r.lines[5].endsWith(u"Rest: 0"));
  ASSERT_TRUE(r.clipboard);
  EXPECT_EQ(T(*r.clipboard), T(P({1, 1})));
}

TEST(PolyDivision, HigherDivisorGivesZeroQuotient) {
  const PolyComputation r = PolyDivision(P({0, 1}), P({1, 0, 1}), false, kMemo, kDiv);
  EXPECT_TRUE(r.lines[4].endsWith(u"Quotient: 0"));
  EXPECT_TRUE(r.lines[5].endsWith(u"Rest: x"));
}

TEST(PolyDivision, ZeroDivisorIsReportedNotDivided) {
  const PolyComputation r = PolyDivision(P({1, 1}), P({}), false, kMemo, kDiv);
  EXPECT_TRUE(r.lines[4].endsWith(u"Division durch Null"));
  EXPECT_TRUE(r.lines[5].endsWith(u"Division durch Null"));
  EXPECT_FALSE(r.clipboard);
  // Both zero: three zero results, as for any other pair.
  const PolyComputation z = PolyDivision(P({}), P({}), false, kMemo, kDiv);
  for (int i : {3, 4, 5}) EXPECT_TRUE(z.lines[i].endsWith(u": 0")) << z.lines[i].toStdString();
}

TEST(PolyDivision, DecimalCoefficients) {
  TPoly half{};
  half[1] = TBruch{1, 2};
  const PolyComputation r = PolyDivision(half, P({1}), true, kMemo, kDiv);
  EXPECT_TRUE(r.lines[4].endsWith(u"0,5·x") || r.lines[4].endsWith(u"0.5·x")) << r.lines[4].toStdString();
  // The input lines stay fractions.
  EXPECT_TRUE(r.lines[0].endsWith(u"1/2x"));
}

TEST(PolyDivision, OverflowLineInsteadOfWrongResult) {
  TPoly big{};
  big[9] = TBruch{2000000000, 1};
  big[0] = TBruch{1, 1};
  TPoly small{};
  small[9] = TBruch{3, 1};
  small[1] = TBruch{1, 7};
  const PolyComputation r = PolyDivision(big, small, false, kMemo, kDiv);
  EXPECT_EQ(r.lines[3], PolyOverflowLine());
}

const PolyGcdLabels kGcd{"ggT", "kgV"};

TEST(PolyGcdLcm, CasesOfTheTopic) {
  struct Case {
    TPoly a, b, gcd, lcm;
  };
  const Case cases[] = {
      {P({-1, 0, 1}), P({1, 2, 1}), P({1, 1}), P({-1, -1, 1, 1})},
      {P({-1, 0, 1}), P({-1, 1}), P({-1, 1}), P({-1, 0, 1})},
      {P({1, 0, 1}), P({-1, 1}), P({1}), P({-1, 1, -1, 1})},
  };
  for (const Case& c : cases) {
    const auto r = PolyGcdLcm(c.a, c.b, false, kGcd);
    ASSERT_TRUE(r);
    ASSERT_EQ(r->lines.size(), 8);
    EXPECT_EQ(r->lines[3], "ggT(p₁,p₂) =  " + T(c.gcd));
    EXPECT_EQ(r->lines[4], "kgV(p₁,p₂) =  " + T(c.lcm));
    EXPECT_EQ(T(*r->clipboard), T(c.gcd));
  }
}

TEST(PolyGcdLcm, ConstantLeavesTheMemo) {
  EXPECT_FALSE(PolyGcdLcm(P({-1, 0, 1}), P({5}), false, kGcd));
  EXPECT_FALSE(PolyGcdLcm(P({}), P({-1, 1}), false, kGcd));
}

const PolyFactorLabels kFak{"Rationale Nullstellen", "Keine rationalen Nullstellen", "Irrationale Nullstellen"};

TEST(PolyFactorisation, RationalAndIrrationalZeros) {
  const auto a = PolyFactorisation(P({-6, 11, -6, 1}), kMemo, kFak);
  ASSERT_TRUE(a);
  EXPECT_TRUE(a->lines.join('\n').contains(u"(x - 1)·(x - 2)·(x - 3)")) << a->lines.join('\n').toStdString();
  EXPECT_TRUE(a->lines.last().endsWith(u":   1, 2, 3"));

  const auto b = PolyFactorisation(P({0, -2, 0, 1}), kMemo, kFak);
  ASSERT_TRUE(b);
  const QString text = b->lines.join('\n');
  EXPECT_TRUE(text.contains(u":   0")) << text.toStdString();
  EXPECT_TRUE(text.contains(u"-1,41421,  1,41421") || text.contains(u"-1.41421,  1.41421")) << text.toStdString();

  const auto c = PolyFactorisation(P({1, 0, 1}), kMemo, kFak);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->lines.last(), "Keine rationalen Nullstellen");
  EXPECT_FALSE(PolyFactorisation(P({7}), kMemo, kFak));
}

TEST(PolyFactorisation, CommonFactorShownFirst) {
  TPoly p{};
  p[2] = TBruch{1, 2};
  p[0] = TBruch{-1, 2};
  const auto r = PolyFactorisation(p, kMemo, kFak);
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->lines[1].endsWith(u" = 1/2·(x² - 1)")) << r->lines[1].toStdString();
  EXPECT_TRUE(r->lines[2].endsWith(u" = 1/2·(x - 1)·(x + 1)")) << r->lines[2].toStdString();
}

const PolyTransformLabels kTrans{"Verschiebung um", "Streckung um"};

TEST(PolyTransform, ShiftAndStretchLines) {
  struct Case {
    TBruch u, v;
    bool stretch;
    QString line;
  };
  const Case cases[] = {
      {{1, 1}, {0, 1}, false, QStringLiteral(u"ƒ(x -1) = x² - 2x + 1")},
      {{2, 1}, {-3, 1}, false, QStringLiteral(u"ƒ(x -2)-3 = x² - 4x + 1")},
      {{-2, 1}, {3, 1}, false, QStringLiteral(u"ƒ(x + 2) + 3 = x² + 4x + 7")},
      {{0, 1}, {0, 1}, false, QStringLiteral(u"ƒ(x ) = x²")},
      {{2, 1}, {0, 1}, true, QStringLiteral(u"ƒ(1/2·x) = 1/4x²")},
      {{3, 1}, {2, 1}, true, QStringLiteral(u"2·ƒ(1/3·x) = 2/9x²")},
  };
  for (const Case& c : cases) {
    const PolyComputation r = PolyTransform(P({0, 0, 1}), c.u, c.v, c.stretch, kTrans);
    ASSERT_EQ(r.lines.size(), 5);
    EXPECT_EQ(r.lines[4], c.line);
    ASSERT_TRUE(r.clipboard);
  }
}

TEST(PolyTransform, OverflowIsShownAndNotCopied) {
  TPoly p{};
  p[9] = TBruch{1, 1};
  const PolyComputation r = PolyTransform(p, TBruch{1000, 1}, TBruch{0, 1}, false, kTrans);
  EXPECT_EQ(r.lines.last(), PolyOverflowLine());
  EXPECT_FALSE(r.clipboard);
}

}  // namespace
}  // namespace zw
