#include "topics/plane/XKreis.h"

#include <algorithm>
#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

namespace {
constexpr int kIdenticalCircles = 52;
}

TwoCirclesResult IntersectCircles(const TwoCircles& k) {
  TwoCirclesResult res;
  Extended x1 = k.m1.x, y1 = k.m1.y, x2 = k.m2.x, y2 = k.m2.y;
  const Extended r1 = k.r1, r2 = k.r2;
  if (x1 == x2 && y1 == y2) {
    // No radical line: the same circle twice, or one inside the other.
    if (r1 == r2) throw CalcFailure(kIdenticalCircles);
    return res;
  }
  // Centres on one horizontal line would give a vertical radical line: the
  // plane is mirrored at y = x for the computation.
  if (y1 == y2) {
    std::swap(x1, y1);
    std::swap(x2, y2);
    res.swapped = true;
  }
  const Extended m = -(x1 - x2) / (y1 - y2);
  const Extended n = ((x1 + x2) * (x1 - x2) + (y1 + y2) * (y1 - y2) - (r1 + r2) * (r1 - r2)) / (2 * (y1 - y2));
  const Extended h = ((n - y1) * m - x1) / (m * m + 1);
  const Extended q = ((n - y1) * (n - y1) + x1 * x1 - r1 * r1) / (m * m + 1);
  Extended D = h * h - q;
  if (std::fabs(D) < 1e-18L) D = 0;
  res.m = m;
  res.n = n;
  res.sign = D > 0 ? 1 : (D < 0 ? -1 : 0);
  if (D >= 0) {
    res.s1.x = std::sqrt(D) - h;
    res.s2.x = -h - std::sqrt(D);
    res.s1.y = m * res.s1.x + n;
    res.s2.y = m * res.s2.x + n;
    if (res.swapped) {
      std::swap(res.s1.x, res.s1.y);
      std::swap(res.s2.x, res.s2.y);
    }
  }
  return res;
}

QStringList XKreisMemoLines(const TwoCircles& k, const TwoCirclesResult& res, const TextMeasurer& font) {
  QStringList lines;
  const QString one = Q(ksym::SubScriptDigits(1)), two = Q(ksym::SubScriptDigits(2));
  AppendHeading(lines, font, GetText(IXKreis, 2));
  lines << QStringLiteral("  k") + one + QStringLiteral(" : ") + Q(FormatPoint2(u"M" + ksym::SubScriptDigits(1), k.m1, 27)) +
               QStringLiteral("   r") + one + QStringLiteral(" = ") + Q(FormatReal(8, k.r1));
  lines << QStringLiteral("  k") + two + QStringLiteral(" : ") + Q(FormatPoint2(u"M" + ksym::SubScriptDigits(2), k.m2, 27)) +
               QStringLiteral("   r") + two + QStringLiteral(" = ") + Q(FormatReal(8, k.r2));
  lines << QString();
  if (res.sign < 0) {
    lines << GetText(IXKreis, 7);
  } else if (res.sign == 0) {
    AppendHeading(lines, font, GetText(IXKreis, 5));
    lines << QStringLiteral("  ") + Q(FormatPoint2(u"B", res.s1, 27));
    lines << QString();
    AppendHeading(lines, font, GetText(IXKreis, 6));
    // The tangent's normal is the radius to the point of contact.
    const Extended a = k.m1.x - res.s1.x, b = k.m1.y - res.s1.y;
    lines << QStringLiteral("  ") + Q(FormatLineEquation(a, b, a * res.s1.x + b * res.s1.y));
  } else {
    AppendHeading(lines, font, GetText(IXKreis, 3));
    lines << QStringLiteral("  ") + Q(FormatPoint2(u"S" + ksym::SubScriptDigits(1), res.s1, 27));
    lines << QStringLiteral("  ") + Q(FormatPoint2(u"S" + ksym::SubScriptDigits(2), res.s2, 27));
    const Extended a = res.s1.y - res.s2.y, b = res.s2.x - res.s1.x;
    QString line = QStringLiteral("  ") + Q(FormatLineEquation(a, b, a * res.s1.x + b * res.s1.y));
    if (!res.swapped) {
      const QString alt = QStringLiteral("  y = ") + Q(FormatReal(8, res.m)) + QStringLiteral("x") + Q(FormatTerm(8, res.n));
      if (alt.size() < line.size()) line = alt;
    }
    lines << QString();
    AppendHeading(lines, font, GetText(IXKreis, 4));
    lines << line;
  }
  return lines;
}

void XKreisRange(const TwoCircles& k, Extended& xLo, Extended& yLo, Extended& xHi, Extended& yHi) {
  xLo = std::min(k.m1.x - 1.2L * k.r1, k.m2.x - 1.2L * k.r2);
  xHi = std::max(k.m1.x + 1.2L * k.r1, k.m2.x + 1.2L * k.r2);
  yLo = std::min(k.m1.y - 1.2L * k.r1, k.m2.y - 1.2L * k.r2);
  yHi = std::max(k.m1.y + 1.2L * k.r1, k.m2.y + 1.2L * k.r2);
}

}  // namespace zw
