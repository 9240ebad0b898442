// The computations of the plane and line through points, the sphere through
// four points and the intersections of spheres with spheres, planes and
// lines: memo lines, messages and the defining equations.
#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <functional>
#include <random>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "kernel/Geometry.h"
#include "kernel/KernelState.h"
#include "shell/State.h"
#include "topics/space/Ebene.h"
#include "topics/space/Gerade.h"
#include "topics/space/Kugel2.h"
#include "topics/space/XEbKu.h"
#include "topics/space/XGerK.h"
#include "topics/space/XKugel.h"

namespace zw {
namespace {

class SpaceComputeTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u'.';
  }
  FixedWidthMeasurer font{10};
};

QStringList Lines(std::initializer_list<const char*> lines) {
  QStringList l;
  for (const char* s : lines) l << QString::fromUtf8(s);
  return l;
}

// The message of the failure, 0 when it went through.
int FailureOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const CalcFailure& e) {
    return e.message();
  }
  return 0;
}

// |a - b| within 1e-12 of `scale`.
void ExpectNear(Extended a, Extended b, Extended scale, const char* what) {
  EXPECT_LE(std::fabs(double(a - b)), 1e-12 * std::max(1.0, double(std::fabs(scale)))) << what;
}

TEST_F(SpaceComputeTest, PlaneThroughThreePointsMemo) {
  EXPECT_EQ(EbeneMemoLines(PlaneThroughThreePoints({1, 0, 0}, {0, 1, 0}, {0, 0, 1}), font),
            Lines({"Ebene durch die Punkte", "A(1|0|0), B(0|1|0), C(0|0|1)", "", "Punkt-Richtungs-Form",
                   "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "->  ⎛ 1 ⎞     ⎛-1 ⎞     ⎛-1 ⎞", "x = ⎜ 0 ⎟ + r·⎜ 1 ⎟ + s·⎜ 0 ⎟",
                   "    ⎝ 0 ⎠     ⎝ 0 ⎠     ⎝ 1 ⎠", "", "Koordinatengleichung", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯",
                   "x + y + z = 1", "", "Abstand vom Ursprung", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "d = 0.57735027", "",
                   "Spurpunkte", "¯¯¯¯¯¯¯¯¯¯", "  Sx(1|0|0)", "  Sy(0|1|0)", "  Sz(0|0|1)"}));
  // Parallel to the xy plane: only Sz, and only its mark in the picture.
  const PlaneThroughPoints z2 = PlaneThroughThreePoints({0, 0, 2}, {1, 0, 2}, {0, 1, 2});
  const QStringList lines = EbeneMemoLines(z2, font);
  EXPECT_EQ(lines[11], "z = 2");
  EXPECT_EQ(lines[15], "d = 2");
  EXPECT_EQ(lines.mid(17), Lines({"Spurpunkte", "¯¯¯¯¯¯¯¯¯¯", "  Sz(0|0|2)"}));
  EXPECT_EQ(EbeneExtent(z2), 8);
  ASSERT_EQ(EbeneTraceMarks(z2.n, 8).size(), 1u);
  EXPECT_EQ(EbeneTraceMarks(z2.n, 8)[0].z, 2);
  // Through the origin: d = 0, extent 1, every trace point the origin.
  const PlaneThroughPoints o = PlaneThroughThreePoints({0, 0, 0}, {1, 2, 0}, {0, 1, 1});
  EXPECT_EQ(o.d, 0);
  EXPECT_EQ(EbeneExtent(o), 1);
  EXPECT_EQ(EbeneTraceMarks(o.n, 1).size(), 3u);
  // A trace point marks below the extent only: negative ones always.
  const std::vector<TVec3> marks = EbeneTraceMarks({1, -1, 4, 8}, 4);
  ASSERT_EQ(marks.size(), 2u);  // x = 8 lies beyond, y = -8 and z = 2 are marked
  EXPECT_EQ(marks[0].y, -8);
  EXPECT_EQ(marks[1].z, 2);
}

