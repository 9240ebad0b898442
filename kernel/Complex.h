#pragma once
// Complex arithmetic of the complex-number calculator: the binary operations
// by operator character and the function keys. Failures are thrown as
// CalcFailure (the calculator shows its error state).
#include "kernel/Types.h"

namespace zw {

// a op b for '+', '-', '*', '/', '^'; any other operator gives 0.
TComplex ComplexOp(TComplex a, TComplex b, char op);
TComplex ComplexAdd(TComplex a, TComplex b);
TComplex ComplexSub(TComplex a, TComplex b);
TComplex ComplexMul(TComplex a, TComplex b);
// b = 0 throws CalcFailure(DivisionByZero).
TComplex ComplexDiv(TComplex a, TComplex b);
// As ComplexDiv, but r is left as it was when b = 0.
void ComplexDivSafe(TComplex a, TComplex b, TComplex& r);
// z^w, the principal value, in radians whatever the program's angle mode.
// A negative real base has the argument +π ((-4)^0.5 = 2i), and a whole
// exponent of it gives an exact real ((-2)^2 = 4). 0^w is 0 for Re w > 0,
// 1 for w = 0, and fails with CalcFailure(DivisionByZero) otherwise.
TComplex ComplexPower(TComplex z, TComplex w);
Extended ComplexAbsSqr(TComplex z);
Extended ComplexAbs(TComplex z);
TComplex ComplexTimesI(TComplex z);
TComplex ComplexTimesMinusI(TComplex z);
TComplex ComplexExp(TComplex z);
// Principal logarithm, arg in (−π, π] except that the negative real axis
// gets −π (ln(−1) = −iπ); 0 fails with "*** IMPROPER ARGUMENT ***".
TComplex ComplexLn(TComplex z);
// Principal square root (real part never negative).
TComplex ComplexSqrt(TComplex z);
TComplex ComplexCos(TComplex z);
TComplex ComplexSin(TComplex z);
TComplex ComplexTan(TComplex z);
// −(i/2)·ln((1 + iz)/(1 − iz)); ±i fail with "*** IMPROPER ARGUMENT ***".
TComplex ComplexArcTan(TComplex z);
// q := (1 + u)/(1 − u), left as it was when u = 1.
void ComplexAtanQuotient(TComplex u, TComplex& q);
// The angle of the point (x, y) in radians, −π for the negative x axis.
Extended ArcTan2(Extended x, Extended y);
// |a| with the sign of b for a > 0, b = 0 counting as negative.
Extended TransferSign(Extended a, Extended b);
// cosh and sinh; |x| > 88.0288 fails with the messages
// "********* OVERFLOW **********" (cosh) and "********* UNDERFLOW **********" (sinh).
Extended CoshChecked(Extended x);
Extended SinhChecked(Extended x);

}  // namespace zw
