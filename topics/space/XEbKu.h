#pragma once
// The intersection of a plane and a sphere, callable without a window: the
// circle in which the plane cuts the sphere, or the touching point, and the
// memo text.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct PlaneAndSphere {
  TVec4 e;          // e.x·x + e.y·y + e.z·z = e.t
  TVec3 m;          // centre of the sphere
  Extended r = 0;   // radius as typed: only r² counts, so 0 and below are taken
};

struct PlaneAndSphereResult {
  TVec3 m;          // centre of the circle, or the touching point
  Extended r = 0;   // radius of the circle, exactly 0 for a touching plane
};

// A normal (0, 0, 0) throws CalcFailure(22); a plane farther from the centre
// than |r| CalcFailure(16).
PlaneAndSphereResult IntersectPlaneSphere(const PlaneAndSphere& in);
QStringList XEbKuMemoLines(const PlaneAndSphere& in, const PlaneAndSphereResult& res, const TextMeasurer& font);

}  // namespace zw