TEST_F(SpaceComputeTest, LineThroughTwoPointsMemo) {
  EXPECT_EQ(GeradeMemoLines(LineThroughTwoPoints({0, 0, 0}, {1, 2, 3}), font),
            Lines({"Gerade durch A(0|0|0), B(1|2|3)", "", "Parameterdarstellung", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯",
                   "  ->  ⎛ 0 ⎞     ⎛ 1 ⎞", "  x = ⎜ 0 ⎟ + t·⎜ 2 ⎟", "      ⎝ 0 ⎠     ⎝ 3 ⎠", "",
                   "Abstand vom Ursprung", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "  d = 0", "", "Lage zur xy-Ebene",
                   "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", " senkr. Proj.: 2·x - y = 0", " Schnittpunkt: S1(0|0|0)",
                   " Schnittwinkel: 53.300775°", "", "Lage zur yz-Ebene", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯",
                   "senkr. Proj.: -3·y + 2·z = 0", "Schnittpunkt: S2(0|0|0)", "Schnittwinkel: 15.50136°", "",
                   "Lage zur xz-Ebene", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "senkr. Proj.: -3·x + z = 0",
                   "Schnittpunkt: S3(0|0|0)", "Schnittwinkel: 32.311533°"}));
  // Perpendicular to the xy plane: no projection there, no trace point in
  // the other two.
  const QStringList up = GeradeMemoLines(LineThroughTwoPoints({1, 2, 3}, {1, 2, 7}), font);
  EXPECT_EQ(up[5], "  x = ⎜ 2 ⎟ + t·⎜ 0 ⎟");
  EXPECT_EQ(up.mid(14, 3), Lines({"senkr. Proj.: Keine Lösung", " Schnittpunkt: S1(1|2|0)", " Schnittwinkel: 90°"}));
  EXPECT_EQ(up.mid(20, 3), Lines({"senkr. Proj.: y = 2", "Schnittpunkt: Keine Lösung", "Schnittwinkel: 0°"}));
  EXPECT_EQ(up.mid(26, 3), Lines({"senkr. Proj.: x = 1", "Schnittpunkt: Keine Lösung", "Schnittwinkel: 0°"}));
  // Parallel to the xy plane.
  const QStringList flat = GeradeMemoLines(LineThroughTwoPoints({1, 2, 3}, {4, 5, 3}), font);
  EXPECT_EQ(flat.mid(15, 2), Lines({"Schnittpunkt: Keine Lösung", " Schnittwinkel: 0°"}));
  EXPECT_EQ(flat[21], "Schnittpunkt: S2(0|1|3)");
  // Points show three significant digits, the line is computed in full.
  const LineThroughPoints third = LineThroughTwoPoints({1.2345L, 0, 0}, {0, 0, 0});
  EXPECT_EQ(GeradeMemoLines(third, font)[0], "Gerade durch A(1.23|0|0), B(0|0|0)");
  EXPECT_EQ(third.u.x, 1);
}

