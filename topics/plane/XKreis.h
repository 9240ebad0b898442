#pragma once
// Intersection of two circles, callable without a window: the intersection
// points or the point of contact, the radical line and the memo text.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct TwoCircles {
  TVec2 m1, m2;
  Extended r1 = 1, r2 = 1;
};

struct TwoCirclesResult {
  int sign = -1;         // Sgn(D): -1 no common point, 0 contact (in s1), 1 two points
  TVec2 s1, s2;
  Extended m = 0, n = 0; // the radical line y = m·x + n of the (possibly mirrored) plane
  bool swapped = false;  // centres on one horizontal line: computed with x and y exchanged
};

// Equal centres and radii throw CalcFailure(52); equal centres with other
// radii have no common point.
TwoCirclesResult IntersectCircles(const TwoCircles& k);
QStringList XKreisMemoLines(const TwoCircles& k, const TwoCirclesResult& res, const TextMeasurer& font);

// The first chart range: both circles with a fifth of their radius to spare.
void XKreisRange(const TwoCircles& k, Extended& xLo, Extended& yLo, Extended& xHi, Extended& yHi);

}  // namespace zw
