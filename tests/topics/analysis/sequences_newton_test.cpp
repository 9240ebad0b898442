// The sequences and Newton computations without a window.
#include <gtest/gtest.h>

#include <memory>

#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "platform/symbolic/Derivative.h"
#include "common/TextMeasurer.h"
#include "topics/analysis/Newton.h"
#include "topics/analysis/Sequences.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

const FixedWidthMeasurer kMemo(10);
const SequenceLabels kLabels{QStringLiteral("a[ i ] = "), QStringLiteral("Folge"), QStringLiteral("Reihe")};

class SequenceTest : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  static QString Dec(const char* german) {
    // Numbers are written with the regional decimal separator.
    return QString::fromUtf8(german).replace(u',', QString::fromStdU16String(kernelState().LanguageDecimalSeparator));
  }
};

TEST_F(SequenceTest, FibonacciTermsAndSums) {
  const SequenceResult r = ComputeSequence({"1;1", "a[i-1]+a[i-2]", "10", false}, kMemo, kLabels);
  EXPECT_EQ(r.lines[0], QStringLiteral("a[0]=1;   a[1]=1;   a[ i ] = a[i-1]+a[i-2];   n = 10"));
  EXPECT_EQ(r.lines[1], QStringLiteral(" "));
  EXPECT_EQ(r.lines[2], QStringLiteral("Folge"));
  EXPECT_EQ(r.lines[4], QStringLiteral("( a[ i ] ) = (1; 1; 2; 3; 5; 8; 13; 21; 34; 55)"));
  EXPECT_EQ(r.lines[5], QString());
  EXPECT_EQ(r.lines[6], QStringLiteral("Reihe"));
  EXPECT_EQ(r.lines[8], QStringLiteral("( ∑ a[ i ] ) = (1; 2; 4; 7; 12; 20; 33; 54; 88; 143)"));
}

TEST_F(SequenceTest, ExplicitTermNumberedAndShortCases) {
  const SequenceResult r = ComputeSequence({"", "1/(i+1)", "4", true}, kMemo, kLabels);
  EXPECT_EQ(r.lines[0], QStringLiteral("a[ i ] = 1/(i+1);   n = 4"));
  EXPECT_EQ(r.terms.size(), 4);
  EXPECT_EQ(r.terms[1], Dec("0,5"));
  EXPECT_TRUE(r.lines[4].startsWith(QStringLiteral("a[0]=1; a[1]=") + Dec("0,5") + QStringLiteral("; a[2]=")));
  EXPECT_TRUE(r.lines[8].startsWith(QStringLiteral("∑[0]=1; ∑[1]=") + Dec("1,5")));
  // n not above the start terms: only the start terms; a trailing ";" adds none.
  const SequenceResult s = ComputeSequence({"1;2;", "a[i-1]", "1", false}, kMemo, kLabels);
  EXPECT_EQ(s.terms, QStringList({"1", "2"}));
  // Braces become brackets, and the shown term says so.
  EXPECT_EQ(ComputeSequence({"1", "a{i-1}*2", "3", false}, kMemo, kLabels).shownTerm, QStringLiteral("a[i-1]*2"));
}

TEST_F(SequenceTest, ReferencesEnterAsValuesAndFunctionsKeepTheirLetters) {
  EXPECT_EQ(ComputeSequence({"-2", "a[i-1]^2", "2", false}, kMemo, kLabels).terms[1], QStringLiteral("4"));
  const SequenceResult r = ComputeSequence({"", "int(i/2)+2i", "4", false}, kMemo, kLabels);
  EXPECT_EQ(r.terms, QStringList({"0", "2", "5", "7"}));
  // A fraction as start term sums like any term.
  EXPECT_EQ(ComputeSequence({"1/2", "a[i-1]", "2", false}, kMemo, kLabels).lines[8],
            QStringLiteral("( ∑ a[ i ] ) = (") + Dec("0,5") + QStringLiteral("; 1)"));
}

TEST_F(SequenceTest, RefusedInputsNameTheirField) {
  struct Case {
    SequenceInput in;
    const char* field;
  };
  const Case cases[] = {
      {{"1", "a[i-1]", "", false}, SequenceCountKey},
      {{"1", "a[i-1]", "2.5", false}, SequenceCountKey},
      {{"1", "a[i-1]", "10001", false}, SequenceCountKey},
      {{"1", "a[i+1]", "3", false}, SequenceTermKey},
      {{"1", "a[i-5]", "3", false}, SequenceTermKey},
      {{"1", "a[i-1]+(", "3", false}, SequenceTermKey},
      {{"1", "ln(-1)", "3", false}, SequenceTermKey},
      // A start term that names a term: refused, never searched again (it hung once).
      {{"a[0]", "a[i-1]", "3", false}, SequenceStartKey},
      {{"1;2+", "a[i-1]", "3", false}, SequenceStartKey},
      // Long start terms put into many references would grow the term without bound.
      {{QString(1000, u'1'), QStringLiteral("a[0]+").repeated(200) + "1", "3", false}, SequenceTermKey},
  };
  for (const Case& c : cases) {
    try {
      ComputeSequence(c.in, kMemo, kLabels);
      ADD_FAILURE() << c.in.term.toStdString() << " n=" << c.in.count.toStdString();
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), c.field) << c.in.term.toStdString();
      EXPECT_EQ(e.message(), msg::InvalidInput);
    }
  }
}

