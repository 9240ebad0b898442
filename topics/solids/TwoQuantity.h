#pragma once
// The solids given by two of seven quantities (cone, cylinder, square
// pyramid, regular prism), callable without a window. One engine serves all
// four: the pair is a bit mask (bit i for quantity i in edit order); a
// solid's pre-switch step turns quantities that fix a base quantity by
// themselves into it, its case for the pair computes the base pair, and its
// tail fills every quantity still 0 from the base pair. A pair may have two
// solutions (a second solid with the same given values).
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "shell/texts/Texts.h"
#include "topics/solids/SolidKit.h"

namespace zw {

class TextMeasurer;

enum class TwoQuantitySolid { Cone, Cylinder, Pyramid, Prism };

// The quantities in edit order:
//   cone      r, h, s, V, M, G, O
//   cylinder  r, h, u, V, G, M, O
//   pyramid   a, s, h1, h2 (the apothem), V, O, A
//   prism     a, h, ru, ri, V, G, O (and the vertex count n)
TTextIndex TwoQuantityPage(TwoQuantitySolid solid);
std::array<QString, 7> TwoQuantityKeys(TwoQuantitySolid solid);
// The indexes of the base pair (cone and cylinder r, h; pyramid a, s; prism a, h).
std::array<int, 2> TwoQuantityBase(TwoQuantitySolid solid);

struct TwoQuantityResult {
  Quantities first{};
  std::optional<Quantities> second;
};

// The solid from the pair `mask` with the values `given` (0 where not
// given); n is the prism's vertex count (3 .. 99). Throws CalcFailure with
// message 6 where the pair is two quantities of the base that fix each other,
// and message 5 where no solid has these values: a root of a negative number,
// a division by zero, an arc sine beyond 1, and every result that is not a
// solid (a quantity not above 0, or one that does not give back the pair).
TwoQuantityResult SolveTwoQuantities(TwoQuantitySolid solid, int mask, const Quantities& given, int n = 3);

// The memo: "Gegeben:" (the prism's vertex count first), the given quantities
// with their texts as typed, then "Ergebnisse:" with the others, or
// "1. Lösung" and "2. Lösung" with the others of each solution.
QStringList TwoQuantityMemoLines(TwoQuantitySolid solid, int mask, const std::array<QString, 7>& typed,
                                 const TwoQuantityResult& result, int n, const TextMeasurer& font);

}  // namespace zw
