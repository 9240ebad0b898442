#include "kernel/Poly.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <utility>

#include <boost/multiprecision/cpp_int.hpp>

#include "kernel/KernelMessages.h"
#include "kernel/PolyText.h"
#include "kernel/Random.h"
#include "kernel/Roots.h"

namespace zw {

namespace {

using BigInt = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;
// Exact polynomial, index = power; trailing zeros are allowed.
using RPoly = std::vector<Rational>;

PolyMessageSink* g_sink = nullptr;

Rational toRational(TBruch f) {
  if (f.n == 0) throw CalcFailure(msg::DivisionByZero, "fraction with denominator 0");
  // The big-rational constructor refuses a negative denominator.
  const int64_t z = f.z, n = f.n;
  return n < 0 ? Rational(-z, -n) : Rational(z, n);
}

int32_t narrowBig(const BigInt& v) {
  if (abs(v) > kBruchMax) throw FractionOverflow();
  return v.convert_to<int32_t>();
}

TBruch toBruch(const Rational& q) {
  return TBruch{narrowBig(numerator(q)), narrowBig(denominator(q))};
}

RPoly toRPoly(const TPoly& p) {
  RPoly r(p.size());
  for (size_t i = 0; i < p.size(); ++i) r[i] = toRational(p[i]);
  return r;
}

int degreeOf(const RPoly& p) {
  for (int i = static_cast<int>(p.size()) - 1; i > 0; --i)
    if (p[i] != 0) return i;
  return 0;
}

bool isZero(const RPoly& p) {
  return std::all_of(p.begin(), p.end(), [](const Rational& c) { return c == 0; });
}

TPoly fromRPoly(const RPoly& r) {
  if (degreeOf(r) > PolyMaxDegree) throw CalcFailure(msg::ImproperData, "degree above 36");
  TPoly p{};
  for (size_t i = 0; i < r.size() && i < p.size(); ++i) p[i] = toBruch(r[i]);
  return p;
}

RPoly mulR(const RPoly& a, const RPoly& b) {
  const int da = degreeOf(a), db = degreeOf(b);
  RPoly c(static_cast<size_t>(da + db + 1));
  for (int i = 0; i <= da; ++i) {
    if (a[i] == 0) continue;
    for (int j = 0; j <= db; ++j) c[i + j] += a[i] * b[j];
  }
  return c;
}

// Long division; b must not be zero.
void divModR(const RPoly& a, const RPoly& b, RPoly& q, RPoly& r) {
  r = a;
  const int m = degreeOf(b);
  const int n = degreeOf(r);
  q.assign(r.size(), Rational(0));
  if (m > n) return;
  const Rational& lead = b[m];
  for (int k = n; k >= m; --k) {
    if (r[k] == 0) continue;
    const Rational t = r[k] / lead;
    q[k - m] = t;
    for (int j = 0; j <= m; ++j) r[k - m + j] -= t * b[j];
  }
}

Rational valueR(const TPoly& p, const Rational& x) {
  Rational v = 0;
  for (int i = PolyMaxDegree; i >= 0; --i) v = v * x + toRational(p[i]);
  return v;
}

// Whole coprime coefficients; the factor f with p = f·result. All zero
// gives the zero polynomial and f = 0.
RPoly primitiveR(const RPoly& p, Rational& factor) {
  BigInt l = 1;
  for (const Rational& c : p)
    if (c != 0) l = boost::multiprecision::lcm(l, denominator(c));
  RPoly q(p.size());
  BigInt g = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    q[i] = p[i] * l;
    if (q[i] != 0) g = abs(boost::multiprecision::gcd(g, numerator(q[i])));
  }
  if (g == 0) {
    factor = 0;
    return q;
  }
  for (Rational& c : q) c /= g;
  factor = Rational(g, l);
  return q;
}

void notify(int messageNumber) {
  if (CollectKernelMessage(messageNumber)) return;
  if (g_sink) g_sink->showMessage(messageNumber);
}

}  // namespace

PolyMessageSink* SetPolyMessageSink(PolyMessageSink* sink) { return std::exchange(g_sink, sink); }

