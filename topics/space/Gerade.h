#pragma once
// The line through two points, callable without a window: its direction and
// the memo text with its position to the three coordinate planes.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct LineThroughPoints {
  TVec3 a, b;  // the points as typed
  TVec3 u;     // A - B, reduced to small whole numbers where it can be
};

// A = B throws CalcFailure(21).
LineThroughPoints LineThroughTwoPoints(const TVec3& a, const TVec3& b);
QStringList GeradeMemoLines(const LineThroughPoints& g, const TextMeasurer& font);

}  // namespace zw