class NewtonTest : public SequenceTest {};

TEST_F(NewtonTest, SquareRootOfTwoSettles) {
  const NewtonResult r = NewtonIteration(QStringLiteral("x^2-2"), 1, kMemo, QStringLiteral("divergent"));
  ASSERT_GE(r.lines.size(), 9);
  EXPECT_TRUE(r.lines[4].endsWith(QStringLiteral("x₀ = 1")));
  EXPECT_TRUE(r.lines[5].contains(QStringLiteral("x₁ = ") + Dec("1,5")));
  EXPECT_TRUE(r.lines[6].contains(QStringLiteral("x₂ = ") + Dec("1,4166667")));
  EXPECT_TRUE(r.lines[7].contains(QStringLiteral("x₃ = ") + Dec("1,4142157")));
  EXPECT_TRUE(r.lines[8].contains(Dec("1,4142136")));
  EXPECT_TRUE(r.lines[9].contains(Dec("1,4142136")));
  EXPECT_EQ(r.lines.size(), 10);
}

// Every column of the table is as wide as its widest value: the rows and the
// rule under the head end at the same place, however long the values.
TEST_F(NewtonTest, ColumnsHoldTheirWidestValue) {
  for (const char* term : {"x^2-2", "x^2-1e12", "1e9*x^3-5"}) {
    const NewtonResult r = NewtonIteration(QString::fromUtf8(term), 1, kMemo, QStringLiteral("divergent"));
    ASSERT_GE(r.lines.size(), 6) << term;
    const QString rule = r.lines[3];
    for (qsizetype i = 5; i < r.lines.size(); ++i) {
      if (!r.lines[i].contains(u'=') || r.lines[i].endsWith(QStringLiteral("..."))) continue;
      EXPECT_EQ(r.lines[i].size(), rule.size()) << term << ": " << r.lines[i].toStdString();
      // A column boundary of the rule (three blanks) falls on a column boundary of the row.
      for (qsizetype at = rule.indexOf(QStringLiteral("   "), 1); at > 0; at = rule.indexOf(QStringLiteral("   "), at + 3))
        EXPECT_EQ(r.lines[i].mid(at, 3), QStringLiteral("   ")) << term << ": " << r.lines[i].toStdString();
    }
  }
}

TEST_F(NewtonTest, DivergentZeroStartAndThirtySteps) {
  EXPECT_EQ(NewtonIteration("x^2-2", 0, kMemo, "divergent").lines.last(), QStringLiteral("   divergent"));
  EXPECT_EQ(NewtonIteration("x-1", 1, kMemo, "divergent").lines.size(), 5);
  const NewtonResult r = NewtonIteration("x^3-2*x+2", 0, kMemo, "divergent");
  EXPECT_EQ(r.lines.last(), QStringLiteral("   x₃₀ =  ..."));
  EXPECT_EQ(NewtonTermText("0,5*x-1"), QStringLiteral("0.5*x-1"));
}

// A sine nested this deep has a derivative of more than 100,000 characters,
// which the library gives but a step could not evaluate in time.
QString NestedSine(int depth) { return QStringLiteral("sin(").repeated(depth) + u'x' + QString(depth, u')'); }

// The window's run computes the derivative on a worker thread: its table is
// the one the plain function gives, and a derivative too long to evaluate
// ends the table as divergent in both.
TEST_F(NewtonTest, RunGivesTheTableOfTheFunctionAndAnOverlongDerivativeEndsIt) {
  ASSERT_GT(SymbolicDerivative(NestedSine(210).toStdU16String()).size(), 100'000u);
  struct Case {
    QString term;
    Extended x0;
    bool divergent;
  } cases[] = {{QStringLiteral("x^2-2"), 1, false}, {QStringLiteral("x^3-2*x+2"), 0, false},
               {QStringLiteral("x-1"), 1, false}, {NestedSine(210), 1, true}, {NestedSine(3), 1, false}};
  for (const Case& c : cases) {
    const NewtonResult plain = NewtonIteration(c.term, c.x0, kMemo, QStringLiteral("divergent"));
    EXPECT_EQ(plain.lines.last() == QStringLiteral("   divergent"), c.divergent) << c.term.left(20).toStdString();
    QStringList stepped;
    NewtonRun run(c.term, c.x0, std::make_shared<FixedWidthMeasurer>(10), QStringLiteral("divergent"),
                  [&](const NewtonResult& r) { stepped = r.lines; });
    while (run.step()) {
    }
    run.finish(Stepper::End::Finished, 0);
    EXPECT_EQ(stepped, plain.lines) << c.term.left(20).toStdString();
  }
}

TEST_F(NewtonTest, RefusedTermAndStartValue) {
  try {
    NewtonIteration("x^2-", 1, kMemo, "divergent");
    ADD_FAILURE();
  } catch (const CalcFailure& f) {
    EXPECT_EQ(f.message(), msg::SyntaxError);
  }
  try {
    NewtonIteration("ln(x)", -1, kMemo, "divergent");
    ADD_FAILURE();
  } catch (const CalcFailure& f) {
    EXPECT_EQ(f.message(), msg::InvalidInput);
  }
  // The program's angle mode is left as it was.
  kernelState().AngleMode = 0;
  NewtonIteration("sin(x)", 3, kMemo, "divergent");
  EXPECT_EQ(kernelState().AngleMode, 0);
}

}  // namespace
}  // namespace zw