void PolyClear(TPoly& p) { p.fill(TBruch{0, 1}); }

void PolyCopy(const TPoly& p, TPoly& q) { q = p; }

int PolyDegree(const TPoly& p) {
  for (int i = PolyMaxDegree; i > 0; --i)
    if (p[i].z != 0) return i;
  return 0;
}

bool PolyIsZero(const TPoly& p) {
  return std::all_of(p.begin(), p.end(), [](TBruch c) { return c.z == 0; });
}

Extended PolyValue(const TPoly& p, Extended x) {
  Extended v = 0;
  for (int i = PolyMaxDegree; i >= 0; --i) v = v * x + BruchToReal(p[i]);
  return std::fabs(v) < 1e-15L ? 0 : v;
}

TBruch PolyValueBruch(const TPoly& p, TBruch x) { return toBruch(valueR(p, toRational(x))); }

Extended RatFuncValue(const TPoly& z, const TPoly& n, bool& defined, Extended x) {
  const Extended d = PolyValue(n, x);
  defined = d != 0;
  if (!defined) return 1e300L;
  return PolyValue(z, x) / d;
}

Extended RatFuncValueAt(const TPoly& z, const TPoly& n, Extended x) {
  bool defined = false;
  return RatFuncValue(z, n, defined, x);
}

void PolySub(const TPoly& a, const TPoly& b, TPoly& c) {
  TPoly r{};
  for (size_t i = 0; i < r.size(); ++i) r[i] = BruchSub(a[i], b[i]);
  c = r;
}

void PolyMul(const TPoly& a, const TPoly& b, TPoly& c) {
  if (PolyDegree(a) + PolyDegree(b) > PolyMaxDegree) {
    PolyClear(c);
    notify(msg::ImproperData);
    return;
  }
  c = fromRPoly(mulR(toRPoly(a), toRPoly(b)));
}

void PolyDivMod(const TPoly& a, const TPoly& b, TPoly& q, TPoly& r, bool& exact) {
  if (PolyIsZero(b)) {
    const TPoly copy = a;
    PolyClear(q);
    r = copy;
    exact = PolyIsZero(r);
    return;
  }
  RPoly rq, rr;
  divModR(toRPoly(a), toRPoly(b), rq, rr);
  q = fromRPoly(rq);
  r = fromRPoly(rr);
  exact = isZero(rr);
}

bool PolyDivides(const TPoly& a, const TPoly& b) {
  TPoly q, r;
  bool exact = false;
  PolyDivMod(a, b, q, r, exact);
  return exact;
}

void PolyMulDiv(const TPoly& a, const TPoly& b, const TPoly& c, TPoly& d) {
  if (PolyDegree(a) + PolyDegree(b) > PolyMaxDegree) {
    PolyClear(d);
    notify(msg::ImproperData);
    return;
  }
  if (PolyIsZero(c)) {
    PolyClear(d);
    return;
  }
  // The product stays exact even where its own coefficients would not fit.
  RPoly q, r;
  divModR(mulR(toRPoly(a), toRPoly(b)), toRPoly(c), q, r);
  d = fromRPoly(q);
}

void PolyDerivative(const TPoly& p, TPoly& d) {
  TPoly r{};
  for (int i = 1; i <= PolyMaxDegree; ++i) r[i - 1] = BruchMul(TBruch{i, 1}, p[i]);
  d = r;
}

void PolyAddConst(const TPoly& p, TBruch c, TPoly& q) {
  TPoly r = p;
  r[0] = BruchOp(p[0], c, '+');
  q = r;
}

void PolyScale(const TPoly& p, TBruch k, TPoly& q) {
  TPoly r{};
  for (size_t i = 0; i < r.size(); ++i) r[i] = BruchMul(p[i], k);
  q = r;
}

void PolyStretchX(const TPoly& p, TBruch k, TPoly& q) {
  const Rational rk = toRational(k);
  if (rk == 0) throw CalcFailure(msg::DivisionByZero, "stretch factor 0");
  RPoly r = toRPoly(p);
  Rational power = 1;
  for (Rational& c : r) {
    c /= power;
    power *= rk;
  }
  q = fromRPoly(r);
}

