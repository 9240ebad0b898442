#include "kernel/RealHelpers.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "kernel/CalcFailure.h"

namespace zw {

namespace {

Extended checked(Extended v) {
  if (!std::isfinite(v)) throw CalcFailure(msg::DivisionByZero);
  return v;
}

}  // namespace

Extended SignedPower(Extended base, Extended exponent) {
  if (exponent == 0) return 1;
  if (base == 0) return 0;
  if (base > 0) return checked(std::exp(exponent * std::log(base)));
  const Extended m = checked(std::exp(exponent * std::log(-base)));
  // A rational exponent p/q with an odd denominator is a real odd root of a
  // power: its sign is (-1)^p. The smallest denominator that fits decides.
  constexpr int kMaxDenominator = 1000;
  constexpr Extended kTolerance = 1e-12L;
  for (int q = 1; q <= kMaxDenominator; ++q) {
    const Extended pq = exponent * q;
    const Extended p = std::nearbyint(pq);
    if (std::fabs(pq - p) <= kTolerance * std::max<Extended>(1, std::fabs(pq))) {
      if (q % 2 == 0) break;
      return std::fmod(p, 2.0L) == 0 ? m : -m;
    }
  }
  // Otherwise the power of |base| gets a minus sign ((-4)^0.5 = -2).
  return std::fmod(exponent, 2.0L) == 0 ? m : -m;
}

Extended RoundToNth(int n, Extended x) {
  if (n == 0) throw CalcFailure(msg::DivisionByZero);
  return std::nearbyint(x * n) / n;
}

Extended SignReal(Extended x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

void SwapExtended(Extended& a, Extended& b) { std::swap(a, b); }

}  // namespace zw
