// Computes the tables and polynomial coefficients of the extended-precision
// kernels (kernel/ExtendedMath.h) in 100-digit arithmetic and prints them as
// a C++ header of hex-float literals. The result is committed as
// kernel/ExtendedMathTables.h; run this again only to change a table or a
// degree:
//   build/bin/make_xmath_constants > kernel/ExtendedMathTables.h
//
// Each polynomial is the interpolant of its function at Chebyshev nodes of
// the interval the kernel feeds it (near the minimax polynomial, without an
// exchange iteration). The generator picks the smallest degree whose error,
// measured on a fine grid, stays below the bound the kernel needs, and keeps
// in 64-bit precision only the leading coefficients whose rounding to double
// would spoil that bound. Each polynomial's measured error is printed beside
// it.
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Big = boost::multiprecision::number<boost::multiprecision::cpp_bin_float<100>>;
using std::vector;

const Big kPi = boost::math::constants::pi<Big>();
const Big kLn2 = log(Big(2));
const Big kLn10 = log(Big(10));

// x rounded to the nearest multiple of 2^-q (ties to even).
Big roundToGrid(const Big& x, int q) {
  const Big scaled = ldexp(x, q);
  Big n = floor(scaled);
  const Big rest = scaled - n;
  if (rest > 0.5 || (rest == 0.5 && fmod(n, Big(2)) != 0)) n += 1;
  return ldexp(n, -q);
}

// x rounded to `bits` significant bits.
Big roundToBits(const Big& x, int bits) {
  if (x == 0) return x;
  int e = 0;
  frexp(x, &e);  // |x| = f * 2^e, f in [0.5, 1)
  return roundToGrid(x, bits - e);
}

// Values that are exactly representable in the target type, so these casts are exact.
long double toLongDouble(const Big& x) {
  const Big r = roundToBits(x, 64);
  const long double v = static_cast<long double>(r);
  if (Big(v) != r) throw std::runtime_error("inexact conversion to long double");
  return v;
}
double toDouble(const Big& x) {
  const Big r = roundToBits(x, 53);
  const double v = static_cast<double>(r);
  if (Big(v) != r) throw std::runtime_error("inexact conversion to double");
  return v;
}

std::string hexL(const Big& x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%LaL", toLongDouble(x));
  return buf;
}
std::string hexD(const Big& x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%a", toDouble(x));
  return buf;
}

// A table value as three doubles: hi + mid is the value rounded to 64 bits
// (mid has at most 11 bits, so the x87 sum is exact), lo the rest. The kernels
// read tables at addresses they have just computed, and an 80-bit load from
// such an address stalls the x87 unit for the whole computation of the
// address; loads of doubles do not.
std::string triple(const Big& x) {
  const Big v64 = roundToBits(x, 64);
  const Big hi = roundToBits(v64, 53);
  return hexD(hi) + ", " + hexD(v64 - hi) + ", " + hexD(x - v64);
}

double log2Of(const Big& x) { return x == 0 ? -999.0 : static_cast<double>(log(abs(x)) / kLn2); }

// Solves a dense linear system (small, well conditioned at Chebyshev nodes).
vector<Big> solve(vector<vector<Big>> a, vector<Big> b) {
  const size_t n = b.size();
  for (size_t col = 0; col < n; ++col) {
    size_t pivot = col;
    for (size_t r = col + 1; r < n; ++r)
      if (abs(a[r][col]) > abs(a[pivot][col])) pivot = r;
    std::swap(a[col], a[pivot]);
    std::swap(b[col], b[pivot]);
    for (size_t r = col + 1; r < n; ++r) {
      const Big f = a[r][col] / a[col][col];
      for (size_t c = col; c < n; ++c) a[r][c] -= f * a[col][c];
      b[r] -= f * b[col];
    }
  }
  vector<Big> x(n);
  for (size_t i = n; i-- > 0;) {
    Big s = b[i];
    for (size_t c = i + 1; c < n; ++c) s -= a[i][c] * x[c];
    x[i] = s / a[i][i];
  }
  return x;
}

Big horner(const vector<Big>& c, const Big& v) {
  Big p = 0;
  for (size_t i = c.size(); i-- > 0;) p = p * v + c[i];
  return p;
}

// A polynomial g(v) ≈ f(v) on [lo, hi]; the kernel's error is
// weight(v) * |g(v) - f(v)| relative to its result, and must stay below 2^bound.
struct Fit {
  const char* name;
  const char* what;
  std::function<Big(const Big&)> f;
  Big lo, hi;
  std::function<Big(const Big&)> weight;
  double bound;
};

