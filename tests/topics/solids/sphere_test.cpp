// The sphere: the five quantities from each other, the parallel circle and
// the memo.
#include <gtest/gtest.h>

#include "common/TextMeasurer.h"
#include "tests/topics/solids/SolidsTestKit.h"
#include "topics/solids/SolidKit.h"
#include "topics/solids/Sphere.h"

namespace zw {
namespace {

using SphereCompute = SolidsCompute;

TEST_F(SphereCompute, EachQuantityGivesTheOthers) {
  const SphereQuantities unit = ComputeSphere(0, 1);
  const char* want[5] = {"1", "2", "6.2831853", "12.566371", "4.1887902"};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(Real8(unit[k]), want[k]) << k;
  for (int given = 1; given < 5; ++given) {
    const SphereQuantities q = ComputeSphere(given, unit[given]);
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(double(q[k]), double(unit[k]), 1e-15 * double(unit[k])) << given << k;
  }
  EXPECT_EQ(Real8(ComputeSphere(4, 1)[0]), "0.62035049");
}

TEST_F(SphereCompute, MemoWithAndWithoutTheParallelCircle) {
  const FixedWidthMeasurer font(10);
  // The column: "Breitenkreis α" (14 characters) + 3 blanks.
  const QStringList withAngle = SphereMemoLines(0, ComputeSphere(0, 1), 60, font);
  const QStringList want{
      "Gegeben:",
      QString(8, QChar(0xAF)),
      "         Radius r = 1",
      "",
      "Ergebnisse:",
      QString(11, QChar(0xAF)),
      "    Durchmesser d = 2",
      "         Umfang u = 6.2831853",
      "     Oberfläche O = 12.566371",
      "        Volumen V = 4.1887902",
      "",
      "   Breitenkreis α = 60°",
      "        Radius r' = 0.5",
      "        Umfang u' = 3.1415927",
  };
  EXPECT_EQ(withAngle, want);
  // The parallel circle at -60° is that at 60°; at 0° there is none.
  EXPECT_EQ(SphereMemoLines(0, ComputeSphere(0, 1), -60, font).mid(12), want.mid(12));
  EXPECT_EQ(SphereMemoLines(0, ComputeSphere(0, 1), 0, font), want.mid(0, 10));
  const QStringList r2 = SphereMemoLines(0, ComputeSphere(0, 2), 30, font);
  EXPECT_EQ(r2.mid(12), (QStringList{"        Radius r' = 1.7320508", "        Umfang u' = 10.882796"}));
  // The given quantity shows its value, not its text: 2/3 as 0.66666667.
  EXPECT_EQ(SphereMemoLines(0, ComputeSphere(0, 2.0L / 3), 0, font)[2], "         Radius r = 0.66666667");
}

}  // namespace
}  // namespace zw
