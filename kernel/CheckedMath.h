#pragma once
// Arithmetic that fails with the caller's message instead of producing an
// infinity or a NaN that would travel on into a result. A computation that
// must stop where a division, a root or an arc sine has no value writes
//   h = CheckedSqrt(s * s - r * r, msg::NoSolution);
// and the window shows that message (CalcFailure) on the input page.
#include "kernel/CalcFailure.h"
#include "kernel/Types.h"

namespace zw {

// a / b; throws CalcFailure(message) when b is 0 or the quotient is not finite.
Extended CheckedDiv(Extended a, Extended b, int message);
// The square root; throws CalcFailure(message) for x < 0, NaN or infinity.
Extended CheckedSqrt(Extended x, int message);
// The arc sine in radians; throws CalcFailure(message) outside [-1, 1] and for
// NaN. An argument that a rounding pushed past +-1 by at most 1e-15 counts
// as +-1, as in ArcSinRad.
Extended CheckedArcSin(Extended x, int message);
// The decimal logarithm (exact at powers of ten); throws CalcFailure(message)
// for x <= 0, NaN or infinity, where xmath::Log10 (kernel/ExtendedMath.h),
// which it uses, gives -infinity or NaN as the evaluator needs.
Extended CheckedLog10(Extended x, int message);

}  // namespace zw
