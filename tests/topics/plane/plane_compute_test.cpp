// The computations of the two-circle, circle-and-line and two-line topics.
#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>

#include "kernel/CalcFailure.h"
#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "topics/plane/PlaneKit.h"
#include "topics/plane/XGer2d.h"
#include "topics/plane/XGerKr.h"
#include "topics/plane/XKreis.h"

namespace zw {
namespace {

class PlaneComputeTest : public ::testing::Test {
protected:
  void SetUp() override { resetShellState(); }
  FixedWidthMeasurer font{10};
};

bool Has(const QStringList& lines, const QString& text) {
  for (const QString& l : lines)
    if (l.contains(text)) return true;
  return false;
}

int FailureOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const CalcFailure& e) {
    return e.message();
  }
  return -1;
}

TEST_F(PlaneComputeTest, TwoCirclesCases) {
  struct Case {
    TwoCircles k;
    int sign;
    QStringList expected;
  } cases[] = {
      // Centres on one horizontal line: the mirrored plane, the line in a·x + b·y = c form.
      {{{0, 0}, {6, 0}, 5, 5}, 1, {"S₁(3|", "S₂(3|", "x = 3"}},
      {{{0, 0}, {0, 4}, 2, 2}, 0, {"Berührpunkt", "B(0|2)", "Berührtangente", "y = 2"}},
      {{{0, 0}, {0, 5}, 1, 1}, -1, {"Die beiden Kreise schneiden sich nicht"}},
      {{{0, 0}, {0.5, 0.5}, 5, 1}, -1, {"Die beiden Kreise schneiden sich nicht"}},
      // Concentric with other radii: no common point, no division by zero.
      {{{1, 1}, {1, 1}, 2, 3}, -1, {"Die beiden Kreise schneiden sich nicht"}},
  };
  for (const Case& c : cases) {
    const TwoCirclesResult res = IntersectCircles(c.k);
    EXPECT_EQ(res.sign, c.sign);
    const QStringList lines = XKreisMemoLines(c.k, res, font);
    for (const QString& e : c.expected) EXPECT_TRUE(Has(lines, e)) << e.toStdString() << "\n" << lines.join('\n').toStdString();
  }
  const TwoCirclesResult r = IntersectCircles({{0, 0}, {6, 0}, 5, 5});
  EXPECT_TRUE(r.swapped);
  EXPECT_NEAR(double(std::fabs(r.s1.y)), 4.0, 1e-15);
  EXPECT_NEAR(double(r.s1.y + r.s2.y), 0.0, 1e-15);
  EXPECT_FALSE(Has(XKreisMemoLines({{0, 0}, {6, 0}, 5, 5}, r, font), "y = "));
}

TEST_F(PlaneComputeTest, IdenticalCirclesAreMessage52) {
  EXPECT_EQ(FailureOf([] { IntersectCircles({{1, 2}, {1, 2}, 3, 3}); }), 52);
}

TEST_F(PlaneComputeTest, RadicalLineTakesTheShorterForm) {
  // A slanted line: the normal form x + y = 2 is shorter than y = -1x+2.
  const TwoCircles k{{0, 0}, {2, 2}, 2, 2};
  const QStringList lines = XKreisMemoLines(k, IntersectCircles(k), font);
  EXPECT_EQ(lines.last().trimmed(), QStringLiteral("x + y = 2"));
  // A steep one: y = 3x + 0 wins over the normal form.
  const TwoCircles k2{{-3, 1}, {3, -1}, 5, 5};
  const TwoCirclesResult r2 = IntersectCircles(k2);
  EXPECT_FALSE(r2.swapped);
  EXPECT_EQ(XKreisMemoLines(k2, r2, font).last().trimmed(), QStringLiteral("y = 3x + 0"));
}

