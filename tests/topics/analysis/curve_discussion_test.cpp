// The discussion of arbitrary functions and its value table, without a window.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "topics/analysis/CurveDiscussion.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

const DiscussionTexts kTexts{"Funktion", "Untersuchung im Bereich von", "bis", "Ableitungen",
                             "Nullstellen", "Extrema", "Wendepunkte"};

DiscussionInput Input(const char* term, Extended from, Extended to, bool s1 = true, bool s2 = true) {
  DiscussionInput in;
  in.term = DiscussionTerm(QString::fromUtf8(term));
  in.from = from, in.to = to;
  in.fromText = QString::number(double(from));
  in.toText = QString::number(double(to));
  in.symbolic1 = s1, in.symbolic2 = s2;
  in.context.AngleMode = 1;
  return in;
}

// The point lines of the memo (those with "m = "), without padding.
std::vector<std::string> Points(const DiscussionResult& r) {
  std::vector<std::string> out;
  for (const QString& l : r.lines)
    if (l.contains(QStringLiteral("m = "))) out.push_back(l.simplified().toStdString());
  return out;
}

TEST(CurveDiscussionTest, CubicWithSymbolicDerivatives) {
  const FixedWidthMeasurer memo;
  const DiscussionResult r = DiscussCurve(Input("x^3 - x", -2, 2), kTexts, memo);
  EXPECT_EQ(Points(r), std::vector<std::string>({"N₁(-1 | 0 ) m = 2", "N₂( 0 | 0 ) m = -1", "N₃( 1 | 0 ) m = 2",
                                    "H₁(-0,57735 | 0,3849 ) m = 0", "T₁( 0,57735 |-0,3849 ) m = 0",
                                    "W₁( 0 | 0 ) m = -1"}));
  EXPECT_EQ(r.lines[0], "Funktion");
  EXPECT_EQ(r.lines[2], QStringLiteral("  ƒ(x) = x^3 - x"));
  EXPECT_EQ(r.lines[3], QStringLiteral("  Untersuchung im Bereich von  -2  bis  2"));
}

TEST(CurveDiscussionTest, Cases) {
  const FixedWidthMeasurer memo;
  struct Row {
    const char* what;
    DiscussionInput in;
    std::vector<std::string> points;
  } rows[] = {
      {"pole rejected", Input("1/x", -1, 1), {}},
      {"numeric extrema show m = 0", Input("x^3 - x", -2, 2, false, false),
       // The numeric derivatives are 1e-6 apart: the sixth digit moves.
       {"N₁(-1 | 0 ) m = 2", "N₂( 0 | 0 ) m = -1", "N₃( 1 | 0 ) m = 2", "H₁(-0,577351 | 0,3849 ) m = 0",
        "T₁( 0,577351 |-0,3849 ) m = 0", "W₁( 0 | 0,000000 ) m = -1"}},
      {"touching zero", Input("(x-1)^2", -3, 3), {"N₁( 1 | 0 ) m = 0", "T₁( 1 | 0 ) m = 0"}},
      {"touching zero at a pole is no zero", Input("1/x^2", -1, 1), {}},
      // The touching zero is found within the numeric derivative's 1e-6.
      {"minimum of x^10 found", Input("x^10", -1, 1.5), {"N₁(0,000000 | 0 ) m = 0", "T₁( 0 | 0 ) m = 0"}},
      {"zero at a shared step end listed once", Input("x", -1, 1), {"N₁( 0 | 0 ) m = 1"}},
      {"touching at a shared step end", Input("x^2", -1, 1), {"N₁(0,000000 | 0 ) m = 0", "T₁( 0 | 0 ) m = 0"}},
      {"a constant has nothing", Input("3", -1, 1), {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(Points(DiscussCurve(r.in, kTexts, memo)), r.points);
  }
}

TEST(CurveDiscussionTest, ReusedStepEndsGiveTheSameLinesWithFewerEvaluations) {
  const FixedWidthMeasurer memo;
  for (const char* term : {"sin(x)*x", "x^4-3x^2+1", "exp(-x^2)"}) {
    SCOPED_TRACE(term);
    const DiscussionResult a = DiscussCurve(Input(term, -5, 5, false, false), kTexts, memo, StepValues::Reuse);
    const DiscussionResult b = DiscussCurve(Input(term, -5, 5, false, false), kTexts, memo, StepValues::Afresh);
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_LT(a.evaluations, b.evaluations);
  }
}

TEST(CurveDiscussionTest, RefusedInput) {
  const FixedWidthMeasurer memo;
  struct Row {
    const char* what;
    DiscussionInput in;
    const char* key;
    int message;
  } rows[] = {
      {"empty range", Input("x", 5, 5), KudisFromKey, 22},
      {"reversed range", Input("x", 5, 1), KudisFromKey, 22},
      {"syntax", Input("x+*", -1, 1), KudisTermKey, 43},
      {"sqr", Input("sqr(x)+(", -1, 1), KudisTermKey, 55},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    try {
      DiscussCurve(r.in, kTexts, memo);
      ADD_FAILURE() << "not refused";
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), r.key);
      EXPECT_EQ(e.message(), r.message);
    }
  }
}

TEST(CurveDiscussionTest, TermTextAndBisectionBounds) {
  EXPECT_EQ(DiscussionTerm(QStringLiteral(" 0,5*x^2 ")), u"0.5*x^2");
  EXPECT_EQ(DiscussionTerm(QStringLiteral("  ")), u"0");
  // Far from 0 an absolute tolerance of 1e-8 is below the spacing of the
  // numbers: the bisection still ends.
  const Bisection b =
      BisectSignChange([](Extended x, Extended& v) { v = x - 1e12L; return true; }, 1e12L - 1, 1e12L + 3, 1e-8L);
  EXPECT_TRUE(b.ok);
  EXPECT_NEAR(double(b.x), 1e12, 1e-3);
  EXPECT_LE(b.evaluations, 203);
}

TEST(CurveDiscussionTest, ValueTable) {
  const FixedWidthMeasurer memo;
  EXPECT_EQ(ValueTableStep(-10, 10), 1);
  EXPECT_DOUBLE_EQ(double(ValueTableStep(0, 1)), 0.01);
  EXPECT_EQ(ValueTableStep(3, 3), 1);
  ValueTableInput in;
  in.term = u"1/x";
  in.from = -10, in.to = 10, in.step = 1;
  in.fromText = "-10", in.toText = "10";
  in.context.AngleMode = 1;
  const QStringList t = KudisValueTable(in, "von", "bis", memo);
  ASSERT_EQ(t.size(), 6 + 21);
  EXPECT_EQ(t[1], QStringLiteral("  ƒ(x) = 1/x"));
  EXPECT_EQ(t[2], "  von -10 bis 10");
  EXPECT_EQ(t[6 + 10].count(QStringLiteral("---")), 3);  // x = 0
  EXPECT_TRUE(t[6 + 11].simplified().startsWith("1 1 -1 2")) << t[6 + 11].toStdString();
  for (Extended step : {0.0L, -1.0L, 1e-3L, 1e-30L}) {
    in.step = step;
    EXPECT_THROW(KudisValueTable(in, "von", "bis", memo), InputRejected) << double(step);
  }
}

}  // namespace
}  // namespace zw
