// The extended-precision kernels against a 50-digit oracle (Boost), their
// special values, exact cases and the ends of e^x's range, and their signs
// and finiteness against the C library's l functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "kernel/ExtendedMath.h"
#include "kernel/Format.h"

namespace zw::xmath {
namespace {

using Big = boost::multiprecision::cpp_bin_float_50;
using Fn = std::function<Extended(Extended)>;
using Oracle = std::function<Big(const Big&)>;

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended kMinSub = std::numeric_limits<Extended>::denorm_min();

// The oracle costs 6-45 us a value; sanitizer and debug builds are far slower.
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
constexpr int kScale = 25;
#else
constexpr int kScale = 1;
#endif

// |got - exact| in units of the last place of exact's binade (64-bit
// mantissa; subnormal results count in the smallest subnormal).
double ulpError(Extended got, const Big& exact) {
  if (exact == 0) return got == 0 ? 0 : HUGE_VAL;
  if (!std::isfinite(got)) return HUGE_VAL;
  int e = 0;
  frexp(abs(exact), &e);  // |exact| = f 2^e, f in [0.5, 1)
  const int binade = std::max(e - 1, LDBL_MIN_EXP - 1);
  return static_cast<double>(abs(Big(got) - exact) / ldexp(Big(1), binade - 63));
}

Extended next(Extended x, Extended toward) { return std::nextafter(x, toward); }

// ---- random arguments ------------------------------------------------------

using Gen = std::function<Extended(std::mt19937_64&)>;

Gen uniform(Extended lo, Extended hi) {
  return [lo, hi](std::mt19937_64& g) { return std::uniform_real_distribution<Extended>(lo, hi)(g); };
}

// A random 64-bit mantissa times 2^e with e uniform in [eLo, eHi); either sign
// when signed. ldexp rounds below the normal range into subnormals.
Gen logUniform(int eLo, int eHi, bool bothSigns) {
  return [=](std::mt19937_64& g) {
    const std::uint64_t m = g() | (std::uint64_t{1} << 63);
    const int e = std::uniform_int_distribution<int>(eLo, eHi - 1)(g);
    const Extended x = std::ldexp(static_cast<Extended>(m), e - 63);
    return bothSigns && (g() & 1) ? -x : x;
  };
}

struct Sweep {
  std::string name;
  Fn f;
  Oracle exact;
  Gen arg;
  int count;
  double bound;
};

void runSweep(const Sweep& s) {
  std::mt19937_64 g(0x5eed + s.count);
  double worst = 0;
  Extended worstAt = 0;
  const int n = std::max(200, s.count / kScale);
  for (int i = 0; i < n; ++i) {
    const Extended x = s.arg(g);
    const double u = ulpError(s.f(x), s.exact(Big(x)));
    if (u > worst) {
      worst = u;
      worstAt = x;
    }
  }
  std::printf("  %-28s max %.4f ulp (%d arguments) at %La\n", s.name.c_str(), worst, n, worstAt);
  EXPECT_LE(worst, s.bound) << s.name << " at " << static_cast<double>(worstAt);
}

// One output of SinCosReduced.
template <void (*F)(Extended, Extended*, Extended*), bool Sine>
Extended oneOf(Extended x) {
  Extended v = 0;
  F(x, Sine ? &v : nullptr, Sine ? nullptr : &v);
  return v;
}
constexpr auto sinOf = Sin;
constexpr auto cosOf = Cos;
constexpr auto sinReduced = oneOf<SinCosReduced, true>;
constexpr auto cosReduced = oneOf<SinCosReduced, false>;

const Oracle kExp = [](const Big& x) { return exp(x); };
const Oracle kLog = [](const Big& x) { return log(x); };
const Oracle kLog10 = [](const Big& x) { return log10(x); };
const Oracle kSin = [](const Big& x) { return sin(x); };
const Oracle kCos = [](const Big& x) { return cos(x); };
const Oracle kAtan = [](const Big& x) { return atan(x); };
const Oracle kTanh = [](const Big& x) { return tanh(x); };
const Oracle kSinh = [](const Big& x) { return sinh(x); };
const Oracle kCosh = [](const Big& x) { return cosh(x); };

// ---- accuracy ------------------------------------------------------------

TEST(ExtendedMath, ExpIsWithinHalfAnUlpAndAHair) {
  for (const Sweep& s : std::vector<Sweep>{
           {"Exp plot range", Exp, kExp, uniform(-20, 20), 16000, 0.55},
           {"Exp whole range", Exp, kExp, uniform(-11400, 11357), 16000, 0.55},
           {"Exp subnormal results", Exp, kExp, uniform(-11400, -11355), 4000, 0.55},
           {"Exp small |x|", Exp, kExp, logUniform(-70, -4, true), 8000, 0.55},
       })
    runSweep(s);
}

TEST(ExtendedMath, LnAndLog10AreWithinHalfAnUlpAndAHair) {
  for (const Sweep& s : std::vector<Sweep>{
           {"Ln whole range", Ln, kLog, logUniform(-16445, 16384, false), 12000, 0.6},
           {"Ln plot range", Ln, kLog, uniform(0, 20), 8000, 0.6},
           {"Ln near 1", Ln, kLog, uniform(0.99L, 1.01L), 8000, 0.6},
           {"Log10 whole range", Log10, kLog10, logUniform(-16445, 16384, false), 10000, 0.6},
           {"Log10 near 1", Log10, kLog10, uniform(0.99L, 1.01L), 6000, 0.6},
       })
    runSweep(s);
}

// Small arguments down to 1e-4000, where e^x - e^-x would cancel; the seams
// between the series, the pairs of exponentials and e^|x|/2; the whole range.
TEST(ExtendedMath, SinhAndCoshAreWithinHalfAnUlpAndAHair) {
  for (const Sweep& s : std::vector<Sweep>{
           {"Sinh |x| from 1e-4000 to 1", Sinh, kSinh, logUniform(-13288, 1, true), 12000, 0.55},
           {"Sinh |x| from 2^-40 to 1", Sinh, kSinh, logUniform(-40, 1, true), 12000, 0.55},
           {"Sinh plot range", Sinh, kSinh, uniform(-20, 20), 12000, 0.55},
           {"Sinh near 1/8", Sinh, kSinh, uniform(0.118L, 0.132L), 8000, 0.55},
           {"Sinh near 25", Sinh, kSinh, uniform(-25.5L, -24.5L), 3000, 0.55},
           {"Sinh whole range", Sinh, kSinh, uniform(-11357, 11357), 6000, 0.55},
           {"Cosh |x| from 1e-4000 to 1", Cosh, kCosh, logUniform(-13288, 1, true), 6000, 0.55},
           {"Cosh plot range", Cosh, kCosh, uniform(-20, 20), 12000, 0.55},
           {"Cosh near 25", Cosh, kCosh, uniform(24.5L, 25.5L), 3000, 0.55},
           {"Cosh whole range", Cosh, kCosh, uniform(-11357, 11357), 6000, 0.55},
       })
    runSweep(s);
}

// A result line shows 15 digits: sinh and cosh show those of the correctly
// rounded value (at the first argument an error of 0.8 ulp in cosh changed
// the last digit shown from 7 to 8).
TEST(ExtendedMath, SinhAndCoshShowTheDigitsOfTheCorrectlyRoundedValue) {
  const Extended args[] = {-1.7672656956613295L, 1e-20L, 1e-10L, -3e-7L, 0.125L, 0.7L, 24.99L};
  for (Extended x : args) {
    for (const auto& [name, got, exact] : {std::tuple{"sinh", Sinh(x), sinh(Big(x))},
                                           std::tuple{"cosh", Cosh(x), cosh(Big(x))}})
      EXPECT_EQ(FormatReal(15, got), FormatReal(15, static_cast<Extended>(exact)))
          << name << "(" << static_cast<double>(x) << ")";
  }
}

// The kernel on |r| <= pi/4 is within half an ulp and a hair; whole
// arguments add the roundings of the reduction by pi/2 (two subtractions).
TEST(ExtendedMath, SinCosKernelWithinHalfAnUlpWholeRangeWithinTwo) {
  const Extended q = 0.78539816339744830962L;  // pi/4 rounded down
  for (const Sweep& s : std::vector<Sweep>{
           {"SinCosReduced sin", sinReduced, kSin, uniform(-q, q), 10000, 0.6},
           {"SinCosReduced cos", cosReduced, kCos, uniform(-q, q), 10000, 0.6},
           {"SinCosReduced sin, small", sinReduced, kSin, logUniform(-40, -2, true), 4000, 0.6},
           {"Sin plot range", sinOf, kSin, uniform(-10, 10), 10000, 2.0},
           {"Cos plot range", cosOf, kCos, uniform(-10, 10), 10000, 2.0},
           {"Sin up to 2^30", sinOf, kSin, logUniform(-20, 30, true), 6000, 2.0},
           {"Cos up to 2^30", cosOf, kCos, logUniform(-20, 30, true), 6000, 2.0},
       })
    runSweep(s);
}

TEST(ExtendedMath, AtanIsWithinHalfAnUlpTanhWithinOne) {
  for (const Sweep& s : std::vector<Sweep>{
           {"Atan plot range", Atan, kAtan, uniform(-10, 10), 3000, 0.6},
           {"Atan magnitudes", Atan, kAtan, logUniform(-70, 70, true), 4000, 0.6},
           {"Tanh plot range", Tanh, kTanh, uniform(-10, 10), 8000, 1.0},
           {"Tanh magnitudes", Tanh, kTanh, logUniform(-70, 5, true), 8000, 1.0},
           {"Tanh subnormals", Tanh, kTanh, logUniform(-16445, -16382, true), 400, 0.6},
       })
    runSweep(s);
}

// Arguments next to multiples of pi/2, where the reduced argument is a small
// difference of large numbers: there the subtractions are exact, and the part
// of pi/2 left out counts for little against it.
TEST(ExtendedMath, SinCosNearMultiplesOfHalfPi) {
  const Big halfPi = boost::math::constants::half_pi<Big>();
  double worst = 0;
  for (long k = 1; k < (1L << 30); k = k * 7 + 3) {
    const Extended near = static_cast<Extended>(halfPi * k);
    for (Extended x : {next(near, 0), near, next(near, kInf)}) {
      worst = std::max({worst, ulpError(sinOf(x), sin(Big(x))), ulpError(cosOf(x), cos(Big(x)))});
      worst = std::max({worst, ulpError(sinOf(-x), sin(Big(-x))), ulpError(cosOf(-x), cos(Big(-x)))});
    }
  }
  EXPECT_LE(worst, 0.6);
}

// ---- exact cases and special values ------------------------------------------

TEST(ExtendedMath, ExactCases) {
  EXPECT_EQ(Exp(0), 1);
  EXPECT_EQ(Exp(-0.0L), 1);
  EXPECT_EQ(Ln(1), 0);
  EXPECT_FALSE(std::signbit(Ln(1)));
  EXPECT_EQ(Log10(1), 0);
  Extended s = -1, c = -1;
  SinCosReduced(0, &s, &c);
  EXPECT_EQ(s, 0);
  EXPECT_FALSE(std::signbit(s));
  EXPECT_EQ(c, 1);
  EXPECT_EQ(Sin(0), 0);
  EXPECT_FALSE(std::signbit(Sin(0)));
  EXPECT_EQ(Cos(0), 1);
  SinCosReduced(-0.0L, &s, &c);
  EXPECT_EQ(s, 0);
  EXPECT_TRUE(std::signbit(s));
  EXPECT_EQ(c, 1);
  EXPECT_EQ(Sin(-0.0L), 0);
  EXPECT_TRUE(std::signbit(Sin(-0.0L)));
  EXPECT_EQ(Cos(-0.0L), 1);
}

// int(log(x)) counts digits: every power of ten that is a long double gives
// its exponent exactly, and its neighbours fall on the right side of it.
TEST(ExtendedMath, Log10OfPowersOfTenIsExact) {
  Extended p = 1;
  for (int k = 0; k <= 27; ++k, p *= 10) {
    ASSERT_EQ(Big(p), pow(Big(10), k)) << "10^" << k << " is exact";
    EXPECT_EQ(Log10(p), k) << "10^" << k;
    const Extended below = next(p, 0), above = next(p, kInf);
    EXPECT_LE(Log10(below), k) << "below 10^" << k;
    EXPECT_GE(Log10(above), k) << "above 10^" << k;
    // The neighbours are correctly rounded: just below k where that is a long double.
    EXPECT_LE(ulpError(Log10(below), log10(Big(below))), 0.5) << "below 10^" << k;
    EXPECT_LE(ulpError(Log10(above), log10(Big(above))), 0.5) << "above 10^" << k;
  }
}

TEST(ExtendedMath, SpecialValues) {
  struct Case {
    const char* what;
    Extended got, want;
  };
  const Extended halfPi = static_cast<Extended>(boost::math::constants::half_pi<Big>());
  for (const Case& c : std::vector<Case>{
           {"Exp(+inf)", Exp(kInf), kInf},
           {"Exp(-inf)", Exp(-kInf), 0},
           {"Exp(1e5)", Exp(1e5L), kInf},
           {"Exp(-1e5)", Exp(-1e5L), 0},
           {"Exp(LDBL_MAX)", Exp(LDBL_MAX), kInf},
           {"Exp(denorm_min)", Exp(kMinSub), 1},
           {"Ln(0)", Ln(0), -kInf},
           {"Ln(-0)", Ln(-0.0L), -kInf},
           {"Ln(+inf)", Ln(kInf), kInf},
           {"Ln(denorm_min)", Ln(kMinSub), static_cast<Extended>(log(Big(kMinSub)))},
           {"Log10(0)", Log10(0), -kInf},
           {"Log10(+inf)", Log10(kInf), kInf},
           {"Atan(+inf)", Atan(kInf), halfPi},
           {"Atan(-inf)", Atan(-kInf), -halfPi},
           {"Atan(LDBL_MAX)", Atan(LDBL_MAX), halfPi},
           {"Tanh(+inf)", Tanh(kInf), 1},
           {"Tanh(-inf)", Tanh(-kInf), -1},
           {"Tanh(23)", Tanh(23), 1},
           {"Tanh(-40)", Tanh(-40), -1},
           {"Tanh(denorm_min)", Tanh(kMinSub), kMinSub},
           {"Sinh(+inf)", Sinh(kInf), kInf},
           {"Sinh(-inf)", Sinh(-kInf), -kInf},
           {"Sinh(denorm_min)", Sinh(kMinSub), kMinSub},
           {"Sinh(-1e5)", Sinh(-1e5L), -kInf},
           {"Cosh(+inf)", Cosh(kInf), kInf},
           {"Cosh(-inf)", Cosh(-kInf), kInf},
           {"Cosh(0)", Cosh(0), 1},
           {"Cosh(denorm_min)", Cosh(kMinSub), 1},
           {"Cosh(-1e5)", Cosh(-1e5L), kInf},
       })
    EXPECT_EQ(c.got, c.want) << c.what;

  for (Extended x : {Extended(-0.0L), Extended(0.0L)}) {
    EXPECT_EQ(std::signbit(Atan(x)), std::signbit(x));
    EXPECT_EQ(Atan(x), 0);
    EXPECT_EQ(std::signbit(Tanh(x)), std::signbit(x));
    EXPECT_EQ(Tanh(x), 0);
    EXPECT_EQ(std::signbit(Sinh(x)), std::signbit(x));
    EXPECT_EQ(Sinh(x), 0);
  }
  for (Fn f : {Fn(Exp), Fn(Ln), Fn(Log10), Fn(Atan), Fn(Tanh), Fn(sinOf), Fn(cosOf), Fn(Sinh), Fn(Cosh)})
    EXPECT_TRUE(std::isnan(f(kNaN)));
  for (Fn f : {Fn(Ln), Fn(Log10)}) {
    for (Extended x : {Extended(-1), -kMinSub, -kInf}) EXPECT_TRUE(std::isnan(f(x))) << static_cast<double>(x);
  }
  for (Extended x : {kInf, -kInf}) {
    EXPECT_TRUE(std::isnan(sinOf(x)));
    EXPECT_TRUE(std::isnan(cosOf(x)));
  }
}

TEST(ExtendedMath, OddFunctionsAreOdd) {
  std::mt19937_64 g(7);
  const Gen arg = logUniform(-40, 40, false);
  for (int i = 0; i < 2000; ++i) {
    const Extended x = arg(g);
    EXPECT_EQ(Atan(-x), -Atan(x)) << static_cast<double>(x);
    EXPECT_EQ(Tanh(-x), -Tanh(x)) << static_cast<double>(x);
    EXPECT_EQ(Sinh(-x), -Sinh(x)) << static_cast<double>(x);
    EXPECT_EQ(Cosh(-x), Cosh(x)) << static_cast<double>(x);
    EXPECT_EQ(sinOf(-x), -sinOf(x)) << static_cast<double>(x);
    EXPECT_EQ(cosOf(-x), cosOf(x)) << static_cast<double>(x);
  }
}

TEST(ExtendedMath, EitherSinCosOutputMayBeLeftOut) {
  for (Extended x : {0.1L, 0.7L, -0.5L, 0.0L, -0.78L, 1e-12L}) {
    Extended s = 0, c = 0, s1 = 0, c1 = 0;
    SinCosReduced(x, &s, &c);
    SinCosReduced(x, &s1, nullptr);
    SinCosReduced(x, nullptr, &c1);
    EXPECT_EQ(s1, s);
    EXPECT_EQ(c1, c);
    SinCosReduced(x, nullptr, nullptr);
  }
}

// ---- the ends of e^x's range -----------------------------------------------

// The largest long double whose e^x satisfies pred, for pred true at lo and
// false at hi (bisection on the ordered bit patterns, by the oracle).
Extended lastWhere(Extended lo, Extended hi, const std::function<bool(const Big&)>& pred) {
  while (next(lo, hi) != hi) {
    Extended mid = lo + (hi - lo) / 2;
    if (mid == lo || mid == hi) mid = next(lo, hi);
    (pred(exp(Big(mid))) ? lo : hi) = mid;
  }
  return lo;
}

TEST(ExtendedMath, ExpOverflowsExactlyWhereTheTrueValueRoundsAboveTheLargestFinite) {
  // Rounding to nearest gives infinity from LDBL_MAX + half its ulp on.
  const Big limit = Big(LDBL_MAX) + ldexp(Big(1), LDBL_MAX_EXP - 1 - 64);
  const Extended last = lastWhere(11356, 11357, [&](const Big& v) { return v < limit; });
  EXPECT_TRUE(std::isfinite(Exp(last))) << static_cast<double>(last);
  EXPECT_LE(ulpError(Exp(last), exp(Big(last))), 0.51);
  EXPECT_EQ(Exp(next(last, kInf)), kInf);
}

TEST(ExtendedMath, ExpUnderflowsGraduallyAndToZeroWhereTheTrueValueDemands) {
  // Below half the smallest subnormal the result rounds to 0.
  const Big half = ldexp(Big(1), LDBL_MIN_EXP - 1 - 64);
  const Extended last = lastWhere(-11400, -11398, [&](const Big& v) { return v < half; });
  EXPECT_EQ(Exp(last), 0) << static_cast<double>(last);
  EXPECT_EQ(Exp(next(last, kInf)), kMinSub);
  // The last normal result and the first subnormal one.
  const Extended lastSub = lastWhere(-11357, -11355, [](const Big& v) { return v < Big(LDBL_MIN); });
  EXPECT_LT(Exp(lastSub), LDBL_MIN);
  EXPECT_LE(ulpError(Exp(lastSub), exp(Big(lastSub))), 0.51);
  EXPECT_GE(Exp(next(lastSub, kInf)), LDBL_MIN);
}

// sinh and cosh are e^|x|/2 near the end of the range: finite up to where
// that value rounds past the largest finite one.
TEST(ExtendedMath, SinhAndCoshOverflowExactlyWhereTheTrueValueRoundsAboveTheLargestFinite) {
  const Big limit = Big(LDBL_MAX) + ldexp(Big(1), LDBL_MAX_EXP - 1 - 64);
  const Extended last = lastWhere(11357, 11358, [&](const Big& v) { return v / 2 < limit; });
  for (Extended x : {last, -last}) {
    EXPECT_TRUE(std::isfinite(Cosh(x))) << static_cast<double>(x);
    EXPECT_LE(ulpError(Cosh(x), cosh(Big(x))), 0.51);
    EXPECT_LE(ulpError(Sinh(x), sinh(Big(x))), 0.51);
  }
  EXPECT_EQ(Cosh(next(last, kInf)), kInf);
  EXPECT_EQ(Cosh(-next(last, kInf)), kInf);
  EXPECT_EQ(Sinh(next(last, kInf)), kInf);
  EXPECT_EQ(Sinh(-next(last, kInf)), -kInf);
}

// ---- agreement with the C library ---------------------------------------------

// Arguments on both sides of every branch of the kernels: thresholds of the
// inline paths, table boundaries, the ends of the ranges, and their neighbours.
std::vector<Extended> branchGrid() {
  std::vector<Extended> base = {kMinSub, LDBL_MIN, 0x1p-1000L, 0x1p-64L, 0x1p-33L, 0x1p-32L, 0x1p-5L,
                                0x1p-4L, 3.5L / 64, 5.5L / 64, 0.1L, 0.5L, 0.78539816339744830962L, 1, 2,
                                10, 22.9L, 23, 100, 0x1p30L, 700, 704, 708, 1000, 0x1p64L, 0x1p65L, 11356,
                                11357, 11399, 11400, 1e300L, 0x1p1000L, 1e4000L, LDBL_MAX, kInf};
  std::vector<Extended> grid = {0};
  for (Extended b : base)
    for (Extended x : {next(b, 0), b, next(b, kInf)})
      if (std::isfinite(x) || std::isinf(b)) {
        grid.push_back(x);
        grid.push_back(-x);
      }
  return grid;
}

TEST(ExtendedMath, SignsAndFinitenessAgreeWithTheCLibrary) {
  struct Pair {
    const char* name;
    Fn ours;
    Extended (*libc)(Extended);
  };
  for (const Pair& p : std::vector<Pair>{{"Exp", Exp, expl},
                                         {"Ln", Ln, logl},
                                         {"Log10", Log10, log10l},
                                         {"Atan", Atan, atanl},
                                         {"Tanh", Tanh, tanhl},
                                         {"Sinh", Sinh, sinhl},
                                         {"Cosh", Cosh, coshl},
                                         {"sin", sinOf, sinl},
                                         {"cos", cosOf, cosl}}) {
    for (Extended x : branchGrid()) {
      const Extended a = p.ours(x), b = p.libc(x);
      EXPECT_EQ(std::isnan(a), std::isnan(b)) << p.name << "(" << static_cast<double>(x) << ")";
      EXPECT_EQ(std::isfinite(a), std::isfinite(b)) << p.name << "(" << static_cast<double>(x) << ")";
      if (!std::isnan(a)) {
        EXPECT_EQ(std::signbit(a), std::signbit(b)) << p.name << "(" << static_cast<double>(x) << ")";
      }
      // Both are within an ulp or so of the truth.
      if (std::isfinite(b) && std::fabs(b) >= LDBL_MIN) {
        EXPECT_LE(std::fabs(a - b), std::fabs(b) * 0x1p-61L) << p.name << "(" << static_cast<double>(x) << ")";
      }
    }
  }
}

}  // namespace
}  // namespace zw::xmath
