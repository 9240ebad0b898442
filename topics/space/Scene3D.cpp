#include "topics/space/Scene3D.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "charts/Rot3D.h"

namespace zw {

namespace {

constexpr Extended DegToRad = std::numbers::pi_v<long double> / 180;
// The wire frames' step: 3° between points, 121 points to a closed circle.
constexpr int StepsPerTurn = 120;
constexpr Extended StepDeg = 3;
constexpr std::uint8_t MarkSymbol = 10;

ViewPoint At(Extended x, Extended y, Extended z) {
  return {static_cast<double>(x), static_cast<double>(y), static_cast<double>(z)};
}

Extended Component(const TVec3& v, int axis) { return axis == 1 ? v.x : axis == 2 ? v.y : v.z; }

void SetComponent(TVec3& v, int axis, Extended value) {
  (axis == 1 ? v.x : axis == 2 ? v.y : v.z) = value;
}

void AddPolyline(TRot3D& view, const Polyline3& line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const ViewPoint& p = line[i];
    if (i == 0)
      view.Moveto(p.x, p.y, p.z);
    else
      view.Drawto(p.x, p.y, p.z);
  }
}

void SetPen(TRot3D& view, QColor color, int width) {
  view.setColorData(color);
  view.setLineWidth(width);
}

}  // namespace

SceneFrame SceneFrameFor(int viewHeight, Extended extent) {
  SceneFrame f;
  f.size = static_cast<Extended>(viewHeight / 2);
  f.scale = f.size / extent;
  return f;
}

Extended SpheresExtent(std::initializer_list<SphereExtent> spheres) {
  Extended e = 1;
  for (const SphereExtent& s : spheres) {
    const Extended r = std::fabs(s.radius);
    e = std::max({e, std::fabs(s.centre.x) + r, std::fabs(s.centre.y) + r, std::fabs(s.centre.z) + r});
  }
  return e;
}

Extended BoxExcess(Extended v, Extended size) { return std::nearbyint((std::fabs(v) - size) * 1e7L) / 1e7L; }

std::optional<std::array<ViewPoint, 2>> LineChordInBox(const TVec3& p, const TVec3& u, Extended size,
                                                       Extended scale) {
  const TVec3 P{scale * p.x, scale * p.y, scale * p.z};
  std::array<ViewPoint, 2> ends;
  int count = 0;
  const auto addBoxPoint = [&](Extended t) {
    const TVec3 q{P.x + t * u.x, P.y + t * u.y, P.z + t * u.z};
    if (count < 2 && BoxExcess(q.x, size) <= 0 && BoxExcess(q.y, size) <= 0 && BoxExcess(q.z, size) <= 0)
      ends[static_cast<std::size_t>(count++)] = At(q.x, q.y, q.z);
  };
  for (int axis = 1; axis <= 3 && count < 2; ++axis) {
    const Extended pc = Component(P, axis), uc = Component(u, axis);
    if (uc == 0) continue;
    addBoxPoint((size - pc) / uc);
    addBoxPoint((-size - pc) / uc);
  }
  if (count < 2) return std::nullopt;
  return ends;
}

std::vector<Polyline3> PlaneOutlineInBox(const TVec4& plane, Extended size, Extended scale) {
  const Extended t = scale * plane.t;
  const TVec3 n{plane.x, plane.y, plane.z};
  std::vector<Polyline3> faces;
  for (const int i : {-3, -2, -1, 1, 2, 3}) {
    Polyline3 line;
    const int ai = std::abs(i);
    const Extended si = i < 0 ? -size : size;
    for (int j = -3; j <= 3; ++j) {
      const int aj = std::abs(j);
      if (j == 0 || aj == ai) continue;
      const int k = 6 - ai - aj;  // the edge's free axis
      const Extended nk = Component(n, k);
      if (nk == 0) continue;
      const Extended sj = j < 0 ? -size : size;
      const Extended v = (t - Component(n, ai) * si - Component(n, aj) * sj) / nk;
      if (std::fabs(v) > size) continue;
      TVec3 q;
      SetComponent(q, ai, si);
      SetComponent(q, aj, sj);
      SetComponent(q, k, v);
      line.push_back(At(q.x, q.y, q.z));
    }
    if (!line.empty()) faces.push_back(std::move(line));
  }
  return faces;
}

std::vector<Polyline3> SphereWireFrame(const TVec3& centre, Extended radius, Extended scale) {
  const Extended cx = scale * centre.x, cy = scale * centre.y, cz = scale * centre.z, R = scale * radius;
  std::vector<Polyline3> lines;
  lines.reserve(26);
  for (int k = 0; k <= 12; ++k) {
    const Extended phi = k * 15 * DegToRad;
    Polyline3 meridian;
    meridian.reserve(StepsPerTurn + 1);
    for (int j = 0; j <= StepsPerTurn; ++j) {
      const Extended theta = j * StepDeg * DegToRad;
      meridian.push_back(At(cx + R * std::cos(theta) * std::cos(phi), cy + R * std::cos(theta) * std::sin(phi),
                            cz + R * std::sin(theta)));
    }
    lines.push_back(std::move(meridian));
  }
  for (int k = -6; k <= 6; ++k) {
    const Extended psi = k * 15 * DegToRad;
    const Extended rho = R * std::cos(psi), h = R * std::sin(psi);
    Polyline3 parallel;
    parallel.reserve(StepsPerTurn + 1);
    parallel.push_back(At(cx + rho, cy, cz + h));
    for (int j = 1; j <= StepsPerTurn; ++j) {
      const Extended a = j * StepDeg * DegToRad;
      parallel.push_back(At(cx + rho * std::cos(a), cy + rho * std::sin(a), cz + h));
    }
    lines.push_back(std::move(parallel));
  }
  return lines;
}

