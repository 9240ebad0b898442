#pragma once
// What the line and plane dialogs' answers become in a window's fields: a
// line through two points as its point and direction, a plane through three
// points or from its vector equation as its reduced coordinate equation,
// each with the field texts (15 significant digits). A degenerate answer
// (equal points, collinear points, parallel spanning vectors) throws
// CalcFailure with the window's message, and the fields stay as they are.
// No Qt: the windows' tests and the dialogs' callers share these.
#include <array>
#include <string>

#include "kernel/Types.h"

namespace zw {

// Which way the direction of a line through A and B points.
enum class DirectionFrom {
  AToB,  // u = B - A (line and sphere, the line of line and plane)
  BToA,  // u = A - B (two lines, point and line)
};

struct LineFields {
  TVec3 p, u;                            // the point A and the direction
  std::array<std::u16string, 6> texts;   // p.x, p.y, p.z, u.x, u.y, u.z
};

struct PlaneFields {
  TVec4 plane;                           // normal reduced to small whole numbers where it can be
  std::array<std::u16string, 4> texts;   // normal x, y, z, constant
};

// u = 0 throws CalcFailure(undeterminedMessage): 10 for g, 11 for h.
LineFields LineFieldsFromTwoPoints(const TVec3& a, const TVec3& b, DirectionFrom direction, int undeterminedMessage);
// Collinear or equal points throw CalcFailure(8) "Die Punkte liegen auf einer Geraden".
PlaneFields PlaneFieldsFromThreePoints(const TVec3& a, const TVec3& b, const TVec3& c);
// x = p + r·u + s·v; u and v parallel (or zero) throw CalcFailure(22).
PlaneFields PlaneFieldsFromVectorEquation(const TVec3& p, const TVec3& u, const TVec3& v);

}  // namespace zw
