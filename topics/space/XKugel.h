#pragma once
// The intersection of two spheres, callable without a window: the circle
// and the plane in which they meet, and the memo text.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct TwoSpheres {
  TVec3 m1, m2;
  Extended r1 = 1, r2 = 1;
};

struct TwoSpheresResult {
  TwoSpheres k;     // the larger sphere first (equal radii exchanged as well)
  TVec3 m;          // centre of the circle
  Extended r = 0;   // its radius (0 for touching spheres)
  TVec4 n;          // the plane of the circle, normal reduced
};

// Identical spheres throw CalcFailure(36); concentric ones, spheres apart or
// one inside the other without contact CalcFailure(15).
TwoSpheresResult IntersectSpheres(TwoSpheres k);
QStringList XKugelMemoLines(const TwoSpheresResult& res, const TextMeasurer& font);

}  // namespace zw
