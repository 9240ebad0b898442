#pragma once
// Real roots of polynomials up to degree four in closed form (Cardano,
// Ferrari), polished by Newton's method, checked against the polynomial,
// rounded to 8 decimals, sorted and freed of duplicates.
#include <array>

#include "kernel/Types.h"

namespace zw {

// Coefficients indexed by power: c[i] belongs to x^i (c[0] the constant).
using QuarticCoeffs = std::array<Extended, 5>;

// All real roots of c[4]x⁴ + … + c[0], ascending and distinct, rounded to 8
// decimals, in roots[1..count] (entries beyond count are left as they were).
// The closed-form candidates and the critical points (where multiple roots
// lie) are polished and checked against the polynomial.
void RealRootsDeg4(TArrayExt& roots, int& count, const QuarticCoeffs& c);

void LinearRoot(TArrayExt& roots, int& count, Extended a1, Extended a0);
void QuadraticRoots(TArrayExt& roots, int& count, Extended a2, Extended a1, Extended a0);
// Roots of x³ + p2·x² + p1·x + p0.
void CubicRoots(TArrayExt& roots, int& count, Extended p2, Extended p1, Extended p0);
// Roots of x⁴ + q2·x² + q0.
void BiquadraticRoots(TArrayExt& roots, int& count, Extended q2, Extended q0);
// Roots of x⁴ + a3·x³ + a2·x² + a1·x + a0.
void QuarticRoots(TArrayExt& roots, int& count, Extended a3, Extended a2, Extended a1,
                  Extended a0);
// Newton's method from x (at most 101 steps); the refined root, unrounded.
// A step that would make |p| larger is halved, and the iteration stops once
// p(x) is within the rounding error of its evaluation (multiple roots).
Extended NewtonPolish(const QuarticCoeffs& c, Extended x);
// The polynomial's value at x by Horner's scheme, rounded to 2 decimals.
Extended QuarticValueRounded(const QuarticCoeffs& c, Extended x);
// Removes the roots at which the polynomial does not vanish: |p(x)| above
// 1e-9 times the sum of |c[i]|·|x|^i.
void DropFalseRoots(TArrayExt& roots, int& count, const QuarticCoeffs& c);
// Ascending; neighbours equal after rounding to 5 decimals are merged (the
// higher one stays).
void SortUniqueRoots(TArrayExt& roots, int& count);

}  // namespace zw
