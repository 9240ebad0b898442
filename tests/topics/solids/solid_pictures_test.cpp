// The sketches (what is drawn, in which colour and width) and the 3D scenes
// (the items of the view: edges, outlines and where the solids stand).
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <numbers>

#include "charts/Rot3D.h"
#include "tests/common/RecordingPaintDevice.h"
#include "tests/topics/solids/SolidsTestKit.h"
#include "topics/solids/SolidScenes.h"
#include "topics/solids/SolidSketches.h"

namespace zw {
namespace {

using test::PaintCall;
using test::RecordingPaintDevice;
constexpr double Pi = std::numbers::pi;

const std::array<QColor, 4> kColors{QColor(200, 0, 0), QColor(0, 150, 0), QColor(0, 0, 200), QColor(150, 0, 150)};

// The widest pen drawn in graph colour n (1 to 4), 0 when none is.
struct Drawn {
  std::vector<PaintCall> calls;
  double widest(int n) const {
    double w = 0;
    for (const PaintCall& c : calls)
      if (c.pen == kColors[n - 1] && c.kind != PaintCall::Rect) w = std::max(w, c.penWidth);
    return w;
  }
};

template <class Draw>
Drawn Sketch(Draw draw, std::array<bool, 4> filled, int n = 3) {
  RecordingPaintDevice dev(200, 200);
  {
    QPainter p(&dev);
    SketchInput in;
    in.side = 160;
    in.filled = filled;
    in.colors = kColors;
    in.n = n;
    draw(p, in);
  }
  return {dev.calls()};
}

using SketchFn = std::function<void(QPainter&, const SketchInput&)>;

SketchFn PlatonicFn(Platonic s) {
  return [s](QPainter& p, const SketchInput& in) { DrawPlatonicSketch(p, s, in); };
}
SketchFn TwoFn(TwoQuantitySolid s) {
  return [s](QPainter& p, const SketchInput& in) { DrawTwoQuantitySketch(p, s, in); };
}

TEST(SolidSketches, FilledFieldsGiveThickLinesInTheirColours) {
  struct Case {
    const char* what;
    SketchFn draw;
    int colours;                 // the quantities sketched in graph colours 1 ..
    std::array<double, 4> empty;  // the widest pen of each colour with every field empty
  } cases[] = {
      {"tetrahedron", PlatonicFn(Platonic::Tetra), 4, {1, 1, 1, 0}},
      {"cube", PlatonicFn(Platonic::Hexa), 4, {1, 1, 1, 0}},
      {"octahedron", PlatonicFn(Platonic::Okta), 4, {1, 1, 1, 0}},
      {"dodecahedron", PlatonicFn(Platonic::Dodeka), 4, {1, 1, 1, 0}},
      {"icosahedron", PlatonicFn(Platonic::Ikosa), 4, {1, 1, 1, 0}},
      {"cone", TwoFn(TwoQuantitySolid::Cone), 3, {1, 1, 1, 0}},
      {"cylinder", TwoFn(TwoQuantitySolid::Cylinder), 3, {1, 1, 1, 0}},
      {"pyramid", TwoFn(TwoQuantitySolid::Pyramid), 4, {1, 1, 1, 1}},
      {"prism", TwoFn(TwoQuantitySolid::Prism), 4, {1, 1, 0, 0}},
  };
  for (const Case& c : cases) {
    const Drawn none = Sketch(c.draw, {});
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(none.widest(k), c.empty[k - 1]) << c.what << " colour " << k;
    for (int k = 1; k <= c.colours; ++k) {
      std::array<bool, 4> filled{};
      filled[k - 1] = true;
      const Drawn one = Sketch(c.draw, filled);
      EXPECT_EQ(one.widest(k), 2) << c.what << " field " << k;
      // The other quantities stay thin.
      for (int j = 1; j <= 4; ++j)
        if (j != k) {
          EXPECT_EQ(one.widest(j), c.empty[j - 1]) << c.what << " field " << k << " colour " << j;
        }
    }
  }
}

TEST(SolidSketches, LinesStandWhereTheirUnitsMapTo) {
  // The cone's radius from (1, 2) to (6, 2) of 12 units, y upwards, on 160
  // pixels: from (13, 133), the last pixel left out.
  const Drawn cone = Sketch(TwoFn(TwoQuantitySolid::Cone), {true, false, false, false});
  std::vector<QPolygonF> radius;
  for (const PaintCall& c : cone.calls)
    if (c.kind == PaintCall::Line && c.pen == kColors[0]) radius.push_back(c.points);
  ASSERT_EQ(radius.size(), 1u);
  EXPECT_EQ(radius[0].first(), QPointF(13, 133));
  EXPECT_EQ(radius[0].last(), QPointF(79, 133));
  // The prism's sketch follows the vertex count: a side per vertex at the
  // bottom and the top.
  const auto colour1 = [](int n) {
    const Drawn d = Sketch(TwoFn(TwoQuantitySolid::Prism), {}, n);
    int lines = 0;
    for (const PaintCall& c : d.calls) lines += c.kind == PaintCall::Line && c.pen == kColors[0];
    return lines;
  };
  EXPECT_EQ(colour1(5), 10);
  EXPECT_EQ(colour1(12), 24);
}

TEST(SolidSketches, SphereShowsRadiusDiameterParallelsMeridiansAndEquator) {
  const Drawn sphere = Sketch([](QPainter& p, const SketchInput& in) { DrawSphereSketch(p, in); }, {true, true, true, true});
  int black = 0, equator = 0;
  for (const PaintCall& c : sphere.calls) {
    if (c.kind != PaintCall::Polygon && c.kind != PaintCall::Polyline) continue;
    black += c.pen == QColor(Qt::black);
    equator += c.pen == kColors[2];
  }
  EXPECT_EQ(black, 9 + 2 * 7);  // nine half parallels, seven meridians in two halves
  EXPECT_EQ(equator, 2);
  EXPECT_EQ(sphere.widest(1), 1);  // the sketch does not depend on the inputs
}

// ----- 3D scenes -----------------------------------------------------------------

struct Segment {
  std::array<double, 3> a, b;
  QColor color;
  int width;
  double length() const { return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]); }
};

