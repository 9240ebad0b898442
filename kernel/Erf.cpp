#include "kernel/Erf.h"

#include <cmath>

namespace zw {

double Erf(double x) {
  const double z = std::fabs(x);
  const double t = 1.0 / (1.0 + z / 2.0);
  const double r =
      t * std::exp(-z * z - 1.26551223 +
                   t * (1.00002368 +
                        t * (0.37409196 +
                             t * (0.09678418 +
                                  t * (-0.18628806 +
                                       t * (0.27886807 +
                                            t * (-1.13520398 +
                                                 t * (1.48851587 +
                                                      t * (-0.82215223 + t * 0.17087277)))))))));
  // erfc(-z) = 2 - erfc(z); taking the sign last keeps erf exactly odd.
  const double e = 1.0 - r;
  return x < 0 ? -e : e;
}

}  // namespace zw
