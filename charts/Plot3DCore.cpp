#include "charts/Plot3DCore.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "charts/Ticks.h"
#include "charts/Rot3DCore.h"
#include "common/StringHelpers.h"

namespace zw {

namespace {
double rad(double degrees) { return degrees * std::numbers::pi / 180.0; }
int roundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(std::nearbyint(v), -2147483647.0, 2147483647.0));
}
}  // namespace

double GridCoord(int i, int n) {
  const double step = n > 1 ? 300.0 / (n - 1) : 1.0;
  return (i - n / 2.0 - 0.5) * step;
}

TZCalib CalibrateZ(double zLow, double zHigh) {
  TZCalib c;
  c.k = 300.0 / (zHigh - zLow);
  c.d = -150.0 - zLow * c.k;
  return c;
}

TPlotMat CalcPlotRotMat(double ax, double az) {
  const double a = rad(ax), c = rad(az);
  TPlotMat m{{{std::cos(c), -std::sin(c), 0.0},
              {std::cos(a) * std::sin(c), std::cos(a) * std::cos(c), -std::sin(a)},
              {std::sin(a) * std::sin(c), std::sin(a) * std::cos(c), std::cos(a)}}};
  for (auto& row : m)
    for (double& e : row)
      if (std::fabs(e) < 1e-6) e = 0;
  return m;
}

QPoint ProjectPlot(const TPlotView& v, double x, double y, double z) {
  const double px = v.sclX * x, py = v.sclY * y, pz = v.sclZ * z;
  return {roundHalfEven((px * v.m[0][0] + py * v.m[0][1] + pz * v.m[0][2]) * v.magnification + v.centX),
          roundHalfEven((px * v.m[1][0] + py * v.m[1][1] + pz * v.m[1][2]) * v.magnification + v.centY)};
}

double NormalisePlotAngle(double degrees) {
  const double q = degrees / 360.0;
  if (degrees > 360) return (q - std::trunc(q)) * 360.0;
  if (degrees < 0) return (q - std::trunc(q)) * 360.0 + 360.0;
  return degrees;
}

QRgb ColorCode(double v, double low, double high, TColorCodingMode mode, QRgb colorLow, QRgb colorMid,
               QRgb colorHigh) {
  v = std::clamp(v, low, high);
  const double t = (v - low) / (high - low);
  auto mix = [](double f, QRgb from, QRgb to) {
    auto ch = [f](int a, int b) { return roundHalfEven(f * (b - a) + a); };
    return qRgb(ch(qRed(from), qRed(to)), ch(qGreen(from), qGreen(to)), ch(qBlue(from), qBlue(to)));
  };
  if (mode == TColorCodingMode::ccmTwoColors) return mix(t, colorLow, colorHigh);
  return t >= 0.5 ? mix(2 * (t - 0.5), colorMid, colorHigh) : mix(2 * t, colorLow, colorMid);
}

TCellOrder CellOrder(double ax, double az) {
  return {(ax > 180) != (az < 90 || az > 270), (ax > 180) == (az > 180)};
}

int ScaleDecimals(int decPlace, double low, double high) {
  if (decPlace != -2) return decPlace;
  const double r = std::fabs(high - low);
  if (r >= 1000000 || r <= 0.0001) return -1;
  if (r >= 100) return 0;
  return 2 - roundHalfEven(std::log(r) / 2.5);
}

std::vector<double> ScaleTicks(int minTicks, double low, double high) {
  long double first = 0, step = 0;
  std::uint16_t sub = 0;
  NiceTickStep(minTicks, low, high, first, step, sub);
  std::vector<double> ticks{static_cast<double>(first)};
  if (step == 0) return ticks;
  const long double u = high > low ? 1 : -1;
  for (int n = 1; n < 1000 && u * (first + n * step - high) <= 0.001L * u * step; ++n)
    ticks.push_back(static_cast<double>(first + n * step));
  return ticks;
}