void PolyShift(const TPoly& p, TBruch h, TPoly& q) {
  // Horner with (x + h): ((p_d)(x + h) + p_{d-1})(x + h) + …
  const RPoly src = toRPoly(p);
  const Rational rh = toRational(h);
  const int d = degreeOf(src);
  RPoly acc(static_cast<size_t>(d + 1));
  for (int i = d; i >= 0; --i) {
    // acc := acc·(x + h) + p_i
    for (int j = d; j >= 1; --j) acc[j] = acc[j - 1] + acc[j] * rh;
    acc[0] = acc[0] * rh + src[i];
  }
  q = fromRPoly(acc);
}

void PolyMakeInteger(TPoly& p, TBruch& factor) {
  Rational f;
  const RPoly w = primitiveR(toRPoly(p), f);
  const TPoly result = fromRPoly(w);
  factor = f == 0 ? TBruch{1, 1} : toBruch(f);
  p = result;
}

void PolyToIntegerCoeffs(const TPoly& p, TPoly& q, TBruch& factor) {
  Rational f;
  const RPoly w = primitiveR(toRPoly(p), f);
  TPoly result = fromRPoly(w);
  if (f == 0) result[0] = TBruch{1, 1};
  factor = toBruch(f);
  q = result;
}

void PolyLeadingPositive(TPoly& p, bool& negated) {
  negated = false;
  for (int i = PolyMaxDegree; i >= 0; --i) {
    if (p[i].z == 0) continue;
    if ((p[i].z < 0) != (p[i].n < 0)) {
      for (TBruch& c : p) c.z = BruchNarrow(-static_cast<int64_t>(c.z));
      negated = true;
    }
    return;
  }
}

void LeadingRatio(const TPoly& z, const TPoly& n, TBruch& ratio, TPoly& zInt, TPoly& nInt) {
  TBruch fz, fn;
  TPoly zi, ni;
  PolyToIntegerCoeffs(z, zi, fz);
  PolyToIntegerCoeffs(n, ni, fn);
  ratio = BruchDiv(fz, fn);
  zInt = zi;
  nInt = ni;
}

std::vector<int32_t> IntDivisors(int32_t a) {
  const int64_t m = std::llabs(static_cast<int64_t>(a));
  if (m == 0) return {1, 0};
  std::vector<int32_t> list;
  for (int64_t i = 1; i * i <= m; ++i) {
    if (m % i != 0) continue;
    list.push_back(static_cast<int32_t>(i));
    if (i != m / i) list.push_back(static_cast<int32_t>(m / i));
  }
  return list;
}

