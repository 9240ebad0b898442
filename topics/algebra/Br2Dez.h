#pragma once
// The fraction-to-decimal topic's computation, callable without a window:
// z/n expanded by long division until it terminates, repeats (the period
// found by its first repeated remainder) or reaches 100,000 digits. Each
// expansion owns its remainder table and its bit set of seen remainders.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>

namespace zw {

// Remainders from this bound on are not recorded in the bit set: a new one
// ends the expansion as failed.
inline constexpr std::uint64_t Br2DezRemainderBound = 262'128;  // 0x3FFF0
inline constexpr int Br2DezMaxDigits = 100'000;

struct Br2DezExpansion {
  QString digits;      // integer part, ".", the decimals
  QString periodLine;  // blanks, then one "_" over each repeating digit
  int start = 0;       // the decimal place the period begins at (1 = right after the point)
  int length = 0;      // period length; 0 terminating; -1 no period within the digit limit
  bool ok = true;      // false: a new remainder at or above Br2DezRemainderBound
};
Br2DezExpansion DecimalExpansion(std::uint64_t z, std::uint64_t n);

// The key of a request ("1/7"): equal keys give equal records.
QString Br2DezKey(std::uint64_t z, std::uint64_t n);

// The record lines of z/n: the period line over the digit line (both cut
// to 59 and 56 + "..." characters beyond 60), then where the period starts
// and how long it is, or "abbrechende Dezimalzahl", or the note after the
// digit limit; a failed expansion is the single line "Unzulässige Eingabe".
// The digits use the language's decimal sign.
QStringList Br2DezLines(std::uint64_t z, std::uint64_t n);

// A memo line "z/n" checked as the input fields are (z whole >= 0, n whole
// > 0, both at most 10^15; terms allowed); nullopt when it fails.
std::optional<std::pair<std::uint64_t, std::uint64_t>> ReadFractionLine(const QString& line);

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterBr2DezTexts();

}  // namespace zw
