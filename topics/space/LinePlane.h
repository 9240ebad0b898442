#pragma once
// A line x = p + t·u and a plane a·x + b·y + c·z = d: the intersection point
// and the angle between them, or the signed distance of a parallel line, or
// that the line lies in the plane. The computation needs no window; the memo
// lines take a measurer.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct LinePlaneResult {
  TVec4 plane;
  TVec3 p, u;
  bool parallel = false;
  TVec3 point;         // the intersection point S
  Extended angle = 0;  // degrees, 0 to 90
  Extended d = 0;      // parallel: signed distance of the line from the plane; else |S|
  Extended d1 = 0;     // what sizes the picture
};

// A zero normal throws CalcFailure(18) whatever the constant, then a zero
// direction CalcFailure(10); any other failure CalcFailure(17).
LinePlaneResult ComputeLinePlane(const TVec4& plane, const TVec3& p, const TVec3& u);

QStringList LinePlaneMemoLines(const LinePlaneResult& r, const TextMeasurer& font);

// The picture's extent: the larger of 4·d1 and 1.
Extended LinePlaneExtent(const LinePlaneResult& r);

void RegisterLinePlaneTexts();

}  // namespace zw
