// Special lines of the triangle: centres and radii of the Part's triangle,
// a right and an obtuse one, the collinear points, and the memo's layers.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "shell/State.h"
#include "shell/texts/Texts.h"
#include "topics/plane/BesGer.h"

namespace zw {
namespace {

void ExpectPoint(const TVec2& p, double x, double y, const char* what) {
  EXPECT_NEAR(double(p.x), x, 1e-9) << what;
  EXPECT_NEAR(double(p.y), y, 1e-9) << what;
}

TEST(BesGerCompute, CentresAndCircles) {
  const SpecialLines t = SolveSpecialLines({0, 0}, {4, 0}, {1, 3});
  ExpectPoint(t.Mu, 2, 1, "circumcentre");
  EXPECT_NEAR(double(t.ru), std::sqrt(5.0), 1e-9);
  ExpectPoint(t.Ms, 5.0 / 3, 1, "centroid");
  ExpectPoint(t.Oz, 1, 1, "orthocentre");
  ExpectPoint(t.M9, 1.5, 1, "nine-point centre");
  EXPECT_NEAR(double(t.r9), std::sqrt(5.0) / 2, 1e-9);
  const double a = std::sqrt(18.0), b = std::sqrt(10.0), c = 4, s = (a + b + c) / 2;
  EXPECT_NEAR(double(t.ri), 6 / s, 1e-9);
  EXPECT_NEAR(double(t.r1), 6 / (s - a), 1e-9);
  // The incentre and the excentre opposite A lie on the bisector at A.
  EXPECT_NEAR(double(t.wa.a * t.Mi.x + t.wa.b * t.Mi.y), double(t.wa.c), 1e-9);
  EXPECT_NEAR(double(t.wa.a * t.Ma1.x + t.wa.b * t.Ma1.y), double(t.wa.c), 1e-9);
  // The excentre opposite A is r1 from the line BC.
  const double dist = std::fabs(double(t.ga.a * t.Ma1.x + t.ga.b * t.Ma1.y - t.ga.c)) / std::hypot(double(t.ga.a), double(t.ga.b));
  EXPECT_NEAR(dist, double(t.r1), 1e-9);
  ExpectPoint(t.La, 2, 2, "foot from A on BC");
  ExpectPoint(t.Lc, 1, 0, "foot from C on AB");
}

TEST(BesGerCompute, RightObtuseAndFlatTriangles) {
  const SpecialLines right = SolveSpecialLines({0, 0}, {4, 0}, {0, 3});
  ExpectPoint(right.Oz, 0, 0, "orthocentre of a right triangle");
  const SpecialLines obtuse = SolveSpecialLines({0, 0}, {4, 0}, {5, 2});
  EXPECT_GT(double(obtuse.winkel.b), 90);
  ExpectPoint(obtuse.Oz, 5, -2.5, "orthocentre outside");
  for (auto [A, B, C] : {std::tuple{TVec2{0, 0}, TVec2{1, 1}, TVec2{2, 2}}, {TVec2{1, 1}, TVec2{1, 1}, TVec2{3, 0}}}) {
    int message = 0;
    try {
      SolveSpecialLines(A, B, C);
    } catch (const CalcFailure& e) {
      message = e.message();
    }
    EXPECT_EQ(message, 8);
  }
}

TEST(BesGerCompute, MemoListsTheChosenLayers) {
  resetShellState();
  const FixedWidthMeasurer font(10);
  const SpecialLines t = SolveSpecialLines({0, 0}, {4, 0}, {1, 3});
  const QString intersection = GetTextColon(IDrei, 11);
  // Every layer: the circles name the centres, so no "Schnittpunkt" line.
  const QString all = SpecialLinesMemo(t, 255, font).join('\n');
  EXPECT_FALSE(all.contains(intersection));
  for (const char* s : {" ma :  ", " sa : ", " wa : ", " ha : ", "Ha(", "H(1|1)", "ru = 2,236",
                        "r9 = 1,118", "ra = ", "rc = ", "M9(1,5"})
    EXPECT_TRUE(all.contains(QString::fromUtf8(s))) << s;
  // Only the perpendicular bisectors: their intersection ends the block.
  const QStringList one = SpecialLinesMemo(t, SlPerpBisectors, font);
  ASSERT_GE(one.size(), 2);
  EXPECT_EQ(one.last(), " ");
  EXPECT_TRUE(one[one.size() - 2].trimmed().startsWith(intersection.trimmed()));
  EXPECT_TRUE(one[one.size() - 2].contains("Mu(2"));
  EXPECT_FALSE(one.join('\n').contains(" sa : "));
  // Nothing chosen: the vertices and side lines only.
  const QStringList none = SpecialLinesMemo(t, 0, font);
  EXPECT_TRUE(none.join('\n').contains("  c :  "));
  EXPECT_FALSE(none.join('\n').contains(" ma :  "));
}

}  // namespace
}  // namespace zw