namespace {

// Calls confirm(±c, d) for every candidate c/d (c from C, d from D, in list
// order, + before −) at which the polynomial nearly vanishes. This is only a
// cheap filter with a generous relative tolerance; confirm decides exactly
// (an absolute 1e-15 test misses zeros of polynomials with large values).
template <typename Confirm>
void searchCandidates(const TPoly& w, int deg, const std::vector<int32_t>& C,
                      const std::vector<int32_t>& D, Confirm confirm) {
  // Even and odd parts, p(±x) = E(x²) ± x·O(x²), serve both signs in one
  // pass. For x > 1 the reversed polynomial at y = 1/x has the same zeros
  // (p(x) = x^deg·rev(1/x)) and stays in range for every degree.
  struct Parts {
    std::vector<double> even, odd;
  };
  auto split = [&](bool reversed) {
    Parts parts;
    auto coeff = [&](int i) { return static_cast<double>(w[reversed ? deg - i : i].z); };
    for (int i = deg - deg % 2; i >= 0; i -= 2) parts.even.push_back(coeff(i));
    for (int i = deg - 1 + deg % 2; i >= 1; i -= 2) parts.odd.push_back(coeff(i));
    return parts;
  };
  const Parts direct = split(false), reversed = split(true);
  // |a·x^deg| with |a| < 2^31 stays below 2^1000 up to this x.
  const double limit = std::exp2(968.0 / deg);

  // Divisors ascending, so that a block of four holds similar quotients;
  // the hits are put back into list order afterwards.
  const size_t nd = D.size();
  std::vector<size_t> order(nd);
  for (size_t j = 0; j < nd; ++j) order[j] = j;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return D[a] < D[b]; });
  const size_t padded = (nd + 3) / 4 * 4;
  std::vector<double> dv(padded, static_cast<double>(D[order[nd - 1]])), inv(padded);
  for (size_t j = 0; j < nd; ++j) dv[j] = D[order[j]];
  for (size_t j = 0; j < padded; ++j) inv[j] = 1.0 / dv[j];

  struct Hit {
    size_t ci, di;
    int sign;
  };
  std::vector<Hit> hits;
  using V4 = double __attribute__((vector_size(32)));
  for (size_t ci = 0; ci < C.size(); ++ci) {
    const double c = C[ci];
    for (size_t j = 0; j < padded; j += 4) {
      // Quotients fall along the block: lane 0 is the largest.
      V4 x;
      for (int k = 0; k < 4; ++k) x[k] = c * inv[j + k];
      const bool useReversed = x[0] > limit;
      const Parts* parts = &direct;
      if (useReversed) {
        if (x[3] < 1) {
          // A block across 1 with a huge quotient: long doubles, lane by lane.
          for (size_t k = 0; k < 4 && j + k < nd; ++k) {
            const long double xl = static_cast<long double>(c) / dv[j + k];
            long double e = 0, o = 0, me = 0, mo = 0;
            for (double a : direct.even) {
              e = e * xl * xl + a;
              me = me * xl * xl + std::fabs(a);
            }
            for (double a : direct.odd) {
              o = o * xl * xl + a;
              mo = mo * xl * xl + std::fabs(a);
            }
            const long double tol = 1e-12L * (me + mo * xl);
            if (std::fabs(e + o * xl) <= tol) hits.push_back({ci, order[j + k], +1});
            if (std::fabs(e - o * xl) <= tol) hits.push_back({ci, order[j + k], -1});
          }
          continue;
        }
        for (int k = 0; k < 4; ++k) x[k] = dv[j + k] / c;
        parts = &reversed;
      }
      const V4 x2 = x * x;
      V4 e = {0, 0, 0, 0}, o = e, me = e, mo = e;
      for (double a : parts->even) {
        e = e * x2 + a;
        me = me * x2 + std::fabs(a);
      }
      for (double a : parts->odd) {
        o = o * x2 + a;
        mo = mo * x2 + std::fabs(a);
      }
      o *= x;
      mo *= x;  // x > 0: divisors are positive
      const V4 tol = 1e-12 * (me + mo);
      for (size_t k = 0; k < 4 && j + k < nd; ++k) {
        if (std::fabs(e[k] + o[k]) <= tol[k]) hits.push_back({ci, order[j + k], +1});
        if (std::fabs(e[k] - o[k]) <= tol[k]) hits.push_back({ci, order[j + k], -1});
      }
    }
  }
  std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
    return std::tie(a.ci, a.di, b.sign) < std::tie(b.ci, b.di, a.sign);  // + before −
  });
  for (const Hit& h : hits) confirm(h.sign * C[h.ci], D[h.di]);
}

}  // namespace

void RationalRoots(const TPoly& p, TPoly& roots, int& count) {
  TPoly found{};
  int n = 0;
  if (PolyIsZero(p)) {
    count = 0;
    roots = found;
    return;
  }
  TPoly w = p;
  TBruch factor;
  PolyMakeInteger(w, factor);
  if (w[0].z == 0) {
    found[++n] = TBruch{0, 1};
    while (w[0].z == 0) {
      std::rotate(w.begin(), w.begin() + 1, w.end());
      w.back() = TBruch{0, 1};
    }
  }
  const int deg = PolyDegree(w);
  if (deg > 0) {
    const std::vector<int32_t> D = IntDivisors(w[deg].z);
    const std::vector<int32_t> C = IntDivisors(w[0].z);
    std::set<std::pair<int32_t, int32_t>> seen;
    auto confirm = [&](int32_t c, int32_t d) {
      int32_t z = c, nn = d;
      ReducePair(z, nn);
      if (!seen.insert({z, nn}).second) return;  // tried before (unreduced twin)
      if (valueR(w, Rational(z, nn)) == 0) found[++n] = TBruch{z, nn};
    };
    searchCandidates(w, deg, C, D, confirm);
  }
  roots = found;
  count = n;
}

