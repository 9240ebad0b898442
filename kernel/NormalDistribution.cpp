#include "kernel/NormalDistribution.h"

#include <cmath>

#include "kernel/CalcFailure.h"

namespace zw {

Extended NormalDensity(Extended x, Extended mu, Extended sigma) {
  if (sigma == 0) throw CalcFailure(msg::DivisionByZero);
  const Extended u = (x - mu) / sigma;
  return std::exp(-u * u / 2) / (sigma * std::sqrt(2 * M_PIl));
}

Extended ErfSeries(Extended x) {
  // The series of erf(x)·e^(x²)·√π/2 has positive terms for x > 0; erf is odd.
  const Extended a = std::fabs(x);
  Extended s = a, t = a;
  for (int k = 1; t > s * 1e-10L; ++k) {
    t = t * 2 * a * a / (2 * k + 1);
    s += t;
  }
  const Extended e = std::exp(-a * a) * 2 * s / std::sqrt(M_PIl);
  return x < 0 ? -e : e;
}

void ErfApprox(Extended& e, int& ok, Extended x) {
  if (std::fabs(x) < 1e-20L) {
    ok = 0;
    return;
  }
  ok = 1;
  // erf is odd: the approximations below hold for positive arguments.
  const Extended a = std::fabs(x);
  Extended r;
  if (a > 4) {
    r = 1;
  } else if (a > 1.5L) {
    r = ErfSeries(a);
  } else {
    static constexpr Extended c[] = {0.6666667L,     0.2666667L,     0.07619048L,   0.01693122L,
                                     0.003078403L,   0.0004736005L,  6.314673e-05L, 7.429027e-06L,
                                     7.820028e-07L,  7.447646e-08L,  6.476214e-09L};
    const Extended x2 = a * a;
    Extended h = 0;
    for (int k = 10; k >= 0; --k) h = (h + c[k]) * x2;
    r = std::exp(-x2) * 2 * a * (1 + h) / std::sqrt(M_PIl);
  }
  e = x < 0 ? -r : r;
}

void NormalDistribution(Extended& P, int& ok, Extended x, Extended mu, Extended sigma) {
  if (x == mu) {
    P = 0.5;
    ok = 1;
    return;
  }
  if (sigma == 0) throw CalcFailure(msg::DivisionByZero);
  const Extended z = std::sqrt(2.0L) * std::fabs(x - mu) / (2 * sigma);
  Extended e = 0;
  ErfApprox(e, ok, z);
  if (!ok) {
    // erf(z) ≈ 2z/√π is far below the resolution of 0.5 here.
    P = 0.5;
    ok = 1;
    return;
  }
  P = x > mu ? e / 2 + 0.5L : 0.5L - e / 2;
}

}  // namespace zw
