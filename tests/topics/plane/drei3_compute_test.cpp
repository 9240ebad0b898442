// Triangles from three points: the Part's triangles, an obtuse and a right
// one, the test for collinear points with its tolerance, and the memo block.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "shell/State.h"
#include "topics/plane/Drei3.h"

namespace zw {
namespace {

TEST(Drei3Compute, Triangles) {
  struct Case {
    const char* what;
    TVec2 A, B, C;
    Extended a, b, c, alpha, beta, gamma, area, mx, my, ru, ix, iy, ri;
  };
  const Case cases[] = {
      {"right at A", {0, 0}, {4, 0}, {0, 3}, 5, 3, 4, 90, 36.869898, 53.130102, 6, 2, 1.5, 2.5, 1, 1, 1},
      {"acute", {0, 0}, {4, 0}, {1, 3}, 3 * std::sqrt(2.0L), std::sqrt(10.0L), 4, 71.565051, 45, 63.434949, 6, 2, 1,
       std::sqrt(5.0L), 0, 0, 0},
      {"obtuse at B", {0, 0}, {4, 0}, {5, 2}, std::sqrt(5.0L), std::sqrt(29.0L), 4, 21.801409, 116.56505, 41.633539, 4,
       2, 2.25, 3.0103986, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TriangleData t = SolveDrei3(c.A, c.B, c.C);
    EXPECT_NEAR(double(t.s.a), double(c.a), 1e-9);
    EXPECT_NEAR(double(t.s.b), double(c.b), 1e-9);
    EXPECT_NEAR(double(t.s.c), double(c.c), 1e-9);
    EXPECT_NEAR(double(t.w.a), double(c.alpha), 1e-6);
    EXPECT_NEAR(double(t.w.b), double(c.beta), 1e-5);
    EXPECT_NEAR(double(t.w.c), double(c.gamma), 1e-6);
    EXPECT_NEAR(double(t.uf.x), double(c.area), 1e-9);
    EXPECT_NEAR(double(t.ku.a), double(c.mx), 1e-9);
    EXPECT_NEAR(double(t.ku.b), double(c.my), 1e-9);
    EXPECT_NEAR(double(t.ku.c), double(c.ru), 1e-7);
    if (c.ri > 0) {
      EXPECT_NEAR(double(t.ki.a), double(c.ix), 1e-9);
      EXPECT_NEAR(double(t.ki.b), double(c.iy), 1e-9);
      EXPECT_NEAR(double(t.ki.c), double(c.ri), 1e-9);
    }
  }
}

TEST(Drei3Compute, CollinearPointsAreRefusedWithinTheTolerance) {
  struct Case {
    TVec2 A, B, C;
    bool refused;
  };
  const Case cases[] = {
      {{0, 0}, {1, 1}, {2, 2}, true},
      {{0, 0}, {0, 0}, {2, 2}, true},          // A = B
      {{0, 0}, {0, 0}, {0, 0}, true},          // an empty grid
      {{0, 0}, {1, 1}, {2, 2 + 1e-14L}, true}, // flat within rounding
      {{0, 0}, {1e6, 1}, {2e6, 2 + 1e-9L}, true},
      {{0, 0}, {1, 1}, {2, 2 + 1e-6L}, false}, // thin, but a triangle
      {{0, 0}, {1e-8L, 0}, {0, 1e-8L}, false}, // tiny, but a triangle
  };
  for (const Case& c : cases) {
    int message = 0;
    try {
      SolveDrei3(c.A, c.B, c.C);
    } catch (const CalcFailure& e) {
      message = e.message();
    }
    EXPECT_EQ(message, c.refused ? 8 : 0) << double(c.C.x) << " " << double(c.C.y);
  }
}

TEST(Drei3Compute, MemoBlock) {
  resetShellState();
  const FixedWidthMeasurer font(10);
  const QStringList lines = Drei3MemoLines(SolveDrei3({0, 0}, {4, 0}, {0, 3}), font);
  // Label column: 19 blanks and ":       " (27); value column 16.
  auto label = [](const QString& t) { return QString(27 - t.size(), ' ') + t; };
  auto col = [](const QString& t) { return t + QString(16 - t.size(), ' '); };
  ASSERT_EQ(lines.size(), 12);
  EXPECT_EQ(lines[0], " ");
  EXPECT_EQ(lines[1], label("Ecken:    ") + col("A(0|0)") + col("B(4|0)") + col("C(0|3)"));
  EXPECT_EQ(lines[3], label("Winkel:    ") + col("90°") + col("36,869898°") + col("53,130102°"));
  EXPECT_EQ(lines[8], label("Umkreis:     ") + col("M(2|1,5)") + QString(11, ' ') + "ru = 2,5");
}

}  // namespace
}  // namespace zw
