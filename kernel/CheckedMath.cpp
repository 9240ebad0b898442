#include "kernel/CheckedMath.h"

#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/ExtendedMath.h"

namespace zw {

Extended CheckedDiv(Extended a, Extended b, int message) {
  if (b == 0) throw CalcFailure(message);
  const Extended q = a / b;
  if (!std::isfinite(q)) throw CalcFailure(message);
  return q;
}

Extended CheckedSqrt(Extended x, int message) {
  if (!(x >= 0) || !std::isfinite(x)) throw CalcFailure(message);
  return sqrtl(x);
}

Extended CheckedArcSin(Extended x, int message) {
  if (!(fabsl(x) <= 1 + 1e-15L)) throw CalcFailure(message);
  return ArcSinRad(x);
}

Extended CheckedLog10(Extended x, int message) {
  if (!(x > 0) || !std::isfinite(x)) throw CalcFailure(message);
  return xmath::Log10(x);
}

}  // namespace zw
