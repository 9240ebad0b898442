#pragma once
// Descriptive statistics of a sample gathered from a vector or a matrix range.
// The classes gather their values (in their own order) and share these rules.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "numerics/NumComponent.h"

namespace zw::stats {

// Mean and sample variance; one value has the variance 1 (so standardising
// only centres it).
inline void MeanVar(const std::vector<double>& x, double& mean, double& variance) {
  double s = 0, q = 0;
  for (double v : x) {
    s += v;
    q += v * v;
  }
  const double n = static_cast<double>(x.size());
  mean = s / n;
  variance = x.size() >= 2 ? (q - s * s / n) / (n - 1) : 1.0;
}

template <class E>
double GeometricMean(const TNumComponent& owner, const std::vector<double>& x) {
  bool zero = false;
  double l = 0;
  for (double v : x) {
    if (v < 0) owner.Raise<E>(tail::NegativeGeometric);
    if (v == 0)
      zero = true;
    else
      l += std::log(v);
  }
  return zero ? 0.0 : std::exp(l / static_cast<double>(x.size()));
}

template <class E>
double HarmonicMean(const TNumComponent& owner, const std::vector<double>& x) {
  double s = 0;
  for (double v : x) {
    if (v <= 0) owner.Raise<E>(tail::NonPositiveHarmonic);
    s += 1.0 / v;
  }
  return static_cast<double>(x.size()) / s;
}

// Skewness and excess kurtosis of the population moments. Below minCount
// values both are 0; where the spread is 0 the raw third and fourth central
// sums are returned.
inline void SkewKurt(const std::vector<double>& x, std::size_t minCount, double& skew,
                     double& kurt) {
  skew = 0;
  kurt = 0;
  const std::size_t count = x.size();
  if (count < minCount || count == 0) return;
  const double n = static_cast<double>(count);
  double m = 0;
  for (double v : x) m += v;
  m /= n;
  double a1 = 0, a2 = 0, a3 = 0, a4 = 0;
  for (double v : x) {
    const double d = v - m;
    a1 += d;
    a2 += d * d;
    a3 += d * d * d;
    a4 += d * d * d * d;
  }
  const double s = count >= 2 ? std::sqrt((a2 - a1 * a1 / n) / (n - 1)) : 0.0;
  if (s != 0) {
    skew = a3 / n / (s * s * s);
    kurt = a4 / n / (s * s * s * s) - 3;
  } else {
    skew = a3;
    kurt = a4;
  }
}

// The sample (bias-corrected) forms; 0 below four values.
inline void SkewKurtSample(const std::vector<double>& x, std::size_t minCount, double& skew,
                           double& kurt) {
  SkewKurt(x, minCount, skew, kurt);
  const double n = static_cast<double>(x.size());
  if (x.size() < 4) {
    skew = kurt = 0;
    return;
  }
  kurt = (kurt + 3) * n * n * (n + 1) / ((n - 1) * (n - 2) * (n - 3)) -
         3 * (n - 1) * (n - 1) / ((n - 2) * (n - 3));
  skew = n * n * skew / ((n - 1) * (n - 2));
}

// The (n + 1)p rule on sorted values: t = (n + 1)p, below the first value the
// first, from the last on the last, else linear between x_k and x_(k+1).
// Integer neighbours are subtracted in 64 bits.
template <class T>
double QuantileOfSorted(const std::vector<T>& x, double t) {
  const std::size_t n = x.size();
  const double kd = std::trunc(t);
  const double f = t - kd;
  if (kd < 1) return static_cast<double>(x.front());
  if (kd >= static_cast<double>(n)) return static_cast<double>(x.back());
  const std::size_t k = static_cast<std::size_t>(kd);
  if constexpr (std::is_integral_v<T>) {
    const std::int64_t diff = static_cast<std::int64_t>(x[k]) - x[k - 1];
    return static_cast<double>(x[k - 1]) + static_cast<double>(diff) * f;
  } else {
    return x[k - 1] + (x[k] - x[k - 1]) * f;
  }
}

template <class T>
void Quartiles(std::vector<T> x, double& q1, double& q2, double& q3) {
  std::sort(x.begin(), x.end());
  const double n1 = static_cast<double>(x.size() + 1);
  q1 = QuantileOfSorted(x, n1 * 0.25);
  q2 = QuantileOfSorted(x, n1 * 0.5);
  q3 = QuantileOfSorted(x, n1 * 0.75);
  if (x.size() == 1) q1 = q2 = q3 = static_cast<double>(x.front());
}

template <class T>
double Percentile(std::vector<T> x, double prob) {
  prob = std::clamp(prob, 0.0, 100.0);
  std::sort(x.begin(), x.end());
  if (x.size() == 1) return static_cast<double>(x.front());
  if (prob == 100) return static_cast<double>(x.back());
  return QuantileOfSorted(x, prob * static_cast<double>(x.size() + 1) / 100);
}

// The value of the longest run of equal values; of equally long runs the
// smallest value, and the smallest value when all differ.
template <class T>
T Mode(std::vector<T> x) {
  std::sort(x.begin(), x.end());
  std::size_t best = 0;
  long longest = 0, k = 0;
  for (std::size_t i = 1; i < x.size(); ++i) {
    if (x[i] != x[i - 1]) {
      k = 0;
    } else if (++k > longest) {
      longest = k;
      best = i;
    }
  }
  return x[best];
}

// Class layout of a histogram: false for a class width that is not positive,
// a class count that is not finite, or more than 500 classes.
inline bool HistogramClasses(double firstBin, double lastBin, double binWidth, std::int32_t& nb) {
  if (!(binWidth > 0)) return false;
  const double classes = std::nearbyint(std::fabs(lastBin - firstBin) / binWidth);
  if (!std::isfinite(classes) || classes > 500) return false;
  nb = static_cast<std::int32_t>(classes);
  return true;
}

// The class of v (1-based), 0 for underflow and -1 for overflow. A value
// beyond the last class but below lastBin + binWidth goes to the last class.
inline std::int32_t HistogramClassOf(double v, double firstBin, double lastBin, double binWidth,
                                     std::int32_t nb) {
  if (v < firstBin) return 0;
  if (!(v < lastBin + binWidth)) return -1;
  const double b = std::trunc((v - firstBin) / binWidth) + 1;
  if (b > nb) return nb >= 1 ? nb : -2;  // -2: no class to hold it
  return static_cast<std::int32_t>(b);
}

}  // namespace zw::stats
