#include "topics/solids/SolidScenes.h"

#include <cmath>
#include <numbers>

#include "charts/ChartDraw.h"
#include "charts/Rot3D.h"
#include "shell/Settings.h"
#include "shell/State.h"

namespace zw {

namespace {

constexpr double Pi = std::numbers::pi;

void setPen(TRot3D& view, const GraphPen& pen) {
  view.setColorData(pen.color);
  view.setLineWidth(pen.width);
}

// The circle of radius c about (x0, 0) at height z through the points at
// t = i / (4π) radians for i = from .. to, each segment from the previous point.
void circleArc(TRot3D& view, double c, double x0, double z, int from, int to) {
  const auto at = [&](int i) {
    const double t = i / (4 * Pi);
    return std::array<double, 3>{x0 + c * std::cos(t), c * std::sin(t), z};
  };
  auto p = at(from);
  for (int i = from + 1; i <= to; ++i) {
    const auto q = at(i);
    view.Line(p[0], p[1], p[2], q[0], q[1], q[2]);
    p = q;
  }
}

// The base circle: once round in silver, then the front half in the pen.
void baseCircle(TRot3D& view, double c, double x0, double z) {
  const QColor color = view.ColorData();
  const int width = view.LineWidth();
  view.setColorData(ToQColor(clSilver));
  view.setLineWidth(1);
  circleArc(view, c, x0, z, 0, 90);
  view.setColorData(color);
  view.setLineWidth(width);
  circleArc(view, c, x0, z, 78, 118);
}

}  // namespace

GraphPen RunningGraphPen(int n) {
  const ShellState& s = shellState();
  return {ToQColor(GraphColor(s.GraphColorList, n)), GraphLineWidth(s.GraphWidthList, n)};
}

void SetUpSolidView(TRot3D& view) {
  view.SetViewAngles(60, 45, 15);
  view.setColorScheme(TColorScheme::csSystem);
  view.setFrameStyle(TFrameStyle::fsLowered);
  view.setAxDir(TAxDir::adLeftHanded);
  view.setShowAxes(false);
  view.setAxSize(300);
  view.setBoundBoxSize(300);
  view.setMouseRot3Axes(false);
  view.setAllocSize(1000);
  view.setColorCubeFrame(QColor(0x40, 0x40, 0x40));
  view.setColorCubeHidLin(QColor(0xB0, 0xB0, 0xB0));
  view.setColorCubeFaceLow(ToQColor(clSilver));
  view.setColorCubeFaceHigh(QColor(0xEE, 0xEE, 0xEE));
  view.setMouseAction(TMouseActMode::maRotAndZoom);
}

void PrepareSolidView(TRot3D& view, const GraphPen& pen) {
  view.Clear();
  // Clear keeps the projected points of the last scene, which a repaint, a
  // printout or a snapshot would still draw; an empty rotation space drops
  // them, so a view left without a new scene shows nothing of the old one.
  view.MakeVisible();
  view.setAutoScale(true);
  view.setIsoMetric(true);
  view.setMagnification(0.8);
  view.setAutoOrigin(false);
  view.setBoundBoxStyle(TBoundingBox::bbNone);
  setPen(view, pen);
  view.setCentX(view.width() / 2);
  view.setCentY(view.height() / 2);
}

void AddPlatonicWireFrame(TRot3D& view, Platonic solid) {
  const WireFrame w = PlatonicWireFrame(solid);
  for (auto [i, j] : w.edges) {
    const auto& a = w.vertices[static_cast<std::size_t>(i)];
    const auto& b = w.vertices[static_cast<std::size_t>(j)];
    view.Line(a[0], a[1], a[2], b[0], b[1], b[2]);
  }
}

void AddConeOutline(TRot3D& view, double radius, double height, double x0) {
  baseCircle(view, radius, x0, -height / 2);
  view.Line(x0 - radius, 0, -height / 2, x0, 0, height / 2);
  view.Line(x0 + radius, 0, -height / 2, x0, 0, height / 2);
}

void AddCylinderOutline(TRot3D& view, double radius, double height, double x0) {
  baseCircle(view, radius, x0, -height / 2);
  circleArc(view, radius, x0, height / 2, 0, 90);
  view.Line(x0 - radius, 0, -height / 2, x0 - radius, 0, height / 2);
  view.Line(x0 + radius, 0, -height / 2, x0 + radius, 0, height / 2);
}

void AddPyramidOutline(TRot3D& view, double x0, double height, double c) {
  const double z = -height / 2;
  const double corners[4][2] = {{x0 - c, -c}, {x0 - c, c}, {x0 + c, c}, {x0 + c, -c}};
  for (int i = 0; i < 4; ++i) {
    const double* a = corners[i];
    const double* b = corners[(i + 1) % 4];
    view.Line(a[0], a[1], z, b[0], b[1], z);
  }
  for (const auto& a : corners) view.Line(a[0], a[1], z, x0, 0, height / 2);
}

void AddPrismOutline(TRot3D& view, int n, double x0, double height, double c) {
  const auto vertex = [&](int i) {
    const double t = Pi / n - Pi / 2 + 2 * Pi * i / n;
    return std::array<double, 2>{x0 + c * std::cos(t), c * std::sin(t)};
  };
  for (double z : {-height / 2, height / 2})
    for (int i = 0; i < n; ++i) {
      const auto a = vertex(i), b = vertex(i + 1);
      view.Line(a[0], a[1], z, b[0], b[1], z);
    }
  for (int i = 0; i < n; ++i) {
    const auto a = vertex(i);
    view.Line(a[0], a[1], -height / 2, a[0], a[1], height / 2);
  }
}

void BuildTwoQuantityScene(TRot3D& view, TwoQuantitySolid solid, const TwoQuantityResult& result, int n,
                           const GraphPen& first, const GraphPen& second) {
  const bool side = solid == TwoQuantitySolid::Cone || solid == TwoQuantitySolid::Cylinder;
  if (side) {
    view.SetViewAngles(82.5, 0, 0);
    view.setMouseAction(TMouseActMode::maZoom);
  } else {
    view.setMouseAction(TMouseActMode::maRotAndZoom);
  }
  // x0 of each solid, its pen, and its quantities.
  const auto add = [&](const Quantities& q, double x0) {
    const auto v = [&q](int i) { return static_cast<double>(q[static_cast<std::size_t>(i)]); };
    switch (solid) {
      case TwoQuantitySolid::Cone: AddConeOutline(view, v(0), v(1), x0); break;
      case TwoQuantitySolid::Cylinder: AddCylinderOutline(view, v(0), v(1), x0); break;
      case TwoQuantitySolid::Pyramid: AddPyramidOutline(view, x0, v(2), v(0)); break;
      case TwoQuantitySolid::Prism: AddPrismOutline(view, n, x0, v(1), v(2)); break;
    }
  };
  // How far each solid stands from the middle: twice the first one's radius
  // (r, a or ru), the second's own for the cone, cylinder and pyramid.
  const int spread = solid == TwoQuantitySolid::Prism ? 2 : 0;
  const auto offset = [&](const Quantities& q) { return 2 * static_cast<double>(q[static_cast<std::size_t>(spread)]); };
  if (!result.second) {
    add(result.first, 0);
  } else {
    setPen(view, first);
    add(result.first, -offset(result.first));
    setPen(view, second);
    add(*result.second, solid == TwoQuantitySolid::Prism ? offset(result.first) : offset(*result.second));
  }
  view.MakeVisible();
}

void BuildPlatonicScene(TRot3D& view, Platonic solid, const GraphPen& pen) {
  PrepareSolidView(view, pen);
  view.setMouseAction(TMouseActMode::maRotAndZoom);
  AddPlatonicWireFrame(view, solid);
  view.MakeVisible();
}

}  // namespace zw
