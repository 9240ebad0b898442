#pragma once
// The discussion of a rational function z/n with fraction coefficients: the
// gaps of the domain (removable gaps, poles with and without change of sign),
// the continuous extension, ƒ' and ƒ'' as fractions, zeros, extrema,
// inflection points, the behaviour for |x| → ∞ and the symmetry. Rational
// points are exact; the factors left after dividing them out are solved
// numerically up to degree 4. Also the value table of ƒ, ƒ', ƒ''.
#include <QString>
#include <QStringList>
#include <array>
#include <random>
#include <vector>

#include "common/TextMeasurer.h"
#include "kernel/Poly.h"

namespace zw {

struct RatFktTexts {
  QString function;  // "Funktion"
  QString gaps, removable, poleWithSign, poleWithoutSign, verticalAsymptote;
  QString extension, derivatives, zeros, extrema, inflections, furtherSearch, noneFound;
  QString axisSymmetric, pointSymmetric, symmetry;
  QString behaviour, horizontal, oblique, approximation;
  static RatFktTexts current();
};

struct RatFktResult {
  QStringList lines;
  // ƒ as drawn and tabulated: z/n reduced at removable gaps until the
  // denominator holds such a factor only once.
  TPoly z{}, n{};
  // ƒ with every rational common factor cancelled.
  TPoly zr{}, nr{};
  TPoly z1{}, n1{}, z2{}, n2{};  // ƒ' and ƒ''
  std::vector<Extended> poles;    // the rational poles, ascending
  TPoly asymptote{};
  // Hints of the curves: ƒ(x), ƒ'(x), ƒ''(x), the pole lines, the asymptote's kind.
  std::array<QString, 5> hints;
  // The smallest rectangle holding every listed point, widened to at least
  // x −5 … 5 and y −4 … 4.
  Extended xmin = -1, xmax = 1, ymin = -1, ymax = 1;
};

// The denominator's zero polynomial counts as 1. A fraction beyond the
// 32-bit range throws FractionOverflow (message 44).
RatFktResult DiscussRational(const TPoly& z, const TPoly& n, const RatFktTexts& texts, const TextMeasurer& memo,
                             std::mt19937& rng = SymmetryRandom());

// The value table of ƒ, ƒ', ƒ'' of a discussion, " ---" where a denominator
// is 0; rows as PolynomialValueTable.
QStringList RationalValueTable(const RatFktResult& r, Extended from, Extended to, Extended step, int digits,
                               const TextMeasurer& memo, const char* stepKey);

}  // namespace zw
