#pragma once
// The normal distribution in extended reals: its density and its
// distribution function through an approximation of the error function.
// (The evaluator's erf of terms is kernel/Erf.h, in double precision.)
#include "kernel/Types.h"

namespace zw {

// The density at x; sigma = 0 throws CalcFailure(DivisionByZero).
Extended NormalDensity(Extended x, Extended mu, Extended sigma);
// P := probability of a value <= x; ok 1 when P was computed. sigma = 0 (with
// x != mu) throws CalcFailure(DivisionByZero).
void NormalDistribution(Extended& P, int& ok, Extended x, Extended mu, Extended sigma);
// e := erf(x); for |x| < 1e-20 ok := 0 and e is not written; 1 beyond |x| = 4.
void ErfApprox(Extended& e, int& ok, Extended x);
// erf(x) by its power series (the part of ErfApprox above |x| = 1.5).
Extended ErfSeries(Extended x);

}  // namespace zw
