#pragma once
// Distances on a sphere: two points given by latitude and longitude in
// decimal degrees or in degrees, minutes and seconds, listed in five forms,
// with the central angle and the great-circle distance. The computation
// needs no window; the memo lines take a measurer.
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

// An angle text in degrees: "52.52", "-0.1278", "10,5", "10°30'", "30'",
// "52°31'12\"N", "33°52'S". A trailing "S" or "W" makes it negative; "°",
// "'" and the double quote end the degree, minute and second parts. "," and
// "." are both decimal separators. None when a part is empty or holds
// anything but a number (a letter left in it, as in "12.5S").
std::optional<Extended> ParseAngle(const std::u16string& text);

struct SpherePoint {
  QString name;
  Extended latitude = 0, longitude = 0;  // degrees, north and east positive
};

struct SphereDistanceResult {
  TVec3 a, b;          // position vectors
  Extended angle = 0;  // central angle in radians
  Extended distance = 0;
};

SphereDistanceResult ComputeSphereDistance(Extended radius, const SpherePoint& p1, const SpherePoint& p2);

QStringList SphereDistanceMemoLines(Extended radius, const SpherePoint& p1, const SpherePoint& p2,
                                    const SphereDistanceResult& r, const TextMeasurer& font);

void RegisterSphereDistanceTexts();

}  // namespace zw
