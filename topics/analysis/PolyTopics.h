#pragma once
// The computations of the four polynomial topics (division, gcd and lcm,
// factorisation, shift and stretch), callable without a window: the
// polynomials as read from the coefficient grid go in, the memo lines and the
// polynomial for the clipboard come out. Padded columns are measured with the
// TextMeasurer the caller passes (the memo's font, or fixed widths in tests).
#include <QString>
#include <QStringList>
#include <optional>

#include "kernel/Poly.h"

namespace zw {

class TextMeasurer;

// What a computation shows and what it offers for pasting into another grid
// (empty when nothing is to be copied, for example after an overflow).
struct PolyComputation {
  QStringList lines;
  std::optional<TPoly> clipboard;
};

// The line that stands for a result beyond the 32-bit fraction range.
QString PolyOverflowLine();

// ----- division ------------------------------------------------------------

struct PolyDivLabels {
  QString polynomial, product, quotient, remainder;  // items 2 ... 5
  QString divisionByZero;                             // message 24
  static PolyDivLabels current();
};
// Product, quotient and remainder of p1 by p2 (a null computation when the
// memo is to be left alone never happens here: the division always writes).
PolyComputation PolyDivision(const TPoly& p1, const TPoly& p2, bool decimal, const TextMeasurer& memo,
                             const PolyDivLabels& labels);

// ----- gcd and lcm --------------------------------------------------------

struct PolyGcdLabels {
  QString gcd, lcm;  // items 2 and 3 of the gcd topic's page
  static PolyGcdLabels current();
};
// Nothing (the memo keeps its text) while either polynomial is a constant.
std::optional<PolyComputation> PolyGcdLcm(const TPoly& p1, const TPoly& p2, bool decimal,
                                          const PolyGcdLabels& labels);

// ----- factorisation --------------------------------------------------------

struct PolyFactorLabels {
  QString rationalZeros, noRationalZeros, irrationalZeros;  // items 2, 3, 4
  static PolyFactorLabels current();
};
// Nothing while p is a constant.
std::optional<PolyComputation> PolyFactorisation(const TPoly& p, const TextMeasurer& memo,
                                                 const PolyFactorLabels& labels);

// ----- shift and stretch ----------------------------------------------------

struct PolyTransformLabels {
  QString shiftBy, stretchBy;  // items 2 and 3
  static PolyTransformLabels current();
};
// Shift: p(x − u) + v. Stretch: v·p(x / u), a factor 0 counting as 1.
PolyComputation PolyTransform(const TPoly& p, TBruch u, TBruch v, bool stretch,
                              const PolyTransformLabels& labels);

// The general forms shown in the task panels: "p₁(x) = a₉·x⁹ + … + a₀" and
// the like, for one polynomial (letter a) or two (a and b).
QString PolyGeneralForm(bool twoPolynomials);

}  // namespace zw
