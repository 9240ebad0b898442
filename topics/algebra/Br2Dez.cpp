#include "topics/algebra/Br2Dez.h"

#include <vector>

#include "kernel/BitArray.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "kernel/KernelState.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// ----- texts of the topic's page (registered here; move to the explicit list at merge)
constexpr TextItem kBr2DezDe[] = {
    {1, u"Ein Bruch wird in eine Dezimalzahl verwandelt, die Periode überstrichen. Eine Zeile z/n im "
        u"Ausgabefeld wandelt die Eingabetaste um."},
    {2, u"Zähler"},
    {3, u"Nenner"},
    {4, u"Periodisch ab der "},
    {5, u". Stelle nach dem Komma."},
    {6, u"Die Periode ist"},
    {7, u"Ziffern lang."},
    {8, u"abbrechende Dezimalzahl"},
    {9, u"nach 1000 Nachkommastellen noch nicht periodisch."},
};
constexpr TextItem kBr2DezEn[] = {
    {1, u"A fraction becomes a decimal with its period overlined. The Enter key converts a line z/n "
        u"typed into the output."},
    {2, u"Numerator"},
    {3, u"Denominator"},
    {4, u"Recurring from decimal place "},
    {5, u" on."},
    {6, u"The period is"},
    {7, u"digits long."},
    {8, u"terminating decimal"},
    {9, u"not yet recurring after 1000 decimal places."},
};
constexpr TextItem kBr2DezFr[] = {
    {1, u"Une fraction devient un nombre décimal à période surlignée. La touche Entrée convertit une "
        u"ligne z/n tapée dans la sortie."},
    {2, u"Numérateur"},
    {3, u"Dénominateur"},
    {4, u"Périodique à partir de la "},
    {5, u"e décimale."},
    {6, u"La période a"},
    {7, u"chiffres."},
    {8, u"nombre décimal limité"},
    {9, u"pas encore périodique après 1000 décimales."},
};
// -----

using u64 = std::uint64_t;

QString whole(u64 v) { return QString::fromStdU16String(FormatReal(15, static_cast<Extended>(v))); }

}  // namespace

Br2DezExpansion DecimalExpansion(u64 z, u64 n) {
  Br2DezExpansion e;
  const u64 q = n == 0 ? 1 : n;
  QString d = whole(z / q) + u'.';
  u64 r = z % q;
  BitArray seen;  // this expansion's own, one bit per remainder below the bound
  seen.init(static_cast<std::int64_t>(Br2DezRemainderBound));
  std::vector<u64> rem;  // rem[i - 1] is the remainder before decimal i
  rem.reserve(1024);
  for (int i = 1;; ++i) {
    rem.push_back(r);
    if (r >= Br2DezRemainderBound) {
      e.ok = false;
      return e;
    }
    seen.set(static_cast<std::int64_t>(r));
    r *= 10;  // r < q <= 10^15, so 10 r stays far inside 64 bits
    d += QChar(u'0' + static_cast<char16_t>(r / q));
    if (r == q) break;  // the digit was 1 and nothing remains
    r %= q;
    if (r == 0) break;
    if (r > Br2DezRemainderBound || seen.test(static_cast<std::int64_t>(r))) {
      for (int j = 1; j <= i; ++j)
        if (rem[static_cast<std::size_t>(j - 1)] == r) {
          e.start = j;
          e.length = i - j + 1;
          e.periodLine = QString(d.size() - e.length, u' ') + QString(e.length, u'_');
          e.digits = d;
          return e;
        }
      // A large new remainder: the next pass ends the expansion as failed.
    }
    if (i >= Br2DezMaxDigits) {
      e.length = -1;
      break;
    }
  }
  e.digits = d;
  return e;
}

QString Br2DezKey(u64 z, u64 n) { return whole(z) + u'/' + whole(n); }

QStringList Br2DezLines(u64 z, u64 n) {
  const QString head = Br2DezKey(z, n) + QStringLiteral(" = ");
  const Br2DezExpansion e = DecimalExpansion(z, n);
  if (!e.ok) return {GetMessageText(22)};
  QString m = QString(head.size(), u' ') + e.periodLine;
  QString d = head + e.digits;
  const QString sign = QString::fromStdU16String(kernelState().LanguageDecimalSeparator);
  d.replace(u'.', sign).replace(u',', sign);
  if (d.size() > 60) {
    m = m.left(59);
    d = d.left(56) + QStringLiteral("...");
  }
  QStringList lines{m, d};
  if (e.length < 0)
    lines << GetText(IBr2Dez, 9);
  else if (e.length == 0)
    lines << GetText(IBr2Dez, 8);
  else
    lines << GetText(IBr2Dez, 4) + u' ' + QString::number(e.start) + GetText(IBr2Dez, 5)
          << GetText(IBr2Dez, 6) + u' ' + QString::number(e.length) + u' ' + GetText(IBr2Dez, 7);
  return lines;
}

std::optional<std::pair<u64, u64>> ReadFractionLine(const QString& line) {
  const QString t = line.trimmed();
  const qsizetype slash = t.indexOf(u'/');
  if (slash < 0) return std::nullopt;
  Extended z = 0, n = 0;
  std::int32_t okZ = 0, okN = 0;
  ReadValue(t.left(slash).toStdU16String(), z, u'N', okZ);
  ReadValue(t.mid(slash + 1, 1024).toStdU16String(), n, u'n', okN);
  if (!okZ || !okN) return std::nullopt;
  return std::pair{static_cast<u64>(z), static_cast<u64>(n)};
}

// The texts of the topic's page; called by the area's registration.
void RegisterBr2DezTexts() {
  static const TextPageRegistration regDe{IBr2Dez, TextLanguage::German, kBr2DezDe};
  static const TextPageRegistration regEn{IBr2Dez, TextLanguage::English, kBr2DezEn};
  static const TextPageRegistration regFr{IBr2Dez, TextLanguage::French, kBr2DezFr};
}

}  // namespace zw
