#include "topics/space/Ebene.h"

#include <algorithm>
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
constexpr int kCollinearPoints = 8;
}

PlaneThroughPoints PlaneThroughThreePoints(const TVec3& a, const TVec3& b, const TVec3& c) {
  PlaneThroughPoints e;
  e.a = a;
  e.b = b;
  e.c = c;
  PlaneNormalFormEx(a, b, c, e.r, e.s, e.n);
  const Extended q = e.n.x * e.n.x + e.n.y * e.n.y + e.n.z * e.n.z;
  if (q == 0) throw CalcFailure(kCollinearPoints);
  e.d = std::fabs(e.n.t / std::sqrt(q));
  return e;
}

QStringList EbeneMemoLines(const PlaneThroughPoints& e, const TextMeasurer& font) {
  QStringList lines;
  const QString dot = Q(ksym::MulDotSign);
  lines << GetText(IEbene, 2);
  lines << Q(FormatPoint3(u"A", e.a, 15)) + QStringLiteral(", ") + Q(FormatPoint3(u"B", e.b, 15)) +
               QStringLiteral(", ") + Q(FormatPoint3(u"C", e.c, 15));
  lines << QString();
  AppendHeading(lines, font, GetText(IEbene, 3));
  const ColumnLines a = ColumnOf(e.a), r = ColumnOf(e.r), s = ColumnOf(e.s);
  lines << QStringLiteral("->  ") + a.top + QStringLiteral("     ") + r.top + QStringLiteral("     ") + s.top;
  lines << QStringLiteral("x = ") + a.middle + QStringLiteral(" + r") + dot + r.middle + QStringLiteral(" + s") + dot +
               s.middle;
  lines << QStringLiteral("    ") + a.bottom + QStringLiteral("     ") + r.bottom + QStringLiteral("     ") +
               s.bottom;
  lines << QString();
  AppendHeading(lines, font, GetText(IEbene, 4));
  lines << Q(FormatPlaneEquation(e.n));
  lines << QString();
  AppendHeading(lines, font, GetText(IEbene, 5));
  lines << QStringLiteral("d = ") + Q(FormatReal(8, e.d));
  lines << QString();
  AppendHeading(lines, font, GetText(IEbene, 6));
  if (e.n.x != 0) lines << Q(FormatPoint3(u"  Sx", {e.n.t / e.n.x, 0, 0}, 15));
  if (e.n.y != 0) lines << Q(FormatPoint3(u"  Sy", {0, e.n.t / e.n.y, 0}, 15));
  if (e.n.z != 0) lines << Q(FormatPoint3(u"  Sz", {0, 0, e.n.t / e.n.z}, 15));
  return lines;
}

Extended EbeneExtent(const PlaneThroughPoints& e) { return std::max<Extended>(4 * e.d, 1); }

std::vector<TVec3> EbeneTraceMarks(const TVec4& n, Extended extent) {
  std::vector<TVec3> marks;
  const Extended normal[3] = {n.x, n.y, n.z};
  for (int k = 0; k < 3; ++k) {
    if (normal[k] == 0) continue;
    const Extended v = n.t / normal[k];
    if (!(v < extent)) continue;
    TVec3 p{0, 0, 0};
    (k == 0 ? p.x : k == 1 ? p.y : p.z) = v;
    marks.push_back(p);
  }
  return marks;
}

}  // namespace zw
