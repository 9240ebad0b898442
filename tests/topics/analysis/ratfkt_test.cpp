// The discussion of rational functions and its value table, without a window.
#include <gtest/gtest.h>

#include "common/TextMeasurer.h"
#include "topics/analysis/RatFkt.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

RatFktTexts Texts() {
  RatFktTexts t;
  t.function = "Funktion", t.gaps = "Definitionslücken", t.removable = "Behebbare Lücke";
  t.poleWithSign = "Pol mit Vorzeichenwechsel", t.poleWithoutSign = "Pol ohne Vorzeichenwechsel";
  t.verticalAsymptote = "senkrechte Asymptote", t.extension = "Stetige Fortsetzung", t.derivatives = "Ableitungen";
  t.zeros = "Nullstellen", t.extrema = "Extrema", t.inflections = "Wendepunkte";
  t.furtherSearch = "Weitere Suche grafisch mit", t.noneFound = "Keine gefunden";
  t.axisSymmetric = "Achsensymmetrisch zu", t.pointSymmetric = "Punktsymmetrisch zu", t.symmetry = "Symmetrie";
  t.behaviour = "Verhalten für", t.horizontal = "Waagerechte Asymptote", t.oblique = "Schiefe Asymptote";
  t.approximation = "Näherungskurve";
  return t;
}

// Coefficients from x^0 upwards.
TPoly P(std::initializer_list<int> c) {
  TPoly p{};
  PolyClear(p);
  int i = 0;
  for (int b : c) p[std::size_t(i++)] = TBruch{b, 1};
  return p;
}

RatFktResult Discuss(const TPoly& z, const TPoly& n) {
  static const FixedWidthMeasurer memo;
  std::mt19937 rng(7);
  return DiscussRational(z, n, Texts(), memo, rng);
}

using Lines = std::vector<std::string>;
Lines Section(const RatFktResult& r, const QString& heading) {
  Lines out;
  for (int at = 0; at < r.lines.size(); ++at) {
    if (!r.lines[at].startsWith(heading)) continue;
    for (int i = at + 2; i < r.lines.size() && !r.lines[i].isEmpty(); ++i)
      out.push_back(r.lines[i].simplified().toStdString());
    return out;
  }
  return {"<missing>"};
}

