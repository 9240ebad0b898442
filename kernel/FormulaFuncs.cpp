#include "kernel/FormulaFuncs.h"

#include <algorithm>
#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Erf.h"
#include "kernel/FormulaMath.h"

namespace zw {

using namespace formula;

namespace {

// tan as sin/cos; an unknown mode leaves the argument as it is. cos exactly 0
// is a division by zero (status 2).
Extended tanAngle(Extended a, int mode, int& status) {
  const Extended f = AngleModeToRadians(mode), x = f == 0 ? a : a * f;
  const Extended s = xmath::Sin(x), c = xmath::Cos(x);
  if (c == 0) {
    status = 2;
    return 0;
  }
  return s / c;
}

}  // namespace

const char* FormulaFuncName(FormulaFunc f) { return kFuncs[static_cast<int>(f)].name; }

bool FormulaFuncIgnoresArgument(FormulaFunc f) {
  switch (f) {
    case FormulaFunc::Pi: case FormulaFunc::W: case FormulaFunc::X:
    case FormulaFunc::Y: case FormulaFunc::Z: case FormulaFunc::K:
      return true;
    default: return false;
  }
}

bool FormulaFuncUsesAngleMode(FormulaFunc f) {
  switch (f) {
    case FormulaFunc::Sin: case FormulaFunc::Cos: case FormulaFunc::Cot: case FormulaFunc::Tan:
    case FormulaFunc::Atan: case FormulaFunc::Asin: case FormulaFunc::Acos:
      return true;
    default: return false;
  }
}

Extended FormulaPower(Extended b, Extended p, int& status) {
  status = 0;
  if (b == 0) {
    if (p == 0) return 1;
    if (p > 0) return 0;
    status = 1;  // 0 to a negative power is a division by zero
    return 0;
  }
  bool integral = isWhole(p);
  if (b < 0 && !integral) {
    status = 3;
    return b;
  }
  Extended r = 0;
  bool done = false;
  if (integral && std::fabs(p) <= 64) {
    // Small whole exponents by repeated squaring: exact where the product is.
    Extended prod = powWhole(b, static_cast<unsigned>(static_cast<double>(std::fabs(p))));
    if (p > 0) {
      r = prod;
      done = true;
    } else if (finite(prod)) {  // else the quotient underflows: leave it to exp/ln
      r = 1 / prod;
      done = true;
    }
  }
  if (!done) {
    // exp(p·ln|b|), negated for a negative base with an odd exponent.
    r = b == kE ? xmath::Exp(p) : xmath::Exp(p * xmath::Ln(std::fabs(b)));
    if (b < 0 && std::fmod(p, 2) != 0) r = -r;
  }
  if (!finite(r)) status = 2;
  return r;
}

Extended ApplyFormulaFunc(FormulaFunc f, Extended a, Extended x, int& status) {
  return ApplyFormulaFunc(f, a, x, FormulaContext::current(), status);
}

Extended ApplyFormulaFunc(FormulaFunc f, Extended a, Extended x, const FormulaContext& context,
                          int& status) {
  status = 0;
  Extended v = 0;
  try {
    switch (f) {
      case FormulaFunc::Abs: v = std::fabs(a); break;
      case FormulaFunc::Int: v = a >= 0 ? std::trunc(a) : std::trunc(a - 0.9999999L); break;
      case FormulaFunc::Sgn: v = a > 0 ? 1 : (a < 0 ? -1 : 0); break;
      case FormulaFunc::Rect: v = std::fabs(a) <= 0.5L ? 1 : 0; break;
      case FormulaFunc::Relu: v = a > 0 ? a : 0; break;
      case FormulaFunc::Sqrt:
        if (a < 0) { status = 1; return 0; }
        v = std::sqrt(a);
        break;
      case FormulaFunc::Sqr: v = a * a; break;
      // An overflow is found by the test of v below.
      case FormulaFunc::Sinh: v = xmath::Sinh(a); break;
      case FormulaFunc::Cosh: v = xmath::Cosh(a); break;
      // tanh and coth by their own kernel: the quotient of sinh and cosh
      // would overflow for |a| > 11356 where the true value is +-1.
      case FormulaFunc::Tanh: v = xmath::Tanh(a); break;
      case FormulaFunc::Coth:
        if (a == 0) { status = 1; return 0; }
        v = 1 / xmath::Tanh(a);
        break;
      case FormulaFunc::Asinh: v = std::asinh(a); break;
      case FormulaFunc::Acosh:
        if (a < 1) { status = 1; return 0; }
        v = std::acosh(a);
        break;
      case FormulaFunc::Atanh:
        if (std::fabs(a) >= 1) { status = 1; return 0; }
        v = std::atanh(a);
        break;
      case FormulaFunc::Acoth:
        if (std::fabs(a) <= 1) { status = 1; return 0; }
        v = std::atanh(1 / a);
        break;
      case FormulaFunc::Sin: v = sinAngle(a, AngleModeToRadians(context.AngleMode)); break;
      case FormulaFunc::Cos: v = cosAngle(a, AngleModeToRadians(context.AngleMode)); break;
      case FormulaFunc::Cot: {
        Extended t = tanAngle(a, context.AngleMode, status);
        if (status != 0) return 0;
        if (t == 0) { status = 1; return 0; }
        v = 1 / t;
        break;
      }
      case FormulaFunc::Tan:
        v = tanAngle(a, context.AngleMode, status);
        if (status != 0) return 0;
        break;
      case FormulaFunc::Atan: v = RadiansToAngleMode(context.AngleMode, xmath::Atan(a)); break;
      case FormulaFunc::Asin:
        if (std::fabs(a) > 1) { status = 1; return 0; }
        v = RadiansToAngleMode(context.AngleMode, ArcSinRad(a));
        break;
      case FormulaFunc::Acos:
        if (std::fabs(a) > 1) { status = 1; return 0; }
        v = RadiansToAngleMode(context.AngleMode, ArcCosRad(a));
        break;
      case FormulaFunc::Ln:
        if (a <= 0) { status = 2; return 0; }
        v = xmath::Ln(a);
        break;
      case FormulaFunc::Log:
        if (a <= 0) { status = 2; return 0; }
        v = xmath::Log10(a);
        break;
      case FormulaFunc::Exp: case FormulaFunc::E: v = xmath::Exp(a); break;
      case FormulaFunc::Fak:
        // Below 0 the factorial is undefined; beyond 1754 it leaves the extended range.
        if (!(a >= -0.5L)) { status = 1; return 0; }
        if (!(a <= 1754.5L)) { status = 2; return 0; }
        v = Factorial(static_cast<std::int64_t>(std::nearbyint(a)));
        break;
      case FormulaFunc::Erf:
        // Beyond the double range erf is +-1 anyway; the clamp keeps the conversion defined.
        v = Erf(static_cast<double>(std::clamp(a, -1e300L, 1e300L)));
        break;
      case FormulaFunc::Pi: v = kPi; break;
      case FormulaFunc::W: v = kE; break;
      case FormulaFunc::X: v = x; break;
      case FormulaFunc::Y: v = context.Y; break;
      case FormulaFunc::Z: v = context.Z; break;
      case FormulaFunc::K: v = context.K; break;
    }
  } catch (const CalcFailure&) {
    status = 2;
    return 0;
  }
  if (!finite(v)) {
    status = 2;
    return 0;
  }
  return v;
}

}  // namespace zw
