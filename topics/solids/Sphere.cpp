#include "topics/solids/Sphere.h"

#include <cmath>
#include <numbers>

#include "kernel/BasicMath.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/solids/SolidKit.h"

namespace zw {

namespace {
constexpr Extended Pi = std::numbers::pi_v<long double>;
}  // namespace

SphereQuantities ComputeSphere(int given, Extended value) {
  SphereQuantities q{};
  q[static_cast<std::size_t>(given)] = value;
  Extended& r = q[0];
  switch (given) {
    case 1: r = value / 2; break;
    case 2: r = value / 6.283185307179586477L; break;
    case 3: r = sqrtl(value / 12.566370614359172954L); break;
    case 4: r = CubeRoot(value * 3 / 12.566370614359172954L); break;
    default: break;
  }
  if (q[1] == 0) q[1] = r * 2;
  if (q[2] == 0) q[2] = r * 2 * Pi;
  if (q[3] == 0) q[3] = r * 4 * r * Pi;
  if (q[4] == 0) q[4] = r * 1.3333333333333333334L * r * r * Pi;
  return q;
}

QStringList SphereMemoLines(int given, const SphereQuantities& q, Extended alpha, const TextMeasurer& font) {
  std::array<QString, 5> names;
  for (int k = 0; k < 5; ++k) names[static_cast<std::size_t>(k)] = GetText(IKugel1, k + 2);
  const QString angleName = GetText(IKugel1, 7) + u' ' + AlphaSign();
  const std::array<QString, 7> widthOf{names[0], names[1], names[2], names[3], names[4], GetText(IKugel1, 8),
                                       angleName};
  const QString column = NameColumn(font, widthOf);
  QStringList lines = MessageHeading(font, 26);
  lines << ResultLine(font, column, names[static_cast<std::size_t>(given)], Real8(q[static_cast<std::size_t>(given)]))
        << QString() << MessageHeading(font, 27);
  for (int k = 0; k < 5; ++k)
    if (k != given)
      lines << ResultLine(font, column, names[static_cast<std::size_t>(k)], Real8(q[static_cast<std::size_t>(k)]));
  if (alpha != 0) {
    const Extended r1 = CosDeg(alpha) * q[0];
    lines << QString() << ResultLine(font, column, angleName, Real8(alpha) + DegreeSign())
          << ResultLine(font, column, GetText(IKugel1, 9), Real8(r1))
          << ResultLine(font, column, GetText(IKugel1, 10), Real8(r1 * 2 * Pi));
  }
  return lines;
}

}  // namespace zw
