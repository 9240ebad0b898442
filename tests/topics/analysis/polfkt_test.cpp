// The discussion of polynomial functions and its value table, without a window.
#include <gtest/gtest.h>

#include "common/TextMeasurer.h"
#include "kernel/Fraction.h"
#include "topics/analysis/PolFkt.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

const PolFktTexts kTexts{"Funktion",    "Integral",      "Ableitungen", "Stammfunktion",
                         "Nullstellen", "Extrema",       "Wendepunkte", "Weitere Suche grafisch mit",
                         "Keine gefunden", "Achsensymmetrisch zu", "Punktsymmetrisch zu", "Symmetrie"};

// Coefficients from x^0 upwards.
TPoly P(std::initializer_list<TBruch> c) {
  TPoly p{};
  PolyClear(p);
  int i = 0;
  for (TBruch b : c) p[std::size_t(i++)] = b;
  return p;
}
TBruch B(int z, int n = 1) { return TBruch{z, n}; }

PolFktResult Discuss(const TPoly& f, Extended c = 0, Extended d = 0) {
  static const FixedWidthMeasurer memo;
  std::mt19937 rng(7);
  PolFktInput in;
  in.f = f, in.c = c, in.d = d;
  return DiscussPolynomial(in, kTexts, memo, rng);
}

// The lines of a section (after its heading and underline, up to the empty line), without padding.
std::vector<std::string> Section(const PolFktResult& r, const char* heading) {
  std::vector<std::string> out;
  const int at = int(r.lines.indexOf(QString::fromUtf8(heading)));
  if (at < 0) return {"<missing>"};
  for (int i = at + 2; i < r.lines.size() && !r.lines[i].isEmpty(); ++i)
    out.push_back(r.lines[i].simplified().toStdString());
  return out;
}
using Lines = std::vector<std::string>;

