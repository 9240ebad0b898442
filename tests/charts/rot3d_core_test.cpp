// The integer core of the 3D view, without a widget.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "charts/Rot3DCore.h"

namespace zw {
namespace {

using M3 = std::array<std::array<double, 3>, 3>;

M3 mul(const M3& a, const M3& b) {
  M3 r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) r[i][j] += a[i][k] * b[k][j];
  return r;
}
M3 rx(double deg) {
  const double a = deg * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  return {{{1, 0, 0}, {0, c, -s}, {0, s, c}}};
}
M3 ry(double deg) {
  const double a = deg * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  return {{{c, 0, s}, {0, 1, 0}, {-s, 0, c}}};
}
M3 rz(double deg) {
  const double a = deg * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  return {{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
}

// The matrices are rotations about the axes in a fixed order, scaled by 1000.
void expectNear1000(const TRotMat& m, const M3& ref, bool swapped, const char* what) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const int jj = swapped && j < 2 ? 1 - j : j;
      EXPECT_NEAR(m[i][jj], 1000 * ref[i][j], 0.5) << what << " " << i << "," << j;
    }
}

TEST(Rot3DCore, RotationMatrices) {
  const double angles[][3] = {{110, 150, 210}, {0, 0, 0}, {90, 0, 0}, {30, 45, 60}, {-45, 200, 400}, {470, -10, 720}};
  for (const auto& a : angles) {
    for (TAxDir dir : {TAxDir::adLeftHanded, TAxDir::adRightHanded}) {
      const bool sw = dir == TAxDir::adRightHanded;
      expectNear1000(CalcRotMat2Angles(a[0], a[2], dir), mul(rx(a[0]), rz(a[2])), sw, "two angles");
      expectNear1000(CalcRotMat3Angles(a[0], a[1], a[2], dir), mul(mul(rz(a[2]), ry(a[1])), rx(a[0])), sw,
                     "three angles");
    }
  }
  // Exact entries: no drift from 0 at 90 degrees, the right-handed swap.
  EXPECT_EQ(CalcRotMat2Angles(90, 0, TAxDir::adLeftHanded), (TRotMat{{{1000, 0, 0}, {0, 0, -1000}, {0, 1000, 0}}}));
  EXPECT_EQ(CalcRotMat2Angles(0, 30, TAxDir::adRightHanded), (TRotMat{{{-500, 866, 0}, {866, 500, 0}, {0, 0, 1000}}}));
}

TEST(Rot3DCore, ProjectionTruncatesAndDoesNotOverflow) {
  const TRotMat id{{{1000, 0, 0}, {0, 1000, 0}, {0, 0, 1000}}};
  struct Case { std::int64_t X, Y, Z; int magnify; std::int64_t x, y; } cases[] = {
      {400, -400, 0, 5000, 80 + 225, -80 + 150},
      {-1, 1, 0, 3000, 0 + 225, 0 + 150},       // -1000 / 3000 truncates to 0, not -1
      {-7, 7, 0, 2000, -3 + 225, 3 + 150},
      // 32-bit products would overflow here
      {2'000'000'000, -2'000'000'000, 0, 800, 2'500'000'000 + 225, -2'500'000'000 + 150},
  };
  for (const Case& c : cases) {
    const TScreenPos s = ProjectRot(id, c.X, c.Y, c.Z, c.magnify, 225, 150);
    EXPECT_EQ(s.x, c.x);
    EXPECT_EQ(s.y, c.y);
  }
  // The fast divider gives the exact truncated quotient, also next to
  // multiples of the divisor and at the largest products.
  for (int d : {800, 801, 3000, 5000, 13333, 40000}) {
    const TTruncDivider div(d);
    const std::int64_t big = 3LL * 2147483647LL * 1000;
    for (std::int64_t base : {std::int64_t{0}, std::int64_t{d} * 12345, big - big % d, std::int64_t{7}})
      for (std::int64_t n : {base - 1, base, base + 1, -base - 1, -base, -base + 1})
        EXPECT_EQ(div(n), n / d) << n << " / " << d;
  }
  EXPECT_EQ(ClampScreen(2'500'000'225), 30000);
  EXPECT_EQ(ClampScreen(-40000), -30000);
  EXPECT_EQ(ClampScreen(123), 123);
}

Tr3ChartItem item(Tr3Item kind, double x, double y, double z, double x2 = 0, double y2 = 0, double z2 = 0) {
  Tr3ChartItem it;
  it.ItemKind = kind;
  it.x = x, it.y = y, it.z = z, it.x2 = x2, it.y2 = y2, it.z2 = z2;
  it.marklw = 3;
  return it;
}

TEST(Rot3DCore, BuildRotationSpace) {
  const std::vector<Tr3ChartItem> items = {item(Tr3Item::tkLine, 0, 0, 0, 2, 4, 1), item(Tr3Item::tkMarkAt, 1, 2, 0),
                                           item(Tr3Item::tkMoveto, 1, 0, 0), item(Tr3Item::tkLineto, 0, 4, 1)};
  struct Case {
    const char* what;
    TRotScaling in;
    std::array<double, 3> origin, factors;
  } cases[] = {
      // mean of the five points (0,0,0) (2,4,1) (1,2,0) (1,0,0) (0,4,1); 1000 / extent
      {"auto", {}, {0.8, 2, 0.4}, {500, 250, 1000}},
      {"iso", {true, true, true}, {0.8, 2, 0.4}, {250, 250, 250}},
      {"fixed origin", {false, true, false, {1, 1, 1}, {7, 7, 7}}, {1, 1, 1}, {500, 250, 1000}},
      {"fixed scale", {true, false, false, {0, 0, 0}, {10, 20, 30}}, {0.8, 2, 0.4}, {10, 20, 30}},
      {"fixed scale iso", {true, false, true, {0, 0, 0}, {10, 20, 30}}, {0.8, 2, 0.4}, {10, 10, 10}},
  };
  for (Case c : cases) {
    const auto pts = BuildRotationSpace(items, c.in);
    ASSERT_EQ(pts.size(), 5u) << c.what;
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(c.in.origin[k], c.origin[k], 1e-12) << c.what;
      EXPECT_NEAR(c.in.scaleFact[k], c.factors[k], 1e-12) << c.what;
    }
    // Second point of the line: Round((v - origin) * factor)
    EXPECT_EQ(pts[1].x, std::lround(std::nearbyint((2 - c.origin[0]) * c.factors[0]))) << c.what;
    EXPECT_EQ(pts[1].y, std::lround(std::nearbyint((4 - c.origin[1]) * c.factors[1]))) << c.what;
  }
  TRotScaling s;
  const auto pts = BuildRotationSpace(items, s);
  const TRotKind kinds[] = {TRotKind::move, TRotKind::lineTo, TRotKind::mark, TRotKind::move, TRotKind::lineTo};
  const int links[] = {0, 0, 1, 2, 3};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(pts[i].kind, kinds[i]);
    EXPECT_EQ(pts[i].backLink, links[i]);
  }
  EXPECT_EQ(pts[1].lineWid, 3);
  EXPECT_EQ(pts[2].mark, 3);
  EXPECT_EQ(pts[0].x, -400);  // (0 - 0.8) * 500
}

TEST(Rot3DCore, BuildRotationSpaceEdgeCases) {
  TRotScaling s;
  s.origin = {5, 5, 5};
  EXPECT_TRUE(BuildRotationSpace({}, s).empty());
  EXPECT_EQ(s.origin[0], 5);  // untouched

  // All points share x: factor 1 for x; with IsoMetric the smallest of all.
  const std::vector<Tr3ChartItem> flat = {item(Tr3Item::tkMoveto, 3, 0, 0), item(Tr3Item::tkLineto, 3, 10, 4)};
  TRotScaling a;
  BuildRotationSpace(flat, a);
  EXPECT_EQ(a.scaleFact, (std::array<double, 3>{1, 100, 250}));
  TRotScaling iso;
  iso.isoMetric = true;
  BuildRotationSpace(flat, iso);
  EXPECT_EQ(iso.scaleFact, (std::array<double, 3>{1, 1, 1}));

  // A huge manual scale saturates; a NaN point lands on the origin.
  TRotScaling big{false, false, false, {0, 0, 0}, {1e12, 1e12, 1e12}};
  const auto pts = BuildRotationSpace(
      std::vector<Tr3ChartItem>{item(Tr3Item::tkMarkAt, 1, -1, std::numeric_limits<double>::quiet_NaN())}, big);
  EXPECT_EQ(pts[0].x, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(pts[0].y, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(pts[0].z, 0);
}

TEST(Rot3DCore, NearCornerAndFaceShades) {
  const QRgb hi = qRgb(0xEE, 0xEE, 0xEE), lo = qRgb(0xC0, 0xC0, 0xC0);
  // Looking along z: corner 0 is the first of the four at depth -1000; the
  // face z = -1 is seen head-on (high colour), the other two edge-on (low).
  const TRotMat top = CalcRotMat2Angles(0, 0, TAxDir::adLeftHanded);
  EXPECT_EQ(NearCorner(top), 0);
  EXPECT_EQ(CornerDepth(top, 0), -1000);
  EXPECT_EQ(CornerDepth(top, 7), 1000);
  EXPECT_EQ(FaceShade(top, 2, hi, lo), hi);
  EXPECT_EQ(FaceShade(top, 3, hi, lo), lo);
  EXPECT_EQ(FaceShade(top, 5, hi, lo), lo);
  // Tilted by 45 degrees about x: two faces at b = 2828 / 10 = 282.
  const TRotMat tilt = CalcRotMat2Angles(45, 0, TAxDir::adLeftHanded);
  EXPECT_EQ(NearCorner(tilt), 0);
  EXPECT_EQ(FaceShade(tilt, 3, hi, lo), qRgb(224, 224, 224));
  EXPECT_EQ(FaceShade(tilt, 2, hi, lo), qRgb(224, 224, 224));
  EXPECT_EQ(FaceShade(tilt, 5, hi, lo), lo);
  // Opposite view: the near corner moves to the far side.
  EXPECT_EQ(NearCorner(CalcRotMat2Angles(180, 0, TAxDir::adLeftHanded)), 1);
  // Cube corners follow the bit pattern.
  const TCubeCorners c = MakeCubeCorners(400);
  EXPECT_EQ(c[0], (std::array<int, 3>{-400, -400, -400}));
  EXPECT_EQ(c[5], (std::array<int, 3>{400, -400, 400}));
}

}  // namespace
}  // namespace zw