struct FitResult {
  vector<Big> coeffs;
  size_t leadLong = 0;  // how many leading coefficients stay long double
  double error = 0;     // log2 of the measured weighted error
};

double measure(const Fit& fit, const vector<Big>& c, bool rounded, size_t leadLong) {
  vector<Big> used = c;
  if (rounded)
    for (size_t i = 0; i < used.size(); ++i)
      used[i] = i < leadLong ? Big(toLongDouble(used[i])) : Big(toDouble(used[i]));
  Big worst = 0;
  const int samples = 4000;
  for (int i = 0; i <= samples; ++i) {
    const Big v = fit.lo + (fit.hi - fit.lo) * i / samples;
    const Big err = abs(horner(used, v) - fit.f(v)) * fit.weight(v);
    if (err > worst) worst = err;
  }
  return log2Of(worst);
}

FitResult fitPolynomial(const Fit& fit) {
  for (size_t n = 2; n <= 16; ++n) {
    vector<vector<Big>> a(n, vector<Big>(n));
    vector<Big> b(n);
    for (size_t k = 0; k < n; ++k) {
      const Big node = cos(kPi * (2 * k + 1) / (2 * n));
      const Big v = (fit.lo + fit.hi) / 2 + (fit.hi - fit.lo) / 2 * node;
      Big p = 1;
      for (size_t i = 0; i < n; ++i, p *= v) a[k][i] = p;
      b[k] = fit.f(v);
    }
    FitResult r;
    r.coeffs = solve(a, b);
    if (measure(fit, r.coeffs, false, 0) > fit.bound - 2) continue;
    for (r.leadLong = 0; r.leadLong <= n; ++r.leadLong) {
      r.error = measure(fit, r.coeffs, true, r.leadLong);
      if (r.error <= fit.bound) return r;
    }
  }
  throw std::runtime_error(std::string("no polynomial reaches the bound for ") + fit.name);
}

void printFit(const Fit& fit) {
  const FitResult r = fitPolynomial(fit);
  std::printf("// %s\n// degree %zu on [%s, %s]; weighted error 2^%.1f (needed: 2^%.0f)\n", fit.what,
              r.coeffs.size() - 1, hexD(fit.lo).c_str(), hexD(fit.hi).c_str(), r.error, fit.bound);
  std::printf("inline constexpr long double %sL[] = {", fit.name);
  for (size_t i = 0; i < r.leadLong; ++i) std::printf("%s%s", i ? ", " : "", hexL(r.coeffs[i]).c_str());
  if (r.leadLong == 0) std::printf("0.0L");  // an array may not be empty; the kernel skips it
  std::printf("};\n");
  std::printf("inline constexpr int %sLeadCount = %zu;\n", fit.name, r.leadLong);
  std::printf("inline constexpr double %sD[] = {", fit.name);
  for (size_t i = r.leadLong; i < r.coeffs.size(); ++i)
    std::printf("%s%s", i > r.leadLong ? ", " : "", hexD(r.coeffs[i]).c_str());
  std::printf("};\n\n");
}

// Sums of power series with alternating or plain signs, to full precision
// for the small arguments used here (no cancellation near 0).
Big series(const Big& v, const std::function<Big(int)>& term) {
  Big s = 0;
  for (int i = 0; i < 120; ++i) {
    const Big t = term(i);
    s += t;
    if (abs(t) < ldexp(Big(1), -400) * (abs(s) + 1)) break;
  }
  return s;
}

Big factorial(int n) {
  Big f = 1;
  for (int i = 2; i <= n; ++i) f *= i;
  return f;
}

// ---- the tables ------------------------------------------------------------

constexpr int kExpBits = 7;  // 2^7 steps of ln2/128 per power of two
constexpr int kLnBits = 8;   // mantissa split into 2^8 intervals
constexpr int kSinSteps = 64;  // table of sin and cos at j/64
constexpr int kSinMaxIndex = 51;  // pi/4 * 64 = 50.3, with a margin
constexpr int kSinSmallIndex = 5;  // |j| up to this: polynomials alone
constexpr int kAtanSteps = 128;   // table of atan at j/128

