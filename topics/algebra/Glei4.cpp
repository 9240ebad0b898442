#include "topics/algebra/Glei4.h"

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/Fraction.h"
#include "kernel/Poly.h"
#include "kernel/PolyText.h"
#include "kernel/Roots.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

constexpr int kInvalidData = 21;  // "Unzulässige Daten"

constexpr TextItem kDe[] = {{1, u"Berechnet werden die Lösungen einer Gleichung der Form "}};
constexpr TextItem kEn[] = {{1, u"Computes the solutions of an equation of the form "}};
constexpr TextItem kFr[] = {{1, u"Calcule les solutions d'une équation de la forme "}};

std::u16string trimmed(const std::u16string& s) {
  const auto b = s.find_first_not_of(u" \t");
  if (b == std::u16string::npos) return {};
  return s.substr(b, s.find_last_not_of(u" \t") - b + 1);
}

QStringList solve(const TPoly& p, const QString& identityText) {
  if (PolyIsZero(p)) return {QStringLiteral("0 = 0  ") + identityText, QString()};
  TPoly rational;
  int rationalCount = 0;
  RationalRoots(p, rational, rationalCount);
  std::u16string factorised;
  TBruch factor;
  TPoly rest;
  PolyFactorisedText(p, factorised, factor, rest);
  TArrayExt roots{};
  int count = 0;
  if (!PolyIsZero(rest) && PolyDegree(rest) >= 1) {
    QuarticCoeffs c{};
    for (int i = 0; i <= 4; ++i) c[static_cast<std::size_t>(i)] = BruchToReal(rest[static_cast<std::size_t>(i)]);
    RealRootsDeg4(roots, count, c);
  }
  for (int i = 1; i <= rationalCount && count < 12; ++i)
    roots[static_cast<std::size_t>(++count)] = BruchToReal(rational[static_cast<std::size_t>(i)]);
  SortUniqueRoots(roots, count);
  std::u16string line = PolyToTextFrac(p) + u" = 0";
  const std::u16string factorLine = factorised + u" = 0";
  if (factorLine != line) line += u"   <=>   " + factorLine;
  std::u16string set = u"L = {";
  for (int i = 1; i <= count; ++i) {
    if (i > 1) set += u";  ";
    set += FormatReal(6, roots[static_cast<std::size_t>(i)]);
  }
  set += u"}";
  return {QString::fromStdU16String(line), QString::fromStdU16String(set), QString(), QString()};
}

}  // namespace

std::string Glei4CellKey(int cell) { return std::string(1, static_cast<char>('a' + cell)); }

QStringList Glei4Lines(const Glei4Cells& cells, const QString& identityText) {
  TPoly p;
  PolyClear(p);
  for (int i = 0; i < 5; ++i) {
    try {
      p[static_cast<std::size_t>(4 - i)] = ReadBruchInput(trimmed(cells[static_cast<std::size_t>(i)]));
    } catch (const CalcFailure&) {
      throw InputRejected(Glei4CellKey(i));
    }
  }
  try {
    return solve(p, identityText);
  } catch (const FractionOverflow&) {
    // A coefficient scaled beyond 32 bits would wrap and fake a root.
    throw CalcFailure(kInvalidData);
  }
}

// The texts of the topic's page; called by the area's registration.
void RegisterGlei4Texts() {
  static const TextPageRegistration regDe{IGlei4, TextLanguage::German, kDe};
  static const TextPageRegistration regEn{IGlei4, TextLanguage::English, kEn};
  static const TextPageRegistration regFr{IGlei4, TextLanguage::French, kFr};
}

}  // namespace zw
