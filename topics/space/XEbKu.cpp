#include "topics/space/XEbKu.h"

#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {
constexpr int kPlaneMissesSphere = 16;
}

PlaneAndSphereResult IntersectPlaneSphere(const PlaneAndSphere& in) {
  const TVec4& e = in.e;
  const Extended rr = in.r * in.r, nn = e.x * e.x + e.y * e.y + e.z * e.z;
  if (nn == 0) throw CalcFailure(msg::InvalidInput);
  const Extended f = e.t - (e.x * in.m.x + e.y * in.m.y + e.z * in.m.z);
  const Extended g = f * f / nn;
  if (rr - g < 0) throw CalcFailure(kPlaneMissesSphere);
  PlaneAndSphereResult res;
  // The foot of the perpendicular from the centre to the plane.
  res.m = {in.m.x + f / nn * e.x, in.m.y + f / nn * e.y, in.m.z + f / nn * e.z};
  res.r = std::sqrt(rr - g);
  return res;
}

QStringList XEbKuMemoLines(const PlaneAndSphere& in, const PlaneAndSphereResult& res, const TextMeasurer& font) {
  QStringList lines;
  AppendHeading(lines, font, GetText(IXEbKu, 2));
  lines << QStringLiteral(" E : ") + Q(FormatPlaneEquation(in.e));
  lines << QString();
  AppendHeading(lines, font, GetText(IXEbKu, 3));
  const ColumnLines m = ColumnOf(in.m);
  lines << QStringLiteral("     | ->   ") + m.top + QStringLiteral("|2");
  lines << QStringLiteral(" K : | x  - ") + m.middle + QStringLiteral("| = ") + Q(FormatReal(8, in.r * in.r));
  lines << QStringLiteral("     |      ") + m.bottom + QStringLiteral("|");
  lines << QString();
  AppendHeading(lines, font, GetText(IXEbKu, 4));
  lines << Q(FormatPoint3(u"  M", res.m, 27));
  lines << QStringLiteral("  r = ") + Q(FormatReal(8, res.r));
  return lines;
}

}  // namespace zw
