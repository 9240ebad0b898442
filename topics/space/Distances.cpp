#include "topics/space/Distances.h"

#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {
constexpr int kGiven = 26;
constexpr int kLineUndetermined = 10;

QString PointText(const QString& name, const PointTexts& t) {
  return " " + name + "(" + t[0] + "|" + t[1] + "|" + t[2] + ")";
}
}  // namespace

QStringList PointPointMemoLines(const PointTexts& aText, const PointTexts& bText, const TVec3& a,
                                const TVec3& b, const TextMeasurer& font) {
  QStringList lines;
  lines << GetMessageText(kGiven) + PointText("A", aText) + "," + PointText("B", bText) << QString();
  AppendHeading(lines, font, GetText(IAbstPP, 2));
  const Extended dq = DistSqr3(a, b);
  lines << QString::fromUtf16(u"  d(A,B) = √") + Q(FormatReal(8, dq)) + " = " + Q(FormatReal(8, std::sqrt(dq)));
  return lines;
}

QStringList PointLineMemoLines(const PointTexts& pText, const TVec3& p, const TVec3& q, const TVec3& v,
                               const TextMeasurer& font) {
  if (v.x == 0 && v.y == 0 && v.z == 0) throw CalcFailure(kLineUndetermined);
  const Extended d = DistPointLine3(q, v, p);
  QStringList lines;
  lines << GetMessageText(kGiven) + PointText("P", pText) << QString();
  const ColumnLines qc = ColumnOf(q), vc = ColumnOf(v);
  lines << "    ->  " + qc.top + "     " + vc.top
        << "g : x = " + qc.middle + QString::fromUtf16(u" + s·") + vc.middle
        << "        " + qc.bottom + "     " + vc.bottom << QString();
  AppendHeading(lines, font, GetText(IAbstPG, 2));
  lines << "  d(P,g) = " + Q(FormatReal(8, d));
  return lines;
}

QStringList PointPlaneMemoLines(const PointTexts& pText, const TVec3& p, const TVec4& plane,
                                const TextMeasurer& font) {
  if (plane.x == 0 && plane.y == 0 && plane.z == 0) throw CalcFailure(msg::IndeterminatePlane);
  Extended num = 0, nq = 0;
  const Extended d = DistPointPlaneEx(p, plane, num, nq);
  QStringList lines;
  lines << GetMessageText(kGiven) + PointText("P", pText) << QString();
  lines << "E : " + Q(FormatPlaneEquation(plane)) << QString();
  AppendHeading(lines, font, GetText(IAbstPE, 2));
  lines << "  d(P,E) = " + Q(FormatReal(8, num)) + QString::fromUtf16(u" / √") + Q(FormatReal(8, nq)) + " = " +
               Q(FormatReal(8, d));
  return lines;
}

namespace {
constexpr TextItem kPPDe[] = {{1, u"Berechnet wird die Entfernung zwischen zwei Punkten  A  und  B."},
                              {2, u"Entfernung zwischen A und B :"}};
constexpr TextItem kPPEn[] = {{1, u"The program calculates the distance between two points A and B"},
                              {2, u"Distance between A and B :"}};
constexpr TextItem kPPFr[] = {{1, u"Le programme calcule la distance entre deux points  A  et  B."},
                              {2, u"Distance entre A et B :"}};
constexpr TextItem kPGDe[] = {{1, u"Berechnet wird der Abstand zwischen einem Punkt und einer Geraden"},
                              {2, u"Abstand zwischen P und g :"}, {3, u"g durch 2 Pkte"}};
constexpr TextItem kPGEn[] = {{1, u"The program calculates the distance between a point and a line"},
                              {2, u"Distance between P and g :"}, {3, u"g bye 2 pts"}};
constexpr TextItem kPGFr[] = {{1, u"Le programme calcule la distance entre un point et une droite"},
                              {2, u"Distance entre P et g :"}, {3, u"g par 2 points"}};
constexpr TextItem kPEDe[] = {{1, u"Berechnet wird der Abstand zwischen einem Punkt und einer Ebene"},
                              {2, u"Abstand zwischen P und E :"}};
constexpr TextItem kPEEn[] = {{1, u"The program calculates the distance between a point and a plane"},
                              {2, u"Distance between P and E :"}};
constexpr TextItem kPEFr[] = {{1, u"Le programme calcule la distance entre un point et un plan"},
                              {2, u"Distance entre P et E :"}};
}  // namespace

void RegisterDistanceTexts() {
  static const TextPageRegistration regs[] = {
      {IAbstPP, TextLanguage::German, kPPDe}, {IAbstPP, TextLanguage::English, kPPEn},
      {IAbstPP, TextLanguage::French, kPPFr}, {IAbstPG, TextLanguage::German, kPGDe},
      {IAbstPG, TextLanguage::English, kPGEn}, {IAbstPG, TextLanguage::French, kPGFr},
      {IAbstPE, TextLanguage::German, kPEDe}, {IAbstPE, TextLanguage::English, kPEEn},
      {IAbstPE, TextLanguage::French, kPEFr}};
  (void)regs;
}

}  // namespace zw