std::string ScaleLabel(double v, double low, double high, int decimals) {
  const double range = high - low;
  std::string text;
  if (std::fabs(v / range) < 1e-14) {
    if (std::fabs(range) <= 100000) text = FormatFixedWidth(1, decimals, 0.0L);
    else text = decimals != 0 ? "0.0" : "0";
  } else {
    text = FormatFixedWidth(1, decimals, static_cast<long double>(v));
  }
  if (text.size() > 14) text.resize(14);
  return text;
}

double PlotCornerDepth(const TPlotMat& m, int i) {
  return ((i & 4) ? m[2][0] : -m[2][0]) + ((i & 2) ? m[2][1] : -m[2][1]) + ((i & 1) ? m[2][2] : -m[2][2]);
}

int NearestPlotCorner(const TPlotMat& m) {
  int best = 0;
  double depth = 2147483647.0;
  for (int i = 0; i < 8; ++i)
    if (PlotCornerDepth(m, i) < depth) {
      depth = PlotCornerDepth(m, i);
      best = i;
    }
  return best;
}

QRgb PlotFaceShade(const TPlotMat& m, int face, QRgb high, QRgb low) {
  double sum = 0;
  for (int c : kFaceCorners[face]) sum += PlotCornerDepth(m, c);
  const int g = std::clamp(roundHalfEven(50 * sum), 0, 200);
  auto ch = [g](int h, int l) { return l + (h - l) * g / 200; };
  return qRgb(ch(qRed(high), qRed(low)), ch(qGreen(high), qGreen(low)), ch(qBlue(high), qBlue(low)));
}

TScaleEdge ScaleEdge(TP3ScaleKind kind, const TPlotMat& m, int farCorner) {
  const int a = farCorner ^ 1;
  switch (kind) {
    case TP3ScaleKind::p3skX: return (a & 4) ? TScaleEdge{a ^ 4, a} : TScaleEdge{a, a ^ 4};
    case TP3ScaleKind::p3skY: return (a & 2) ? TScaleEdge{a ^ 2, a} : TScaleEdge{a, a ^ 2};
    case TP3ScaleKind::p3skZ: {
      int best = 0;
      double row1 = -2147483647.0;
      for (int i = 0; i < 8; ++i) {
        const double v = ((i & 4) ? m[0][0] : -m[0][0]) + ((i & 2) ? m[0][1] : -m[0][1]) +
                         ((i & 1) ? m[0][2] : -m[0][2]);
        if (v > row1) {
          row1 = v;
          best = i;
        }
      }
      return {best, best ^ 1};
    }
  }
  return {0, 1};
}

TCell FindCellAt(const TIntMatrix& mapX, const TIntMatrix& mapY,
                 const TIntMatrix& mapZ, int x, int y) {
  TCell found;
  std::int32_t bestSeq = 0;
  bool any = false;
  const int cols = mapX.NrOfColumns(), rows = mapX.NrOfRows();
  for (int i = 1; i < cols; ++i)
    for (int j = 1; j < rows; ++j) {
      const QPoint p[4] = {{mapX.Elem(i, j), mapY.Elem(i, j)},
                           {mapX.Elem(i + 1, j), mapY.Elem(i + 1, j)},
                           {mapX.Elem(i + 1, j + 1), mapY.Elem(i + 1, j + 1)},
                           {mapX.Elem(i, j + 1), mapY.Elem(i, j + 1)}};
      // edges P0->P3, P3->P2, P2->P1, P1->P0
      const int order[5] = {0, 3, 2, 1, 0};
      int sum = 0;
      for (int e = 0; e < 4; ++e) {
        const QPoint& a = p[order[e]];
        const QPoint& b = p[order[e + 1]];
        const std::int64_t cross = static_cast<std::int64_t>(b.x() - a.x()) * (y - a.y()) -
                                   static_cast<std::int64_t>(b.y() - a.y()) * (x - a.x());
        sum += cross >= 0 ? 1 : -1;
      }
      if (std::abs(sum) > 2 && (!any || mapZ.Elem(i, j) > bestSeq)) {
        any = true;
        bestSeq = mapZ.Elem(i, j);
        found = {i, j};
      }
    }
  return found;
}

}  // namespace zw