void printExp() {
  const int n = 1 << kExpBits;
  const Big step = kLn2 / n;
  // The step's leading part has 43 bits, so m * step for |m| < 2^21 is exact.
  int e = 0;
  frexp(step, &e);
  const Big stepHi = roundToGrid(step, 43 - e);
  std::printf("// ---- e^x: x = (128 k + j) ln2/128 + r, |r| <= ln2/256 ----\n");
  std::printf("inline constexpr int kExpTableBits = %d;\n", kExpBits);
  std::printf("inline constexpr double kExpInvStep = %s;  // 128/ln2\n", hexD(n / kLn2).c_str());
  std::printf("inline constexpr double kExpStepHi = %s;  // ln2/128, 43 bits\n", hexD(stepHi).c_str());
  std::printf("inline constexpr double kExpStepLo = %s;\n", hexD(step - stepHi).c_str());
  std::printf("struct ExpEntry { double hi, mid, lo; };\n");
  std::printf("// 2^(j/128) as hi + mid (64 bits) + lo\ninline constexpr ExpEntry kExp2[%d] = {\n", n);
  for (int j = 0; j < n; ++j) std::printf("    {%s},\n", triple(pow(Big(2), Big(j) / n)).c_str());
  std::printf("};\n\n");
  // e^r = 1 + r + r^2 g(r); the error r^2 dg is relative to a result near 1.
  const Big reach = step / 2 * (1 + ldexp(Big(1), -20));
  printFit({"kExpPoly", "g(r) = (e^r - 1 - r) / r^2", [](const Big& r) {
              return series(r, [&](int i) { return pow(r, i) / factorial(i + 2); });
            },
            -reach, reach, [](const Big& r) { return r * r; }, -72});
}

void printLn() {
  const int n = 1 << kLnBits;
  std::printf("// ---- ln x = e ln2 - ln(inv_j) + log1p(t), t = m inv_j - 1 ----\n");
  std::printf("inline constexpr int kLnTableBits = %d;\n", kLnBits);
  // e * ln2Hi + lnHi is exact in a double for |e| < 2^15 (multiples of
  // 2^-38, below 2^14), and so is its sum with m inv_j - 1, a multiple of 2^-49
  // below 2^-8, in an extended real. For log10 the same with 2^-39.
  const Big ln2Hi = roundToGrid(kLn2, 38);
  const Big lg2 = log(Big(2)) / kLn10;
  const Big lg2Hi = roundToGrid(lg2, 39);
  std::printf("inline constexpr double kLn2Hi = %s;  // multiple of 2^-38\n", hexD(ln2Hi).c_str());
  std::printf("inline constexpr double kLn2Lo = %s;\n", hexD(kLn2 - ln2Hi).c_str());
  std::printf("inline constexpr double kLog10Of2Hi = %s;  // multiple of 2^-39\n", hexD(lg2Hi).c_str());
  std::printf("inline constexpr double kLog10Of2Lo = %s;\n", hexD(lg2 - lg2Hi).c_str());
  const Big invLn10 = 1 / kLn10;
  const Big invLn10Hi = roundToBits(invLn10, 24);
  std::printf("inline constexpr double kInvLn10Hi = %s;  // 24 bits\n", hexD(invLn10Hi).c_str());
  std::printf("inline constexpr double kInvLn10Lo = %s;\n", hexD(invLn10 - invLn10Hi).c_str());
  std::printf("inline constexpr long double kInvLn10 = %s;\n", hexL(invLn10).c_str());
  std::printf("struct LnEntry { double inv, lnHi, lnLo, lgHi, lgLo; };\n");
  std::printf("// inv_j ~ 1/(1 + j/256) with 18 bits (1 for j = 0), -ln(inv_j), -log10(inv_j)\n");
  std::printf("inline constexpr LnEntry kLnTable[%d] = {\n", n);
  Big worstT = 0;
  for (int j = 0; j < n; ++j) {
    const Big c = 1 + Big(j) / n;
    const Big inv = j == 0 ? Big(1) : roundToBits(1 / c, 18);
    const Big ln = -log(inv);
    const Big lg = ln / kLn10;
    const Big lnHi = roundToGrid(ln, 38);
    const Big lgHi = roundToGrid(lg, 39);
    const Big half = Big(1) / (2 * n);
    for (const Big& m : {c - half, c + half}) worstT = std::max(worstT, abs(m * inv - 1));
    std::printf("    {%s, %s, %s, %s, %s},\n", hexD(inv).c_str(), hexD(lnHi).c_str(), hexD(ln - lnHi).c_str(),
                hexD(lgHi).c_str(), hexD(lg - lgHi).c_str());
  }
  std::printf("};\n\n");
  // log1p(t) = t - t^2/2 + t^3 g(t); near x = 1 the result is t itself, so
  // the error t^3 dg is relative to t.
  const Big reach = worstT * (1 + ldexp(Big(1), -20));
  printFit({"kLnPoly", "g(t) = (log1p(t) - t + t^2/2) / t^3", [](const Big& t) {
              return series(t, [&](int i) { return (i % 2 ? -1 : 1) * pow(t, i) / (i + 3); });
            },
            -reach, reach, [](const Big& t) { return t * t; }, -73});
}

