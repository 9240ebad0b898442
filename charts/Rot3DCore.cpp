#include "charts/Rot3DCore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zw {

namespace {

int round1000(double v) { return static_cast<int>(std::nearbyint(1000.0 * v)); }

double rad(double degrees) { return degrees * std::numbers::pi / 180.0; }

TRotMat fromRows(const double r[3][3], TAxDir dir) {
  TRotMat m{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) m[i][j] = round1000(r[i][j]);
    if (dir == TAxDir::adRightHanded) std::swap(m[i][0], m[i][1]);
  }
  return m;
}

// Rounds to a 32-bit rotation-space coordinate; manual scales may push any
// value out of range, and a NaN point lands on the origin.
std::int32_t saturateRound(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);
  if (r <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  if (r >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(r);
}

}  // namespace

TRotMat CalcRotMat2Angles(double ax, double az, TAxDir dir) {
  const double a = rad(ax), c = rad(az);
  const double r[3][3] = {{std::cos(c), -std::sin(c), 0.0},
                          {std::cos(a) * std::sin(c), std::cos(a) * std::cos(c), -std::sin(a)},
                          {std::sin(a) * std::sin(c), std::sin(a) * std::cos(c), std::cos(a)}};
  return fromRows(r, dir);
}

TRotMat CalcRotMat3Angles(double ax, double ay, double az, TAxDir dir) {
  const double a = rad(ax), b = rad(ay), c = rad(az);
  const double sa = std::sin(a), ca = std::cos(a), sb = std::sin(b), cb = std::cos(b), sc = std::sin(c),
               cc = std::cos(c);
  const double r[3][3] = {{cb * cc, sa * sb * cc - ca * sc, sa * sc + ca * sb * cc},
                          {cb * sc, ca * cc + sa * sb * sc, ca * sb * sc - sa * cc},
                          {-sb, sa * cb, ca * cb}};
  return fromRows(r, dir);
}

std::vector<TRotPoint> BuildRotationSpace(std::span<const Tr3ChartItem> items, TRotScaling& s) {
  std::array<double, 3> lo{1.7e308, 1.7e308, 1.7e308}, hi{-1.7e308, -1.7e308, -1.7e308}, sum{0, 0, 0};
  std::size_t count = 0;
  auto take = [&](double x, double y, double z) {
    const double p[3] = {x, y, z};
    for (int k = 0; k < 3; ++k) {
      lo[k] = std::min(lo[k], p[k]);
      hi[k] = std::max(hi[k], p[k]);
      sum[k] += p[k];
    }
    ++count;
  };
  for (const Tr3ChartItem& it : items) {
    take(it.x, it.y, it.z);
    if (it.ItemKind == Tr3Item::tkLine) take(it.x2, it.y2, it.z2);
  }
  if (count == 0) return {};

  if (s.autoOrigin)
    for (int k = 0; k < 3; ++k) s.origin[k] = sum[k] / static_cast<double>(count);
  if (s.autoScale) {
    for (int k = 0; k < 3; ++k) {
      const double range = std::fabs(hi[k] - lo[k]);
      s.scaleFact[k] = range > 1e-30 ? 1000.0 / range : 1.0;
    }
    if (s.isoMetric) s.scaleFact.fill(std::min({s.scaleFact[0], s.scaleFact[1], s.scaleFact[2]}));
  } else if (s.isoMetric) {
    s.scaleFact.fill(s.scaleFact[0]);
  }

  std::vector<TRotPoint> pts;
  pts.reserve(count);
  auto point = [&](double x, double y, double z, const Tr3ChartItem& it, std::int32_t index, TRotKind kind) {
    TRotPoint p;
    p.x = saturateRound((x - s.origin[0]) * s.scaleFact[0]);
    p.y = saturateRound((y - s.origin[1]) * s.scaleFact[1]);
    p.z = saturateRound((z - s.origin[2]) * s.scaleFact[2]);
    p.color = it.color;
    p.backLink = index;
    p.kind = kind;
    if (kind == TRotKind::mark) p.mark = it.marklw;
    if (kind == TRotKind::lineTo) p.lineWid = it.marklw;
    pts.push_back(p);
  };
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Tr3ChartItem& it = items[i];
    const auto index = static_cast<std::int32_t>(i);
    switch (it.ItemKind) {
      case Tr3Item::tkMarkAt: point(it.x, it.y, it.z, it, index, TRotKind::mark); break;
      case Tr3Item::tkLineto: point(it.x, it.y, it.z, it, index, TRotKind::lineTo); break;
      case Tr3Item::tkMoveto: point(it.x, it.y, it.z, it, index, TRotKind::move); break;
      case Tr3Item::tkLine:
        point(it.x, it.y, it.z, it, index, TRotKind::move);
        point(it.x2, it.y2, it.z2, it, index, TRotKind::lineTo);
        break;
      default: point(it.x, it.y, it.z, it, index, TRotKind::none); break;
    }
  }
  return pts;
}

TCubeCorners MakeCubeCorners(int h) {
  TCubeCorners c{};
  for (int i = 0; i < 8; ++i) c[i] = {(i & 4) ? h : -h, (i & 2) ? h : -h, (i & 1) ? h : -h};
  return c;
}

int CornerDepth(const TRotMat& m, int i) {
  return ((i & 4) ? m[2][0] : -m[2][0]) + ((i & 2) ? m[2][1] : -m[2][1]) + ((i & 1) ? m[2][2] : -m[2][2]);
}

int NearCorner(const TRotMat& m) {
  int best = 0;
  for (int i = 1; i < 8; ++i)
    if (CornerDepth(m, i) < CornerDepth(m, best)) best = i;
  return best;
}

QRgb FaceShade(const TRotMat& m, int face, QRgb high, QRgb low) {
  int sum = 0;
  for (int c : kFaceCorners[face]) sum += CornerDepth(m, c);
  const int b = std::clamp(-sum / 10, 0, 400);
  auto channel = [b](int h, int l) { return l + (h - l) * b / 400; };
  return qRgb(channel(qRed(high), qRed(low)), channel(qGreen(high), qGreen(low)), channel(qBlue(high), qBlue(low)));
}

}  // namespace zw