TEST(RatFktTest, Sections) {
  struct Row {
    const char* what;
    TPoly z, n;
    Lines gaps, zeros, extrema, inflections, behaviour, symmetry;
  } rows[] = {
      {"1/x", P({1}), P({0, 1}),
       {"x₁ = 0 Pol mit Vorzeichenwechsel"},
       {"Keine gefunden"},
       {"Keine gefunden"},
       {"Keine gefunden"},
       {"Waagerechte Asymptote y = 0"},
       {"Punktsymmetrisch zu Z(0 |0)"}},
      // The candidate 0 of the extrema and inflection points is the pole: not listed, and no "none found".
      {"1/x²", P({1}), P({0, 0, 1}),
       {"x₁ = 0 Pol ohne Vorzeichenwechsel"},
       {"Keine gefunden"},
       {},
       {},
       {"Waagerechte Asymptote y = 0"},
       {"Achsensymmetrisch zu a: x =0"}},
      {"(x² − 1)/(x − 1): a removable gap and the oblique line", P({-1, 0, 1}), P({-1, 1}),
       {"x₁ = 1 Behebbare Lücke L( 1 | 2 )"},
       {"N₁(-1 | 0 ) m = 1"},
       {"Keine gefunden"},
       {"Keine gefunden"},
       {"Schiefe Asymptote y = x + 1"},
       // The cancelled function is a line: symmetric about each of its points.
       {"Punktsymmetrisch zu N₁(-1 | 0 )"}},
      {"x/(x² + 1): extrema and three inflection points", P({0, 1}), P({1, 0, 1}),
       {"Keine gefunden"},
       {"N₁( 0 | 0 ) m = 1"},
       {"H₁( 1 | 0,5 ) m = 0", "T₁(-1 |-0,5 ) m = 0"},
       // (The fixed-width fixture pads nothing past 24 letters.)
       {"W₁( 0 | 0 ) m = 1", "W₂(-1,73205 |-0,433013 )m = -0,125", "W₃( 1,73205 | 0,433013 )m = -0,125"},
       {"Waagerechte Asymptote y = 0"},
       {"Punktsymmetrisch zu W₁( 0 | 0 )"}},
      {"an empty numerator: ƒ ≡ 0", P({}), P({1, 1}),
       {"x₁ =-1 Pol mit Vorzeichenwechsel"},
       {"Keine gefunden"},
       {"Keine gefunden"},
       {"Keine gefunden"},
       {"Waagerechte Asymptote y = 0"},
       {"Punktsymmetrisch zu Z(-1 |0)"}},
      {"an empty denominator: a polynomial", P({0, 0, 1}), P({}),
       {"Keine gefunden"},
       {"N₁( 0 | 0 ) m = 0"},
       {"T₁( 0 | 0 ) m = 0"},
       {"Keine gefunden"},
       {"Näherungskurve y = x²"},
       {"Achsensymmetrisch zu a: x =0"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const RatFktResult res = Discuss(r.z, r.n);
    EXPECT_EQ(Section(res, "Definitionslücken"), r.gaps);
    EXPECT_EQ(Section(res, "Nullstellen"), r.zeros);
    EXPECT_EQ(Section(res, "Extrema"), r.extrema);
    EXPECT_EQ(Section(res, "Wendepunkte"), r.inflections);
    EXPECT_EQ(Section(res, "Verhalten für"), r.behaviour);
    EXPECT_EQ(Section(res, "Symmetrie"), r.symmetry);
  }
}

TEST(RatFktTest, RemovableGapKeepsOneFactorAndTheExtensionFollows) {
  // (x − 1)²/(x − 1)²: the window keeps x − 1 over x − 1; the table has no value at 1.
  const RatFktResult r = Discuss(P({1, -2, 1}), P({1, -2, 1}));
  EXPECT_EQ(r.z, P({-1, 1}));
  EXPECT_EQ(r.n, P({-1, 1}));
  EXPECT_EQ(r.zr, P({1}));
  EXPECT_EQ(Section(r, "Definitionslücken"), Lines({"x₁ = 1 Behebbare Lücke L( 1 | 1 )"}));
  EXPECT_NE(Section(r, "Stetige Fortsetzung"), Lines({"<missing>"}));
  const FixedWidthMeasurer memo;
  const QStringList t = RationalValueTable(r, 0, 2, 1, 6, memo, "ed43");
  ASSERT_EQ(t.size(), 6 + 3);
  // ƒ has no value at the gap; its derivatives come from the cancelled function.
  EXPECT_EQ(t[7].simplified(), "1 --- 0 0");
  EXPECT_EQ(t[6].simplified(), "0 1 0 0");
}

TEST(RatFktTest, PolesAreTheChartsSplitPoints) {
  // 1/((x − 2)(x + 3)) = 1/(x² + x − 6)
  const RatFktResult r = Discuss(P({1}), P({-6, 1, 1}));
  EXPECT_EQ(r.poles, std::vector<Extended>({-3, 2}));
  EXPECT_EQ(r.hints[3], "senkrechte Asymptote");
  EXPECT_EQ(r.hints[4], "Waagerechte Asymptote");
  EXPECT_LE(r.xmin, -5);
  EXPECT_GE(r.xmax, 5);
}

TEST(RatFktTest, NumeratorWithoutRationalZerosOfDegreeFive) {
  const RatFktResult r = Discuss(P({-1, -1, 0, 0, 0, 1}), P({2}));
  EXPECT_EQ(Section(r, "Nullstellen"), Lines({"Keine gefunden", "Weitere Suche grafisch mit: p(x)=x⁵ - x - 1"}));
}

TEST(RatFktTest, FractionsBeyondTheRangeAreAnOverflow) {
  TPoly z = P({0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
  z[9] = TBruch{2147483647, 1};
  TPoly n = P({0, 0, 0, 0, 0, 0, 0, 0, 1});
  n[0] = TBruch{2147483646, 1};
  try {
    Discuss(z, n);
    FAIL() << "no overflow";
  } catch (const CalcFailure& f) {
    EXPECT_EQ(f.message(), 44);
  }
}

}  // namespace
}  // namespace zw