void printSinCos() {
  std::printf("// ---- sin and cos of |r| <= pi/4: tables at j/64, polynomials near 0 ----\n");
  const Big halfPi = kPi / 2;
  // The three parts of pi/2 that the argument reduction subtracts are kept in
  // ExtendedMath.h, which checks them against these.
  const Big p1 = floor(ldexp(halfPi, 31)) / ldexp(Big(1), 31);
  const Big p2 = floor(ldexp(halfPi - p1, 65)) / ldexp(Big(1), 65);
  const Big rest = halfPi - p1 - p2;
  const Big p3 = roundToBits(rest, 64);
  std::printf("// pi/2 = kPiHalf1 + kPiHalf2 + kPiHalf3 to about 128 bits\n");
  std::printf("inline constexpr long double kPiHalf1Check = %s;\n", hexL(p1).c_str());
  std::printf("inline constexpr long double kPiHalf2Check = %s;\n", hexL(p2).c_str());
  std::printf("inline constexpr long double kPiHalf3Check = %s;\n", hexL(p3).c_str());
  std::printf("inline constexpr int kSinSteps = %d;\ninline constexpr int kSinMaxIndex = %d;\n", kSinSteps,
              kSinMaxIndex);
  std::printf("struct SinCosEntry { double sinHi, sinMid, sinLo, cosHi, cosMid, cosLo; };\n");
  std::printf("// sin and cos of j/64 for j = -%d..%d, each as hi + mid (64 bits) + lo\n", kSinMaxIndex,
              kSinMaxIndex);
  std::printf("inline constexpr SinCosEntry kSinCos[%d] = {\n", 2 * kSinMaxIndex + 1);
  for (int j = -kSinMaxIndex; j <= kSinMaxIndex; ++j) {
    const Big a = Big(j) / kSinSteps;
    std::printf("    {%s,\n     %s},\n", triple(sin(a)).c_str(), triple(cos(a)).c_str());
  }
  std::printf("};\n\n");
  // Near 0 the polynomials alone.
  std::printf("inline constexpr int kSinSmallIndex = %d;\n\n", kSinSmallIndex);
  const Big small = (kSinSmallIndex + Big(0.5)) / kSinSteps * (1 + ldexp(Big(1), -20));
  const Big v0 = small * small;
  // sin r = r - r^3/6 + r^5 g(r^2): error r^4 dg relative to r.
  std::printf("inline constexpr long double kMinusSixth = %s;\n", hexL(Big(-1) / 6).c_str());
  printFit({"kSinSmall", "g(v) = (sin r - r + r^3/6) / r^5, v = r^2", [](const Big& v) {
              return series(v, [&](int i) { return (i % 2 ? -1 : 1) * pow(v, i) / factorial(2 * i + 5); });
            },
            Big(0), v0, [](const Big& v) { return v * v; }, -72});
  // cos r = 1 - r^2/2 + r^4 g(r^2): error r^4 dg relative to about 1.
  printFit({"kCosSmall", "g(v) = (cos r - 1 + r^2/2) / r^4, v = r^2", [](const Big& v) {
              return series(v, [&](int i) { return (i % 2 ? -1 : 1) * pow(v, i) / factorial(2 * i + 4); });
            },
            Big(0), v0, [](const Big& v) { return v * v; }, -72});
  // Beside a table point, |d| <= 1/128: sin d = d + d^3 g(d^2) and cos d =
  // 1 - d^2/2 + d^4 h(d^2). Their errors are absolute; the results are at least 0.085.
  const Big reach = Big(1) / (2 * kSinSteps) * (1 + ldexp(Big(1), -20));
  const Big v1 = reach * reach;
  printFit({"kSinNear", "g(v) = (sin d - d) / d^3, v = d^2", [](const Big& v) {
              return series(v, [&](int i) { return (i % 2 ? 1 : -1) * pow(v, i) / factorial(2 * i + 3); });
            },
            Big(0), v1, [](const Big& v) { return v * sqrt(v); }, -77});
  printFit({"kCosNear4", "h(v) = (cos d - 1 + d^2/2) / d^4, v = d^2", [](const Big& v) {
              return series(v, [&](int i) { return (i % 2 ? -1 : 1) * pow(v, i) / factorial(2 * i + 4); });
            },
            Big(0), v1, [](const Big& v) { return v * v; }, -76});
}

