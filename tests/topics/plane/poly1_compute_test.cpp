// Regular polygons: every given quantity gives back the same polygon, the
// known polygons, and the memo block.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "topics/plane/Poly1.h"

namespace zw {
namespace {

TEST(Poly1Compute, KnownPolygons) {
  struct Case {
    int n;
    PolygonQuantity given;
    Extended value;
    std::array<double, 5> expected;  // a, ru, ri, u, A
    double angle;
  };
  const double tan60 = std::sqrt(3.0);
  const Case cases[] = {
      {4, PolygonQuantity::Side, 1, {1, 0.70710678118654752, 0.5, 4, 1}, 90},
      {6, PolygonQuantity::Circumradius, 1, {1, 1, 0.86602540378443865, 6, 2.5980762113533160}, 120},
      // n = 3, area 1: a = 2·√(tan 60° · A / 3)
      {3, PolygonQuantity::Area, 1,
       {2 * std::sqrt(tan60 / 3), 2 * std::sqrt(tan60 / 3) / tan60, std::sqrt(tan60 / 3) / tan60,
        6 * std::sqrt(tan60 / 3), 1},
       60},
  };
  for (const Case& c : cases) {
    const RegularPolygon p = SolveRegularPolygon(c.n, c.given, c.value);
    for (int i = 0; i < PolygonQuantityCount; ++i)
      EXPECT_NEAR(double(p.v[std::size_t(i)]), c.expected[std::size_t(i)], 1e-12) << c.n << " " << i;
    EXPECT_NEAR(double(p.interiorAngle()), c.angle, 1e-12);
  }
}

TEST(Poly1Compute, EveryGivenQuantityGivesBackThePolygon) {
  for (int n : {3, 5, 12, 99}) {
    const RegularPolygon ref = SolveRegularPolygon(n, PolygonQuantity::Side, 2.5L);
    for (int g = 0; g < PolygonQuantityCount; ++g) {
      const RegularPolygon p = SolveRegularPolygon(n, PolygonQuantity(g), ref.v[std::size_t(g)]);
      for (int i = 0; i < PolygonQuantityCount; ++i)
        EXPECT_NEAR(double(p.v[std::size_t(i)] / ref.v[std::size_t(i)]), 1.0, 1e-14) << n << " " << g << " " << i;
    }
  }
}

TEST(Poly1Compute, MemoBlock) {
  resetShellState();
  const FixedWidthMeasurer font(10);
  const QStringList lines =
      Poly1MemoLines(SolveRegularPolygon(4, PolygonQuantity::Side, 1), PolygonQuantity::Side, font);
  // The decimal comma of the German settings. The widest label "Umkreisradius ru" (16 characters) makes 17 blanks, four more follow.
  auto row = [](const QString& label, const QString& value) { return QString(21 - label.size(), ' ') + label + value; };
  const QStringList expected = {
      "Gegeben",
      QString(7, QChar(0xAF)),
      row("Eckenzahl  n = ", "4"),
      row("Seite  a = ", "1"),
      " ",
      "Ergebnisse",
      QString(10, QChar(0xAF)),
      row("Umkreisradius ru = ", "0,70710678"),
      row("Inkreisradius ri = ", "0,5"),
      row("Umfang  u = ", "4"),
      row("Fläche  A = ", "1"),
      "",
      row("Winkel  α = ", "90°"),
  };
  EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace zw