TEST_F(PlaneComputeTest, TwoCirclesRange) {
  Extended xLo, yLo, xHi, yHi;
  XKreisRange({{0, 0}, {6, 0}, 5, 1}, xLo, yLo, xHi, yHi);
  EXPECT_DOUBLE_EQ(double(xLo), -6);
  EXPECT_DOUBLE_EQ(double(xHi), 7.2);
  EXPECT_DOUBLE_EQ(double(yLo), -6);
  EXPECT_DOUBLE_EQ(double(yHi), 6);
}

TEST_F(PlaneComputeTest, CircleAndLineCases) {
  struct Case {
    CircleAndLine in;
    int sign;
    QStringList expected;
  } cases[] = {
      {{0, 1, 2, {0, 0}, 2}, 0, {"Berührpunkt", "B(0|2)"}},
      {{1, 0, 0, {0, 0}, 1}, 1, {"Schnittpunkte", "S1(0|1)", "S2(0|-1)"}},
      {{0, 1, 3, {0, 0}, 2}, -1, {"Kreis und Gerade schneiden sich nicht"}},
  };
  for (const Case& c : cases) {
    const CircleAndLineResult res = IntersectCircleLine(c.in);
    EXPECT_EQ(res.sign, c.sign);
    const QStringList lines = XGerKrMemoLines(c.in, res, font);
    for (const QString& e : c.expected) EXPECT_TRUE(Has(lines, e)) << e.toStdString() << "\n" << lines.join('\n').toStdString();
  }
  EXPECT_EQ(FailureOf([] { IntersectCircleLine({0, 0, 1, {0, 0}, 1}); }), 10);
}

TEST_F(PlaneComputeTest, LineThroughTwoPoints) {
  const LineABC l = LineThroughPoints({0, 0}, {2, 2});
  EXPECT_EQ(l.a, -2);
  EXPECT_EQ(l.b, 2);
  EXPECT_EQ(l.c, 0);
  const LineABC same = LineThroughPoints({1, 1}, {1, 1});
  EXPECT_TRUE(same.a == 0 && same.b == 0);
}

TEST_F(PlaneComputeTest, TwoLinesCases) {
  struct Case {
    TwoLines in;
    int status;
    QStringList expected;
  } cases[] = {
      {{1, 1, 2, 1, -1, 0}, 1, {"S(1|1)", "α = 90°", "d(O,g) = √2 = 1,4142136", "d(O,h) = 0"}},
      {{1, 1, 1, 1, 1, 3}, 0, {"g und h sind parallel", "d(g,h) = 1,4142136"}},
      {{1, 1, 0.1L, 3, 3, 0.3L}, -1, {"g und h sind identisch"}},
      {{2, 0, 6, 0, 3, 12}, 1, {"S(3|4)", "α = 90°", "d(O,g) = 3"}},
  };
  for (const Case& c : cases) {
    const TwoLinesResult res = IntersectTwoLines(c.in);
    EXPECT_EQ(res.status, c.status);
    const QStringList lines = XGer2dMemoLines(c.in, res);
    for (const QString& e : c.expected) EXPECT_TRUE(Has(lines, e)) << e.toStdString() << "\n" << lines.join('\n').toStdString();
  }
  // Parallel lines: no root form for d(g,h), and the chart centres on the origin.
  const TwoLinesResult p = IntersectTwoLines({1, 1, 1, 1, 1, 3});
  EXPECT_FALSE(Has(XGer2dMemoLines({1, 1, 1, 1, 1, 3}, p), "d(g,h) = √"));
  EXPECT_EQ(p.s.x, 0);
  EXPECT_EQ(p.s.y, 0);
  EXPECT_FALSE(Has(XGer2dMemoLines({2, 0, 6, 0, 3, 12}, IntersectTwoLines({2, 0, 6, 0, 3, 12})), "d(O,g) = √"));
}

TEST_F(PlaneComputeTest, UndeterminedLinesHBeforeG) {
  EXPECT_EQ(FailureOf([] { IntersectTwoLines({0, 0, 1, 0, 0, 1}); }), 11);
  EXPECT_EQ(FailureOf([] { IntersectTwoLines({0, 0, 1, 1, 0, 1}); }), 10);
}

}  // namespace
}  // namespace zw
