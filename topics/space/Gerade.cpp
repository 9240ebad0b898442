#include "topics/space/Gerade.h"

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

LineThroughPoints LineThroughTwoPoints(const TVec3& a, const TVec3& b) {
  LineThroughPoints g{a, b, {}};
  Sub3(a, b, g.u);
  if (g.u.x == 0 && g.u.y == 0 && g.u.z == 0) throw CalcFailure(msg::ImproperData);
  NormalizeCoefs3(g.u.x, g.u.y, g.u.z);
  return g;
}

QStringList GeradeMemoLines(const LineThroughPoints& g, const TextMeasurer& font) {
  const TVec3& A = g.a;
  const TVec3& u = g.u;
  const QString none = GetMessageText(msg::NoSolution);
  const QString projection = GetTextColon(IGerade, 7), trace = GetTextColon(IGerade, 8),
                angle = GetTextColon(IGerade, 9);
  auto angleTo = [&](const TVec3& normal) {
    return angle + Q(FormatReal(8, 90 - AngleBetween3(normal, u))) + Q(ksym::DegreeSign);
  };
  QStringList lines;
  lines << GetText(IGerade, 2) + QStringLiteral(" ") + Q(FormatPoint3(u"A", A, 15)) + QStringLiteral(", ") +
               Q(FormatPoint3(u"B", g.b, 15));
  lines << QString();
  AppendHeading(lines, font, GetText(IGerade, 3));
  const ColumnLines a = ColumnOf(A), d = ColumnOf(u);
  lines << QStringLiteral("  ->  ") + a.top + QStringLiteral("     ") + d.top;
  lines << QStringLiteral("  x = ") + a.middle + QStringLiteral(" + t") + Q(ksym::MulDotSign) + d.middle;
  lines << QStringLiteral("      ") + a.bottom + QStringLiteral("     ") + d.bottom;
  lines << QString();
  AppendHeading(lines, font, GetText(IGerade, 10));
  lines << QStringLiteral("  d = ") + Q(FormatReal(8, DistLineOrigin3(A, u)));

  // xy plane: only its value lines begin with a blank.
  lines << QString();
  AppendHeading(lines, font, GetText(IGerade, 4));
  lines << (u.x != 0 || u.y != 0 ? QStringLiteral(" ") + projection +
                                       Q(FormatLineEquation(u.y, -u.x, A.x * u.y - A.y * u.x))
                                 : projection + none);
  lines << (u.z != 0 ? QStringLiteral(" ") + trace +
                           Q(FormatPoint3(u"S1", {A.x - A.z * u.x / u.z, A.y - A.z * u.y / u.z, 0}, 16))
                     : trace + none);
  lines << QStringLiteral(" ") + angleTo({0, 0, 1});

  lines << QString();
  AppendHeading(lines, font, GetText(IGerade, 5));
  lines << (u.y != 0 || u.z != 0
                ? projection + Q(FormatLineEquationNamed(u"y", u"z", -u.z, u.y, A.z * u.y - A.y * u.z))
                : projection + none);
  lines << (u.x != 0 ? trace + Q(FormatPoint3(u"S2", {0, A.y - A.x * u.y / u.x, A.z - A.x * u.z / u.x}, 16))
                     : trace + none);
  lines << angleTo({1, 0, 0});

  lines << QString();
  AppendHeading(lines, font, GetText(IGerade, 6));
  lines << (u.x != 0 || u.z != 0
                ? projection + Q(FormatLineEquationNamed(u"x", u"z", -u.z, u.x, A.z * u.x - A.x * u.z))
                : projection + none);
  lines << (u.y != 0 ? trace + Q(FormatPoint3(u"S3", {A.x - A.y * u.x / u.y, 0, A.z - A.y * u.z / u.y}, 16))
                     : trace + none);
  lines << angleTo({0, 1, 0});
  return lines;
}

}  // namespace zw
