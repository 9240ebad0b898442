// The pictures' geometry without a view (chords, plane outlines, wire
// spheres, circles, extents), then what the routines add to a view.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "charts/Rot3D.h"
#include "topics/space/Scene3D.h"

namespace zw {
namespace {

constexpr Extended S = 100;  // the cube's half edge in the tests

double Dist(const ViewPoint& a, const ViewPoint& b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }

TEST(Scene3D, LineChordsThroughTheCube) {
  struct Case {
    const char* what;
    TVec3 p, u;
    Extended scale;
    std::optional<std::array<ViewPoint, 2>> chord;
  } cases[] = {
      {"along x: the two x faces", {0, 10, 20}, {1, 0, 0}, 1, {{{{S, 10, 20}, {-S, 10, 20}}}}},
      {"the point is scaled, the direction not", {0, 5, 0}, {0, 0, 2}, 10, {{{{0, 50, S}, {0, 50, -S}}}}},
      {"diagonal", {0, 0, 0}, {2, 1, 0}, 1, {{{{S, 50, 0}, {-S, -50, 0}}}}},
      // The x faces are crossed outside the cube (z = ±200), y is skipped (uy = 0).
      {"steep", {0, 0, 0}, {1, 0, 2}, 2, {{{{50, 0, S}, {-50, 0, -S}}}}},
      // Touching an edge only: both accepted points are the same.
      {"along an edge's corner", {S, S, 0}, {1, -1, 0}, 1, {{{{S, S, 0}, {S, S, 0}}}}},
      {"misses the cube", {0, 2 * S, 0}, {1, 0, 0}, 1, std::nullopt},
      {"4e-8 beyond a face counts as on it", {0, S + 4e-8L, 0}, {1, 0, 0}, 1,
       {{{{S, double(S + 4e-8L), 0}, {-S, double(S + 4e-8L), 0}}}}},
      {"6e-8 beyond a face is outside", {0, S + 6e-8L, 0}, {1, 0, 0}, 1, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto chord = LineChordInBox(c.p, c.u, S, c.scale);
    ASSERT_EQ(chord.has_value(), c.chord.has_value()) << c.what;
    if (chord) {
      EXPECT_EQ(*chord, *c.chord) << c.what;
    }
  }
}

TEST(Scene3D, PlaneOutlinesOnTheCube) {
  struct Case {
    const char* what;
    TVec4 plane;
    Extended scale;
    std::vector<Polyline3> outline;
  } cases[] = {
      // z = 0: one side on each of the faces y = -S, x = -S, x = +S, y = +S,
      // from the crossings of the edges along z; the z faces add nothing.
      {"z = 0",
       {0, 0, 1, 0},
       1,
       {{{-S, -S, 0}, {S, -S, 0}}, {{-S, -S, 0}, {-S, S, 0}}, {{S, -S, 0}, {S, S, 0}}, {{-S, S, 0}, {S, S, 0}}}},
      // The constant is scaled, the normal not: 2x = 2·25 is x = 25 at scale 2.
      {"x = 25 at scale 2",
       {2, 0, 0, 25},
       2,
       {{{25, -S, -S}, {25, S, -S}}, {{25, -S, -S}, {25, -S, S}}, {{25, S, -S}, {25, S, S}}, {{25, -S, S}, {25, S, S}}}},
      // On the face itself: the crossings lie exactly on the edges (inclusive).
      {"y = S", {0, 1, 0, S}, 1, {{{-S, S, -S}, {S, S, -S}}, {{-S, S, -S}, {-S, S, S}}, {{S, S, -S}, {S, S, S}}, {{-S, S, S}, {S, S, S}}}},
      // The outline compares exactly: 4e-8 beyond the face is outside.
      {"y = S + 4e-8", {0, 1, 0, S + 4e-8L}, 1, {}},
      {"misses the cube", {1, 1, 1, 10 * S}, 1, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(PlaneOutlineInBox(c.plane, S, c.scale), c.outline) << c.what;
  // A slanted plane: every point on the plane and on the cube's surface, at most 24.
  const TVec4 slanted{1, 2, 3, 40};
  int points = 0;
  for (const Polyline3& face : PlaneOutlineInBox(slanted, S, 1))
    for (const ViewPoint& p : face) {
      ++points;
      EXPECT_NEAR(p.x + 2 * p.y + 3 * p.z, 40, 1e-9);
      EXPECT_NEAR(std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)}), S, 1e-9);
    }
  EXPECT_GT(points, 0);
  EXPECT_LE(points, 24);
}

TEST(Scene3D, WireSphereAndCircles) {
  const auto sphere = SphereWireFrame({1, 2, 3}, 4, 10);
  ASSERT_EQ(sphere.size(), 26u);
  for (const Polyline3& l : sphere) {
    ASSERT_EQ(l.size(), 121u);
    EXPECT_NEAR(Dist(l.front(), l.back()), 0, 1e-9);  // every line closes
    for (const ViewPoint& p : l) EXPECT_NEAR(Dist(p, {10, 20, 30}), 40, 1e-9);
  }
  // Radius 0: every point at the centre.
  for (const Polyline3& l : SphereWireFrame({1, 2, 3}, 0, 10))
    for (const ViewPoint& p : l) EXPECT_EQ(p, (ViewPoint{10, 20, 30}));

  // The three direction cases; each circle lies in its plane at its radius.
  const TVec3 normals[] = {{1, 2, 3}, {1, 2, 0}, {1, 0, 0}, {0, 0, 5}};
  for (const TVec3& n : normals) {
    const Polyline3 c = CircleInSpace({1, 1, 1}, 2, n, 3);
    ASSERT_EQ(c.size(), 121u);
    EXPECT_NEAR(Dist(c.front(), c.back()), 0, 1e-9);
    for (const ViewPoint& p : c) {
      EXPECT_NEAR(Dist(p, {3, 3, 3}), 6, 1e-9);
      EXPECT_NEAR(double(n.x) * (p.x - 3) + double(n.y) * (p.y - 3) + double(n.z) * (p.z - 3), 0, 1e-9);
    }
  }
  // Normal (1, 0, 0): in the plane x = cx and evenly spaced (3° apart).
  const Polyline3 c = CircleInSpace({7, 0, 0}, 1, {1, 0, 0}, 1);
  const double step = 2 * std::sin(1.5 * std::numbers::pi / 180);
  for (std::size_t k = 1; k < c.size(); ++k) {
    EXPECT_EQ(c[k].x, 7);
    EXPECT_NEAR(Dist(c[k - 1], c[k]), step, 1e-12);
  }
  // Other planes are spaced unevenly.
  const Polyline3 slanted = CircleInSpace({0, 0, 0}, 1, {1, 0, 1}, 1);
  EXPECT_GT(std::fabs(Dist(slanted[0], slanted[1]) - Dist(slanted[30], slanted[31])), 1e-3);
}

TEST(Scene3D, ExtentsKeepScenesInsideTheCube) {
  struct Case {
    std::initializer_list<SphereExtent> spheres;
    Extended extent;
  } cases[] = {
      {{{{0, 0, 0}, 0.5L}}, 1},
      {{{{-10, 0, 0}, 2}}, 12},
      {{{{0, 0, 0}, 5}, {{8, 0, 0}, 5}}, 13},
      {{{{0, -3, 1}, -4}}, 7},  // a radius typed negative counts by its size
  };
  for (const Case& c : cases) EXPECT_EQ(SpheresExtent(c.spheres), c.extent);
  // A sphere about (-10, 0, 0) in a view 400 high: every point inside the cube.
  const SceneFrame f = SceneFrameFor(401, SpheresExtent({{{-10, 0, 0}, 2}}));
  EXPECT_EQ(f.size, 200);
  for (const Polyline3& l : SphereWireFrame({-10, 0, 0}, 2, f.scale))
    for (const ViewPoint& p : l) EXPECT_LE(std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)}), 200 + 1e-9);
}

