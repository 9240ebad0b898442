// Right triangles: every pair of quantities gives back one triangle, the
// cubic of the pairs with the area, the refusals, and the memo block.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "shell/State.h"
#include "topics/plane/Drei1.h"

namespace zw {
namespace {

int FailureOf(int i, Extended vi, int j, Extended vj) {
  try {
    SolveRightTriangle(i, vi, j, vj);
  } catch (const CalcFailure& e) {
    return e.message();
  }
  return -1;
}

TEST(Drei1Compute, EveryPairGivesBackTheTriangle) {
  // a < b, so the pairs that pick the smaller root find this triangle too.
  for (auto [a, b] : {std::pair{3.0L, 4.0L}, std::pair{1.0L, 7.5L}}) {
    const RightTriangle ref = SolveRightTriangle(RtA, a, RtB, b);
    for (int i = 0; i < RtCount; ++i)
      for (int j = i + 1; j < RtCount; ++j) {
        if (i == RtAlpha && j == RtBeta) continue;
        const RightTriangle t = SolveRightTriangle(i, ref.v[std::size_t(i)], j, ref.v[std::size_t(j)]);
        for (int k = 0; k < RtCount; ++k)
          EXPECT_NEAR(double(t.v[std::size_t(k)] / ref.v[std::size_t(k)]), 1.0, 1e-10)
              << "pair " << 10 * (i + 1) + j + 1 << " quantity " << k;
      }
  }
}

TEST(Drei1Compute, ThreeFourFiveAndItsFigure) {
  const RightTriangle t = SolveRightTriangle(RtA, 3, RtB, 4);
  const double expected[RtCount] = {3, 4, 5, 36.869897645844021, 53.130102354155979, 1.8, 3.2, 2.4, 6};
  for (int k = 0; k < RtCount; ++k) EXPECT_NEAR(double(t.v[std::size_t(k)]), expected[k], 1e-12) << k;
  EXPECT_NEAR(double(t.C.x), 4.2, 1e-12);
  EXPECT_NEAR(double(t.C.y), 3.4, 1e-12);
  EXPECT_EQ(t.B.x, 6);
  EXPECT_NEAR(double(t.M.x), 3.5, 1e-12);
  EXPECT_NEAR(double(t.ru), 2.5, 1e-12);
  EXPECT_NEAR(double(t.O.x), 4, 1e-12);
  EXPECT_NEAR(double(t.O.y), 2, 1e-12);
  EXPECT_NEAR(double(t.ri), 1, 1e-12);
  EXPECT_NEAR(double(t.D.x), 4.2, 1e-12);
  // c and h: the shorter leg is a.
  const RightTriangle ch = SolveRightTriangle(RtC, 5, RtH, 2.4L);
  EXPECT_NEAR(double(ch.v[RtA]), 3, 1e-12);
  EXPECT_NEAR(double(ch.v[RtP]), 1.8, 1e-12);
  // p and the area through t³ + t = 2A / p².
  const RightTriangle pa = SolveRightTriangle(RtP, 1.8L, RtArea, 6);
  EXPECT_NEAR(double(pa.v[RtH]), 2.4, 1e-10);
  EXPECT_NEAR(double(pa.v[RtC]), 5, 1e-10);
}

TEST(Drei1Compute, CubicConvergesWithinItsCap) {
  for (Extended K : {1e-9L, 0.5L, 1.0L, 100.0L / 27.0L + 4.0L / 3.0L, 1e30L}) {
    const Extended t = SolveCubicTPlusT3(K);
    EXPECT_NEAR(double((t * t * t + t) / K), 1.0, 1e-9) << double(K);
  }
}

TEST(Drei1Compute, Refusals) {
  struct Case {
    int i;
    Extended vi;
    int j;
    Extended vj;
    int message;
  };
  const Case cases[] = {
      {RtC, 5, RtH, 3, 5},             // h above c / 2
      {RtA, 5, RtC, 3, 5},             // a leg longer than the hypotenuse
      {RtAlpha, 30, RtBeta, 60, 6},    // two angles: no unique triangle
      {RtA, 3, RtAlpha, 90, 5},        // an acute angle of 90°
      {RtC, 5, RtBeta, 120, 5},        // would list negative lengths
      {RtP, 2, RtC, 2, 5},             // q = 0
      {RtB, 2, RtQ, 3, 5},             // segment longer than its leg
  };
  for (const Case& c : cases) EXPECT_EQ(FailureOf(c.i, c.vi, c.j, c.vj), c.message) << c.i << " " << c.j;
}

TEST(Drei1Compute, MemoBlock) {
  resetShellState();
  const FixedWidthMeasurer font(10);
  const QStringList lines = Drei1MemoLines(SolveRightTriangle(RtA, 3, RtB, 4), RtA, RtB, font);
  // The widest label "Hypot.abschnitt" makes 16 blanks; with " W =       " 27 characters, so 28 blanks.
  auto row = [](const QString& label, const QString& value) { return QString(28 - label.size(), ' ') + label + value; };
  const QStringList expected = {
      "Gegeben", QString(7, QChar(0xAF)), row("Kathete a = ", "3"), row("Kathete b = ", "4"), " ", "Ergebnisse",
      QString(10, QChar(0xAF)), row("Hypotenuse c = ", "5"), row("Winkel α = ", "36,869898°"),
      row("Winkel β = ", "53,130102°"), row("Hypot.abschnitt p = ", "1,8"), row("Hypot.abschnitt q = ", "3,2"),
      row("Höhe h = ", "2,4"), row("Flächeninhalt A = ", "6"),
  };
  EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace zw
