#include "kernel/Roots.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "kernel/BasicMath.h"

namespace zw {

namespace {

constexpr int kMaxRoots = 12;

void append(TArrayExt& roots, int& count, Extended x) {
  if (count < kMaxRoots) roots[++count] = x;
}

// v, or 0 when v is no larger than the rounding noise of the terms it was
// computed from (their magnitudes summed in scale). A multiple root makes the
// reduced coefficients vanish exactly in theory; in extended reals they come
// out as noise of either sign, and a noisy sign loses the root.
Extended cancelNoise(Extended v, Extended scale) {
  return std::fabs(v) <= 1e-15L * scale ? 0 : v;
}

Extended value(const QuarticCoeffs& c, Extended x) {
  return (((c[4] * x + c[3]) * x + c[2]) * x + c[1]) * x + c[0];
}

// Sum of |c[i]|·|x|^i: the size of the terms the value is made of.
Extended magnitude(const QuarticCoeffs& c, Extended x) {
  const Extended ax = std::fabs(x);
  return (((std::fabs(c[4]) * ax + std::fabs(c[3])) * ax + std::fabs(c[2])) * ax +
          std::fabs(c[1])) * ax + std::fabs(c[0]);
}

// Drops roots[i]; the later entries move down one place.
void removeAt(TArrayExt& roots, int& count, int i) {
  for (int j = i; j < count; ++j) roots[j] = roots[j + 1];
  --count;
}

// Within the band in which a multiple root with inexact coefficients is
// determined (about the m-th root of the rounding error).
bool withinRootBand(Extended a, Extended b) {
  return std::fabs(a - b) <= 1e-4L * std::max<Extended>(1, std::fabs(a));
}

// |p(x)| within `relative` of the size of the terms it is made of.
bool vanishesAt(const QuarticCoeffs& c, Extended x, Extended relative) {
  return std::fabs(value(c, x)) <= relative * magnitude(c, x);
}

}  // namespace

void LinearRoot(TArrayExt& roots, int& count, Extended a1, Extended a0) {
  count = 0;
  if (a1 != 0) append(roots, count, -a0 / a1);
}

void QuadraticRoots(TArrayExt& roots, int& count, Extended a2, Extended a1, Extended a0) {
  if (a2 == 0) {
    LinearRoot(roots, count, a1, a0);
    return;
  }
  count = 0;
  Extended d = a1 * a1 - 4 * a0 * a2;
  // A double root computed with rounding gives a discriminant of either sign
  // near 0; treat it as the double root rather than losing it.
  if (std::fabs(d) <= 1e-15L * (a1 * a1 + std::fabs(4 * a0 * a2))) d = 0;
  if (d < 0) return;
  if (d == 0) {
    append(roots, count, -a1 / (2 * a2));
  } else {
    const Extended s = std::sqrt(d);
    append(roots, count, (-a1 - s) / (2 * a2));
    append(roots, count, (s - a1) / (2 * a2));
  }
  SortUniqueRoots(roots, count);
}

void CubicRoots(TArrayExt& roots, int& count, Extended p2, Extended p1, Extended p0) {
  count = 0;
  const Extended d = cancelNoise(2 * p2 * p2 * p2 - 9 * p1 * p2 + 27 * p0,
                                 std::fabs(2 * p2 * p2 * p2) + std::fabs(9 * p1 * p2) +
                                     std::fabs(27 * p0));
  const Extended e = cancelNoise(3 * p1 - p2 * p2, std::fabs(3 * p1) + p2 * p2);
  const Extended f = e * e * e;
  Extended g = d * d + 4 * f;
  const Extended h = -4 * d;
  // g decides between one and three real roots; near a double root its sign
  // is decided by rounding, so a relative tolerance makes it exactly 0.
  if (std::fabs(g) <= 1e-15L * (d * d + std::fabs(4 * f))) g = 0;
  if (g > 0) {
    const Extended s = std::sqrt(g);
    append(roots, count, CubeRoot(4 * s + h) / 2 + CubeRoot(h - 4 * s) / 2);
  } else if (g == 0) {
    const Extended y1 = CubeRoot(h);
    append(roots, count, y1);
    append(roots, count, -y1 / 2);
  } else {
    const Extended arg = std::clamp(-d / (2 * std::sqrt(-f)), Extended(-1), Extended(1));
    const Extended t = std::acos(arg);
    const Extended r = 2 * std::sqrt(-e);
    append(roots, count, r * std::cos(t / 3));
    append(roots, count, r * std::cos(t / 3 + 2.0943951023931954923L));
    append(roots, count, r * std::cos(t / 3 + 4.1887902047863909845L));
  }
  SortUniqueRoots(roots, count);
  for (int i = 1; i <= count; ++i) roots[i] = (roots[i] - p2) / 3;
}

void BiquadraticRoots(TArrayExt& roots, int& count, Extended q2, Extended q0) {
  TArrayExt y{};
  int ny = 0;
  QuadraticRoots(y, ny, 1, q2, q0);
  count = 0;
  for (int i = 1; i <= ny; ++i) {
    if (y[i] == 0) {
      append(roots, count, 0);
    } else if (y[i] > 0) {
      append(roots, count, std::sqrt(y[i]));
      append(roots, count, -std::sqrt(y[i]));
    }
  }
  SortUniqueRoots(roots, count);
}

void QuarticRoots(TArrayExt& roots, int& count, Extended a3, Extended a2, Extended a1,
                  Extended a0) {
  const Extended s = -a3 / 4;
  const Extended a3sq = a3 * a3;
  const Extended P = cancelNoise(a2 - 0.375L * a3sq, std::fabs(a2) + 0.375L * a3sq);
  const Extended Q = cancelNoise(a1 + 0.125L * a3sq * a3 - a2 * a3 / 2,
                                 std::fabs(a1) + std::fabs(0.125L * a3sq * a3) +
                                     std::fabs(a2 * a3 / 2));
  const Extended R = cancelNoise(a0 - 3 * a3sq * a3sq / 256 + a2 * a3sq / 16 - a1 * a3 / 4,
                                 std::fabs(a0) + 3 * a3sq * a3sq / 256 +
                                     std::fabs(a2 * a3sq / 16) + std::fabs(a1 * a3 / 4));
  count = 0;
  if (Q == 0) {
    BiquadraticRoots(roots, count, P, R);
  } else {
    TArrayExt ys{};
    int ny = 0;
    CubicRoots(ys, ny, 2.5L * P, 2 * P * P - R, (4 * P * P * P - 4 * P * R - Q * Q) / 8);
    // When Q is only rounding noise of inexact coefficients, 2y + P of the
    // resolvent root comes out as noise too, possibly negative: the roots
    // are then those of the biquadratic z⁴ + P·z² + R (polished later).
    bool nearBiquadratic = false;
    for (int k = 1; k <= ny; ++k) {
      const Extended y = ys[k];
      const Extended v = 2 * y + P;
      if (std::fabs(v) <= 1e-9L * (std::fabs(2 * y) + std::fabs(P))) nearBiquadratic = true;
      if (v < 0) continue;
      const Extended w = std::sqrt(v);
      if (w == 0) continue;  // Q ≠ 0 rules this out in exact arithmetic
      TArrayExt part{};
      int np = 0;
      QuadraticRoots(part, np, 1, -w, Q / (2 * w) + P + y);
      for (int i = 1; i <= np; ++i) append(roots, count, part[i]);
      QuadraticRoots(part, np, 1, w, -Q / (2 * w) + P + y);
      for (int i = 1; i <= np; ++i) append(roots, count, part[i]);
    }
    if (nearBiquadratic) {
      TArrayExt part{};
      int np = 0;
      BiquadraticRoots(part, np, P, R);
      for (int i = 1; i <= np; ++i) append(roots, count, part[i]);
    }
  }
  for (int i = 1; i <= count; ++i) roots[i] += s;
  SortUniqueRoots(roots, count);
}

Extended NewtonPolish(const QuarticCoeffs& c, Extended x) {
  for (int step = 0; step <= 100; ++step) {
    const Extended d = c[1] + x * (2 * c[2] + x * (3 * c[3] + x * 4 * c[4]));
    if (d == 0) break;
    // A step must not make the value larger: at a multiple root the value
    // and the derivative are both rounding noise, and their quotient can
    // throw x far away. Such a step is halved until it helps, and when no
    // step helps, x is as good as the arithmetic allows.
    const Extended px = std::fabs(value(c, x));
    // A value within the rounding error of its own evaluation: x is a root
    // to working precision, and further steps would only follow the noise.
    if (px <= 8 * LDBL_EPSILON * magnitude(c, x)) break;
    Extended delta = value(c, x) / d;
    Extended next = x - delta;
    for (int halving = 0; halving < 64 && !(std::fabs(value(c, next)) <= px); ++halving) {
      delta /= 2;
      next = x - delta;
    }
    if (!(std::fabs(value(c, next)) <= px)) break;
    const bool done = std::fabs(next - x) < 1e-11L;
    x = next;
    if (done) break;
  }
  return x;
}

Extended QuarticValueRounded(const QuarticCoeffs& c, Extended x) {
  return RoundDecimals(2, value(c, x));
}

void DropFalseRoots(TArrayExt& roots, int& count, const QuarticCoeffs& c) {
  // A relative test: an absolute one on a rounded root drops true roots of
  // polynomials with large coefficients (10⁶x² − 2000001 at 1.41421392).
  for (int i = count; i >= 1; --i) {
    const Extended x = roots[i];
    if (!vanishesAt(c, x, 1e-9L)) removeAt(roots, count, i);
  }
}

void SortUniqueRoots(TArrayExt& roots, int& count) {
  std::sort(roots.begin() + 1, roots.begin() + 1 + count);
  for (int i = count - 1; i >= 1; --i) {
    if (RoundDecimals(5, roots[i]) == RoundDecimals(5, roots[i + 1])) removeAt(roots, count, i);
  }
}

namespace {

// The closed form that fits the degree of b (b[0] ≠ 0 unless b is of degree
// below two).
void closedFormRoots(const QuarticCoeffs& b, TArrayExt& found, int& n) {
  if (b[4] == 0 && b[3] == 0 && b[2] == 0) {
    LinearRoot(found, n, b[1], b[0]);
  } else if (b[4] == 0 && b[3] == 0) {
    QuadraticRoots(found, n, b[2], b[1], b[0]);
  } else if (b[4] == 0) {
    CubicRoots(found, n, b[2] / b[3], b[1] / b[3], b[0] / b[3]);
  } else if (b[3] == 0 && b[1] == 0) {
    BiquadraticRoots(found, n, b[2] / b[4], b[0] / b[4]);
  } else {
    QuarticRoots(found, n, b[3] / b[4], b[2] / b[4], b[1] / b[4], b[0] / b[4]);
  }
}

}  // namespace

void RealRootsDeg4(TArrayExt& roots, int& count, const QuarticCoeffs& c) {
  count = 0;
  if (std::all_of(c.begin(), c.end(), [](Extended v) { return v == 0; })) return;
  QuarticCoeffs b = c;
  const bool zeroRoot = b[0] == 0;
  while (b[0] == 0) {
    for (int i = 0; i < 4; ++i) b[i] = b[i + 1];
    b[4] = 0;
  }
  TArrayExt found{};
  int n = 0;
  closedFormRoots(b, found, n);
  for (int i = 1; i <= n; ++i) found[i] = NewtonPolish(c, found[i]);
  // The check runs on the polished, unrounded roots; rounding is for output.
  DropFalseRoots(found, n, c);
  // A multiple root is also a root of the derivative. Where the closed form
  // loses it to a discriminant whose sign is rounding noise, the critical
  // points bring it back. A critical point next to a root already found is
  // that root again.
  if (b[4] != 0 || b[3] != 0 || b[2] != 0) {
    TArrayExt critical{};
    int nc = 0;
    closedFormRoots(QuarticCoeffs{b[1], 2 * b[2], 3 * b[3], 4 * b[4], 0}, critical, nc);
    // A critical point counts only where p vanishes to rounding level: a
    // lost multiple root does, while the lowest point between a complex
    // pair close to the axis must not become a root.
    for (int i = 1; i <= nc; ++i) {
      const Extended x = NewtonPolish(c, critical[i]);
      const bool known = std::any_of(found.begin() + 1, found.begin() + 1 + n,
                                     [x](Extended r) { return withinRootBand(x, r); });
      if (!known && vanishesAt(c, x, 1e-14L)) append(found, n, x);
    }
  }
  // Two neighbours with p vanishing to rounding level between them are one
  // multiple root, found twice within its band of uncertainty.
  std::sort(found.begin() + 1, found.begin() + 1 + n);
  for (int i = n - 1; i >= 1; --i) {
    const Extended mid = (found[i] + found[i + 1]) / 2;
    if (withinRootBand(mid, found[i + 1]) && vanishesAt(c, mid, 1e-14L)) {
      found[i] = mid;
      removeAt(found, n, i + 1);
    }
  }
  for (int i = 1; i <= n; ++i) found[i] = RoundDecimals(8, found[i]);
  if (zeroRoot) append(found, n, 0);
  SortUniqueRoots(found, n);
  for (int i = 1; i <= n; ++i) roots[i] = found[i];
  count = n;
}

}  // namespace zw
