#include "topics/plane/Kreis.h"

#include <cmath>
#include <numbers>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/TextPadding.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

namespace {

constexpr Extended kPi = std::numbers::pi_v<long double>;
constexpr int kNoSolution = 5;
constexpr int kNotSolved = 32;

Extended CheckedSqrt(Extended v) {
  if (!(v >= 0)) throw CalcFailure(kNoSolution);
  return std::sqrt(v);
}

bool IsPair(int mask) {
  int n = 0;
  for (int bit = 1; bit <= KH; bit <<= 1)
    if (mask & bit) ++n;
  return n == 2 && mask < 128;
}

}  // namespace

Extended SolveByBisection(const std::function<Extended(Extended)>& g, Extended v, Extended upper) {
  Extended lo = 1e-18L, hi = upper, mid = lo;
  for (int step = 0; step < 200 && std::fabs(hi - lo) > 1e-18L; ++step) {
    mid = (lo + hi) / 2;
    if (mid == lo || mid == hi) break;
    if (Sgn(v - g(lo)) == Sgn(v - g(mid)))
      lo = mid;
    else
      hi = mid;
  }
  // A value outside g's range drives the bisection to an end: no solution.
  if (!(std::fabs(g(mid) - v) <= 1e-9L * std::max<Extended>(1, std::fabs(v)))) throw CalcFailure(kNoSolution);
  return mid;
}

Extended SolveSinOverT(Extended v) {
  return SolveByBisection([](Extended t) { return std::sin(t) / t; }, v, kPi);
}
Extended SolveCosOverT(Extended v) {
  return SolveByBisection([](Extended t) { return std::cos(t) / t; }, v, kPi / 2);
}
Extended SolveSin2OverT(Extended v) {
  return SolveByBisection([](Extended t) { return std::sin(t) * std::sin(t) / t; }, v, std::sqrt(kPi / 2));
}
Extended SolveCos2OverT(Extended v) {
  return SolveByBisection([](Extended t) { return std::cos(t) * std::cos(t) / t; }, v, kPi / 2);
}
Extended SolveVers2OverT(Extended v) {
  return SolveByBisection([](Extended t) { return (1 - std::cos(t)) * (1 - std::cos(t)) / t; }, v, kPi);
}

Extended ArcHeightAngle(Extended b, Extended h) {
  const Extended q = b / h;
  // x / (1 - cos(x/2)) falls from +inf to π on (0, 2π]: below π there is no root.
  if (!(q >= kPi)) throw CalcFailure(kNoSolution);
  auto F = [q](Extended x) { return x / (1 - std::cos(x / 2)) - q; };
  Extended hi = 2 * kPi, lo = hi;
  // Scan down in steps of 0.01 for a sign change (at most 629 steps).
  while (hi > 0.01L) {
    lo = hi - 0.01L;
    if (F(hi) * F(lo) <= 0) break;
    hi = lo;
  }
  if (!(F(hi) * F(lo) <= 0)) throw CalcFailure(kNoSolution);
  for (int step = 0; step < 200 && std::fabs(hi - lo) >= 1e-16L; ++step) {
    const Extended mid = (lo + hi) / 2;
    if (mid == lo || mid == hi) break;
    if (F(mid) * F(hi) > 0)
      hi = mid;
    else
      lo = mid;
  }
  return hi;
}

CircleParts SolveCircleParts(int mask, CircleParts p) {
  if (mask != KR && !IsPair(mask)) throw CalcFailure(kNotSolved);
  if (mask == KR) return p;
  // With r, b, s or A1 an angle above a full turn means a full turn.
  if ((mask & KAlpha) && !(mask & (KD | KH)) && p.alpha > 360) p.alpha = 360;
  bool haveS = mask & KS, haveD = mask & KD, haveH = mask & KH;
  switch (mask) {
    case KR | KAlpha: p.x = DegToRad(p.alpha); break;
    case KR | KB: p.x = p.b / p.r; break;
    case KAlpha | KB: p.x = DegToRad(p.alpha); p.r = p.b / p.x; break;
    case KR | KS: p.x = 2 * ArcSinRad(p.s / (2 * p.r)); break;
    case KAlpha | KS: p.x = DegToRad(p.alpha); p.r = p.s / (2 * std::sin(p.x / 2)); break;
    case KB | KS: p.x = 2 * SolveSinOverT(p.s / p.b); p.r = p.b / p.x; break;
    case KR | KA1: p.x = 2 * p.A1 / (p.r * p.r); break;
    case KAlpha | KA1: p.x = DegToRad(p.alpha); p.r = CheckedSqrt(2 * p.A1 / p.x); break;
    case KB | KA1: p.x = p.b * p.b / (2 * p.A1); p.r = 2 * p.A1 / p.b; break;
    case KS | KA1: p.x = 2 * SolveSin2OverT(p.s * p.s / (4 * p.A1)); p.r = p.s / (2 * std::sin(p.x / 2)); break;
    case KR | KD: p.x = 2 * ArcCosRad(p.d / p.r); break;
    case KAlpha | KD:
      p.x = DegToRad(p.alpha);
      p.s = 2 * p.d * std::tan(p.x / 2), haveS = true;
      p.r = p.d / std::cos(p.x / 2);
      break;
    case KB | KD: p.x = 2 * SolveCosOverT(2 * p.d / p.b); p.r = p.b / p.x; break;
    case KS | KD: p.r = CheckedSqrt(p.d * p.d + p.s * p.s / 4); p.x = 2 * ArcSinRad(p.s / (2 * p.r)); break;
    case KA1 | KD: p.x = 2 * SolveCos2OverT(p.d * p.d / p.A1); p.r = CheckedSqrt(2 * p.A1 / p.x); break;
    case KR | KH: p.d = p.r - p.h, haveD = true; p.x = 2 * ArcCosRad(p.d / p.r); break;
    case KAlpha | KH:
      p.x = DegToRad(p.alpha);
      p.s = 2 * p.h / std::tan(p.x / 4), haveS = true;
      p.r = p.s / (2 * std::sin(p.x / 2));
      break;
    case KB | KH: p.x = ArcHeightAngle(p.b, p.h); p.r = p.b / p.x; p.d = p.r - p.h, haveD = true; break;
    case KS | KH:
      p.x = 2 * (kPi - 2 * std::atan(p.s / (2 * p.h)));
      p.r = p.s / (2 * std::sin(p.x / 2));
      break;
    case KA1 | KH: p.x = 2 * SolveVers2OverT(p.h * p.h / p.A1); p.r = CheckedSqrt(2 * p.A1 / p.x); break;
    case KD | KH: p.r = p.d + p.h; p.x = 2 * ArcCosRad(p.d / p.r); break;
    default: throw CalcFailure(kNotSolved);
  }
  if (!(mask & KAlpha)) p.alpha = RadToDeg(p.x);
  if (!(mask & KB)) p.b = p.r * p.x;
  if (!haveS) p.s = 2 * p.r * std::sin(p.x / 2);
  if (!(mask & KA1)) p.A1 = p.r * p.r / 2 * p.x;
  p.A2 = p.r * p.r / 2 * (p.x - std::sin(p.x));
  if (!haveD) p.d = CheckedSqrt(p.r * p.r - p.s * p.s / 4);
  if (!haveH) p.h = p.r - p.d;
  // A full turn leaves rounding dust below zero (sin 2π): that is zero.
  for (Extended* v : {&p.s, &p.A2, &p.d, &p.h})
    if (*v < 0 && *v > -1e-15L * std::max<Extended>(1, p.r * p.r)) *v = 0;
  // Whatever the formulas gave: no negative or infinite lengths and areas.
  for (Extended v : {p.r, p.alpha, p.b, p.s, p.A1, p.A2, p.d, p.h, p.x})
    if (!std::isfinite(v) || v < 0) throw CalcFailure(kNoSolution);
  if (!(p.r > 0)) throw CalcFailure(kNoSolution);
  return p;
}

