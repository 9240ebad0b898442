#include "topics/space/TwoLines.h"

#include <algorithm>
#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "kernel/RealHelpers.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {
Extended Norm(const TVec3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
}  // namespace

SpaceLinesResult ComputeTwoLines(const TVec3& p, const TVec3& u, const TVec3& q, const TVec3& v) {
  SpaceLinesResult r;
  r.p = p;
  r.u = u;
  r.q = q;
  r.v = v;
  try {
    LineLineDist3(p, u, q, v, r.f1, r.f2, r.r, r.s, r.d, r.dq, r.parallel);
    r.angle = AngleBetween3(u, v);
    r.d1 = LineOriginFoot3(p, u, r.d1q);
    r.d2 = LineOriginFoot3(q, v, r.d2q);
  } catch (const CalcFailure&) {
    throw CalcFailure(msg::ImproperData);
  }
  for (Extended x : {r.d, r.angle, r.d1, r.d2})
    if (!std::isfinite(x)) throw CalcFailure(msg::ImproperData);
  const bool zero = RoundToNth(5, r.d) == 0;
  if (r.parallel) r.relation = zero ? LinesRelation::Identical : LinesRelation::Parallel;
  else r.relation = zero ? LinesRelation::Intersecting : LinesRelation::Skew;
  return r;
}

QString LengthRootForm(Extended x, Extended xq) {
  const QString value = Q(FormatReal(8, x));
  const Extended hundred = 100 * xq;
  if (x != std::trunc(x) && hundred == std::trunc(hundred))
    return QString::fromUtf16(u"√") + Q(FormatReal(8, xq)) + " = " + value;
  return value;
}

Extended TwoLinesExtent(const SpaceLinesResult& r) {
  Extended e = std::max({r.d, 4 * r.d1, 4 * r.d2});
  if (!r.parallel) {
    e = std::max(e, 4 * Norm(r.f1));
    if (r.d > 0) e = std::max(e, 4 * Norm(r.f2));
  }
  // Two lines meeting at the origin have no extent at all.
  return std::max(e, Extended(1));
}

QStringList TwoLinesMemoLines(const SpaceLinesResult& r, const TextMeasurer& font) {
  (void)font;
  TVec3 u = r.u, v = r.v;
  NormalizeCoefs3(u.x, u.y, u.z);
  NormalizeCoefs3(v.x, v.y, v.z);
  const ColumnLines p = ColumnOf(r.p), uc = ColumnOf(u), q = ColumnOf(r.q), vc = ColumnOf(v);
  QStringList lines;
  lines << "    ->  " + p.top + "     " + uc.top
        << "g : x = " + p.middle + QString::fromUtf16(u" + r·") + uc.middle
        << "        " + p.bottom + "     " + uc.bottom << QString()
        << "    ->  " + q.top + "     " + vc.top
        << "h : x = " + q.middle + QString::fromUtf16(u" + s·") + vc.middle
        << "        " + q.bottom + "     " + vc.bottom << QString();
  switch (r.relation) {
    case LinesRelation::Identical:
      lines << GetText(IXGer3d, 6);
      break;
    case LinesRelation::Parallel:
      lines << GetText(IXGer3d, 7) << GetText(IXGer3d, 9) + " d(g,h) = " + LengthRootForm(r.d, r.dq);
      break;
    case LinesRelation::Skew:
      lines << GetText(IXGer3d, 8) << GetText(IXGer3d, 9) + " d(g,h) = " + LengthRootForm(r.d, r.dq) << QString()
            << GetTextColon(IXGer3d, 10)
            << Q(FormatPoint3(u"  F1", r.f1, 21)) + "   " + Q(FormatPoint3(u"F2", r.f2, 21));
      break;
    case LinesRelation::Intersecting:
      lines << GetTextColon(IXGer3d, 4) + Q(FormatPoint3(u"S", r.f1, 21)) << QString()
            << GetTextColon(IXGer3d, 5) + Q(FormatReal(8, r.angle)) + QString::fromUtf16(u"°");
      break;
  }
  lines << QString() << GetTextColon(IXGer3d, 11) << "  d(O,g) = " + LengthRootForm(r.d1, r.d1q)
        << "  d(O,h) = " + LengthRootForm(r.d2, r.d2q);
  return lines;
}

namespace {
constexpr TextItem kDe[] = {
    {1, u"Das Programm bestimmt zu zwei Geraden den Schnittpunkt, den Schnittwinkel und die Abstände vom "
        u"Ursprung."},
    {2, u"g durch 2 Pkte"}, {3, u"h durch 2 Pkte"}, {4, u"Schnittpunkt von g und h"},
    {5, u"Winkel zwischen g und h"}, {6, u"Identische Geraden"}, {7, u"Parallele Geraden"},
    {8, u"Windschiefe Geraden"}, {9, u"Abstand"}, {10, u"Fußpunkte des gemeinsamen Lots"},
    {11, u"Abstände zum Ursprung"},
};
constexpr TextItem kEn[] = {
    {1, u"Given two lines, the program calculates the intersection point, the intersection angle and their "
        u"distances from origin."},
    {2, u"g by 2 pts"}, {3, u"h by 2 pts"}, {4, u"Intersection point of g and h"},
    {5, u"Intersection angle of g and h"}, {6, u"Identical lines"}, {7, u"Parallel lines"}, {8, u"Skew lines"},
    {9, u"Distance"}, {10, u"Common perpendicular feet"}, {11, u"Distances from origin"},
};
constexpr TextItem kFr[] = {
    {1, u"Pour deux droites, le programme calcule le point d'intersection, l'angle d'intersection et leurs "
        u"distances à l'origine."},
    {2, u"g par 2 points"}, {3, u"h par 2 points"}, {4, u"Point d'intersection de g et h"},
    {5, u"Angle entre g et h"}, {6, u"Droites identiques"}, {7, u"Droites parallèles"},
    {8, u"Droites gauches"}, {9, u"Distance"}, {10, u"Pieds de la perpendiculaire commune"},
    {11, u"Distances à l'origine"},
};
}  // namespace

void RegisterTwoLinesTexts() {
  static const TextPageRegistration regs[] = {
      {IXGer3d, TextLanguage::German, kDe}, {IXGer3d, TextLanguage::English, kEn},
      {IXGer3d, TextLanguage::French, kFr}};
  (void)regs;
}

}  // namespace zw
