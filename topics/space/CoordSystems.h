#pragma once
// A point of space in cartesian, spherical and cylindrical coordinates, in
// the program's angle unit, and the memo block that lists it in all three.
// No window: the conversions and the block are plain functions.
#include <QStringList>
#include <array>

#include "kernel/Types.h"

namespace zw {

enum class CoordSystem { Cartesian = 0, Spherical = 1, Cylindrical = 2 };

// The three values of the point in a system (angles in the current unit).
std::array<Extended, 3> FromCartesian(CoordSystem system, const TVec3& p);
// The point of three values given in a system.
TVec3 ToCartesian(CoordSystem system, const std::array<Extended, 3>& c);

// The captions of the three edits after a switch: "x = ", "r = ", "φ = ", ...
std::array<QString, 3> SystemCaptions(CoordSystem system);

// An empty line and four lines of three columns: the point cartesian,
// spherical and cylindrical (6 digits), each column padded to its longest
// entry plus 3.
QStringList CoordBlockLines(const TVec3& p);

void RegisterCoordSystemsTexts();

}  // namespace zw