Polyline3 CircleInSpace(const TVec3& centre, Extended radius, const TVec3& normal, Extended scale) {
  const Extended cx = scale * centre.x, cy = scale * centre.y, cz = scale * centre.z, R = scale * radius;
  const Extended nx = normal.x, ny = normal.y, nz = normal.z;
  Polyline3 line;
  line.reserve(StepsPerTurn + 1);
  for (int k = 0; k <= StepsPerTurn; ++k) {
    const Extended theta = k * StepDeg * DegToRad, c = std::cos(theta), s = std::sin(theta);
    TVec3 d;
    if (nz != 0)
      d = {c, s, -(nx * c + ny * s) / nz};
    else if (ny != 0)
      d = {c, -(nx * c + nz * s) / ny, s};
    else
      d = {0, c, s};
    const Extended f = R / std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    line.push_back(At(cx + f * d.x, cy + f * d.y, cz + f * d.z));
  }
  return line;
}

// ----- the view ---------------------------------------------------------------

void SetUpSpaceView(TRot3D& view, bool lowerCaseAxes) {
  view.setAllocSize(1000);
  view.setAutoScale(false);
  view.setAutoOrigin(false);
  view.setMagnification(2.0);
  view.setAxDir(TAxDir::adLeftHanded);
  view.setAxSize(300);
  view.setBoundBoxSize(300);
  view.setTextMarkSize(8);
  view.setColorCubeFrame(QColor(64, 64, 64));
  view.setColorCubeHidLin(QColor(176, 176, 176));
  view.setColorCubeFaceLow(QColor(192, 192, 192));
  view.setColorCubeFaceHigh(QColor(238, 238, 238));
  view.setFrameStyle(TFrameStyle::fsLowered);
  view.setAxNameX(lowerCaseAxes ? QStringLiteral("x") : QStringLiteral("X"));
  view.setAxNameY(lowerCaseAxes ? QStringLiteral("y") : QStringLiteral("Y"));
  view.setAxNameZ(lowerCaseAxes ? QStringLiteral("z") : QStringLiteral("Z"));
}

void InitView3D(TRot3D& view, Extended size) {
  view.setMouseAction(TMouseActMode::maRotAndZoom);
  view.setBoundBoxStyle(TBoundingBox::bbFaces);
  view.setShowAxes(true);
  view.setIsoMetric(true);
  view.setAxSize(static_cast<int>(std::trunc(2 * size)));
  view.setBoundBoxSize(view.AxSize());
  view.setColorData(view.ColorCubeHidLin());
  const double s = static_cast<double>(size);
  view.Line(0, 0, 0, -s, 0, 0);
  view.Line(0, 0, 0, 0, -s, 0);
  view.Line(0, 0, 0, 0, 0, -s);
  view.setCentX(view.width() / 2);
  view.setCentY(view.height() * 4 / 7);
  view.SetViewAngles(100, 0, 240);
  view.MakeVisible();
}

// The points and the plane outline show with the picture at InitView3D's
// MakeVisible, which every picture ends with; converting the whole list for
// each of them before would only cost time.
void MarkPoint3D(TRot3D& view, QColor color, const TVec3& p, Extended scale) {
  view.setColorData(color);
  const ViewPoint q = At(scale * p.x, scale * p.y, scale * p.z);
  view.MarkAt(q.x, q.y, q.z, MarkSymbol);
}

void DrawSegment3D(TRot3D& view, QColor color, int width, const TVec3& a, const TVec3& b, Extended scale) {
  SetPen(view, color, width);
  const ViewPoint p = At(scale * a.x, scale * a.y, scale * a.z), q = At(scale * b.x, scale * b.y, scale * b.z);
  view.Line(p.x, p.y, p.z, q.x, q.y, q.z);
  view.setLineWidth(1);
}

void DrawLineInBox3D(TRot3D& view, QColor color, int width, const TVec3& p, const TVec3& u, Extended size,
                     Extended scale) {
  const auto chord = LineChordInBox(p, u, size, scale);
  SetPen(view, color, width);
  if (chord) {
    const auto& [a, b] = *chord;
    view.Line(a.x, a.y, a.z, b.x, b.y, b.z);
  }
  view.setLineWidth(1);
}

void DrawPlaneInBox3D(TRot3D& view, const TVec4& plane, QColor color, Extended size, Extended scale, int width) {
  SetPen(view, color, width);
  for (const Polyline3& face : PlaneOutlineInBox(plane, size, scale)) AddPolyline(view, face);
  view.setLineWidth(1);
}

void DrawSphere3D(TRot3D& view, const TVec3& centre, QColor color, Extended radius, Extended scale, int width) {
  SetPen(view, color, width);
  for (const Polyline3& line : SphereWireFrame(centre, radius, scale)) AddPolyline(view, line);
}

void DrawCircle3D(TRot3D& view, QColor color, int width, const TVec3& centre, Extended radius,
                  const TVec3& normal, Extended scale) {
  SetPen(view, color, width);
  AddPolyline(view, CircleInSpace(centre, radius, normal, scale));
  view.setLineWidth(1);
}

}  // namespace zw