TEST_F(SpaceComputeTest, SphereThroughFourPointsMemo) {
  const SphereThroughPoints k = SphereThroughFourPoints({TVec3{3, 2, 1}, {1, 2, 1}, {2, 3, 1}, {2, 2, 2}});
  EXPECT_EQ(Kugel2MemoLines(k, font),
            Lines({"Kugel durch die Punkte ", "A(3|2|1), B(1|2|1), C(2|3|1), D(2|2|2)", "", "Normalform",
                   "¯¯¯¯¯¯¯¯¯¯", "     | ->    ⎛ 2 ⎞ |2 ", " K : | x   - ⎜ 2 ⎟ |   = 1", "     |       ⎝ 1 ⎠ |", "",
                   "Mittelpunkt und Radius", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "  M(2|2|1)", "  r = 1"}));
  const SphereThroughPoints unit = SphereThroughFourPoints({TVec3{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
  EXPECT_EQ(Kugel2MemoLines(unit, font)[6], " K : | x   - ⎜ 0 ⎟ |   = 1");
  EXPECT_EQ(unit.r, 1);
}

TEST_F(SpaceComputeTest, SphereThroughFourPointsPassesThroughThem) {
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> coord(-50, 50);
  for (int n = 0; n < 200; ++n) {
    std::array<TVec3, 4> p;
    for (TVec3& v : p) v = {coord(gen), coord(gen), coord(gen)};
    const SphereThroughPoints k = SphereThroughFourPoints(p);
    for (const TVec3& v : p) ExpectNear(Dist3(v, k.m), k.r, k.r, "distance to the centre");
  }
}

TEST_F(SpaceComputeTest, TwoSpheresMemo) {
  // Equal radii are exchanged: the second sphere typed comes first.
  EXPECT_EQ(XKugelMemoLines(IntersectSpheres({{0, 0, 0}, {8, 0, 0}, 5, 5}), font),
            Lines({"Gegeben sind die beiden Kugeln:", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "K₁ : M₁(8|0|0) ,  r₁ = 5",
                   "K₂ : M₂(0|0|0) ,  r₂ = 5", "", "Schnittkreis:", "¯¯¯¯¯¯¯¯¯¯¯¯¯", "  M(4|0|0) ,  r = 3", "",
                   "Schnittebene:", "¯¯¯¯¯¯¯¯¯¯¯¯¯", "  E : x = 4"}));
  // Touching from outside and from inside: the point of contact, r = 0.
  const TwoSpheresResult outside = IntersectSpheres({{0, 0, 0}, {3, 0, 0}, 2, 1});
  EXPECT_EQ(XKugelMemoLines(outside, font).mid(7), Lines({"  M(2|0|0) ,  r = 0", "", "Schnittebene:",
                                                          "¯¯¯¯¯¯¯¯¯¯¯¯¯", "  E : x = 2"}));
  const TwoSpheresResult inside = IntersectSpheres({{0.1L, 0.2L, 0.3L}, {0.1L, 0.2L, 0.7L}, 0.3L, 0.7L});
  EXPECT_EQ(inside.r, 0);
}

TEST_F(SpaceComputeTest, TwoSpheresCircleLiesOnBoth) {
  std::mt19937 gen(11);
  std::uniform_real_distribution<double> coord(-20, 20), radius(1, 30);
  int checked = 0;
  for (int i = 0; i < 400; ++i) {
    const TwoSpheres k{{coord(gen), coord(gen), coord(gen)}, {coord(gen), coord(gen), coord(gen)}, radius(gen),
                       radius(gen)};
    TwoSpheresResult res;
    if (FailureOf([&] { res = IntersectSpheres(k); }) != 0) continue;
    ++checked;
    // A point of the circle: its centre plus r along a direction normal to n.
    const TVec3 n{res.n.x, res.n.y, res.n.z};
    TVec3 e = std::fabs(n.x) < std::fabs(n.z) ? TVec3{0, -n.z, n.y} : TVec3{-n.y, n.x, 0};
    const Extended len = std::sqrt(Dot3(e, e));
    const TVec3 x{res.m.x + res.r * e.x / len, res.m.y + res.r * e.y / len, res.m.z + res.r * e.z / len};
    ExpectNear(Dist3(x, res.k.m1), res.k.r1, res.k.r1, "on sphere 1");
    ExpectNear(Dist3(x, res.k.m2), res.k.r2, res.k.r2, "on sphere 2");
    ExpectNear(Dot3(n, res.m), res.n.t, res.n.t, "centre in the plane");
  }
  EXPECT_GT(checked, 50);
}

TEST_F(SpaceComputeTest, PlaneAndSphereMemo) {
  const PlaneAndSphere in{{2, 0, 0, 4}, {0, 0, 0}, 3};
  EXPECT_EQ(XEbKuMemoLines(in, IntersectPlaneSphere(in), font),
            Lines({"Ebene :", "¯¯¯¯¯¯¯", " E : x = 2", "", "Kugel :", "¯¯¯¯¯¯¯", "     | ->   ⎛ 0 ⎞|2",
                   " K : | x  - ⎜ 0 ⎟| = 9", "     |      ⎝ 0 ⎠|", "", "Schnittkreis von K und E :",
                   "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "  M(2|0|0)", "  r = 2.236068"}));
  const struct {
    PlaneAndSphere in;
    TVec3 m;
    Extended r;
    const char* rhs;  // right side of the sphere's equation
  } cases[] = {
      {{{0, 0, 1, 0}, {0, 0, 0}, 5}, {0, 0, 0}, 5, " K : | x  - ⎜ 0 ⎟| = 25"},
      {{{0, 0, 1, 5}, {0, 0, 0}, 5}, {0, 0, 5}, 0, " K : | x  - ⎜ 0 ⎟| = 25"},   // touching
      {{{0, 0, 1, 0}, {0, 0, 0}, -5}, {0, 0, 0}, 5, " K : | x  - ⎜ 0 ⎟| = 25"},  // only r² counts
      {{{0, 0, 1, 0}, {0, 0, 0}, 0}, {0, 0, 0}, 0, " K : | x  - ⎜ 0 ⎟| = 0"},    // a point sphere
  };
  for (const auto& c : cases) {
    const PlaneAndSphereResult res = IntersectPlaneSphere(c.in);
    EXPECT_TRUE(res.m.x == c.m.x && res.m.y == c.m.y && res.m.z == c.m.z);
    EXPECT_EQ(res.r, c.r);
    EXPECT_EQ(XEbKuMemoLines(c.in, res, font)[7], QString::fromUtf8(c.rhs));
  }
}

TEST_F(SpaceComputeTest, LineAndSphereMemo) {
  LineAndSphere in{{0, 0, 0}, 5, {0, 0, 0}, {2, 0, 0}};
  EXPECT_EQ(XGerKMemoLines(in, IntersectLineSphere(in), font),
            Lines({"Kugel :", "¯¯¯¯¯¯¯", "  K : M(0|0|0) ,  r = 5", "", "Gerade :", "¯¯¯¯¯¯¯¯",
                   "     ->  ⎛ 0 ⎞     ⎛ 1 ⎞", " g : x = ⎜ 0 ⎟ + r·⎜ 0 ⎟", "         ⎝ 0 ⎠     ⎝ 0 ⎠", "",
                   "Schnittpunkte :", "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "  S1(-5|0|0)", "  S2(5|0|0)", "", "Länge der Sehne :",
                   "¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯", "  s = 10"}));
  // The tangent: the touching point only.
  in.p = {0, 5, 0};
  const LineAndSphereResult tangent = IntersectLineSphere(in);
  EXPECT_EQ(tangent.d, 0);
  EXPECT_EQ(XGerKMemoLines(in, tangent, font).mid(10), Lines({"Berührpunkt :", "¯¯¯¯¯¯¯¯¯¯¯¯¯", "  S1(0|5|0)"}));
  // The direction shows reduced; the points do not depend on its length.
  in = {{0, 0, 0}, 5, {0, 0, 0}, {2, 4, 6}};
  const LineAndSphereResult res = IntersectLineSphere(in);
  EXPECT_EQ(XGerKMemoLines(in, res, font)[7], " g : x = ⎜ 0 ⎟ + r·⎜ 2 ⎟");
  in.u = {1, 2, 3};
  const LineAndSphereResult unit = IntersectLineSphere(in);
  for (const auto& [a, b] : {std::pair{res.s1, unit.s1}, std::pair{res.s2, unit.s2}}) {
    ExpectNear(a.x, b.x, 5, "x");
    ExpectNear(a.z, b.z, 5, "z");
  }
  ExpectNear(Dist3(res.s1, in.m), 5, 5, "S1 on the sphere");
  ExpectNear(Dist3(res.s2, in.m), 5, 5, "S2 on the sphere");
}

TEST_F(SpaceComputeTest, EveryMessage) {
  const struct {
    const char* what;
    std::function<void()> compute;
    int message;
  } cases[] = {
      {"equal points of a plane", [] { PlaneThroughThreePoints({1, 2, 3}, {1, 2, 3}, {1, 2, 3}); }, 8},
      {"collinear points of a plane", [] { PlaneThroughThreePoints({0, 0, 0}, {1, 1, 1}, {2, 2, 2}); }, 8},
      {"empty grid of a plane", [] { PlaneThroughThreePoints({}, {}, {}); }, 8},
      {"equal points of a line", [] { LineThroughTwoPoints({1, 2, 3}, {1, 2, 3}); }, 21},
      {"square's corners", [] { SphereThroughFourPoints({TVec3{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}}); }, 9},
      {"three on a line", [] { SphereThroughFourPoints({TVec3{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 1}}); }, 9},
      {"empty grid of a sphere", [] { SphereThroughFourPoints({}); }, 9},
      {"identical spheres", [] { IntersectSpheres({{1, 2, 3}, {1, 2, 3}, 4, 4}); }, 36},
      {"concentric spheres", [] { IntersectSpheres({{0, 0, 0}, {0, 0, 0}, 3, 2}); }, 15},
      {"one inside the other", [] { IntersectSpheres({{0, 0, 0}, {1, 0, 0}, 5, 1}); }, 15},
      {"spheres apart", [] { IntersectSpheres({{0, 0, 0}, {10, 0, 0}, 5, 1}); }, 15},
      {"zero normal", [] { IntersectPlaneSphere({{0, 0, 0, 1}, {0, 0, 0}, 5}); }, 22},
      {"plane beyond", [] { IntersectPlaneSphere({{0, 0, 1, 6}, {0, 0, 0}, 5}); }, 16},
      {"line undetermined", [] { IntersectLineSphere({{0, 0, 0}, 5, {0, 6, 0}, {0, 0, 0}}); }, 10},
      {"line passing", [] { IntersectLineSphere({{0, 0, 0}, 5, {0, 6, 0}, {1, 0, 0}}); }, 19},
  };
  for (const auto& c : cases) EXPECT_EQ(FailureOf(c.compute), c.message) << c.what;
}

}  // namespace
}  // namespace zw
