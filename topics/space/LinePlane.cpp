#include "topics/space/LinePlane.h"

#include <algorithm>
#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {
constexpr int kFault = 17;
constexpr int kLineUndetermined = 10;
}  // namespace

LinePlaneResult ComputeLinePlane(const TVec4& plane, const TVec3& p, const TVec3& u) {
  if (plane.x == 0 && plane.y == 0 && plane.z == 0) throw CalcFailure(msg::IndeterminatePlane);
  if (u.x == 0 && u.y == 0 && u.z == 0) throw CalcFailure(kLineUndetermined);
  LinePlaneResult r;
  r.plane = plane;
  r.p = p;
  r.u = u;
  const TVec3 n{plane.x, plane.y, plane.z};
  const Extended g = n.x * u.x + n.y * u.y + n.z * u.z;
  const Extended np = n.x * p.x + n.y * p.y + n.z * p.z - plane.t;
  if (g == 0) {
    r.parallel = true;
    r.d1 = std::max(DistPointPlane({}, plane), DistLineOrigin3(p, u)) / 2;
    r.d = DistPointPlane(p, plane);
  } else {
    const Extended lambda = -np / g;
    r.point = {p.x + lambda * u.x, p.y + lambda * u.y, p.z + lambda * u.z};
    r.angle = 90 - AngleBetween3(n, u);
    r.d = std::sqrt(r.point.x * r.point.x + r.point.y * r.point.y + r.point.z * r.point.z);
    r.d1 = r.d;
  }
  if (!std::isfinite(r.d) || !std::isfinite(r.d1) || !std::isfinite(r.angle)) throw CalcFailure(kFault);
  return r;
}

Extended LinePlaneExtent(const LinePlaneResult& r) { return std::max(4 * r.d1, Extended(1)); }

QStringList LinePlaneMemoLines(const LinePlaneResult& r, const TextMeasurer& font) {
  QStringList lines;
  AppendHeading(lines, font, GetText(IXGerEb, 5));
  lines << "  E : " + Q(FormatPlaneEquation(r.plane)) << QString();
  AppendHeading(lines, font, GetText(IXGerEb, 6));
  const ColumnLines p = ColumnOf(r.p), u = ColumnOf(r.u);
  lines << "      ->  " + p.top + "     " + u.top
        << "  g : x = " + p.middle + QString::fromUtf16(u" + r·") + u.middle
        << "          " + p.bottom + "     " + u.bottom << QString();
  if (r.parallel && r.d != 0) {
    AppendHeading(lines, font, GetText(IXGerEb, 9));
    lines << "  d(g,E) = " + Q(FormatReal(8, r.d));
  } else if (r.parallel) {
    AppendHeading(lines, font, GetText(IXGerEb, 10));
  } else {
    AppendHeading(lines, font, GetText(IXGerEb, 7));
    lines << "  " + Q(FormatPoint3(u"S", r.point, 27)) << QString();
    AppendHeading(lines, font, GetText(IXGerEb, 8));
    lines << QString::fromUtf16(u"  α = ") + Q(FormatReal(8, std::fabs(r.angle))) + QString::fromUtf16(u"°");
  }
  return lines;
}

namespace {
constexpr TextItem kDe[] = {
    {1, u"Zu einer Ebene und einer Geraden werden der Schnittpunkt und der Schnittwinkel bestimmt."},
    {2, u"E  vektoriell"}, {3, u"E  durch 3 Punkte"}, {4, u"g  durch 2 Punkte"}, {5, u"Ebene E :"},
    {6, u"Gerade g :"}, {7, u"Schnittpunkt von E und g :"}, {8, u"Schnittwinkel von E und g :"},
    {9, u"Ebene und Gerade sind parallel"}, {10, u"Die Gerade liegt in der Ebene"},
};
constexpr TextItem kEn[] = {
    {1, u"Given a plane and a line the program calculates the intersection point and the intersection angle."},
    {2, u"E  vectorial"}, {3, u"E  by 3 points"}, {4, u"g  by 2 points"}, {5, u"Plane E :"}, {6, u"Line g :"},
    {7, u"Intersection point :"}, {8, u"Intersection angle :"}, {9, u"Plane and line are parallel"},
    {10, u"The line lies in the plane"},
};
constexpr TextItem kFr[] = {
    {1, u"Pour un plan et une droite, le programme calcule le point et l'angle d'intersection."},
    {2, u"E  vectoriel"}, {3, u"E  par 3 points"}, {4, u"g  par 2 points"}, {5, u"Plan E :"}, {6, u"Droite g :"},
    {7, u"Point d'intersection de E et g :"}, {8, u"Angle d'intersection de E et g :"},
    {9, u"Le plan et la droite sont parallèles"}, {10, u"La droite est dans le plan"},
};
}  // namespace

void RegisterLinePlaneTexts() {
  static const TextPageRegistration regs[] = {
      {IXGerEb, TextLanguage::German, kDe}, {IXGerEb, TextLanguage::English, kEn},
      {IXGerEb, TextLanguage::French, kFr}};
  (void)regs;
}

}  // namespace zw
