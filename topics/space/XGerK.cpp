#include "topics/space/XGerK.h"

#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {
constexpr int kLineUndetermined = 10;
constexpr int kLineMissesSphere = 19;

TVec3 Along(const TVec3& p, Extended t, const TVec3& u) { return {p.x + t * u.x, p.y + t * u.y, p.z + t * u.z}; }
}  // namespace

LineAndSphereResult IntersectLineSphere(const LineAndSphere& in) {
  const TVec3& u = in.u;
  const Extended a = Dot3(u, u);
  TVec3 q;
  Sub3(in.p, in.m, q);
  const TVec3 c{q.y * u.z - q.z * u.y, q.z * u.x - q.x * u.z, q.x * u.y - q.y * u.x};
  LineAndSphereResult res;
  res.d = a * in.r * in.r - Dot3(c, c);
  if (a == 0) throw CalcFailure(kLineUndetermined);
  if (res.d < 0) throw CalcFailure(kLineMissesSphere);
  const Extended qu = Dot3(q, u), root = std::sqrt(res.d);
  res.s1 = Along(in.p, -(qu + root) / a, u);
  res.s2 = Along(in.p, (root - qu) / a, u);
  return res;
}

QStringList XGerKMemoLines(const LineAndSphere& in, const LineAndSphereResult& res, const TextMeasurer& font) {
  QStringList lines;
  AppendHeading(lines, font, GetText(IXGerK, 3));
  lines << QStringLiteral("  K : ") + Q(FormatPoint3(u"M", in.m, 27)) + QStringLiteral(" ,  r = ") +
               Q(FormatReal(8, in.r));
  lines << QString();
  AppendHeading(lines, font, GetText(IXGerK, 4));
  TVec3 u = in.u;
  NormalizeCoefs3(u.x, u.y, u.z);
  const ColumnLines p = ColumnOf(in.p), d = ColumnOf(u);
  lines << QStringLiteral("     ->  ") + p.top + QStringLiteral("     ") + d.top;
  lines << QStringLiteral(" g : x = ") + p.middle + QStringLiteral(" + r") + Q(ksym::MulDotSign) + d.middle;
  lines << QStringLiteral("         ") + p.bottom + QStringLiteral("     ") + d.bottom;
  lines << QString();
  if (res.d <= 0) {
    AppendHeading(lines, font, GetText(IXGerK, 7));
    lines << QStringLiteral("  ") + Q(FormatPoint3(u"S1", res.s1, 27));
    return lines;
  }
  AppendHeading(lines, font, GetText(IXGerK, 5));
  lines << QStringLiteral("  ") + Q(FormatPoint3(u"S1", res.s1, 27));
  lines << QStringLiteral("  ") + Q(FormatPoint3(u"S2", res.s2, 27));
  lines << QString();
  AppendHeading(lines, font, GetText(IXGerK, 6));
  lines << QStringLiteral("  s = ") + Q(FormatReal(8, Dist3(res.s1, res.s2)));
  return lines;
}

}  // namespace zw
