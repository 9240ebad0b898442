#include "shell/kit/Symbols.h"

#include <algorithm>
#include <initializer_list>

#include "shell/Fonts.h"

namespace zw {

namespace {
QString one(char16_t c) { return QString(QChar(c)); }
}  // namespace

QString MulDot() { return one(0x00B7); }
QString MulDotSign() { return MulDot(); }
QChar FunctionChar() { return QChar(0x0192); }
QChar FunctionCharSign() { return FunctionChar(); }
QString FunctionSign() { return QString(FunctionChar()); }
QString MacronSign() { return one(0x00AF); }
QString EmDash() { return one(0x2014); }
QString EnDash() { return one(0x2013); }
QString ElementSign() { return one(0x0404); }
QString SqrtSign() { return one(0x221A); }
QString InfinitySign() { return one(0x221E); }
QString LessEqualSign() { return one(0x2264); }
QString GreaterEqualSign() { return one(0x2265); }
QString IntersectionSign() { return one(0x2229); }
QString ArrowSign() { return one(0x2192); }
QString DegreeSign() { return one(0x00B0); }
QString SuperscriptNSign() { return one(0x207F); }
QString ThinSpace() { return one(0x2009); }
QString SigmaSign() { return one(0x03C3); }
QString MuSign() { return one(0x03BC); }
QString PhiSign() { return one(0x03A6); }
QString AlphaSign() { return one(0x03B1); }
QString SumSign() { return one(0x2211); }

namespace {

QString mappedDigits(int n, const char16_t (&digits)[10], char16_t minus) {
  // Through the unsigned magnitude, so that INT_MIN has digits too.
  unsigned long long mag = n < 0 ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(n))
                                 : static_cast<unsigned long long>(n);
  const QString plain = QString::number(mag);
  QString out;
  if (n < 0) out += QChar(minus);
  for (QChar c : plain) out += QChar(digits[c.unicode() - u'0']);
  return out;
}

constexpr char16_t kSup[10] = {0x2070, 0x00B9, 0x00B2, 0x00B3, 0x2074, 0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
constexpr char16_t kSub[10] = {0x2080, 0x2081, 0x2082, 0x2083, 0x2084, 0x2085, 0x2086, 0x2087, 0x2088, 0x2089};

int widest(const TextMeasurer& font, std::initializer_list<const QString*> texts) {
  int w = 0;
  for (const QString* t : texts) w = std::max(w, textWidthOf(font, *t));
  return w;
}

QString blanksFor(const TextMeasurer& font, int width) {
  const int wb = textWidthOf(font, QStringLiteral(" "));
  if (wb <= 0) return QString();
  return QString(width / wb + 1, u' ');
}

// The pad that makes a text of width wx as wide as one of width wr: n blanks
// and perhaps a thin space.
struct Pad {
  int blanks = 0;
  bool thin = false;
};

Pad padFor(const TextMeasurer& font, int wr, int wx) {
  const int wb = textWidthOf(font, QStringLiteral(" "));
  if (wb <= 0) return {};
  const int wt = textWidthOf(font, ThinSpace());
  Pad p;
  p.blanks = std::max(0, (wr - wx) / wb);
  const int rest = wr - wx - p.blanks * wb;
  p.thin = rest >= wt && rest > 0;
  return p;
}

}  // namespace

QString SupScriptDigits(int n) { return mappedDigits(n, kSup, 0x207B); }
QString SubScriptDigits(int n) { return mappedDigits(n, kSub, 0x208B); }

QString BlankWidthOf(const TextMeasurer& font, const QString& t) { return blanksFor(font, widest(font, {&t})); }

QString BlankWidthOf2(const TextMeasurer& font, const QString& t1, const QString& t2) {
  return blanksFor(font, widest(font, {&t1, &t2}));
}

QString BlankWidthOf3(const TextMeasurer& font, const QString& t1, const QString& t2, const QString& t3,
                      const QString& t4, const QString& t5) {
  return blanksFor(font, widest(font, {&t1, &t2, &t3, &t4, &t5}));
}

QString BlankWidthOf4(const TextMeasurer& font, const QString& t1, const QString& t2, const QString& t3,
                      const QString& t4, const QString& t5, const QString& t6, const QString& t7) {
  return blanksFor(font, widest(font, {&t1, &t2, &t3, &t4, &t5, &t6, &t7}));
}

QString PadLeftToWidth(const TextMeasurer& font, const QString& reference, const QString& text) {
  Pad p = padFor(font, textWidthOf(font, reference), textWidthOf(font, text));
  return QString(p.blanks, u' ') + (p.thin ? ThinSpace() : QString()) + text;
}

QString PadRightToWidth(const TextMeasurer& font, const QString& reference, const QString& text) {
  Pad p = padFor(font, textWidthOf(font, reference), textWidthOf(font, text));
  return text + (p.thin ? ThinSpace() : QString()) + QString(p.blanks, u' ');
}

QString PadCenterToWidth(const TextMeasurer& font, const QString& reference, const QString& text) {
  Pad p = padFor(font, textWidthOf(font, reference), textWidthOf(font, text));
  const QString lead = QString(p.blanks - p.blanks / 2, u' ') + (p.thin ? ThinSpace() : QString());
  return lead + text + QString(p.blanks / 2, u' ');
}

QString PadBetweenToWidth(const TextMeasurer& font, const QString& reference, const QString& a,
                          const QString& b) {
  Pad p = padFor(font, textWidthOf(font, reference), textWidthOf(font, a + b));
  return a + QString(p.blanks, u' ') + (p.thin ? ThinSpace() : QString()) + b;
}

QString FractionBar(const TextMeasurer& font, const QString& t) {
  const int wd = textWidthOf(font, EmDash());
  if (wd <= 0) return QString();
  return EmDash().repeated(std::max(0, textWidthOf(font, t) / wd));
}

}  // namespace zw