void printAtan() {
  std::printf("// ---- atan: polynomial below 1/16, else atan(c) + atan(t) with c = j/128 ----\n");
  const Big halfPi = kPi / 2;
  const Big hpHi = roundToBits(halfPi, 64);
  std::printf("inline constexpr long double kHalfPiHi = %s;\n", hexL(hpHi).c_str());
  std::printf("inline constexpr double kHalfPiLo = %s;\n", hexD(halfPi - hpHi).c_str());
  std::printf("inline constexpr int kAtanSteps = %d;\n", kAtanSteps);
  std::printf("struct AtanEntry { double hi, mid, lo; };\n");
  std::printf("// atan(j/128), j = 0..128, as hi + mid (64 bits) + lo\n");
  std::printf("inline constexpr AtanEntry kAtan[%d] = {\n", kAtanSteps + 1);
  for (int j = 0; j <= kAtanSteps; ++j) std::printf("    {%s},\n", triple(atan(Big(j) / kAtanSteps)).c_str());
  std::printf("};\n");
  std::printf("// pi/2 - atan(j/128), j = 0..128, as hi + mid (64 bits) + lo\n");
  std::printf("inline constexpr AtanEntry kAtanCo[%d] = {\n", kAtanSteps + 1);
  for (int j = 0; j <= kAtanSteps; ++j)
    std::printf("    {%s},\n", triple(halfPi - atan(Big(j) / kAtanSteps)).c_str());
  std::printf("};\n\n");
  const Big small = Big(1) / 16 * (1 + ldexp(Big(1), -20));
  auto g = [](const Big& v) {
    return series(v, [&](int i) { return (i % 2 ? 1 : -1) * pow(v, i) / (2 * i + 3); });
  };
  // atan x = x + x^3 g(x^2): error x^2 dg relative to x.
  printFit({"kAtanSmall", "g(v) = (atan x - x) / x^3, v = x^2", g, Big(0), small * small,
            [](const Big& v) { return v; }, -72});
  // t beside a table point (|x - c| <= 1/256, or the same for 1/x), the result
  // at least atan(7.5/128) = 0.058: the error t^3 dg is absolute.
  const Big reach = Big(1) / (2 * kAtanSteps) * (1 + ldexp(Big(1), -8));
  printFit({"kAtanNear", "g(v) = (atan t - t) / t^3, v = t^2", g, Big(0), reach * reach,
            [](const Big& v) { return v * sqrt(v) * 17; }, -72});
}

void printTanh() {
  std::printf("// ---- tanh below 1/16 (beyond it from e^2x - 1 with the e^x tables) ----\n");
  const Big small = Big(1) / 16 * (1 + ldexp(Big(1), -20));
  // tanh x = x + x^3 g(x^2): error x^2 dg relative to x.
  printFit({"kTanhSmall", "g(v) = (tanh x - x) / x^3, v = x^2",
            [](const Big& v) {
              if (v == 0) return Big(-1) / 3;
              const Big x = sqrt(v);
              return (tanh(x) - x) / (v * x);
            },
            Big(0), small * small, [](const Big& v) { return v; }, -72});
}

}  // namespace

int main() {
  std::printf(
      "#pragma once\n"
      "// Tables and polynomial coefficients of the extended-precision kernels\n"
      "// (kernel/ExtendedMath.h), computed in 100-digit arithmetic by\n"
      "// tools/make_xmath_constants.cpp. Do not edit: change the generator and run\n"
      "//   build/bin/make_xmath_constants > kernel/ExtendedMathTables.h\n"
      "// Each polynomial array pair is one polynomial in ascending powers: first\n"
      "// the <name>LeadCount coefficients of <name>L (64-bit), then <name>D.\n\n"
      "namespace zw::xmath::tables {\n\n");
  printExp();
  printLn();
  printSinCos();
  printAtan();
  printTanh();
  std::printf("}  // namespace zw::xmath::tables\n");
  return 0;
}