TEST(PolFktTest, Sections) {
  struct Row {
    const char* what;
    TPoly f;
    Lines zeros, extrema, inflections, symmetry;
  } rows[] = {
      {"odd cubic: zeros in the test's order, numeric extrema, point symmetry", P({B(0), B(-1), B(0), B(1)}),
       {"N₁( 0 | 0 ) m = -1", "N₂( 1 | 0 ) m = 2", "N₃(-1 | 0 ) m = 2"},
       {"H₁(-0,57735 | 0,3849 ) m = 0", "T₁( 0,57735 |-0,3849 ) m = 0"},
       {"W₁( 0 | 0 ) m = -1"},
       {"Punktsymmetrisch zu W₁( 0 | 0 )"}},
      {"even parabola: a rational minimum without index", P({B(-4), B(0), B(1)}),
       {"N₁( 2 | 0 ) m = 4", "N₂(-2 | 0 ) m = -4"},
       {"T( 0 |-4 ) m = 0"},
       {"Keine gefunden"},
       {"Achsensymmetrisch zu a: x =0"}},
      {"x^4: a flat minimum, no inflection point", P({B(0), B(0), B(0), B(0), B(1)}),
       {"N₁( 0 | 0 ) m = 0"},
       {"T₁( 0 | 0 ) m = 0"},
       {},
       {"Achsensymmetrisch zu a: x =0"}},
      // ƒ'' next to 0 is about 1e-30: the probes must not round it to 0.
      {"x^10: the flat minimum is still found", P({B(0), B(0), B(0), B(0), B(0), B(0), B(0), B(0), B(0), B(0), B(1)}),
       {"N₁( 0 | 0 ) m = 0"},
       {"T₁( 0 | 0 ) m = 0"},
       {},
       {"Achsensymmetrisch zu a: x =0"}},
      {"x^3: a flat point is neither maximum nor minimum", P({B(0), B(0), B(0), B(1)}),
       {"N₁( 0 | 0 ) m = 0"},
       {},
       {"W₁( 0 | 0 ) m = 0"},
       {"Punktsymmetrisch zu W₁( 0 | 0 )"}},
      {"zero polynomial", P({}), {"Keine gefunden"}, {"Keine gefunden"}, {"Keine gefunden"}, {"Keine gefunden"}},
      {"constant", P({B(3)}), {"Keine gefunden"}, {"Keine gefunden"}, {"Keine gefunden"}, {"Keine gefunden"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const PolFktResult res = Discuss(r.f);
    EXPECT_EQ(Section(res, "Nullstellen"), r.zeros);
    EXPECT_EQ(Section(res, "Extrema"), r.extrema);
    EXPECT_EQ(Section(res, "Wendepunkte"), r.inflections);
    EXPECT_EQ(Section(res, "Symmetrie"), r.symmetry);
  }
}

TEST(PolFktTest, HeaderDerivativesAntiderivativeAndIntegral) {
  // ƒ(x) = 1/2·x² − 2 = 1/2·(x² − 4) = 1/2·(x − 2)(x + 2), integral from 0 to 3.
  const PolFktResult r = Discuss(P({B(-2), B(0), B(1, 2)}), 0, 3);
  EXPECT_EQ(r.lines[0], "Funktion");
  EXPECT_EQ(r.lines[2], QStringLiteral("  ƒ(x) = 1/2x² - 2"));
  EXPECT_TRUE(r.lines[3].simplified().startsWith(QStringLiteral("= 1/2·(x² - 4)"))) << r.lines[3].toStdString();
  EXPECT_TRUE(r.lines[4].simplified().startsWith(QStringLiteral("= 1/2·"))) << r.lines[4].toStdString();
  EXPECT_EQ(Section(r, "Ableitungen"), Lines({"ƒ'(x) = x", "ƒ\"(x) = 1", "ƒ'\"(x) = 0"}));
  EXPECT_EQ(Section(r, "Stammfunktion"), Lines({"F(x) = 1/6x³ - 2x + c"}));
  EXPECT_EQ(Section(r, "Integral"), Lines({"F(3) - F(0) = -1,5"}));
  EXPECT_EQ(r.texts[1], "x");
  // Equal bounds (both empty read as 0): no integral section.
  EXPECT_FALSE(Discuss(P({B(1), B(1)}), 2, 2).lines.contains(QStringLiteral("Integral")));
}

TEST(PolFktTest, RemainingFactorOfDegreeFiveIsNamed) {
  // x·(x⁵ − x − 1): the zero 0, and the factor without rational zeros for a graphic search.
  const PolFktResult r = Discuss(P({B(0), B(-1), B(-1), B(0), B(0), B(0), B(1)}));
  const Lines zeros = Section(r, "Nullstellen");
  ASSERT_EQ(zeros.size(), 2u);
  EXPECT_EQ(zeros[0], "N₁( 0 | 0 ) m = -1");
  EXPECT_EQ(zeros[1], "Weitere Suche grafisch mit: p(x)=x⁵ - x - 1");
}

TEST(PolFktTest, PointBoxHoldsThePointsAndTheWideningFrame) {
  const PolFktResult small = Discuss(P({B(0), B(-1), B(0), B(1)}));
  EXPECT_EQ(small.xmin, -5);
  EXPECT_EQ(small.xmax, 5);
  EXPECT_EQ(small.ymin, -4);
  EXPECT_EQ(small.ymax, 4);
  // x² − 100: zeros at ±10, minimum at −100.
  const PolFktResult wide = Discuss(P({B(-100), B(0), B(1)}));
  EXPECT_EQ(wide.xmin, -10);
  EXPECT_EQ(wide.xmax, 10);
  EXPECT_EQ(wide.ymin, -100);
}

TEST(PolFktTest, AntiderivativeBeyondTheFractionRangeIsAnOverflow) {
  // 1/2147483647·x integrates to 1/4294967294·x², past 32 bits.
  try {
    Discuss(P({B(0), B(1, 2147483647)}));
    FAIL() << "no overflow";
  } catch (const CalcFailure& f) {
    EXPECT_EQ(f.message(), 44);
  }
}

TEST(PolFktTest, ValueTable) {
  const FixedWidthMeasurer memo;
  const TPoly f = P({B(0), B(0), B(1)});
  const QStringList t = PolynomialValueTable(f, -1, 1, 1, 6, memo, "ed43");
  ASSERT_EQ(t.size(), 5 + 3);
  EXPECT_EQ(t[1], QStringLiteral("   ƒ(x) = x²"));
  EXPECT_EQ(t[5].simplified(), "-1 1 -2 2");
  EXPECT_EQ(t[6].simplified(), "0 0 0 2");
  EXPECT_EQ(t[7].simplified(), "1 1 2 2");
  // From 1 to 0: one row all the same.
  EXPECT_EQ(PolynomialValueTable(f, 1, 0, 1, 6, memo, "ed43").size(), 5 + 1);
  for (Extended step : {Extended(0), Extended(-1), Extended(1e-30), Extended(0.0001)}) {
    SCOPED_TRACE(double(step));
    EXPECT_THROW(PolynomialValueTable(f, -10, 10, step, 6, memo, "ed43"), InputRejected);
  }
}

}  // namespace
}  // namespace zw
