#include "topics/plane/Drei1.h"

#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/Geometry.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

namespace {

constexpr int kNoSolution = 5, kNotUnique = 6;

struct Tri {
  Extended a = 0, b = 0, c = 0, u = 0, v = 0, p = 0, q = 0, h = 0, f = 0;
  Extended& at(int i) {
    Extended* all[RtCount] = {&a, &b, &c, &u, &v, &p, &q, &h, &f};
    return *all[i];
  }
};

Extended Sq(Extended x) { return x * x; }
Extended Root(Extended x) { return std::sqrt(x); }  // NaN for x < 0: caught by the final check

// p and q from c and h: the smaller root for p, so a is the shorter leg.
void FromHypotenuseAndHeight(Tri& t) {
  t.p = t.c / 2 - Root(Sq(t.c) / 4 - Sq(t.h));
  t.q = t.c - t.p;
  t.a = Root(t.p * t.c);
  t.b = Root(t.q * t.c);
}
void LegsFromSegments(Tri& t) {
  t.c = t.p + t.q;
  t.a = Root(t.p * t.c);
  t.b = Root(t.q * t.c);
}

struct PairFormula {
  int code;
  void (*solve)(Tri&);
};

// The formulas of each pair of given quantities (code 10·i + j, i < j counted from 1).
const PairFormula kPairs[] = {
    {12, [](Tri&) {}},
    {13, [](Tri& t) { t.b = Root(Sq(t.c) - Sq(t.a)); }},
    {14, [](Tri& t) { t.b = t.a / TanDeg(t.u); }},
    {15, [](Tri& t) { t.b = t.a * TanDeg(t.v); }},
    {16, [](Tri& t) { t.c = Sq(t.a) / t.p; t.b = Root(Sq(t.c) - Sq(t.a)); }},
    {17, [](Tri& t) { t.c = t.q / 2 + Root(Sq(t.q) / 4 + Sq(t.a)); t.b = Root(Sq(t.c) - Sq(t.a)); }},
    {18, [](Tri& t) { t.p = Root(Sq(t.a) - Sq(t.h)); t.q = Sq(t.h) / t.p; t.c = t.p + t.q; t.b = Root(t.q * t.c); }},
    {19, [](Tri& t) { t.b = 2 * t.f / t.a; }},
    {23, [](Tri& t) { t.a = Root(Sq(t.c) - Sq(t.b)); }},
    {24, [](Tri& t) { t.a = t.b * TanDeg(t.u); }},
    {25, [](Tri& t) { t.a = t.b / TanDeg(t.v); }},
    {26, [](Tri& t) { t.c = t.p / 2 + Root(Sq(t.p) / 4 + Sq(t.b)); t.a = Root(Sq(t.c) - Sq(t.b)); }},
    {27, [](Tri& t) { t.h = Root(Sq(t.b) - Sq(t.q)); t.p = Sq(t.h) / t.q; t.c = t.p + t.q; t.a = Root(t.p * t.c); }},
    {28, [](Tri& t) { t.q = Root(Sq(t.b) - Sq(t.h)); t.c = Sq(t.b) / t.q; t.p = t.c - t.q; t.a = Root(t.p * t.c); }},
    {29, [](Tri& t) { t.a = 2 * t.f / t.b; }},
    {34, [](Tri& t) { t.a = t.c * SinDeg(t.u); t.b = t.c * CosDeg(t.u); }},
    {35, [](Tri& t) { t.a = t.c * CosDeg(t.v); t.b = t.c * SinDeg(t.v); }},
    {36, [](Tri& t) { t.q = t.c - t.p; t.h = Root(t.p * t.q); t.a = Root(t.p * t.c); t.b = Root(t.q * t.c); }},
    {37, [](Tri& t) { t.p = t.c - t.q; t.h = Root(t.p * t.q); t.a = Root(t.p * t.c); t.b = Root(t.q * t.c); }},
    {38, [](Tri& t) { FromHypotenuseAndHeight(t); }},
    {39, [](Tri& t) { t.h = 2 * t.f / t.c; FromHypotenuseAndHeight(t); }},
    {45, [](Tri&) { throw CalcFailure(kNotUnique); }},
    {46, [](Tri& t) { t.a = t.p / SinDeg(t.u); t.c = Sq(t.a) / t.p; t.b = Root(Sq(t.c) - Sq(t.a)); }},
    {47, [](Tri& t) { t.b = t.q / CosDeg(t.u); t.c = Sq(t.b) / t.q; t.a = Root(Sq(t.c) - Sq(t.b)); }},
    {48, [](Tri& t) { t.a = t.h / CosDeg(t.u); t.b = t.h / SinDeg(t.u); }},
    {49, [](Tri& t) { t.a = Root(2 * t.f * TanDeg(t.u)); t.b = Root(2 * t.f / TanDeg(t.u)); }},
    {56, [](Tri& t) { t.a = t.p / CosDeg(t.v); t.c = Sq(t.a) / t.p; t.b = Root(Sq(t.c) - Sq(t.a)); }},
    {57, [](Tri& t) { t.b = t.q / SinDeg(t.v); t.c = Sq(t.b) / t.q; t.a = Root(Sq(t.c) - Sq(t.b)); }},
    {58, [](Tri& t) { t.a = t.h / SinDeg(t.v); t.b = t.h / CosDeg(t.v); }},
    {59, [](Tri& t) { t.a = Root(2 * t.f / TanDeg(t.v)); t.b = Root(2 * t.f * TanDeg(t.v)); }},
    {67, [](Tri& t) { t.h = Root(t.p * t.q); LegsFromSegments(t); }},
    {68, [](Tri& t) { t.q = Sq(t.h) / t.p; LegsFromSegments(t); }},
    {69, [](Tri& t) {
       const Extended k = SolveCubicTPlusT3(2 * t.f / Sq(t.p));
       t.h = t.p * k;
       t.q = t.h * k;
       LegsFromSegments(t);
     }},
    {78, [](Tri& t) { t.p = Sq(t.h) / t.q; LegsFromSegments(t); }},
    {79, [](Tri& t) {
       const Extended k = SolveCubicTPlusT3(2 * t.f / Sq(t.q));
       t.h = t.q * k;
       t.p = t.h * k;
       LegsFromSegments(t);
     }},
    {89, [](Tri& t) { t.c = 2 * t.f / t.h; FromHypotenuseAndHeight(t); }},
};

QString Label(int item) {
  static const char16_t* names[RtCount] = {u" a = ", u" b = ", u" c = ", u" α = ", u" β = ",
                                           u" p = ", u" q = ", u" h = ", u" A = "};
  static const int texts[RtCount] = {2, 2, 4, 5, 5, 6, 6, 7, 8};
  return GetText(IDrei1, texts[item]) + QString::fromUtf16(names[item]);
}

}  // namespace

