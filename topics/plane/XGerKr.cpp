#include "topics/plane/XGerKr.h"

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

CircleAndLineResult IntersectCircleLine(const CircleAndLine& in) {
  if (in.a == 0 && in.b == 0) throw CalcFailure(10);
  CircleAndLineResult res;
  Extended D = 0;
  IntersectLineCircle(in.m, res.s1, res.s2, in.r, in.a, in.b, in.c, D);
  res.sign = D > 0 ? 1 : (D < 0 ? -1 : 0);
  return res;
}

QStringList XGerKrMemoLines(const CircleAndLine& in, const CircleAndLineResult& res, const TextMeasurer& font) {
  QStringList lines;
  AppendHeading(lines, font, GetText(IXGerKr, 3));
  lines << QStringLiteral("  k : ") + Q(FormatPoint2(u"M", in.m, 27)) + QStringLiteral("   r = ") + Q(FormatReal(8, in.r));
  lines << QStringLiteral("  g : ") + Q(FormatLineEquation(in.a, in.b, in.c));
  lines << QString();
  if (res.sign < 0) {
    lines << GetText(IXGerKr, 8);
  } else if (res.sign == 0) {
    AppendHeading(lines, font, GetText(IXGerKr, 7));
    lines << QStringLiteral("  ") + Q(FormatPoint2(u"B", res.s1, 27));
  } else {
    AppendHeading(lines, font, GetText(IXGerKr, 5));
    lines << QStringLiteral("  ") + Q(FormatPoint2(u"S1", res.s1, 27));
    lines << QStringLiteral("  ") + Q(FormatPoint2(u"S2", res.s2, 27));
  }
  return lines;
}

}  // namespace zw
