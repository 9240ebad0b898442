#pragma once
// The intersection of a line and a sphere, callable without a window: the
// two points, the touching point of a tangent, and the memo text.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct LineAndSphere {
  TVec3 m;          // centre of the sphere
  Extended r = 1;   // its radius (above 0)
  TVec3 p, u;       // the line x = p + t·u
};

struct LineAndSphereResult {
  Extended d = 0;   // |u|²·r² - |(p - m) × u|²: 0 for a tangent
  TVec3 s1, s2;     // the points (equal for a tangent)
};

// u = 0 throws CalcFailure(10); a line passing the sphere CalcFailure(19).
LineAndSphereResult IntersectLineSphere(const LineAndSphere& in);
QStringList XGerKMemoLines(const LineAndSphere& in, const LineAndSphereResult& res, const TextMeasurer& font);

}  // namespace zw
