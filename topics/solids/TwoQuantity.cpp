#include "topics/solids/TwoQuantity.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/CheckedMath.h"
#include "kernel/Roots.h"

namespace zw {

namespace {

constexpr Extended Pi = std::numbers::pi_v<long double>;

Extended Sqrt(Extended x) { return CheckedSqrt(x, msg::NoSolution); }
Extended Div(Extended a, Extended b) { return CheckedDiv(a, b, msg::NoSolution); }
Extended ArcSin(Extended x) { return CheckedArcSin(x, msg::NoSolution); }
[[noreturn]] void NotUnique() { throw CalcFailure(msg::NoUniqueSolution); }

// The positive real roots of c[4]x⁴ + ... + c[0], ascending. The kernel's
// roots come rounded to 8 decimals; Newton steps in extended precision give
// back the digits a solid's other quantities need.
std::vector<Extended> PositiveRoots(const QuarticCoeffs& c) {
  TArrayExt roots{};
  int count = 0;
  RealRootsDeg4(roots, count, c);
  const auto p = [&c](Extended x) { return (((c[4] * x + c[3]) * x + c[2]) * x + c[1]) * x + c[0]; };
  const auto dp = [&c](Extended x) { return ((4 * c[4] * x + 3 * c[3]) * x + 2 * c[2]) * x + c[1]; };
  std::vector<Extended> out;
  for (int i = 1; i <= count; ++i) {
    Extended x = roots[static_cast<std::size_t>(i)];
    for (int step = 0; step < 8; ++step) {
      const Extended d = dp(x);
      if (d == 0) break;
      const Extended next = x - p(x) / d;
      if (!std::isfinite(next) || std::fabs(p(next)) >= std::fabs(p(x))) break;
      x = next;
    }
    if (x > 0) out.push_back(x);
  }
  std::sort(out.begin(), out.end());
  return out;
}

// ----- the engine -----------------------------------------------------------

// One computation: the given values, then what the pre-switch step and the
// case found. A case that finds several base pairs (the roots of a
// polynomial) adds them as candidates in the order they are tried.
struct Case {
  Quantities q;
  int n = 3;
  std::vector<Quantities> candidates;
  bool twoSolutions = false;  // the first two valid candidates are both shown
  void add(const Quantities& c) { candidates.push_back(c); }
  // Adds what `make` computes from q; a candidate that fails is no candidate.
  template <class Make>
  void tryAdd(Make make) {
    Quantities c = q;
    try {
      make(c);
    } catch (const CalcFailure&) {
      return;
    }
    add(c);
  }
};

using CaseFn = void (*)(Case&);
struct CaseRow {
  int mask;
  CaseFn solve;
};

struct Model {
  TTextIndex page;
  std::array<const char*, 7> keys;
  std::array<int, 2> base;
  void (*preSwitch)(Quantities& q, int n);
  std::span<const CaseRow> cases;
  void (*tail)(Quantities& q, int n);  // fills the quantities still 0
};

// A solid: every quantity finite and above 0, and the solid that its base
// pair alone makes has the given values.
bool IsSolid(const Model& m, const Quantities& q, const Quantities& given, int mask, int n) {
  for (Extended x : q)
    if (!std::isfinite(x) || !(x > 0)) return false;
  Quantities again{};
  for (int b : m.base) again[static_cast<std::size_t>(b)] = q[static_cast<std::size_t>(b)];
  try {
    m.tail(again, n);
  } catch (const CalcFailure&) {
    return false;
  }
  for (int i = 0; i < 7; ++i) {
    if (!(mask & (1 << i))) continue;
    const Extended want = given[static_cast<std::size_t>(i)], got = again[static_cast<std::size_t>(i)];
    if (!(std::fabs(got - want) <= 1e-6L * want)) return false;
  }
  return true;
}

TwoQuantityResult Solve(const Model& m, int mask, const Quantities& given, int n) {
  Case c;
  c.q = given;
  c.n = n;
  if (m.preSwitch) m.preSwitch(c.q, n);
  for (const CaseRow& row : m.cases)
    if (row.mask == mask) row.solve(c);
  if (c.candidates.empty()) c.add(c.q);
  std::vector<Quantities> solids;
  const std::size_t wanted = c.twoSolutions ? 2 : 1;
  for (Quantities q : c.candidates) {
    try {
      m.tail(q, n);
    } catch (const CalcFailure&) {
      // A single base pair fails with its own message; of several, the next one is tried.
      if (c.candidates.size() == 1) throw;
      continue;
    }
    if (IsSolid(m, q, given, mask, n)) solids.push_back(q);
    if (solids.size() == wanted) break;
  }
  if (solids.empty()) throw CalcFailure(msg::NoSolution);
  TwoQuantityResult r;
  r.first = solids[0];
  if (solids.size() > 1) r.second = solids[1];
  return r;
}

// ----- cone: r, h, s, V, M, G, O; base r, h -----------------------------------

namespace cone {
enum { R, H, S, V, M, G, O };

void pre(Quantities& q, int) {
  if (q[G] > 0) q[R] = Sqrt(q[G] / Pi);
}

void tail(Quantities& q, int) {
  const Extended r = q[R], h = q[H];
  if (q[S] == 0) q[S] = sqrtl(r * r + h * h);
  if (q[V] == 0) q[V] = Pi * r * r * h / 3;
  if (q[G] == 0) q[G] = Pi * r * r;
  if (q[M] == 0) q[M] = Pi * r * q[S];
  if (q[O] == 0) q[O] = q[G] + q[M];
}

void hFromRS(Quantities& q) { q[H] = Sqrt(q[S] * q[S] - q[R] * q[R]); }

constexpr CaseRow kCases[] = {
    {5, [](Case& c) { hFromRS(c.q); }},
    {6, [](Case& c) { c.q[R] = Sqrt(c.q[S] * c.q[S] - c.q[H] * c.q[H]); }},
    {9, [](Case& c) { c.q[H] = Div(3 * c.q[V], Pi * c.q[R] * c.q[R]); }},
    {10, [](Case& c) { c.q[R] = Sqrt(Div(3 * c.q[V], Pi * c.q[H])); }},
    {12,
     [](Case& c) {
       // The cubic in h has up to two roots in (0, s]: the first in this list, the flatter cone.
       const Extended s = c.q[S];
       const Extended theta = ArcSin(9 * sqrtl(3.0L) * c.q[V] / (2 * Pi * s * s * s));
       const Extended k = 2.0L / 3 * sqrtl(3.0L) * s;
       const auto inRange = [s](Extended h) { return h > 0 && h <= s; };
       Extended h = k * sinl(theta / 3);
       if (!inRange(h)) h = k * cosl(theta / 3 + Pi / 6);
       if (!inRange(h)) h = -k * sinl(theta / 3 + Pi / 3);
       c.q[H] = h;
       c.q[R] = Sqrt(s * s - h * h);
     }},
    {17,
     [](Case& c) {
       c.q[S] = Div(c.q[M], Pi * c.q[R]);
       hFromRS(c.q);
     }},
    {18,
     [](Case& c) {
       const Extended h = c.q[H], m = c.q[M];
       c.q[R] = Sqrt((sqrtl(Pi * Pi * h * h * h * h + 4 * m * m) - Pi * h * h) / (2 * Pi));
     }},
    {20,
     [](Case& c) {
       c.q[R] = Div(c.q[M], Pi * c.q[S]);
       hFromRS(c.q);
     }},
    {24,
     [](Case& c) {
       // h = 3V/(π r²) in M² = π² r² (r² + h²): π² x³ - M² x + 9V² = 0 with x = r².
       const Extended v = c.q[V], m = c.q[M];
       for (Extended x : PositiveRoots({9 * v * v, -m * m, 0, Pi * Pi, 0})) {
         Quantities q = c.q;
         q[R] = sqrtl(x);
         q[H] = 3 * v / (Pi * x);
         c.add(q);
       }
     }},
    {33, [](Case&) { NotUnique(); }},
    {36, [](Case& c) { c.q[H] = Sqrt(c.q[S] * c.q[S] - c.q[G] / Pi); }},
    {40, [](Case& c) { c.q[H] = Div(3 * c.q[V], c.q[G]); }},
    {48,
     [](Case& c) {
       c.q[S] = Div(c.q[M], Pi * c.q[R]);
       hFromRS(c.q);
     }},
    {65,
     [](Case& c) {
       c.q[S] = Div(c.q[O], Pi * c.q[R]) - c.q[R];
       hFromRS(c.q);
     }},
    {66,
     [](Case& c) {
       const Extended h = c.q[H], o = c.q[O];
       c.q[R] = Sqrt(Div(o * o, Pi * Pi * h * h + 2 * Pi * o));
       c.q[S] = Sqrt(h * h + c.q[R] * c.q[R]);
     }},
    {68,
     [](Case& c) {
       const Extended s = c.q[S];
       c.q[R] = Sqrt(s * s / 4 + c.q[O] / Pi) - s / 2;
       hFromRS(c.q);
     }},
    {72,
     [](Case& c) {
       const Extended v = c.q[V], o = c.q[O];
       const Extended d = Sqrt((o * o * o - 72 * Pi * v * v) * o);
       c.twoSolutions = true;
       for (const Extended sign : {1, -1})
         c.tryAdd([&](Quantities& q) {
           q[R] = Sqrt(o / Pi + sign * d / (Pi * o)) / 2;
           q[H] = Div(3 * v, Pi * q[R] * q[R]);
         });
     }},
    {80,
     [](Case& c) {
       c.q[G] = c.q[O] - c.q[M];
       c.q[R] = Sqrt(c.q[G] / Pi);
       c.q[S] = Div(c.q[M], Pi * c.q[R]);
       hFromRS(c.q);
     }},
    {96,
     [](Case& c) {
       c.q[S] = Div(c.q[O], Pi * c.q[R]) - c.q[R];
       hFromRS(c.q);
     }},
};

constexpr Model kModel{IKegel, {"r", "h", "s", "V", "M", "G", "O"}, {R, H}, pre, kCases, tail};
}  // namespace cone

// ----- cylinder: r, h, u, V, G, M, O; base r, h ------------------------------

namespace cylinder {
enum { R, H, U, V, G, M, O };

void pre(Quantities& q, int) {
  if (q[G] > 0) q[R] = Sqrt(q[G] / Pi);
  if (q[U] > 0) q[R] = q[U] / (2 * Pi);
}

void tail(Quantities& q, int) {
  const Extended r = q[R], h = q[H];
  if (q[U] == 0) q[U] = 2 * Pi * r;
  if (q[V] == 0) q[V] = Pi * r * r * h;
  if (q[G] == 0) q[G] = Pi * r * r;
  if (q[M] == 0) q[M] = 2 * Pi * r * h;
  if (q[O] == 0) q[O] = 2 * q[G] + q[M];
}

void hFromV(Quantities& q) { q[H] = Div(q[V], Pi * q[R] * q[R]); }
void hFromM(Quantities& q) { q[H] = Div(q[M], 2 * Pi * q[R]); }

constexpr CaseRow kCases[] = {
    {5, [](Case&) { NotUnique(); }},
    {9, [](Case& c) { hFromV(c.q); }},
    {10, [](Case& c) { c.q[R] = Sqrt(Div(c.q[V], Pi * c.q[H])); }},
    {12, [](Case& c) { hFromV(c.q); }},
    {17, [](Case&) { NotUnique(); }},
    {20, [](Case&) { NotUnique(); }},
    {24, [](Case& c) { hFromV(c.q); }},
    {33, [](Case& c) { hFromM(c.q); }},
    {34, [](Case& c) { c.q[R] = Div(c.q[M], 2 * Pi * c.q[H]); }},
    {36, [](Case& c) { c.q[H] = Div(c.q[M], c.q[U]); }},
    {40,
     [](Case& c) {
       c.q[R] = Div(2 * c.q[V], c.q[M]);
       hFromM(c.q);
     }},
    {48, [](Case& c) { hFromM(c.q); }},
    {65,
     [](Case& c) {
       c.q[M] = c.q[O] - 2 * Pi * c.q[R] * c.q[R];
       hFromM(c.q);
     }},
    {66,
     [](Case& c) {
       const Extended h = c.q[H];
       c.q[R] = (Sqrt(h * h + 2 * c.q[O] / Pi) - h) / 2;
     }},
    {68, [](Case& c) { c.q[H] = Div(c.q[O], c.q[U]) - c.q[U] / (2 * Pi); }},
    {72,
     [](Case& c) {
       // 2π r³ - O r + 2V = 0: its first root is negative, the two positive
       // ones are two cylinders, the thinner one first.
       c.twoSolutions = true;
       for (Extended x : PositiveRoots({2 * c.q[V], -c.q[O], 0, 2 * Pi, 0})) {
         Quantities q = c.q;
         q[R] = x;
         hFromV(q);
         c.add(q);
       }
     }},
    {80,
     [](Case& c) {
       c.q[M] = c.q[O] - 2 * c.q[G];
       hFromM(c.q);
     }},
    {96,
     [](Case& c) {
       c.q[R] = Sqrt((c.q[O] - c.q[M]) / (2 * Pi));
       hFromM(c.q);
     }},
};

constexpr Model kModel{IZyl, {"r", "h", "u", "V", "G", "M", "O"}, {R, H}, pre, kCases, tail};
}  // namespace cylinder

// ----- square pyramid: a, s, h1, hs (shown as h2), V, O, A; base a, s --------

namespace pyramid {
enum { A, S, H1, HS, V, O, F };

void tail(Quantities& q, int) {
  const Extended a = q[A], s = q[S];
  if (q[H1] == 0) q[H1] = Sqrt(s * s - a * a / 2);
  if (q[HS] == 0) q[HS] = Sqrt(s * s - a * a / 4);
  if (q[V] == 0) q[V] = a * a * q[H1] / 3;
  if (q[F] == 0) q[F] = a * q[HS] / 2;
  if (q[O] == 0) q[O] = a * a + 4 * q[F];
}

void sFromH1(Quantities& q) { q[S] = Sqrt(q[H1] * q[H1] + q[A] * q[A] / 2); }
void sFromHs(Quantities& q) { q[S] = Sqrt(q[A] * q[A] / 4 + q[HS] * q[HS]); }
// Candidates a = √x for the positive roots x of a polynomial in a².
template <class Complete>
void addEdgesSquared(Case& c, const QuarticCoeffs& poly, Complete complete) {
  for (Extended x : PositiveRoots(poly)) {
    Quantities q = c.q;
    q[A] = sqrtl(x);
    complete(q);
    c.add(q);
  }
}

constexpr CaseRow kCases[] = {
    {5, [](Case& c) { sFromH1(c.q); }},
    {6, [](Case& c) { c.q[A] = Sqrt(2 * c.q[S] * c.q[S] - 2 * c.q[H1] * c.q[H1]); }},
    {9, [](Case& c) { sFromHs(c.q); }},
    {10, [](Case& c) { c.q[A] = 2 * Sqrt(c.q[S] * c.q[S] - c.q[HS] * c.q[HS]); }},
    {12,
     [](Case& c) {
       const Extended h1 = c.q[H1], hs = c.q[HS];
       c.q[A] = 2 * Sqrt(hs * hs - h1 * h1);
       c.q[S] = Sqrt(2 * hs * hs - h1 * h1);
     }},
    {17,
     [](Case& c) {
       const Extended a = c.q[A], v = c.q[V];
       c.q[S] = Sqrt(Div(9 * v * v, a * a * a * a) + a * a / 2);
     }},
    {18,
     [](Case& c) {
       const Extended s = c.q[S], v = c.q[V];
       const Extended w = ArcSin(1 - Div(243 * v * v, 8 * s * s * s * s * s * s));
       c.q[A] = Sqrt(2 * s * s / 3 * (2 * sinl(w / 3 + Pi / 3) + 1));
     }},
    {20,
     [](Case& c) {
       const Extended h1 = c.q[H1], v = c.q[V];
       c.q[A] = Sqrt(Div(3 * v, h1));
       c.q[S] = Sqrt(h1 * h1 + Div(1.5L * v, h1));
     }},
    {24,
     [](Case& c) {
       const Extended hs = c.q[HS], v = c.q[V];
       const Extended w = ArcSin(Div(243 * v * v, 32 * hs * hs * hs * hs * hs * hs) - 1);
       const Extended f = 4 * hs * hs / 3;
       Extended q = (2 * sinl(w / 3) + 1) * f;
       if (q <= 0) q = (1 - 2 * sinl(w / 3 + Pi / 3)) * f;
       if (q <= 0) q = (2 * cosl(w / 3 + Pi / 6) + 1) * f;
       c.q[A] = Sqrt(q);
       sFromHs(c.q);
     }},
    {33,
     [](Case& c) {
       const Extended a = c.q[A];
       const Extended hs = Div(c.q[O] - a * a, 2 * a);
       c.q[S] = Sqrt(hs * hs + a * a / 4);
     }},
    {34,
     [](Case& c) {
       // O - a² = a·√(4s² - a²), squared: x² - (O + 2s²) x + O²/2 = 0 with x = a².
       const Extended s = c.q[S], o = c.q[O];
       addEdgesSquared(c, {o * o / 2, -(o + 2 * s * s), 1, 0, 0}, [](Quantities&) {});
     }},
    {36,
     [](Case& c) {
       const Extended h1 = c.q[H1], o = c.q[O];
       c.q[A] = sqrtl(2.0L) * 0.5L * Div(o, Sqrt(2 * h1 * h1 + o));
       sFromH1(c.q);
     }},
    {40,
     [](Case& c) {
       const Extended hs = c.q[HS];
       c.q[A] = Sqrt(hs * hs + c.q[O]) - hs;
       sFromHs(c.q);
     }},
    {48,
     [](Case& c) {
       const Extended v = c.q[V], o = c.q[O];
       const Extended d = Sqrt(o * o * o * o - 288 * v * v * o);
       c.twoSolutions = true;
       for (const Extended sign : {1, -1})
         c.tryAdd([&](Quantities& q) {
           q[A] = Sqrt(o + sign * d / o) / 2;
           q[H1] = Div(3 * v, q[A] * q[A]);
           sFromH1(q);
         });
     }},
    {65,
     [](Case& c) {
       c.q[HS] = Div(2 * c.q[F], c.q[A]);
       sFromHs(c.q);
     }},
    {66,
     [](Case& c) {
       // 2A = a·√(s² - a²/4), squared: x² - 4s² x + 16A² = 0 with x = a².
       const Extended s = c.q[S], f = c.q[F];
       addEdgesSquared(c, {16 * f * f, -4 * s * s, 1, 0, 0}, [](Quantities&) {});
     }},
    {68,
     [](Case& c) {
       // 2A = a·√(h1² + a²/4), squared: x² + 4h1² x - 16A² = 0 with x = a².
       const Extended h1 = c.q[H1], f = c.q[F];
       addEdgesSquared(c, {-16 * f * f, 4 * h1 * h1, 1, 0, 0}, sFromH1);
     }},
    {72,
     [](Case& c) {
       const Extended hs = c.q[HS];
       c.q[S] = Sqrt(Div(c.q[F] * c.q[F], hs * hs) + hs * hs);
       c.q[A] = 2 * Sqrt(c.q[S] * c.q[S] - hs * hs);
     }},
    {80,
     [](Case& c) {
       // h1 = 3V/a² in 4A² = a² (h1² + a²/4): x³ - 16A² x + 36V² = 0 with x = a².
       const Extended v = c.q[V], f = c.q[F];
       addEdgesSquared(c, {36 * v * v, -16 * f * f, 0, 1, 0}, [v](Quantities& q) {
         q[H1] = 3 * v / (q[A] * q[A]);
         sFromH1(q);
       });
     }},
    {96,
     [](Case& c) {
       c.q[A] = Sqrt(c.q[O] - 4 * c.q[F]);
       const Extended hs = Div(2 * c.q[F], c.q[A]);
       c.q[S] = Sqrt(hs * hs + c.q[A] * c.q[A] / 4);
     }},
};

// The face area is kept under "F": worksheet keys are found without regard
// to case, so "A" would overwrite the edge "a".
constexpr Model kModel{IPyra, {"a", "s", "h1", "h2", "V", "O", "F"}, {A, S}, nullptr, kCases, tail};
}  // namespace pyramid

// ----- regular prism: a, h, ru, ri, V, G, O; base a, h -----------------------

namespace prism {
enum { A, H, RU, RI, V, G, O };

Extended sigma(int n) { return sinl(Pi / n); }
Extended tau(int n) { return TanRad(Pi / n); }

void pre(Quantities& q, int n) {
  if (q[RU] > 0) q[A] = 2 * q[RU] * sigma(n);
  if (q[RI] > 0) q[A] = 2 * q[RI] * tau(n);
  if (q[G] > 0) q[A] = 2 * Sqrt(q[G] * tau(n) / n);
}

void tail(Quantities& q, int n) {
  const Extended a = q[A], h = q[H], t = tau(n);
  if (q[RU] == 0) q[RU] = a / (2 * sigma(n));
  if (q[RI] == 0) q[RI] = a / (2 * t);
  if (q[G] == 0) q[G] = n * a * a / (4 * t);
  if (q[V] == 0) q[V] = q[G] * h;
  if (q[O] == 0) q[O] = 2 * q[G] + n * a * h;
}

void hFromV(Case& c) { c.q[H] = Div(4 * tau(c.n) * c.q[V], c.n * c.q[A] * c.q[A]); }
void hFromO(Case& c) { c.q[H] = Div(c.q[O], c.n * c.q[A]) - c.q[A] / (2 * tau(c.n)); }

constexpr CaseRow kCases[] = {
    {5, [](Case&) { NotUnique(); }},   {9, [](Case&) { NotUnique(); }},  {12, [](Case&) { NotUnique(); }},
    {33, [](Case&) { NotUnique(); }},  {36, [](Case&) { NotUnique(); }}, {40, [](Case&) { NotUnique(); }},
    {17, hFromV},                      {20, hFromV},                     {24, hFromV},
    {18, [](Case& c) { c.q[A] = Sqrt(Div(4 * tau(c.n) * c.q[V], c.n * c.q[H])); }},
    {48, [](Case& c) { c.q[H] = Div(c.q[V], c.q[G]); }},
    {65, hFromO},                      {68, hFromO},                     {72, hFromO},
    {66,
     [](Case& c) {
       // O = n a²/(2τ) + n h a, a quadratic in a with one positive root.
       const int n = c.n;
       const Extended t = tau(n), h = c.q[H];
       c.q[A] = Div(-n * h + Sqrt(n * n * h * h + 2 * n * c.q[O] / t), n / t);
     }},
    {80,
     [](Case& c) {
       // n a³ - 2τ O a + 8τ² V = 0: every positive root with a positive height.
       const int n = c.n;
       const Extended t = tau(n);
       c.twoSolutions = true;
       for (Extended x : PositiveRoots({8 * t * t * c.q[V], -2 * t * c.q[O], 0, Extended(n), 0})) {
         Quantities q = c.q;
         q[A] = x;
         q[H] = c.q[O] / (n * x) - x / (2 * t);
         c.add(q);
       }
     }},
    {96, [](Case& c) { c.q[H] = Div(c.q[O] - 2 * c.q[G], c.n * c.q[A]); }},
};

constexpr Model kModel{IPrisma, {"a", "h", "ru", "ri", "V", "G", "O"}, {A, H}, pre, kCases, tail};
}  // namespace prism

const Model& ModelOf(TwoQuantitySolid solid) {
  switch (solid) {
    case TwoQuantitySolid::Cone: return cone::kModel;
    case TwoQuantitySolid::Cylinder: return cylinder::kModel;
    case TwoQuantitySolid::Pyramid: return pyramid::kModel;
    case TwoQuantitySolid::Prism: return prism::kModel;
  }
  return cone::kModel;
}

}  // namespace

TTextIndex TwoQuantityPage(TwoQuantitySolid solid) { return ModelOf(solid).page; }

std::array<QString, 7> TwoQuantityKeys(TwoQuantitySolid solid) {
  std::array<QString, 7> keys;
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = QString::fromLatin1(ModelOf(solid).keys[i]);
  return keys;
}

std::array<int, 2> TwoQuantityBase(TwoQuantitySolid solid) { return ModelOf(solid).base; }

TwoQuantityResult SolveTwoQuantities(TwoQuantitySolid solid, int mask, const Quantities& given, int n) {
  return Solve(ModelOf(solid), mask, given, std::clamp(n, 3, 99));
}

QStringList TwoQuantityMemoLines(TwoQuantitySolid solid, int mask, const std::array<QString, 7>& typed,
                                 const TwoQuantityResult& result, int n, const TextMeasurer& font) {
  const TTextIndex page = TwoQuantityPage(solid);
  std::array<QString, 7> names;
  for (int i = 0; i < 7; ++i) names[static_cast<std::size_t>(i)] = GetText(page, i + 2);
  const QString column = NameColumn(font, names);
  const auto others = [&](const Quantities& q) {
    QStringList lines;
    for (int i = 0; i < 7; ++i)
      if (!(mask & (1 << i)))
        lines << ResultLine(font, column, names[static_cast<std::size_t>(i)], Real8(q[static_cast<std::size_t>(i)]));
    return lines;
  };
  QStringList lines = MessageHeading(font, 26);
  if (solid == TwoQuantitySolid::Prism) lines << ResultLine(font, column, GetText(page, 9), QString::number(n));
  for (int i = 0; i < 7; ++i)
    if (mask & (1 << i)) lines << ResultLine(font, column, names[static_cast<std::size_t>(i)], typed[static_cast<std::size_t>(i)]);
  lines << QString();
  if (!result.second) return lines << MessageHeading(font, 27) << others(result.first);
  lines << HeadingLines(font, GetText(IDrei2, 2)) << others(result.first) << QString()
        << HeadingLines(font, GetText(IDrei2, 3)) << others(*result.second);
  return lines;
}

}  // namespace zw
