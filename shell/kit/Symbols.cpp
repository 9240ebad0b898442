#include "shell/kit/Symbols.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "kernel/TextPadding.h"
#include "kernel/TextSigns.h"
#include "shell/Fonts.h"

// The signs, the script digits and the padding are the kernel's; this file
// only hands them out as QStrings.

namespace zw {

namespace {

QString sign(const char16_t* s) { return QString::fromUtf16(s); }

std::u16string_view view(const QString& s) {
  return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())};
}

QString qs(const std::u16string& s) { return QString::fromStdU16String(s); }

int widest(const TextMeasurer& font, std::initializer_list<const QString*> texts) {
  int w = 0;
  for (const QString* t : texts) w = std::max(w, textWidthOf(font, *t));
  return w;
}

}  // namespace

QString MulDot() { return sign(ksym::MulDotSign); }
QString MulDotSign() { return MulDot(); }
QChar FunctionChar() { return QChar(ksym::FunctionSign[0]); }
QChar FunctionCharSign() { return FunctionChar(); }
QString FunctionSign() { return sign(ksym::FunctionSign); }
QString MacronSign() { return sign(ksym::MacronSign); }
QString EmDash() { return sign(ksym::EmDash); }
QString EnDash() { return sign(ksym::EnDash); }
QString ElementSign() { return sign(ksym::ElementSign); }
QString SqrtSign() { return sign(ksym::SqrtSign); }
QString InfinitySign() { return sign(ksym::InfinitySign); }
QString LessEqualSign() { return sign(ksym::LessEqualSign); }
QString GreaterEqualSign() { return sign(ksym::GreaterEqualSign); }
QString IntersectionSign() { return sign(ksym::IntersectionSign); }
QString ArrowSign() { return sign(ksym::ArrowSign); }
QString DegreeSign() { return sign(ksym::DegreeSign); }
QString SuperscriptNSign() { return sign(ksym::SuperscriptNSign); }
QString ThinSpace() { return sign(ksym::ThinSpace); }
QString SigmaSign() { return sign(ksym::SigmaSign); }
QString MuSign() { return sign(ksym::MuSign); }
QString PhiSign() { return sign(ksym::PhiSign); }
QString AlphaSign() { return sign(ksym::AlphaSign); }
QString SumSign() { return sign(ksym::SumSign); }

QString SupScriptDigits(int n) { return qs(ksym::SupScriptDigits(n)); }
QString SubScriptDigits(int n) { return qs(ksym::SubScriptDigits(n)); }

QString BlankWidthOf(const TextMeasurer& font, const QString& t) {
  return qs(BlanksCoveringWidth(font, widest(font, {&t})));
}

QString BlankWidthOf2(const TextMeasurer& font, const QString& t1, const QString& t2) {
  return qs(BlanksCoveringWidth(font, widest(font, {&t1, &t2})));
}

QString BlankWidthOf3(const TextMeasurer& font, const QString& t1, const QString& t2, const QString& t3,
                      const QString& t4, const QString& t5) {
  return qs(BlanksCoveringWidth(font, widest(font, {&t1, &t2, &t3, &t4, &t5})));
}

QString BlankWidthOf4(const TextMeasurer& font, const QString& t1, const QString& t2, const QString& t3,
                      const QString& t4, const QString& t5, const QString& t6, const QString& t7) {
  return qs(BlanksCoveringWidth(font, widest(font, {&t1, &t2, &t3, &t4, &t5, &t6, &t7})));
}

QString PadLeftToWidth(const TextMeasurer& font, const QString& reference, const QString& text) {
  return qs(PadLeftToWidth(font, view(reference), view(text)));
}

QString PadRightToWidth(const TextMeasurer& font, const QString& reference, const QString& text) {
  return qs(PadRightToWidth(font, view(reference), view(text)));
}

QString PadCenterToWidth(const TextMeasurer& font, const QString& reference, const QString& text) {
  return qs(PadCenterToWidth(font, view(reference), view(text)));
}

QString PadBetweenToWidth(const TextMeasurer& font, const QString& reference, const QString& a,
                          const QString& b) {
  return qs(PadBetweenToWidth(font, view(reference), view(a), view(b)));
}

QString FractionBar(const TextMeasurer& font, const QString& t) {
  return qs(EmDashesForWidth(font, textWidthOf(font, t)));
}

}  // namespace zw