void LinearFactor(TBruch r, TPoly& f) {
  TPoly q{};
  q[1] = TBruch{r.n, 1};
  q[0] = TBruch{BruchNarrow(-static_cast<int64_t>(r.z)), 1};
  f = q;
}

int PolyDivideOut(TPoly& w, const TPoly& f) {
  int k = 0;
  if (PolyDegree(f) < 1) return 0;  // a constant would divide forever
  while (PolyDegree(w) > 0) {
    TPoly q, r;
    bool exact = false;
    PolyDivMod(w, f, q, r, exact);
    if (!exact) break;
    w = q;
    ++k;
  }
  return k;
}

void PolyGcd(const TPoly& a, const TPoly& b, TPoly& g) {
  RPoly x = toRPoly(a), y = toRPoly(b);
  while (!isZero(y)) {
    RPoly q, r;
    divModR(x, y, q, r);
    x = std::move(y);
    y = std::move(r);
  }
  Rational f;
  RPoly w = primitiveR(x, f);
  TPoly result{};
  if (f == 0) {
    result[0] = TBruch{1, 1};
  } else {
    result = fromRPoly(w);
    if (PolyDegree(result) == 0) result[0] = TBruch{1, 1};
    bool negated = false;
    PolyLeadingPositive(result, negated);
  }
  g = result;
}

void PolyZerosAll(const TPoly& p, const TPoly& roots, int count, TArrayExt& numRoots,
                  int& numCount, TPoly& rest, std::u16string& restText) {
  TPoly w = p;
  numCount = 0;
  restText.clear();
  for (int k = 1; k <= count; ++k) {
    TPoly f;
    LinearFactor(roots[k], f);
    PolyDivideOut(w, f);
  }
  const int dw = PolyDegree(w);
  if (dw > 0 && dw <= 4) {
    QuarticCoeffs c{};
    for (int i = 0; i <= 4; ++i) c[i] = BruchToReal(w[i]);
    RealRootsDeg4(numRoots, numCount, c);
  }
  rest = w;
  if (dw > 4) restText = PolyToTextFrac(w);
}

void ZerosWithMultiplicity(const TPoly& z, const TPoly& n, TPoly& gaps, TPoly& poles,
                           int& gapCount, int& poleCount) {
  TPoly roots;
  int count = 0;
  RationalRoots(n, roots, count);
  TPoly zw = z, nw = n, g{}, pl{};
  int gc = 0, pc = 0;
  for (int k = 1; k <= count; ++k) {
    const Rational r = toRational(roots[k]);
    TPoly f;
    LinearFactor(roots[k], f);
    while (!PolyIsZero(nw) && valueR(zw, r) == 0 && valueR(nw, r) == 0) {
      TPoly q, s;
      bool exact = false;
      PolyDivMod(zw, f, q, s, exact);
      zw = q;
      PolyDivMod(nw, f, q, s, exact);
      nw = q;
    }
    if (valueR(nw, r) == 0)
      pl[++pc] = roots[k];
    else
      g[++gc] = roots[k];
  }
  gaps = g;
  poles = pl;
  gapCount = gc;
  poleCount = pc;
}

