#pragma once
// The decimal-to-fraction topic's computation, callable without a window:
// a non-repeating part (a plain decimal numeral such as 0.1) and repeating
// digits (6 for 0.1666...) become a reduced fraction, written as three
// record lines (the period overline, the number as a sum of two fractions,
// the result). Everything is computed exactly in 128-bit integers.
#include <QString>
#include <QStringList>

namespace zw {

// The largest numerator or denominator the conversion accepts.
inline constexpr unsigned long long Dez2BrLimit = 1'000'000'000'000'000'000ull;  // 10^18

// The longest texts the conversion accepts, each with the other field empty:
// 10^18 as the non-repeating part, and 18 repeating digits.
inline constexpr char16_t Dez2BrLongestDecimal[] = u"1000000000000000000";
inline constexpr char16_t Dez2BrLongestPeriod[] = u"999999999999999999";

struct Dez2BrConversion {
  // -1 when the texts convert; else the field that is at fault (0 the
  // non-repeating part, 1 the period).
  int badField = -1;
  // ns + "_" + ps, the texts as read: equal keys give equal records.
  QString key;
  QStringList lines;  // the three record lines
};

// The texts are trimmed and an empty one reads as "0". The non-repeating
// part must be digits with at most one "." or ","; the period digits only;
// the numerator and the two denominators must stay within 10^18. The record
// writes the language's decimal sign (kernelState().LanguageDecimalSeparator).
Dez2BrConversion ConvertDecimal(const QString& nonRepeating, const QString& period);

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterDez2BrTexts();

}  // namespace zw
