#include "topics/space/XKugel.h"

#include <cmath>
#include <utility>
#include <algorithm>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {
constexpr int kSpheresApart = 15;
constexpr int kIdenticalSpheres = 36;
}  // namespace

TwoSpheresResult IntersectSpheres(TwoSpheres k) {
  if (k.r1 <= k.r2) {
    std::swap(k.m1, k.m2);
    std::swap(k.r1, k.r2);
  }
  TwoSpheresResult res;
  res.k = k;
  TVec3 v;
  Sub3(k.m2, k.m1, v);
  const Extended q = Dot3(v, v), d = std::sqrt(q);
  if (k.m1.x == k.m2.x && k.m1.y == k.m2.y && k.m1.z == k.m2.z && k.r1 == k.r2) throw CalcFailure(kIdenticalSpheres);
  if (d == 0 || d < k.r1 - k.r2 || d > k.r1 + k.r2) throw CalcFailure(kSpheresApart);
  const Extended b = (k.r1 * k.r1 - k.r2 * k.r2 + q) / (2 * d);
  res.m = {k.m1.x + b / d * v.x, k.m1.y + b / d * v.y, k.m1.z + b / d * v.z};
  // Touching spheres passed the checks above; rounding must not make their
  // point of contact fail.
  res.r = std::sqrt(std::max<Extended>(0, k.r1 * k.r1 - b * b));
  NormalizeCoefs3(v.x, v.y, v.z);
  res.n = {v.x, v.y, v.z, Dot3(v, res.m)};
  return res;
}

QStringList XKugelMemoLines(const TwoSpheresResult& res, const TextMeasurer& font) {
  QStringList lines;
  AppendHeading(lines, font, GetText(IXKugel, 2));
  auto sphere = [](int i, const TVec3& m, Extended r) {
    const std::u16string sub = ksym::SubScriptDigits(i);
    return QStringLiteral("K") + Q(sub) + QStringLiteral(" : ") + Q(FormatPoint3(u"M" + sub, m, 27)) +
           QStringLiteral(" ,  r") + Q(sub) + QStringLiteral(" = ") + Q(FormatReal(8, r));
  };
  lines << sphere(1, res.k.m1, res.k.r1) << sphere(2, res.k.m2, res.k.r2);
  lines << QString();
  AppendHeading(lines, font, GetText(IXKugel, 3));
  lines << QStringLiteral("  ") + Q(FormatPoint3(u"M", res.m, 27)) + QStringLiteral(" ,  r = ") +
               Q(FormatReal(8, res.r));
  lines << QString();
  AppendHeading(lines, font, GetText(IXKugel, 4));
  lines << QStringLiteral("  E : ") + Q(FormatPlaneEquation(res.n));
  return lines;
}

}  // namespace zw
