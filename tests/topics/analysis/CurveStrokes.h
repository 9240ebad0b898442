#pragma once
// The straight strokes a chart draws in one colour, for the tests of the curve
// windows: a curve is checked by where its strokes lie, not by their number.
#include <algorithm>
#include <functional>
#include <vector>

#include "charts/VIrada.h"

namespace zw::curves {

struct Stroke {
  double x1, y1, x2, y2;
};

inline std::vector<Stroke> StrokesIn(const TVIrada& chart, TColor color) {
  std::vector<Stroke> out;
  bool have = false;
  double cx = 0, cy = 0;
  for (const TrcChartItem& it : chart.DisplayList().items()) {
    if (it.Layer != 1) {
      have = false;
      continue;
    }
    if (it.ItemKind == TrcItem::tkMoveTo) {
      cx = it.x, cy = it.y, have = true;
    } else if (it.ItemKind == TrcItem::tkLineto) {
      if (have && it.Color == color) out.push_back({cx, cy, it.x, it.y});
      cx = it.x, cy = it.y, have = true;
    } else if (it.ItemKind == TrcItem::tkLine && it.Color == color) {
      out.push_back({it.x, it.y, it.x2, it.y2});
    }
  }
  return out;
}

// Every stroke's ends lie on y = f(x) within tol.
inline bool AllOn(const std::vector<Stroke>& strokes, const std::function<double(double)>& f, double tol = 1e-6) {
  return std::all_of(strokes.begin(), strokes.end(), [&](const Stroke& p) {
    return std::abs(p.y1 - f(p.x1)) <= tol && std::abs(p.y2 - f(p.x2)) <= tol;
  });
}

// No stroke spans x (a gap at a pole).
inline bool NoneAcross(const std::vector<Stroke>& strokes, double x) {
  return std::none_of(strokes.begin(), strokes.end(),
                      [x](const Stroke& p) { return std::min(p.x1, p.x2) < x && std::max(p.x1, p.x2) > x; });
}

// Each stroke starts where the one before ended: a curve drawn without a gap.
inline bool Chained(const std::vector<Stroke>& strokes) {
  for (std::size_t i = 1; i < strokes.size(); ++i)
    if (strokes[i].x1 != strokes[i - 1].x2 || strokes[i].y1 != strokes[i - 1].y2) return false;
  return true;
}

// The same strokes in the same order (every stroke starts where the one
// before ended or at its own end, so the ends say it all).
inline bool SameStrokes(const std::vector<Stroke>& a, const std::vector<Stroke>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Stroke& p, const Stroke& q) {
    return p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 && p.y2 == q.y2;
  });
}

inline double LowestX(const std::vector<Stroke>& strokes) {
  double lo = 1e300;
  for (const Stroke& p : strokes) lo = std::min({lo, p.x1, p.x2});
  return lo;
}
inline double HighestX(const std::vector<Stroke>& strokes) {
  double hi = -1e300;
  for (const Stroke& p : strokes) hi = std::max({hi, p.x1, p.x2});
  return hi;
}

}  // namespace zw::curves
