#pragma once
// The sphere, callable without a window: from one of radius, diameter,
// circumference, surface and volume all the others, and with a latitude the
// radius and circumference of its parallel circle.
#include <QStringList>
#include <array>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

// r, d, u, O, V in edit order.
using SphereQuantities = std::array<Extended, 5>;

// All five from quantity `given` (0 .. 4) with the value `value` > 0; the
// given one keeps its value.
SphereQuantities ComputeSphere(int given, Extended value);

// The memo: the given quantity with its value, the four others, and for an
// angle alpha (degrees, whatever the angle mode) other than 0 the parallel
// circle's radius and circumference.
QStringList SphereMemoLines(int given, const SphereQuantities& q, Extended alpha, const TextMeasurer& font);

}  // namespace zw
