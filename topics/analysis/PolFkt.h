#pragma once
// The discussion of a polynomial function with fraction coefficients:
// derivatives, antiderivative, a definite integral, zeros, extrema,
// inflection points and symmetry. Points with a rational x are exact
// (rational-root test); the factor left after dividing them out is solved
// numerically up to degree 4. Also the value table of ƒ, ƒ', ƒ''.
#include <QString>
#include <QStringList>
#include <array>
#include <random>

#include "common/TextMeasurer.h"
#include "kernel/Poly.h"

namespace zw {

inline constexpr char PolFktFromKey[] = "xvon";
inline constexpr char PolFktToKey[] = "xbis";

struct PolFktTexts {
  QString function;                          // "Funktion"
  QString integral, derivatives, antiderivative, zeros, extrema, inflections;
  QString furtherSearch, noneFound, axisSymmetric, pointSymmetric, symmetry;
  static PolFktTexts current();
};

struct PolFktInput {
  TPoly f{};
  // The integral bounds c and d; the section is left out when c = d.
  Extended c = 0, d = 0;
};

struct PolFktResult {
  QStringList lines;
  TPoly f{}, d1{}, d2{}, d3{}, antiderivative{};
  // Texts of ƒ, ƒ', ƒ'', ƒ''' ("0" for the zero polynomial).
  std::array<QString, 4> texts;
  // The smallest rectangle holding every listed point, widened to at least
  // x −5 … 5 and y −4 … 4.
  Extended xmin = -1, xmax = 1, ymin = -1, ymax = 1;
};

// ----- the point lines shared with the rational discussion

// "name( 1/2 |y )" for a rational x, "name(x |y )" for a numeric one.
QString ExactPointText(const QString& name, TBruch x, Extended y);
QString NumericPointText(const QString& name, Extended x, Extended y);
// "  " + the point text padded to the width of 24 letters "w".
QString PaddedPoint(const TextMeasurer& memo, const QString& point);
// "m = " + m, 0 below 1e-5.
QString SlopeText(Extended m);
// Horner's sum without PolyValue's clamp of tiny values to 0: the side probes
// of ƒ'' next to a flat extremum are tiny (90·x⁸ at 1e-4 for x¹⁰) and their
// sign is all that counts.
Extended HornerUnclamped(const TPoly& p, Extended x);

// F with F(0) = 0; a coefficient beyond the 32-bit range throws FractionOverflow.
TPoly Antiderivative(const TPoly& p);

// The symmetry tests draw from `rng` (tests seed it).
PolFktResult DiscussPolynomial(const PolFktInput& in, const PolFktTexts& texts, const TextMeasurer& memo,
                               std::mt19937& rng = SymmetryRandom());

// The value table of ƒ, ƒ' and ƒ'' from `from` while x <= to (at least one
// row), x = from + i·step; a step that cannot give a table refuses `stepKey`
// (ValueTableRows).
QStringList PolynomialValueTable(const TPoly& f, Extended from, Extended to, Extended step, int digits,
                                 const TextMeasurer& memo, const char* stepKey);

}  // namespace zw
