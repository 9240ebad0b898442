// Arbitrary polygons: the Part's polygons with their measures and kinds,
// clockwise corners, the bow-tie without an area centroid, and the memo.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "shell/texts/Texts.h"
#include "topics/plane/Poly2.h"

namespace zw {
namespace {

PolygonAnalysis Analyse(const std::vector<TVec2>& p) {
  resetShellState();
  std::array<std::array<QString, 2>, PolygonMaxCorners> texts;
  for (std::size_t i = 0; i < p.size(); ++i)
    texts[i] = {QString::number(double(p[i].x)), QString::number(double(p[i].y))};
  return AnalysePolygon(p, texts, FixedWidthMeasurer(10));
}

QString Kind(const PolygonAnalysis& a) {
  for (int i = int(a.memo.size()) - 1; i >= 0; --i)
    for (int item : {11, 12, 13, 14, 15})
      if (a.memo[i].startsWith(GetText(IPoly2, item))) return a.memo[i];
  return {};
}

TEST(Poly2Compute, PolygonsAndTheirKinds) {
  resetShellState();
  struct Case {
    const char* what;
    std::vector<TVec2> p;
    double area, perimeter;
    QString kind;
    bool cyclic, tangent;
  };
  const QString both = GetText(IPoly2, 14) + " + " + GetText(IPoly2, 15);
  const Case cases[] = {
      {"square", {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, 16, 16, both, true, true},
      {"square clockwise", {{0, 0}, {0, 4}, {4, 4}, {4, 0}}, -16, 16, both, true, true},
      {"rectangle", {{0, 0}, {4, 0}, {4, 2}, {0, 2}}, 8, 12, GetText(IPoly2, 14), true, false},
      {"rhombus", {{0, 0}, {2, -1}, {4, 0}, {2, 1}}, 4, 4 * std::sqrt(5.0), GetText(IPoly2, 15), false, true},
      {"triangle clockwise", {{0, 0}, {0, 3}, {4, 0}}, -6, 12, both, true, true},
      {"L-shaped hexagon", {{0, 0}, {4, 0}, {4, 2}, {2, 2}, {2, 4}, {0, 4}}, 12, 16, GetText(IPoly2, 12), false, false},
      {"bow-tie", {{0, 0}, {2, 2}, {2, 0}, {0, 2}}, 0, 4 + 4 * std::sqrt(2.0), GetText(IPoly2, 13), true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const PolygonAnalysis a = Analyse(c.p);
    EXPECT_NEAR(double(a.area), c.area, 1e-12);
    EXPECT_NEAR(double(a.perimeter), c.perimeter, 1e-12);
    EXPECT_EQ(Kind(a), c.kind);
    EXPECT_EQ(a.cyclic, c.cyclic);
    EXPECT_EQ(a.tangent, c.tangent);
  }
}

TEST(Poly2Compute, ClockwiseCornersGiveInteriorAngles) {
  const PolygonAnalysis a = Analyse({{0, 0}, {0, 4}, {4, 4}, {4, 0}});
  for (Extended w : a.angles) EXPECT_NEAR(double(w), 90, 1e-12);
  EXPECT_TRUE(a.convex);
  EXPECT_FALSE(a.crossed);
  EXPECT_TRUE(a.memo[0].endsWith("-16"));  // the signed area as before
  const PolygonAnalysis l = Analyse({{0, 0}, {4, 0}, {4, 2}, {2, 2}, {2, 4}, {0, 4}});
  EXPECT_NEAR(double(l.angles[3]), 270, 1e-12);
}

TEST(Poly2Compute, CentresAndRadii) {
  const PolygonAnalysis sq = Analyse({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
  EXPECT_NEAR(double(sq.ES.x), 2, 1e-12);
  EXPECT_NEAR(double(sq.FS.y), 2, 1e-12);
  EXPECT_NEAR(double(sq.ru), 2.8284271, 1e-7);
  EXPECT_NEAR(double(sq.ri), 2, 1e-12);
  const PolygonAnalysis rh = Analyse({{0, 0}, {2, -1}, {4, 0}, {2, 1}});
  EXPECT_NEAR(double(rh.Mi.x), 2, 1e-12);
  EXPECT_NEAR(double(rh.Mi.y), 0, 1e-12);
  EXPECT_NEAR(double(rh.ri), 0.89442719, 1e-8);
  // A triangle that is not symmetric: the centroid of the area is that of the corners.
  const PolygonAnalysis t = Analyse({{0, 0}, {6, 0}, {0, 3}});
  EXPECT_NEAR(double(t.FS.x), 2, 1e-12);
  EXPECT_NEAR(double(t.FS.y), 1, 1e-12);
}

TEST(Poly2Compute, AreaZeroHasNoAreaCentroid) {
  const PolygonAnalysis a = Analyse({{0, 0}, {2, 2}, {2, 0}, {0, 2}});
  // Row 8 of the corner column holds the area centroid.
  EXPECT_TRUE(a.memo[8].endsWith(GetText(IPoly2, 8) + "  " + GetMessageText(42))) << a.memo[8].toStdString();
}

TEST(Poly2Compute, ParallelBisectorsLeaveNoIncircle) {
  // Straight angles at the first two corners: both bisectors are the same
  // line, so they meet in no single point.
  const PolygonAnalysis a = Analyse({{0, 0}, {2, 0}, {4, 0}, {4, 2}, {-2, 2}, {-2, 0}});
  EXPECT_FALSE(a.tangent);
  EXPECT_NEAR(double(a.area), 12, 1e-12);
}

TEST(Poly2Compute, MemoColumns) {
  resetShellState();
  std::array<std::array<QString, 2>, PolygonMaxCorners> texts;
  texts[0] = {"0", "0"}, texts[1] = {" 4", "0"}, texts[2] = {"4", "4"}, texts[3] = {"0", "4"};
  const PolygonAnalysis a = AnalysePolygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, texts, FixedWidthMeasurer(10));
  // The widest corner text " A(0|0)" has 7 characters: 8 blanks and five more.
  auto left = [](const QString& t) { return t + QString(13 - t.size(), ' '); };
  EXPECT_EQ(a.memo[0], left("Ecken:") + "Fläche  A = 16");
  EXPECT_EQ(a.memo[1], left(" A(0|0)"));
  EXPECT_EQ(a.memo[2], left(" B(4|0)") + "Umfang  u = 16");
  EXPECT_EQ(a.memo[5], left("") + "ES(2|2)");
  EXPECT_EQ(a.memo[10], left("Seiten:") + "Winkel:");
  EXPECT_EQ(a.memo[11], left(" |AB| = 4") + "∡BAD = 90°");
  EXPECT_EQ(a.memo[16], GetText(IPoly2, 14) + " + " + GetText(IPoly2, 15));
  EXPECT_EQ(a.memo[17], "Umkreis :  M(2|2)  r=2,8284271");
  EXPECT_EQ(a.memo[18], "Inkreis :  M(2|2)  r=2");
}

}  // namespace
}  // namespace zw
