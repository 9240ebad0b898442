#pragma once
// Regular polygons: one of side, circumradius, inradius, perimeter and area
// of a regular n-gon gives the others and the interior angle. Callable
// without a window.
#include <QStringList>
#include <array>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

inline constexpr int Poly1MinCorners = 3, Poly1MaxCorners = 99;

// The quantities in the order the window reads them.
enum class PolygonQuantity { Side, Circumradius, Inradius, Perimeter, Area };
inline constexpr int PolygonQuantityCount = 5;

struct RegularPolygon {
  int n = 3;
  // side a, circumradius ru, inradius ri, perimeter u, area A
  std::array<Extended, PolygonQuantityCount> v{};
  Extended interiorAngle() const { return (n * 180.0L - 360) / n; }
};

// All five quantities from the one given (a value > 0).
RegularPolygon SolveRegularPolygon(int n, PolygonQuantity given, Extended value);

// "Gegeben", the corner count and the given quantity, "Ergebnisse", the four
// others and the interior angle.
QStringList Poly1MemoLines(const RegularPolygon& p, PolygonQuantity given, const TextMeasurer& font);

}  // namespace zw
