#include "topics/plane/PlaneKit.h"

#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"

namespace zw {

LineABC LineThroughPoints(const TVec2& A, const TVec2& B) {
  LineABC l;
  l.a = A.y - B.y;
  l.b = B.x - A.x;
  l.c = A.y * l.b + A.x * l.a;
  return l;
}

QStringList LineFieldTexts(const LineABC& line) {
  return {Q(FormatReal(15, line.a)), Q(FormatReal(15, line.b)), Q(FormatReal(15, line.c))};
}

bool PointsCollinear(const TVec2& A, const TVec2& B, const TVec2& C) {
  const Extended ux = B.x - A.x, uy = B.y - A.y, vx = C.x - A.x, vy = C.y - A.y;
  const Extended cross = ux * vy - uy * vx;
  return !(std::fabs(cross) > 1e-12L * std::hypot(ux, uy) * std::hypot(vx, vy));
}

TriangleData SolveTriangleAt(const TVec2& A, const TVec2& B, const TVec2& C, int failMessage) {
  if (PointsCollinear(A, B, C)) throw CalcFailure(failMessage);
  TDrei s;
  TriangleSides(A, B, C, s);
  return SolveTriangleOfSides(s, A, B, C, failMessage);
}

TriangleData SolveTriangleOfSides(const TDrei& s, const TVec2& A, const TVec2& B, const TVec2& C, int failMessage) {
  // A side that reaches the sum of the others leaves no area.
  if (!(s.a > 0 && s.b > 0 && s.c > 0 && s.a < s.b + s.c && s.b < s.a + s.c && s.c < s.a + s.b))
    throw CalcFailure(failMessage);
  TriangleData t;
  t.A = A, t.B = B, t.C = C;
  t.s = s;
  try {
    SolveTriangle(t.s, A, B, C, t.w, t.h, t.sh, t.wh, t.ku, t.ki, t.uf);
  } catch (const CalcFailure&) {
    throw CalcFailure(failMessage);
  }
  if (!std::isfinite(t.ku.a) || !std::isfinite(t.ku.b) || !std::isfinite(t.ku.c)) throw CalcFailure(failMessage);
  return t;
}

TriangleColumns TriangleBlockColumns(const TextMeasurer& font, bool degreeInLabel, const QString& labelEnd) {
  TriangleColumns c;
  c.label = BlankWidthOf4(font, GetText(IDrei, 1), GetText(IDrei, 2), GetText(IDrei, 7), GetText(IDrei, 6),
                          GetText(IDrei, 5), GetText(IDrei, 4),
                          GetText(IDrei, 3) + (degreeInLabel ? DegreeSign() : QString()));
  c.label = BlankWidthOf3(font, c.label, GetText(IDrei, 8), QStringLiteral(" "), GetText(IDrei, 10), GetText(IDrei, 9)) +
            labelEnd;
  c.value = BlankWidthOf(font, QString(14, QLatin1Char('9')) + QLatin1Char(' '));
  return c;
}

void AppendTriangleBlock(QStringList& lines, const TextMeasurer& font, const TriangleColumns& cols,
                         const TriangleData& t) {
  auto label = [&](int item, const char* end) {
    return PadLeftToWidth(font, cols.label, GetText(IDrei, item) + QString::fromLatin1(end));
  };
  auto column = [&](const QString& text) { return PadRightToWidth(font, cols.value, text); };
  auto point = [&](const char16_t* name, const TVec2& p) { return column(Q(FormatPoint2(name, p, 13))); };
  lines << label(1, ":    ") + point(u"A", t.A) + point(u"B", t.B) + point(u"C", t.C);
  auto row = [&](int item, const TDrei& v) {
    const QString unit = item == 3 ? DegreeSign() : QString();
    lines << label(item, ":    ") + column(Q(FormatReal(8, v.a)) + unit) + column(Q(FormatReal(8, v.b)) + unit) +
                 column(Q(FormatReal(8, v.c)) + unit);
  };
  row(2, t.s);
  row(3, t.w);
  row(4, t.h);
  row(5, t.sh);
  row(6, t.wh);
  lines << QString();
  lines << label(7, ":     ") + point(u"M", t.M()) + PadLeftToWidth(font, cols.value, QStringLiteral("ru = ")) +
               Q(FormatReal(6, t.ku.c));
  lines << label(8, ":     ") + point(u"O", t.O()) +
               PadLeftToWidth(font, cols.value, QStringLiteral("r") + ThinSpace() + QStringLiteral("i") + ThinSpace() +
                                                    QStringLiteral(" = ")) +
               Q(FormatReal(6, t.ki.c));
  lines << QStringLiteral(" ");
  lines << label(9, ":     ") + column(QStringLiteral("A = ") + Q(FormatReal(6, t.uf.x))) +
               PadLeftToWidth(font, cols.value, GetText(IDrei, 10) + QStringLiteral(":   u = ")) +
               Q(FormatReal(6, t.uf.y));
}

}  // namespace zw
