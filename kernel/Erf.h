#pragma once
// The error function by a rational Chebyshev approximation of erfc
// (fractional error below 1.2e-7), in double precision. Defined for every x,
// never fails; erf(-x) = -erf(x) exactly.
namespace zw {

double Erf(double x);

}  // namespace zw
