// Scalar, vector and triple products and the linear combination without
// their windows.
#include <gtest/gtest.h>

#include "common/TextMeasurer.h"
#include "tests/topics/linalg-stat/LinalgTestBase.h"
#include "topics/linalg-stat/LinKom.h"
#include "topics/linalg-stat/VecProducts.h"

namespace zw {
namespace {

using Vectors = LinalgCompute;

TEST_F(Vectors, LengthsShowTheirRootWhereItHelps) {
  EXPECT_EQ(LengthText(3), QStringLiteral("√3 = 1,7320508"));
  EXPECT_EQ(LengthText(9), QStringLiteral("3"));
  EXPECT_EQ(LengthText(2.25L), QStringLiteral("√2,25 = 1,5"));
  EXPECT_EQ(LengthText(0.02L), QStringLiteral("√0,02 = 0,14142136"));
  EXPECT_EQ(LengthText(2.125L), QStringLiteral("1,457738"));  // three decimals: no root form
  EXPECT_EQ(LengthText(0), QStringLiteral("0"));
}

TEST_F(Vectors, ScalarProduct) {
  const FixedWidthMeasurer font(10, {{u' ', 5}});
  const QStringList lines = SProdMemoLines({1, 0, 0}, {0, 1, 0}, font);
  ASSERT_EQ(lines.size(), 13);
  EXPECT_TRUE(lines[5].startsWith("Skalarprodukt der Vektoren ")) << lines[5].toStdString();
  EXPECT_TRUE(lines[5].endsWith(" = 0"));
  EXPECT_TRUE(lines[7].endsWith(" = 1"));
  EXPECT_TRUE(lines[9].endsWith(" = 1"));
  EXPECT_EQ(lines[11], QString());
  EXPECT_TRUE(lines[12].startsWith("eingeschlossener Winkel "));
  EXPECT_TRUE(lines[12].endsWith(QStringLiteral("\u03B1 = 90°")));
  // Every " = " at one pixel position.
  const int at = font.textWidth(lines[5].section(" = ", 0, 0).toStdU16String());
  for (int i : {7, 9, 12}) EXPECT_EQ(font.textWidth(lines[i].section(" = ", 0, 0).toStdU16String()), at) << i;
  // A zero vector has no angle.
  EXPECT_EQ(SProdMemoLines({0, 0, 0}, {1, 2, 2}, font).size(), 11);
  EXPECT_TRUE(SProdMemoLines({1, 1, 1}, {1, 2, 2}, font)[7].endsWith(" = √3 = 1,7320508"));
  // Parallel vectors whose cosine rounds past 1.
  EXPECT_TRUE(SProdMemoLines({0.1L, 0.1L, 0.1L}, {0.3L, 0.3L, 0.3L}, font).last().endsWith(" = 0°"));
}

TEST_F(Vectors, VectorAndTripleProducts) {
  const QStringList v = VProdMemoLines({1, 0, 0}, {0, 1, 1});
  ASSERT_EQ(v.size(), 8);
  EXPECT_TRUE(v[6].startsWith(" a x b = "));
  EXPECT_TRUE(v[6].endsWith("   |a x b|= √2 = 1,4142136")) << v[6].toStdString();
  const TVec3 c = CrossProduct({1, 0, 0}, {0, 1, 1});
  EXPECT_EQ(c.x, 0);
  EXPECT_EQ(c.y, -1);
  EXPECT_EQ(c.z, 1);
  EXPECT_TRUE(VProdMemoLines({1, 2, 3}, {2, 4, 6})[6].endsWith("|a x b|= 0"));

  const TVec3 x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
  EXPECT_EQ(TripleProduct(x, y, z), 1);
  EXPECT_EQ(TripleProduct(y, x, z), -1);
  EXPECT_EQ(TripleProduct(x, x, z), 0);
  EXPECT_EQ(SpatMemoLines(x, y, z).last(), QStringLiteral("  ( a x b ) · c = 1"));
}

TEST_F(Vectors, LinearCombination) {
  const TVec3 x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1}, d{2, 3, 4};
  const LinKomResult r = ComputeLinKom(x, y, z, d);
  ASSERT_TRUE(r.independent);
  EXPECT_EQ(r.a, 2);
  EXPECT_EQ(r.b, 3);
  EXPECT_EQ(r.c, 4);
  const QStringList lines = LinKomMemoLines(x, y, z, d, r);
  EXPECT_EQ(lines.mid(5), QStringList({"Lösung :", "  a = 2  b = 3  c = 4"}));
  EXPECT_TRUE(lines[2].startsWith("  a·"));
  // Dependent vectors, also with d in their span, and dependent decimals.
  EXPECT_FALSE(ComputeLinKom(x, x, z, d).independent);
  EXPECT_FALSE(ComputeLinKom(x, y, {1, 1, 0}, {1, 1, 0}).independent);
  EXPECT_FALSE(ComputeLinKom({0.1L, 0.4L, 0.7L}, {0.2L, 0.5L, 0.8L}, {0.3L, 0.6L, 0.9L}, d).independent);
  EXPECT_FALSE(ComputeLinKom({}, {}, {}, {}).independent);
  EXPECT_EQ(LinKomMemoLines(x, x, z, d, ComputeLinKom(x, x, z, d)).last(), "Die Vektoren sind linear abhängig");
}

}  // namespace
}  // namespace zw
