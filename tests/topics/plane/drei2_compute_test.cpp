// Triangles from three quantities: every kind of case, the two triangles of
// the ambiguous case, the refusals, the renaming back to the user's labels
// and the memo block.
#include <gtest/gtest.h>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "shell/State.h"
#include "shell/texts/Texts.h"
#include "topics/plane/Drei2.h"

namespace zw {
namespace {

using Values = std::array<Extended, TqCount>;

Drei2Result Solve(const Values& v) {
  resetShellState();
  Drei2Result r;
  std::array<QString, TqCount> texts;
  for (int i = 0; i < TqCount; ++i) texts[std::size_t(i)] = QString::number(double(v[std::size_t(i)]));
  SolveDrei2(v, texts, FixedWidthMeasurer(10), r);
  return r;
}

int FailureOf(const Values& v) {
  try {
    Solve(v);
  } catch (const CalcFailure& e) {
    return e.message();
  }
  return 0;
}

void ExpectTriangle(const TriangleData& t, Extended a, Extended b, Extended c, Extended alpha, Extended beta,
                    Extended gamma, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_NEAR(double(t.s.a), double(a), 1e-6);
  EXPECT_NEAR(double(t.s.b), double(b), 1e-6);
  EXPECT_NEAR(double(t.s.c), double(c), 1e-6);
  EXPECT_NEAR(double(t.w.a), double(alpha), 1e-6);
  EXPECT_NEAR(double(t.w.b), double(beta), 1e-6);
  EXPECT_NEAR(double(t.w.c), double(gamma), 1e-6);
}

TEST(Drei2Compute, EveryKindOfCaseInTheUsersLabels) {
  struct Case {
    const char* what;
    Values given;
    Extended a, b, c, alpha, beta, gamma;
  };
  const Case cases[] = {
      {"SSS", {3, 4, 5, 0, 0, 0}, 3, 4, 5, 36.869898, 53.130102, 90},
      {"SSS renamed", {5, 3, 4, 0, 0, 0}, 5, 3, 4, 90, 36.869898, 53.130102},
      {"SAS with a, b", {3, 4, 0, 0, 0, 90}, 3, 4, 5, 36.869898, 53.130102, 90},
      {"SAS with b, c", {0, 4, 5, 36.8698976458, 0, 0}, 3, 4, 5, 36.869898, 53.130102, 90},
      {"SAS with c, a", {3, 0, 5, 0, 53.1301023542, 0}, 3, 4, 5, 36.869898, 53.130102, 90},
      {"ASA", {5, 0, 0, 0, 60, 60}, 5, 5, 5, 60, 60, 60},
      {"AAS, side b", {0, 4, 0, 36.8698976458, 0, 90}, 3, 4, 5, 36.869898, 53.130102, 90},
      {"SSA obtuse angle opposite the longer side", {5, 3, 0, 120, 0, 0}, 5, 3, 2.7720019, 120, 31.306446,
       28.693554},
  };
  for (const Case& c : cases) {
    const Drei2Result r = Solve(c.given);
    EXPECT_FALSE(r.hasSecond) << c.what;
    ExpectTriangle(r.first, c.a, c.b, c.c, c.alpha, c.beta, c.gamma, c.what);
  }
}

TEST(Drei2Compute, AmbiguousCaseGivesBothTriangles) {
  const Drei2Result r = Solve({4, 5, 0, 40, 0, 0});
  ASSERT_TRUE(r.hasSecond);
  ExpectTriangle(r.first, 4, 5, 6.2115248, 40, 53.464149, 86.535851, "first");
  ExpectTriangle(r.second, 4, 5, 1.4489196, 40, 126.53585, 13.464149, "second");
  EXPECT_NEAR(double(r.first.uf.x), 9.98173, 1e-5);
  EXPECT_NEAR(double(r.second.uf.x), 2.32837, 1e-5);
  // The same with β given: the renaming brings the sides back.
  const Drei2Result s = Solve({5, 4, 0, 0, 40, 0});
  ASSERT_TRUE(s.hasSecond);
  ExpectTriangle(s.first, 5, 4, 6.2115248, 53.464149, 40, 86.535851, "β given");
  // The rule between the solutions, then the second heading.
  ASSERT_GT(r.ruleLine, 0);
  EXPECT_TRUE(r.memo[r.ruleLine].startsWith(QChar(0x2014)));
  EXPECT_EQ(r.memo[r.ruleLine + 2], GetText(IDrei2, 3));
  EXPECT_EQ(r.memo[2], GetText(IDrei2, 2));
}

TEST(Drei2Compute, OppositeSideAsLongAsTheAltitudeGivesOneRightTriangle) {
  // b · sin 30° = 2 = a: o is 0, one triangle with a right angle at B.
  const Drei2Result r = Solve({2, 4, 0, 30, 0, 0});
  EXPECT_FALSE(r.hasSecond);
  EXPECT_NEAR(double(r.first.w.b), 90, 1e-6);
}

TEST(Drei2Compute, Refusals) {
  struct Case {
    Values given;
    int message;
  };
  const Case cases[] = {
      {{0, 0, 0, 60, 60, 60}, 6},    // no side, the angles fit
      {{0, 0, 0, 50, 60, 80}, 5},    // no side
      {{0, 0, 0, 0, 0, 0}, 5},       // nothing at all
      {{3, 4, 0, 0, 0, 0}, 3},       // two quantities
      {{3, 4, 5, 30, 0, 0}, 4},      // four
      {{1, 2, 5, 0, 0, 0}, 5},       // no triangle
      {{1, 2, 3, 0, 0, 0}, 5},       // a flat one
      {{3, 5, 0, 150, 0, 0}, 5},     // obtuse angle opposite the shorter side
      {{3, 5, 0, 120, 0, 0}, 5},     // a shorter than the altitude
      {{5, 0, 0, 0, 100, 90}, 5},    // angles of 190°
      {{5, 0, 0, 0, 100, 80}, 5},    // third angle 0
      {{3, 4, 0, 0, 0, 200}, 5},     // an angle of 180° or more
      {{3, 4, 0, 0, 0, 180}, 5},
  };
  for (const Case& c : cases) EXPECT_EQ(FailureOf(c.given), c.message) << double(c.given[0]) << " " << double(c.given[3]);
}

TEST(Drei2Compute, NoTriangleKeepsTheGivenLine) {
  resetShellState();
  Drei2Result r;
  std::array<QString, TqCount> texts{"1", "2", "5", "", "", ""};
  EXPECT_THROW(SolveDrei2({1, 2, 5, 0, 0, 0}, texts, FixedWidthMeasurer(10), r), CalcFailure);
  ASSERT_EQ(r.memo.size(), 2);
  EXPECT_EQ(r.memo[0], GetMessageText(26) + ":    a = 1,   b = 2,   c = 5");
}

TEST(Drei2Compute, MemoBlock) {
  resetShellState();
  Drei2Result r;
  std::array<QString, TqCount> texts{"3", "4", "", "", "", "90"};
  SolveDrei2({3, 4, 0, 0, 0, 90}, texts, FixedWidthMeasurer(10), r);
  // Label column: the widest label (17 characters) gives 18 blanks, the
  // second widening 19, then ":     ": 25 characters. Value column: 16.
  auto label = [](const QString& t) { return QString(25 - t.size(), ' ') + t; };
  auto col = [](const QString& t) { return t + QString(16 - t.size(), ' '); };
  const QStringList expected = {
      GetMessageText(26) + ":    a = 3,   b = 4,   γ = 90",
      "",
      label("Ecken:    ") + col("A(1|1)") + col("B(6|1)") + col("C(4,2|3,4)"),
      label("Seiten:    ") + col("3") + col("4") + col("5"),
      label("Winkel:    ") + col("36,869898°") + col("53,130102°") + col("90°"),
      label("Höhen:    ") + col("4") + col("3") + col("2,4"),
      label("Seitenhalbierende:    ") + col("4,2720019") + col("3,6055513") + col("2,5"),
      label("Winkelhalbierende:    ") + col("4,2163702") + col("3,354102") + col("2,4243661"),
      "",
      label("Umkreis:     ") + col("M(3,5|1)") + QString(11, ' ') + "ru = " + "2,5",
      label("Inkreis:     ") + col("O(4|2)") + QString(9, ' ') + "r\u2009i\u2009 = " + "1",
      " ",
      label("Fläche:     ") + col("A = 6") + QString(2, ' ') + "Umfang:   u = " + "12",
  };
  EXPECT_EQ(r.memo, expected);
}

}  // namespace
}  // namespace zw