Extended SolveCubicTPlusT3(Extended K) {
  Extended t = K <= 1 ? K : std::cbrt(K);
  Extended before = t;
  for (int step = 0; step < 100; ++step) {
    const Extended next = (2 * t * t * t + K) / (3 * t * t + 1);
    const bool done = std::fabs((next - t) / t) <= 1e-12L;
    before = t;
    t = next;
    if (done) break;
  }
  return RoundDecimals(12, before);
}

RightTriangle SolveRightTriangle(int i, Extended vi, int j, Extended vj) {
  if (j < i) std::swap(i, j), std::swap(vi, vj);
  Tri t;
  t.at(i) = vi;
  t.at(j) = vj;
  // An acute angle of a right triangle is below 90°.
  if (t.u >= 90 || t.v >= 90) throw CalcFailure(kNoSolution);
  const int code = 10 * (i + 1) + (j + 1);
  for (const PairFormula& f : kPairs)
    if (f.code == code) f.solve(t);
  // The common completion fills what the pair left at 0.
  if (t.c == 0) t.c = Root(Sq(t.a) + Sq(t.b));
  if (t.p == 0) t.p = Sq(t.a) / t.c;
  if (t.q == 0) t.q = t.c - t.p;
  if (t.h == 0) t.h = t.a * t.b / t.c;
  if (t.u == 0) t.u = ArcTanDeg(t.a / t.b);
  if (t.v == 0) t.v = ArcTanDeg(t.b / t.a);
  if (t.f == 0) t.f = t.a * t.b / 2;
  RightTriangle r;
  for (int k = 0; k < RtCount; ++k) {
    const Extended x = t.at(k);
    // A root of a negative number, a division by zero or a given value that
    // no right triangle has leaves a value that is no length or acute angle.
    if (!(std::isfinite(x) && x > 0)) throw CalcFailure(kNoSolution);
    r.v[std::size_t(k)] = x;
  }
  if (!(t.u < 90 && t.v < 90)) throw CalcFailure(kNoSolution);
  r.A = {1, 1};
  r.B = {1 + t.c, 1};
  r.C = {1 + t.q, 1 + t.h};
  r.M = {1 + t.c / 2, 1};
  r.ru = t.c / 2;
  Incentre(r.A, r.B, r.C, r.O);
  r.ri = r.O.y - 1;
  r.D = {r.C.x, 1};
  return r;
}

QStringList Drei1MemoLines(const RightTriangle& t, int i, int j, const TextMeasurer& font) {
  if (j < i) std::swap(i, j);
  QString place = BlankWidthOf4(font, GetText(IDrei1, 2), GetText(IDrei1, 2), GetText(IDrei1, 8), GetText(IDrei1, 7),
                                GetText(IDrei1, 6), GetText(IDrei1, 5), GetText(IDrei1, 4));
  place = BlankWidthOf(font, place + QStringLiteral(" W =       "));
  auto line = [&](int k) {
    QString value = Q(FormatReal(8, t.v[std::size_t(k)]));
    if (k == RtAlpha || k == RtBeta) value += QStringLiteral("°");
    return PadLeftToWidth(font, place, Label(k)) + value;
  };
  QStringList lines;
  AppendHeading(lines, font, GetMessageText(26));
  lines << line(i) << line(j) << QStringLiteral(" ");
  AppendHeading(lines, font, GetMessageText(27));
  for (int k = 0; k < RtCount; ++k)
    if (k != i && k != j) lines << line(k);
  return lines;
}

}  // namespace zw
