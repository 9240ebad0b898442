#include "topics/plane/BesGer.h"

#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

SpecialLines SolveSpecialLines(const TVec2& A, const TVec2& B, const TVec2& C) {
  if (PointsCollinear(A, B, C)) throw CalcFailure(8);
  SpecialLines t;
  t.A = A, t.B = B, t.C = C;
  try {
    LineThrough2(B, C, t.ga);
    LineThrough2(C, A, t.gb);
    LineThrough2(A, B, t.gc);
    TriangleAngles(A, B, C, t.winkel);
    MedianLine(A, B, C, t.sa);
    MedianLine(B, C, A, t.sb);
    MedianLine(C, A, B, t.sc);
    PerpBisector(B, C, t.ma);
    PerpBisector(C, A, t.mb);
    PerpBisector(A, B, t.mc);
    AngleBisector(B, A, C, t.wa);
    AngleBisector(C, B, A, t.wb);
    AngleBisector(A, C, B, t.wc);
    PerpLineThroughPoint(A, B, C, t.ha);
    PerpLineThroughPoint(B, C, A, t.hb);
    PerpLineThroughPoint(C, A, B, t.hc);
    AltitudeFoot(A, B, C, t.La);
    AltitudeFoot(B, C, A, t.Lb);
    AltitudeFoot(C, A, B, t.Lc);
    const Extended a = VertexDist(B, C), b = VertexDist(C, A), c = VertexDist(A, B), s = (a + b + c) / 2;
    const Extended F = std::sqrt(std::max<Extended>(0, s * (s - a) * (s - b) * (s - c)));
    if (!(F > 0) || !(s - a > 0) || !(s - b > 0) || !(s - c > 0)) throw CalcFailure(8);
    Centroid(A, B, C, t.Ms);
    Orthocentre(A, B, C, t.Oz);
    Incentre(A, B, C, t.Mi);
    t.ri = F / s;
    Circumcentre(A, B, C, t.Mu);
    t.ru = VertexDist(A, t.Mu);
    Midpoint2(A, B, t.Ms1);
    Midpoint2(B, C, t.Ms2);
    Midpoint2(C, A, t.Ms3);
    Circumcentre(t.Ms1, t.Ms2, t.Ms3, t.M9);
    t.r9 = VertexDist(t.Ms1, t.M9);
    BarycentricPoint({-a, b, c}, A, B, C, t.Ma1);
    BarycentricPoint({a, -b, c}, A, B, C, t.Ma2);
    BarycentricPoint({a, b, -c}, A, B, C, t.Ma3);
    t.r1 = F / (s - a);
    t.r2 = F / (s - b);
    t.r3 = F / (s - c);
  } catch (const CalcFailure&) {
    throw CalcFailure(8);
  }
  return t;
}

QStringList SpecialLinesMemo(const SpecialLines& t, int choice, const TextMeasurer& font) {
  auto item = [](int i) { return GetText(IDrei, i); };
  const QString blank = QStringLiteral(" ");
  QString labelCol = BlankWidthOf3(font, item(12), item(5), item(8), item(4), item(6));
  labelCol = BlankWidthOf3(font, labelCol, item(7), item(22), item(21), item(18));
  labelCol = BlankWidthOf3(font, labelCol, item(23), blank, blank, blank) + QStringLiteral("  ");
  const QString pointCol = BlankWidthOf(font, QString(20, QLatin1Char('9')));

  QStringList lines;
  auto line = [&](const QString& label, const QString& text) { lines << PadLeftToWidth(font, labelCol, label) + text; };
  auto labelled = [&](int i) { return GetTextColon(IDrei, i); };
  auto point = [](const char16_t* name, const TVec2& p) { return Q(FormatPoint2(name, p, 12)); };
  auto pointZ = [](const char16_t* name, const TVec2& p) { return Q(FormatPoint2Zeros(name, p, 12)); };
  auto radius = [](const QString& name, Extended r) { return name + Q(FormatRealZeros(4, r)); };
  auto circle = [&](const QString& label, const QString& p, const QString& r) {
    lines << PadLeftToWidth(font, labelCol, label) + PadRightToWidth(font, pointCol, QStringLiteral("   ") + p) + r;
  };
  auto equation = [](const TDrei& g) { return Q(FormatLineEquation(g.a, g.b, g.c)); };
  auto three = [&](int label, const char* n1, const TDrei& g1, const char* n2, const TDrei& g2, const char* n3,
                   const TDrei& g3, bool six = false) {
    auto eq = [six, &equation](const TDrei& g) { return six ? Q(FormatLineEquation6(g.a, g.b, g.c)) : equation(g); };
    line(labelled(label), QString::fromLatin1(n1) + eq(g1));
    line(blank, QString::fromLatin1(n2) + eq(g2));
    line(blank, QString::fromLatin1(n3) + eq(g3));
  };

  AppendHeading(lines, font, GetMessageText(26));
  line(labelled(1), QStringLiteral("   ") + point(u"A", t.A) + QStringLiteral("   ") + point(u"B", t.B) +
                        QStringLiteral("   ") + point(u"C", t.C));
  lines << blank;
  AppendHeading(lines, font, GetMessageText(27));
  three(2, "  a :  ", t.ga, "  b :  ", t.gb, "  c :  ", t.gc);
  lines << blank;
  if (choice & SlPerpBisectors) {
    three(12, " ma :  ", t.ma, " mb :  ", t.mb, " mc :  ", t.mc);
    if (!(choice & SlCircumcircle)) line(labelled(11), QStringLiteral("   ") + pointZ(u"Mu", t.Mu));
    lines << blank;
  }
  if (choice & SlMedians) {
    three(5, " sa : ", t.sa, " sb : ", t.sb, " sc : ", t.sc);
    line(labelled(22), blank + pointZ(u"S", t.Ms));
    lines << blank;
  }
  if (choice & SlBisectors) {
    three(6, " wa : ", t.wa, " wb : ", t.wb, " wc : ", t.wc, true);
    if (!(choice & SlIncircle)) line(labelled(11), QStringLiteral("   ") + pointZ(u"Mi", t.Mi));
    lines << blank;
  }
  if (choice & SlAltitudes) {
    three(4, " ha : ", t.ha, " hb : ", t.hb, " hc : ", t.hc);
    line(labelled(23), blank + point(u"Ha", t.La) + QStringLiteral("   ") + point(u"Hb", t.Lb) + QStringLiteral("   ") +
                           point(u"Hc", t.Lc));
    line(labelled(21), blank + point(u"H", t.Oz));
    lines << blank;
  }
  if (choice & SlIncircle) {
    circle(labelled(8), pointZ(u"Mi", t.Mi), radius(QStringLiteral("  r") + ThinSpace() + QStringLiteral("i = "), t.ri));
    lines << blank;
  }
  if (choice & SlCircumcircle) {
    circle(labelled(7), pointZ(u"Mu", t.Mu), radius(QStringLiteral("  ru = "), t.ru));
    lines << blank;
  }
  if (choice & SlExcircles) {
    circle(labelled(18), pointZ(u"Ma", t.Ma1), radius(QStringLiteral("  ra = "), t.r1));
    circle(blank, pointZ(u"Mb", t.Ma2), radius(QStringLiteral("  rb = "), t.r2));
    circle(blank, pointZ(u"Mc", t.Ma3), radius(QStringLiteral("  rc = "), t.r3));
    lines << blank;
  }
  if (choice & SlNinePoint) {
    circle(labelled(25), pointZ(u"M9", t.M9), radius(QStringLiteral("  r9 = "), t.r9));
    lines << blank;
  }
  return lines;
}

}  // namespace zw