QStringList KreisMemoLines(int mask, const CircleParts& p, const TextMeasurer& font) {
  auto label = [](int k) {
    QString t = GetText(IKreis, k + 1);
    if (k == 2) t += QStringLiteral(" α");
    return t;
  };
  // All labels end at one column: as wide as the widest one and two blanks.
  int widest = 0;
  for (int item = 2; item <= 11; ++item) widest = std::max(widest, font.textWidth(GetText(IKreis, item).toStdU16String()));
  const std::u16string place = BlanksCoveringWidth(font, widest) + u" ";
  auto line = [&](int k, Extended v) {
    QString s = Q(PadLeftToWidth(font, place, label(k).toStdU16String())) + QStringLiteral(" = ") + Q(FormatReal(8, v));
    if (k == 2) s += QStringLiteral("°");
    return s;
  };
  auto value = [&p](int k) -> Extended {
    switch (k) {
      case 1: return p.r;
      case 2: return p.alpha;
      case 3: return p.b;
      case 4: return p.s;
      case 5: return p.A1;
      case 6: return p.A2;
      case 7: return kPi * p.r * p.r;
      case 8: return 2 * kPi * p.r;
      case 9: return p.d;
      default: return p.h;
    }
  };
  // The quantity number of each bit, and the order the given ones are listed in.
  struct Given { int bit, k; };
  static constexpr Given kOrder[] = {{KR, 1}, {KAlpha, 2}, {KB, 3}, {KS, 4}, {KD, 9}, {KH, 10}, {KA1, 5}};
  QStringList lines;
  AppendHeading(lines, font, GetMessageText(26));
  if (mask == (KAlpha | KB)) {
    lines << line(3, p.b) << line(2, p.alpha);
  } else if (mask == (KA1 | KH)) {
    lines << line(5, p.A1) << line(10, p.h);
  } else {
    for (const Given& g : kOrder)
      if (mask & g.bit) lines << line(g.k, value(g.k));
  }
  lines << QString();
  AppendHeading(lines, font, GetMessageText(27));
  if (mask > 1) {
    for (const Given& g : {Given{KR, 1}, Given{KAlpha, 2}, Given{KB, 3}, Given{KS, 4}, Given{KA1, 5}, Given{KD, 9},
                           Given{KH, 10}})
      if (!(mask & g.bit)) lines << line(g.k, value(g.k));
    lines << line(6, p.A2) << QString();
  }
  lines << line(7, value(7)) << line(8, value(8));
  return lines;
}

void KreisRange(const CircleParts& p, Extended& xLo, Extended& yLo, Extended& xHi, Extended& yHi) {
  const Extended r = p.r, a = DegToRad(p.alpha);
  if (p.alpha <= 90) {
    xLo = 1 - 0.1L * r, xHi = 1 + 1.1L * r, yLo = 1 - 0.1L * r, yHi = 1 + 1.1L * r * std::sin(a);
  } else if (p.alpha <= 180) {
    xLo = 1 - 1.1L * r * std::fabs(std::cos(a)), xHi = 1 + 1.1L * r, yLo = 1 - 0.1L * r, yHi = 1 + 1.1L * r;
  } else if (p.alpha < 270) {
    xLo = 1 - 1.1L * r, xHi = 1 + 1.1L * r, yLo = 1 - 1.1L * r * std::fabs(std::sin(a)), yHi = 1 + 1.1L * r;
  } else {
    xLo = yLo = 1 - 1.1L * r;
    xHi = yHi = 1 + 1.1L * r;
  }
}

}  // namespace zw
