#pragma once
// Arbitrary polygons of 3 to 20 corners: area, perimeter, corner and area
// centroid, sides and angles, and whether the polygon is convex, cyclic,
// tangential or self-intersecting. Callable without a window.
#include <QStringList>
#include <array>
#include <vector>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

inline constexpr int PolygonMaxCorners = 20;

struct PolygonAnalysis {
  std::vector<TVec2> p;            // the corners
  Extended area = 0, perimeter = 0;  // signed area: negative for clockwise corners
  TVec2 ES, FS;                    // corner and area centroid (FS only when area ≠ 0)
  std::vector<Extended> sides, angles;  // side j: P_j P_(j+1); angle at P_j, interior for either orientation
  bool convex = true, cyclic = true, tangent = true, crossed = false;
  TVec2 Mu, Mi;
  Extended ru = 0, ri = 0;
  QStringList memo;
};

// `corners` the points of the first rows (at least 3), `cellTexts` the typed
// x and y texts of all twenty rows (for the corner column of the memo).
PolygonAnalysis AnalysePolygon(const std::vector<TVec2>& corners,
                               const std::array<std::array<QString, 2>, PolygonMaxCorners>& cellTexts,
                               const TextMeasurer& font);

}  // namespace zw
