#pragma once
// The plane through three points, callable without a window: its directions,
// its coordinate equation, its distance from the origin, the memo text and
// what its picture marks.
#include <QStringList>
#include <vector>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct PlaneThroughPoints {
  TVec3 a, b, c;      // the points as typed
  TVec3 r, s;         // B - A and C - A, each reduced to small whole numbers where it can be
  TVec4 n;            // n.x·x + n.y·y + n.z·z = n.t, the normal reduced
  Extended d = 0;     // distance of the plane from the origin
};

// Collinear or equal points throw CalcFailure(8).
PlaneThroughPoints PlaneThroughThreePoints(const TVec3& a, const TVec3& b, const TVec3& c);
QStringList EbeneMemoLines(const PlaneThroughPoints& e, const TextMeasurer& font);

// The picture: the cube reaches 4·d from the centre (at least 1), and the
// trace point on an axis is marked when its coordinate is below that extent
// (a signed test, so every trace point on a negative half axis is marked).
Extended EbeneExtent(const PlaneThroughPoints& e);
std::vector<TVec3> EbeneTraceMarks(const TVec4& n, Extended extent);

}  // namespace zw
