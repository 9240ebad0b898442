#pragma once
// The binomial expansion topic's computation, callable without a window:
// (a·x + b·y)^n written out term by term, one memo line per term, the
// coefficients right-aligned in one column. The head is measured in the
// window's font, the coefficient column in the memo's font.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

inline constexpr int BinoMaxExponent = 500;

// n from 0 to BinoMaxExponent. A coefficient beyond the extended range
// throws CalcFailure with message 44 ("overflow").
QStringList BinoMemoLines(Extended a, Extended b, int n, const TextMeasurer& windowFont,
                          const TextMeasurer& memoFont);

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterBinoTexts();

}  // namespace zw