std::vector<Segment> SegmentsOf(const TRot3D& view) {
  std::vector<Segment> out;
  for (int i = 0; i < view.NumItems(); ++i) {
    const Tr3ChartItem it = view.GetItemParams(i);
    if (it.ItemKind == Tr3Item::tkLine)
      out.push_back({{it.x, it.y, it.z}, {it.x2, it.y2, it.z2}, QColor::fromRgba(it.color), it.marklw});
  }
  return out;
}

TEST(SolidScenes, PlatonicWireFramesInThePenOfGraph1) {
  struct Case { Platonic solid; std::size_t edges; double length; } cases[] = {
      {Platonic::Tetra, 6, 2}, {Platonic::Hexa, 12, 2}, {Platonic::Okta, 12, 2},
      {Platonic::Dodeka, 30, 4 / (std::sqrt(5.0) + 1)}, {Platonic::Ikosa, 30, 2},
  };
  for (const Case& c : cases) {
    TRot3D view;
    BuildPlatonicScene(view, c.solid, {QColor(0, 0, 255), 40});
    const std::vector<Segment> s = SegmentsOf(view);
    ASSERT_EQ(s.size(), c.edges);
    for (const Segment& e : s) {
      EXPECT_NEAR(e.length(), c.length, 1e-12);
      EXPECT_EQ(e.color, QColor(0, 0, 255));
      EXPECT_EQ(e.width, 32);  // the view's widest line
    }
    EXPECT_DOUBLE_EQ(view.Magnification(), 0.8);
    EXPECT_EQ(view.MouseAction(), TMouseActMode::maRotAndZoom);
  }
}

// The x of the axes of the solids of a scene: the centres of the lines of
// each pen.
std::map<QRgb, std::pair<double, double>> XRangeByColour(const TRot3D& view) {
  std::map<QRgb, std::pair<double, double>> r;
  for (const Segment& s : SegmentsOf(view)) {
    auto [it, fresh] = r.try_emplace(s.color.rgb(), 1e300, -1e300);
    for (double x : {s.a[0], s.b[0]}) {
      it->second.first = std::min(it->second.first, x);
      it->second.second = std::max(it->second.second, x);
    }
  }
  return r;
}