void NumericZerosRest(const TPoly& z, const TPoly& n, const TPoly& f, TArrayExt& gaps,
                      TArrayExt& poles, int& gapCount, int& poleCount, TPoly& zq, TPoly& nq) {
  TPoly qz, qn, r;
  bool exactZ = false, exactN = false;
  PolyDivMod(z, f, qz, r, exactZ);
  PolyDivMod(n, f, qn, r, exactN);
  if (exactZ && exactN) {
    zq = qz;
    nq = qn;
  }
  gapCount = 0;
  poleCount = 0;
  const int df = PolyDegree(f);
  if (df == 0 || df > 4) return;
  QuarticCoeffs c{};
  for (int i = 0; i <= 4; ++i) c[i] = BruchToReal(f[i]);
  TArrayExt s{};
  int sc = 0;
  RealRootsDeg4(s, sc, c);
  for (int i = 1; i <= sc; ++i) {
    if (std::fabs(PolyValue(n, s[i])) < 1e-5L && std::fabs(PolyValue(z, s[i])) > 1e-5L)
      poles[++poleCount] = s[i];
    else
      gaps[++gapCount] = s[i];
  }
}

std::mt19937& SymmetryRandom() { return ProgramRandom(); }

namespace {

constexpr Extended kSymmetryTolerance = 1e-4L;

// Ten trials at center ± k/10; about an axis the two values must agree,
// about the point (center, y0) they must be mirror images. A trial counts
// only when both values exist.
template <typename Value>
bool symmetricAbout(std::mt19937& rng, Extended center, bool point, Extended y0, Value value) {
  std::uniform_int_distribution<int> pick(1, 100);
  for (int trial = 0; trial < 10; ++trial) {
    const Extended h = pick(rng) / 10.0L;
    try {
      Extended u = 0, v = 0;
      if (!value(center + h, u) || !value(center - h, v)) continue;
      const Extended miss = point ? (u - y0) + (v - y0) : u - v;
      if (std::fabs(miss) > kSymmetryTolerance) return false;
    } catch (const CalcFailure&) {
      // An offset where the function cannot be evaluated tells nothing.
    }
  }
  return true;
}

auto polyAt(const TPoly& p) {
  return [&p](Extended x, Extended& v) {
    v = PolyValue(p, x);
    return true;
  };
}

auto ratAt(const TPoly& z, const TPoly& n) {
  return [&z, &n](Extended x, Extended& v) {
    bool defined = false;
    v = RatFuncValue(z, n, defined, x);
    return defined;
  };
}

}  // namespace

bool PolyAxisSymmetric(const TPoly& p, Extended a, std::mt19937& rng) {
  return symmetricAbout(rng, a, false, 0, polyAt(p));
}

bool PolyPointSymmetric(const TPoly& p, Extended x0, Extended y0, std::mt19937& rng) {
  return symmetricAbout(rng, x0, true, y0, polyAt(p));
}

bool RatAxisSymmetric(const TPoly& z, const TPoly& n, Extended a, std::mt19937& rng) {
  return symmetricAbout(rng, a, false, 0, ratAt(z, n));
}

bool RatPointSymmetric(const TPoly& z, const TPoly& n, Extended x0, Extended y0,
                       std::mt19937& rng) {
  return symmetricAbout(rng, x0, true, y0, ratAt(z, n));
}

int32_t GcdInteger(int32_t a, int32_t b) {
  if (a == 0 || b == 0) throw CalcFailure(msg::DivisionByZero, "gcd of 0");
  int64_t x = std::llabs(static_cast<int64_t>(a)), y = std::llabs(static_cast<int64_t>(b));
  if (x < y) std::swap(x, y);
  while (y != 0) x = std::exchange(y, x % y);
  return BruchNarrow(x);
}

int32_t LcmInteger(int32_t a, int32_t b) {
  const int64_t g = GcdInteger(a, b);
  return BruchNarrow(std::llabs(static_cast<int64_t>(a)) / g * std::llabs(static_cast<int64_t>(b)));
}

int32_t BinomialInt(int32_t n, int32_t k) {
  int64_t r = 1;
  for (int64_t i = 1; i <= k; ++i) {
    const __int128 t = static_cast<__int128>(n - k + i) * r;
    r = BruchNarrow(static_cast<int64_t>(t / i));
  }
  return static_cast<int32_t>(r);
}

}  // namespace zw
