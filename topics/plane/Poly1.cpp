#include "topics/plane/Poly1.h"

#include <cmath>
#include <numbers>

#include "kernel/Format.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

RegularPolygon SolveRegularPolygon(int n, PolygonQuantity given, Extended value) {
  RegularPolygon p;
  p.n = n;
  const Extended s = std::sin(std::numbers::pi_v<long double> / n), c = std::cos(std::numbers::pi_v<long double> / n);
  const Extended t = s / c;
  Extended& a = p.v[0];
  Extended& ru = p.v[1];
  Extended& ri = p.v[2];
  Extended& u = p.v[3];
  Extended& A = p.v[4];
  switch (given) {
    case PolygonQuantity::Side: a = value; break;
    case PolygonQuantity::Circumradius: ru = value; a = 2 * ru * s; break;
    case PolygonQuantity::Inradius: ri = value; a = 2 * ri * t; break;
    case PolygonQuantity::Perimeter: u = value; a = u / n; break;
    case PolygonQuantity::Area: A = value; a = 2 * std::sqrt(t * A / n); break;
  }
  // Every other quantity follows from the side; the given one keeps its value.
  if (given != PolygonQuantity::Circumradius) ru = a / (2 * s);
  if (given != PolygonQuantity::Inradius) ri = a / (2 * t);
  if (given != PolygonQuantity::Perimeter) u = n * a;
  if (given != PolygonQuantity::Area) A = a * a * n / (4 * t);
  return p;
}

QStringList Poly1MemoLines(const RegularPolygon& p, PolygonQuantity given, const TextMeasurer& font) {
  const QString place = BlankWidthOf4(font, GetText(IPoly1, 2), GetText(IPoly1, 3), GetText(IPoly1, 4),
                                      GetText(IPoly1, 5), GetText(IPoly1, 6), GetText(IPoly1, 7), GetText(IPoly1, 7)) +
                        QStringLiteral("    ");
  auto line = [&](int item, Extended x) {
    return PadLeftToWidth(font, place, GetText(IPoly1, item) + QStringLiteral(" = ")) + Q(FormatReal(8, x));
  };
  const int g = static_cast<int>(given);
  QStringList lines;
  AppendHeading(lines, font, GetMessageText(26));
  lines << line(7, p.n) << line(2 + g, p.v[std::size_t(g)]);
  lines << QStringLiteral(" ");
  AppendHeading(lines, font, GetMessageText(27));
  for (int i = 0; i < PolygonQuantityCount; ++i)
    if (i != g) lines << line(2 + i, p.v[std::size_t(i)]);
  lines << QString();
  lines << PadLeftToWidth(font, place, GetText(IDrei, 3) + QStringLiteral("  ") + AlphaSign() + QStringLiteral(" = ")) +
               Q(FormatReal(8, p.interiorAngle())) + QStringLiteral("°");
  return lines;
}

}  // namespace zw