TEST(SolidScenes, SecondSolutionsStandBesideTheFirst) {
  const GraphPen first{QColor(255, 0, 0), 2}, second{QColor(0, 128, 0), 3};
  const QRgb silver = QColor(0xC0, 0xC0, 0xC0).rgb();
  // A prism of 99 vertices, edge 1 and height 1 has the V and O of a second one.
  const Quantities prism99 = SolveTwoQuantities(TwoQuantitySolid::Prism, 3, {1, 1, 0, 0, 0, 0, 0}, 99).first;
  struct Case {
    const char* what;
    TwoQuantitySolid solid;
    int mask;
    Quantities given;
    int n;
    std::size_t lines;
  };
  const Case cases[] = {
      // A silver circle of 90 segments, a front half of 40 and two silhouettes each.
      {"cone", TwoQuantitySolid::Cone, 72, {0, 0, 0, 12 * Pi, 0, 0, 24 * Pi}, 3, 2 * (90 + 40 + 2)},
      {"cylinder", TwoQuantitySolid::Cylinder, 72, {0, 0, 0, 36 * Pi, 0, 0, 42 * Pi}, 3, 2 * (90 + 40 + 90 + 2)},
      {"pyramid", TwoQuantitySolid::Pyramid, 48, {0, 0, 0, 0, 48, 96, 0}, 3, 2 * 8},
      {"prism", TwoQuantitySolid::Prism, 80, {0, 0, 0, 0, prism99[4], 0, prism99[6]}, 99, 2 * 3 * 99},
  };
  for (const Case& c : cases) {
    TRot3D view;
    view.resize(600, 340);
    const TwoQuantityResult r = SolveTwoQuantities(c.solid, c.mask, c.given, c.n);
    ASSERT_TRUE(r.second) << c.what;
    PrepareSolidView(view, first);
    BuildTwoQuantityScene(view, c.solid, r, c.n, first, second);
    EXPECT_EQ(SegmentsOf(view).size(), c.lines) << c.what;
    auto ranges = XRangeByColour(view);
    ranges.erase(silver);
    ASSERT_EQ(ranges.size(), 2u) << c.what;
    const auto [lo1, hi1] = ranges.at(first.color.rgb());
    const auto [lo2, hi2] = ranges.at(second.color.rgb());
    // Cone and cylinder at -2r and +2r2, the pyramid at -2a and +2a2, the
    // prism at -2ru and +2ru (of the first prism).
    const Quantities& q1 = r.first;
    const Quantities& q2 = *r.second;
    switch (c.solid) {
      case TwoQuantitySolid::Cone:
      case TwoQuantitySolid::Cylinder:
        EXPECT_NEAR(hi1 - double(q1[0]), -2 * double(q1[0]), 1e-4) << c.what;
        EXPECT_NEAR(hi2 - double(q2[0]), 2 * double(q2[0]), 1e-4) << c.what;
        break;
      case TwoQuantitySolid::Pyramid:
        EXPECT_NEAR((lo1 + hi1) / 2, -2 * double(q1[0]), 1e-9) << c.what;
        EXPECT_NEAR((lo2 + hi2) / 2, 2 * double(q2[0]), 1e-9) << c.what;
        EXPECT_NEAR(hi1 - lo1, 2 * double(q1[0]), 1e-9) << c.what;  // the base of side 2a
        break;
      case TwoQuantitySolid::Prism:
        EXPECT_NEAR((lo1 + hi1) / 2, -2 * double(q1[2]), 1e-9 + 0.001 * double(q1[2])) << c.what;
        EXPECT_NEAR((lo2 + hi2) / 2, 2 * double(q1[2]), 1e-9 + 0.001 * double(q1[2])) << c.what;
        break;
    }
  }
  // Cone and cylinder are seen from the side and only zoom.
  TRot3D view;
  const TwoQuantityResult cone = SolveTwoQuantities(TwoQuantitySolid::Cone, 3, {3, 4, 0, 0, 0, 0, 0});
  PrepareSolidView(view, first);
  BuildTwoQuantityScene(view, TwoQuantitySolid::Cone, cone, 3, first, second);
  EXPECT_DOUBLE_EQ(view.ViewAngleX(), 82.5);
  EXPECT_EQ(view.MouseAction(), TMouseActMode::maZoom);
}

}  // namespace
}  // namespace zw
