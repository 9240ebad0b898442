#include "topics/plane/PlaneKit.h"

#include "kernel/Format.h"
#include "shell/texts/Texts.h"

namespace zw {

void AppendHeading(QStringList& lines, const TextMeasurer& font, const QString& text) {
  lines += UnderlineText(font, text).split(QStringLiteral("\r\n"));
}

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

}  // namespace zw
