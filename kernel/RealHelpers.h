#pragma once
// Small helpers on extended reals: powers of negative bases, rounding to a
// fraction of a unit, the sign as a real, and exchanging two values.
#include "kernel/Types.h"

namespace zw {

// base^exponent that also takes negative bases: for an exponent p/q with odd q
// the sign is (-1)^p (so (-8)^(1/3) = -2, (-8)^(2/3) = 4); any other exponent
// of a negative base gives the negated power of |base| ((-4)^0.5 = -2). A
// power beyond the extended range throws CalcFailure(DivisionByZero).
Extended SignedPower(Extended base, Extended exponent);
// x rounded to a multiple of 1/n (halves to even); n = 0 throws
// CalcFailure(DivisionByZero).
Extended RoundToNth(int n, Extended x);
// 1, 0 or -1 as an extended real.
Extended SignReal(Extended x);
void SwapExtended(Extended& a, Extended& b);

}  // namespace zw
