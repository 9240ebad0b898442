#pragma once
// The sphere through four points, callable without a window: its centre and
// radius and the memo text.
#include <QStringList>
#include <array>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct SphereThroughPoints {
  std::array<TVec3, 4> p;  // A, B, C, D as typed
  TVec3 m;                 // the centre
  Extended r = 0;          // the radius
};

// Four points in one plane (three on a line, two equal) throw CalcFailure(9).
SphereThroughPoints SphereThroughFourPoints(const std::array<TVec3, 4>& p);
QStringList Kugel2MemoLines(const SphereThroughPoints& k, const TextMeasurer& font);

}  // namespace zw