TEST(Scene3D, TheRoutinesFillTheViewWithTheirPens) {
  TRot3D view;
  view.resize(600, 340);
  SetUpSpaceView(view, true);
  EXPECT_EQ(view.AxNameX(), "x");
  const QColor red(Qt::red), blue(Qt::blue);

  DrawSphere3D(view, {0, 0, 0}, red, 1, 50, 3);
  EXPECT_EQ(view.NumItems(), 3146);
  EXPECT_EQ(view.LineWidth(), 3);  // the sphere leaves its width
  EXPECT_EQ(view.GetItemParams(0).ItemKind, Tr3Item::tkMoveto);
  EXPECT_EQ(view.GetItemParams(0).color, red.rgba());

  view.Clear();
  DrawLineInBox3D(view, blue, 2, {0, 2 * S, 0}, {1, 0, 0}, S, 1);
  EXPECT_EQ(view.NumItems(), 0);  // a line that misses the cube draws nothing
  EXPECT_EQ(view.LineWidth(), 1);
  DrawLineInBox3D(view, blue, 2, {0, 0, 0}, {1, 0, 0}, S, 1);
  ASSERT_EQ(view.NumItems(), 1);
  EXPECT_EQ(view.GetItemParams(0).ItemKind, Tr3Item::tkLine);
  EXPECT_EQ(view.GetItemParams(0).marklw, 2);

  view.Clear();
  DrawPlaneInBox3D(view, {0, 0, 1, 0}, blue, S, 1, 2);
  ASSERT_EQ(view.NumItems(), 8);  // four sides: a move and a draw each
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(view.GetItemParams(i).ItemKind, i % 2 ? Tr3Item::tkLineto : Tr3Item::tkMoveto) << i;
  DrawPlaneInBox3D(view, {0, 0, 1, 10 * S}, red, S, 1, 2);
  EXPECT_EQ(view.NumItems(), 8);
  EXPECT_EQ(view.ColorData(), red);  // colour set even when nothing is drawn

  view.Clear();
  MarkPoint3D(view, red, {1, 2, 3}, 10);
  DrawSegment3D(view, blue, 4, {0, 0, 0}, {1, 1, 1}, 10);
  DrawCircle3D(view, red, 2, {0, 0, 0}, 1, {0, 0, 1}, 10);
  ASSERT_EQ(view.NumItems(), 2 + 121);
  const Tr3ChartItem mark = view.GetItemParams(0);
  EXPECT_EQ(mark.ItemKind, Tr3Item::tkMarkAt);
  EXPECT_EQ(mark.marklw, 10);
  EXPECT_EQ(mark.z, 30);
  EXPECT_EQ(view.GetItemParams(1).x2, 10);
  EXPECT_EQ(view.LineWidth(), 1);

  // Last: the negative half axes, the cube of 2·size, the centre and the angles.
  const int before = view.NumItems();
  InitView3D(view, 170);
  EXPECT_EQ(view.NumItems(), before + 3);
  EXPECT_EQ(view.GetItemParams(before).x2, -170);
  EXPECT_EQ(view.GetItemParams(before).color, view.ColorCubeHidLin().rgba());
  EXPECT_EQ(view.AxSize(), 340);
  EXPECT_EQ(view.CentX(), 300);
  EXPECT_EQ(view.CentY(), 340 * 4 / 7);
  EXPECT_EQ(view.ViewAngleX(), 100);
  EXPECT_EQ(view.ViewAngleZ(), 240);
  EXPECT_EQ(view.MouseAction(), TMouseActMode::maRotAndZoom);
}

}  // namespace
}  // namespace zw
