#pragma once
// Plain value types of the maths kernel. "Extended" reals are long double
// (80-bit on x86-64); arrays that the routines index from 1 keep a slot 0 so
// the indices read as in the formulas.
#include <array>
#include <cfloat>

namespace zw {

using Extended = long double;
static_assert(LDBL_MANT_DIG == 64, "the kernel computes in 80-bit extended reals");

struct TVec2 { Extended x = 0, y = 0; };
struct TVec3 { Extended x = 0, y = 0, z = 0; };
// Also a plane x·X + y·Y + z·Z = t (normal (x, y, z), constant t).
struct TVec4 { Extended x = 0, y = 0, z = 0, t = 0; };
// Also the line a·x + b·y = c.
struct TDrei { Extended a = 0, b = 0, c = 0; };
struct TComplex { Extended re = 0, im = 0; };

constexpr int VektorSize = 30;
// Index 1..30 (slot 0 unused).
using Vektor = std::array<Extended, VektorSize + 1>;
// Rows and columns 1..30, row by row (row 0 and column 0 unused).
using Matrix = std::array<std::array<Extended, VektorSize + 1>, VektorSize + 1>;
// Index 1..12 (slot 0 unused).
using TArrayExt = std::array<Extended, 13>;

}  // namespace zw
