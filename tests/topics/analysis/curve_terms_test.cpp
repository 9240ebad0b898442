// The function plotter's references to earlier curves, replaced by text.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/Evaluator.h"
#include "topics/analysis/CurveTerms.h"

namespace zw {
namespace {

CurveTerms Terms(std::initializer_list<const char16_t*> list) {
  CurveTerms t{};
  std::size_t i = 0;
  for (const char16_t* s : list) t[i++] = s;
  return t;
}

FormulaContext Radians() {
  FormulaContext c;
  c.AngleMode = 1;
  return c;
}

Extended ValueAt(const std::u16string& term, Extended x, const FormulaContext& c = Radians()) {
  Extended v = 0;
  std::int32_t err = 0;
  EvaluateFormula(term, v, err, x, c);
  EXPECT_EQ(err, 0) << std::string(term.begin(), term.end());
  return v;
}

TEST(CurveTermsTest, ResolvedTexts) {
  struct Row {
    const char* what;
    CurveTerms raw;
    int curve;
    std::u16string resolved;
  } rows[] = {
      {"shifted parabola", Terms({u"x^2", u"f1(x-2)"}), 2, u"((x-2)^2)"},
      {"a name with x keeps its x", Terms({u"EXP(x)", u"f1(2)"}), 2, u"(EXP((2)))"},
      {"empty term: yj stays", Terms({u"", u"y1+1"}), 2, u"y1+1"},
      {"empty term: fj( becomes ()", Terms({u"", u"f1(3)+1"}), 2, u"()+1"},
      {"later curve stays", Terms({u"x", u"f3(x)", u"x^3"}), 2, u"f3(x)"},
      {"same curve stays", Terms({u"f1(x)+y1"}), 1, u"f1(x)+y1"},
      {"chain through resolved texts", Terms({u"x^2", u"y1+1", u"y2*2"}), 3, u"((x^2)+1)*2"},
      {"search case-sensitive, replacement not", Terms({u"x", u"y1+Y1"}), 2, u"(x)+(x)"},
      {"upper case alone is not searched", Terms({u"x", u"Y1+1"}), 2, u"Y1+1"},
      {"y1 is not the start of y10",
       Terms({u"x", u"", u"", u"", u"", u"", u"", u"", u"", u"x+1", u"y10*y1"}), 11, u"(x+1)*(x)"},
      {"self-reproducing reference ends empty", Terms({u"f1(x)", u"f1(2)"}), 2, u""},
      {"unclosed argument runs to the end", Terms({u"x^2", u"f1(x+1"}), 2, u"((x+1^2)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    DerivativeCache cache;
    const CurveTerms f = ResolveCurveReferences(r.raw, Radians(), cache);
    EXPECT_EQ(f[std::size_t(r.curve - 1)], r.resolved);
  }
}

TEST(CurveTermsTest, NestedArgumentReferences) {
  DerivativeCache cache;
  const CurveTerms f = ResolveCurveReferences(Terms({u"x^2", u"f1(f1(x))+f1(1)"}), Radians(), cache);
  EXPECT_DOUBLE_EQ(double(ValueAt(f[1], 2)), 17.0);
}

TEST(CurveTermsTest, DerivativesOfAnEarlierCurve) {
  DerivativeCache cache;
  const CurveTerms f = ResolveCurveReferences(Terms({u"sin(x)", u"y1'", u"y1\"", u"y1'+y1"}), Radians(), cache);
  for (Extended x : {0.0L, 0.7L, 2.0L}) {
    EXPECT_NEAR(double(ValueAt(f[1], x)), std::cos(double(x)), 1e-12);
    EXPECT_NEAR(double(ValueAt(f[2], x)), -std::sin(double(x)), 1e-12);
    EXPECT_NEAR(double(ValueAt(f[3], x)), std::cos(double(x)) + std::sin(double(x)), 1e-12);
  }
  // A second resolution asks the library nothing new.
  const std::size_t asked = cache.size();
  ResolveCurveReferences(Terms({u"sin(x)", u"y1'", u"y1\"", u"y1'+y1"}), Radians(), cache);
  EXPECT_EQ(cache.size(), asked);
}

TEST(CurveTermsTest, DerivativeInDegrees) {
  FormulaContext deg;
  deg.AngleMode = 0;
  DerivativeCache cache;
  const CurveTerms f = ResolveCurveReferences(Terms({u"sin(x)", u"y1'"}), deg, cache);
  EXPECT_NEAR(double(ValueAt(f[1], 0, deg)), M_PI / 180, 1e-12);
}

TEST(CurveTermsTest, ResolutionIsBounded) {
  // Every level multiplies the text by eight: past the bounds the curve is
  // empty instead of growing without end.
  DerivativeCache cache;
  const CurveTerms f =
      ResolveCurveReferences(Terms({u"x*x*x*x*x*x*x*x", u"f1(f1(f1(f1(f1(f1(x))))))", u"f1(f1(x))"}), Radians(), cache);
  EXPECT_EQ(f[1], u"");
  EXPECT_FALSE(f[2].empty());  // small enough
}

}  // namespace
}  // namespace zw
