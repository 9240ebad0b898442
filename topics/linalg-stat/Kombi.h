#pragma once
// Combinatorics, callable without a window: the five counts of selections of
// k out of n (ordered and unordered, with and without repetition, and the
// permutations of k) and the memo lines. n and k may be any reals: the
// counts follow loops over a real counter from the given start while it is at
// most its bound, so a fractional k counts ⌊k⌋ rounds and a k below 1 none.
// Nothing loops for long: results past 10^18 are decided from their
// logarithm, and long products have closed forms.
#include <QStringList>
#include <string>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct KombiCount {
  enum class Kind {
    Value,       // value holds the count
    Undefined,   // n < k for a selection without repetition: message 42
    Overflow,    // 10^18 or more: the literal "overflow"
    OutOfRange,  // beyond the extended range: message 44
  };
  Kind kind = Kind::Value;
  Extended value = 0;
};

struct KombiResult {
  KombiCount orderedWithout;    // n!/(n − k)!
  KombiCount orderedWith;       // n^k
  KombiCount unorderedWithout;  // C(n, k)
  KombiCount unorderedWith;     // C(n + k − 1, k)
  KombiCount permutations;      // k!
};

KombiResult ComputeKombi(Extended n, Extended k);

// The count as the memo shows it: grouped by thousands, "overflow", or the
// texts of messages 42 and 44.
QString KombiCountText(const KombiCount& count);

// The memo lines, labels aligned in the memo's font.
QStringList KombiMemoLines(Extended n, Extended k, const KombiResult& result, const TextMeasurer& memoFont);

void RegisterKombiTexts();

}  // namespace zw
