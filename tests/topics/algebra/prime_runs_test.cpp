// The runs of the three prime topics without a window: exact memo lines with
// a fixed-width measurer, the interval check, sequence terms and their
// failures, stopping, and the tuple and prime listings.
#include <gtest/gtest.h>

#include <memory>
#include <primesieve.hpp>
#include <vector>

#include "kernel/CalcFailure.h"
#include "topics/frame/InputRejected.h"
#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "topics/algebra/Prim.h"
#include "topics/algebra/PrimFz.h"
#include "topics/algebra/Primtup.h"

namespace zw {
namespace {

class RecordingOutput : public PrimeMemoOutput {
public:
  QStringList lines;
  void clear() override { lines.clear(); }
  void appendLines(const QStringList& l) override { lines << l; }
  void setLines(const QStringList& l) override { lines = l; }
};

class PrimeRunsTest : public ::testing::Test {
protected:
  void SetUp() override { resetShellState(); }  // German texts
  void TearDown() override { resetShellState(); }

  // Every character 10 pixels wide: the number column is 19 blanks.
  PrimFzFormat format() const {
    return PrimFzFormat(std::make_shared<FixedWidthMeasurer>(10), PrimFzTexts::current());
  }
  static QString num(const QString& n) { return QString(19 - n.size(), u' ') + n; }
  static QString line(const QString& n, const QString& factors) { return num(n) + " = " + factors; }

  // Runs to the end, or stops after `units` steps.
  void run(Stepper& s, int units = -1) {
    int done = 0;
    while (units < 0 || done < units) {
      ++done;
      if (!s.step()) return s.finish(Stepper::End::Finished, 0);
    }
    s.finish(Stepper::End::Stopped, 0);
  }
  QStringList sequence(const QString& start, const QString& recursion, int n) {
    PrimFzRequest r;
    r.mode = PrimFzMode::Sequence;
    r.startTerms = start;
    r.recursion = recursion;
    r.termCount = n;
    PrimFzRun s(r, format(), out, last, clock);
    run(s);
    return out.lines;
  }

  RecordingOutput out;
  std::int64_t last = 1;
  std::int64_t now = 0;
  std::function<std::int64_t()> clock = [this] { return now; };
};

TEST_F(PrimeRunsTest, ResultLinesAlignTheNumberAndNamePrimes) {
  const PrimFzFormat f = format();
  EXPECT_EQ(f.mask(), QString(19, u' '));
  EXPECT_EQ(f.resultLine(360), line("360", "2³ · 3² · 5"));
  EXPECT_EQ(f.resultLine(97), line("97", "Primzahl"));
  EXPECT_EQ(f.resultLine(0), line("0", "0"));
  EXPECT_EQ(f.resultLine(1), line("1", "1"));
  EXPECT_EQ(f.resultLine(-8), line("-8", "-8"));
  EXPECT_EQ(f.resultLine(999999999999999989), line("999999999999999989", "Primzahl"));
  // A typed line keeps its own digits; other text stays as typed.
  EXPECT_EQ(f.typedLine("  0360 "), line("0360", "2³ · 3² · 5"));
  EXPECT_FALSE(f.typedLine("360 = 2³").has_value());
  EXPECT_FALSE(f.typedLine("").has_value());
}

TEST_F(PrimeRunsTest, IntervalFieldsAreCompletedAndChecked) {
  struct Case {
    std::int64_t n1, n2, n3;
    bool ok;
    std::int64_t e1, e2, e3;
  } cases[] = {
      {10, 20, 5, true, 10, 20, 5},  {0, 7, 0, true, 7, 7, 1},    {5, 0, 0, true, 5, 5, 1},
      {0, 0, 0, false, 0, 0, 1},     {1, 9, -1, false, 1, 9, -1}, {1, 200'000'000'000'000'000, 1, false, 0, 0, 0},
      {1, 2, 100'000'000'000'000'001, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    std::int64_t n1 = c.n1, n2 = c.n2, n3 = c.n3;
    EXPECT_EQ(CompleteInterval(n1, n2, n3), c.ok) << c.n1 << " " << c.n2 << " " << c.n3;
    if (c.ok) {
      EXPECT_EQ(std::vector<std::int64_t>({n1, n2, n3}), std::vector<std::int64_t>({c.e1, c.e2, c.e3}));
    }
  }
}

TEST_F(PrimeRunsTest, SingleNumbersAppendAndSkipARepeat) {
  out.lines = QStringList{"earlier"};
  PrimFzRequest r;
  r.n0 = 360;
  for (int i = 0; i < 2; ++i) {
    PrimFzRun s(r, format(), out, last, clock);
    run(s);
  }
  EXPECT_EQ(out.lines, (QStringList{"earlier", line("360", "2³ · 3² · 5")}));
  // 1 is the number a new window counts as done.
  r.n0 = 1;
  PrimFzRun one(r, format(), out, last = 1, clock);
  run(one);
  EXPECT_EQ(out.lines.size(), 2);
}

TEST_F(PrimeRunsTest, IntervalRunListsEveryStepThenAnEmptyLine) {
  PrimFzRequest r;
  r.mode = PrimFzMode::Interval;
  r.n1 = 10;
  r.n2 = 20;
  r.n3 = 5;
  out.lines = QStringList{"old"};
  PrimFzRun s(r, format(), out, last, clock);
  run(s);
  EXPECT_EQ(out.lines, (QStringList{line("10", "2 · 5"), line("15", "3 · 5"), line("20", "2² · 5"), ""}));
}

TEST_F(PrimeRunsTest, StopwatchLineOnlyForRunsOverOneMillisecondThatWereNotStopped) {
  PrimFzRequest r;
  r.mode = PrimFzMode::Interval;
  r.n1 = 4;
  r.n2 = 4;
  r.stopwatch = true;
  for (std::int64_t ms : {1, 7}) {
    now = 100;
    PrimFzRun s(r, format(), out, last, clock);
    now = 100 + ms;
    run(s);
    EXPECT_EQ(out.lines.last(), ms > 1 ? QString("7 ms") : QString()) << ms;
  }
}

TEST_F(PrimeRunsTest, AStoppedRunEndsWithAbgebrochenCentredAndNoStopwatch) {
  PrimFzRequest r;
  r.mode = PrimFzMode::Interval;
  r.n1 = 1;
  r.n2 = 1000;
  r.stopwatch = true;
  now = 0;
  PrimFzRun s(r, format(), out, last, [this] { return now += 50; });
  run(s, 3);
  ASSERT_EQ(out.lines.size(), 5);
  EXPECT_EQ(out.lines[2], line("3", "Primzahl"));
  EXPECT_EQ(out.lines[3], "");
  // "Abgebrochen" (11 characters) in the width of 38 blanks: 27 blanks of padding.
  EXPECT_EQ(out.lines[4], QString(14, u' ') + "Abgebrochen" + QString(13, u' '));
}

TEST_F(PrimeRunsTest, FibonacciSequenceFactorisesTheComputedTerms) {
  EXPECT_EQ(sequence("1;1", "a[i-1]+a[i-2]", 10),
            (QStringList{line("2", "Primzahl"), line("3", "Primzahl"), line("5", "Primzahl"), line("8", "2³"),
                         line("13", "Primzahl"), line("21", "3 · 7"), line("34", "2 · 17"), line("55", "5 · 11"),
                         ""}));
}

TEST_F(PrimeRunsTest, SequenceTermsAreInsertedInParenthesesAndOnlyAStandaloneIIsTheIndex) {
  // «1+1» doubled is 4, not 1+1·2 = 3.
  EXPECT_EQ(sequence("1+1;", "2*a[i-1]", 2), (QStringList{line("4", "2²"), ""}));
  // The i of PI and SIN is no index.
  EXPECT_EQ(sequence("0", "a[i-1]+i+0*sin(pi)", 4),
            (QStringList{line("1", "1"), line("3", "Primzahl"), line("6", "2 · 3"), ""}));
}

// A failing term stops the run with message 22 on the recursion field; a
// start term that does not stand alone (one that names a term: it is never
// searched again, so nothing can loop) is refused on its field before the run.
TEST_F(PrimeRunsTest, SequenceFailuresStopWithMessage22AndKeepTheLines) {
  struct Case {
    const char* start;
    const char* recursion;
    int linesBefore;
    const char* field = "ai";
  } cases[] = {
      {"2", "a[i-1]*a[i-1]", 5},      // 4 ... 2^32; 2^64 is left out, so the next term misses it
      {"1", "a[i+1]", 0},             // a term never computed
      {"1", "a[i-5]", 0},             // a negative index
      {"1", "a[i-1]+", 0},            // not a term
      {"1", "a[i-1", 0},              // no closing bracket
      {"3", "a[i-1]/2", 0},           // not a whole number
      {"a[0]", "a[i-1]", 0, "a0"},    // a start term that names a term
      {"1;2+", "a[i-1]", 0, "a0"},    // a start term that is no term
  };
  for (const Case& c : cases) {
    PrimFzRequest r;
    r.mode = PrimFzMode::Sequence;
    r.startTerms = c.start;
    r.recursion = c.recursion;
    r.termCount = 20;
    out.lines.clear();
    int lines = -1;
    try {
      PrimFzRun s(r, format(), out, last, clock);
      while (s.step()) {
      }
    } catch (const InputRejected& f) {
      EXPECT_EQ(f.message(), 22);
      EXPECT_EQ(f.field(), c.field) << c.recursion;
      lines = static_cast<int>(out.lines.size());
    }
    EXPECT_EQ(lines, c.linesBefore) << c.recursion;
  }
  // An empty start text has no start terms: the first term is computed.
  EXPECT_EQ(sequence("", "i+2", 2), (QStringList{line("2", "Primzahl"), line("3", "Primzahl"), ""}));
}

// The listing's text with its tuples kept whole.
QString J(const char* text) { return JoinTuple(QString::fromUtf8(text)); }

TEST_F(PrimeRunsTest, TupleListingsOfTheFirstPrimes) {
  std::vector<std::int64_t> p;
  primesieve::generate_primes(0, 100, &p);
  EXPECT_EQ(TupleListing(TupleKind::Twins, 1, 100, p),
            (QStringList{"Primzahlzwillinge zwischen 1 und 100", "",
                         J("(3|5) (5|7) (11|13) (17|19) (29|31) (41|43) (59|61) (71|73) "), "",
                         "8 Paare Primzahlzwillinge"}));
  std::vector<std::int64_t> q(p.begin(), p.begin() + 8);  // up to 19
  EXPECT_EQ(TupleListing(TupleKind::Cousins, 1, 20, q),
            (QStringList{"Primzahlcousins zwischen 1 und 20", "", J("(3|7) (7|11) (13|17) "), "",
                         "3 Paare Primzahlcousins"}));
  std::vector<std::int64_t> r(p.begin(), p.begin() + 10);  // up to 29
  EXPECT_EQ(TupleListing(TupleKind::Sexy, 1, 30, r)[2], J("(5|11) (7|13) (11|17) (13|19) (17|23) (23|29) "));
  EXPECT_EQ(TupleListing(TupleKind::Triplets, 1, 20, q),
            (QStringList{"Primzahldrillinge zwischen 1 und 20", "", J("(3|5|7) (5|7|11) [7|11|13] (11|13|17) [13|17|19] "),
                         "", "5 Tripel Primzahldrillinge",
                         J("2 der Form (p|p+2|p+6) und 2 der Form [p|p+4|p+6]")}));
  // One pair: the twins put their blanks differently from the other kinds.
  EXPECT_EQ(TupleListing(TupleKind::Twins, 4, 7, {5, 7}).last(), "1 Paar Primzahlzwillinge ");
  EXPECT_EQ(TupleListing(TupleKind::Cousins, 7, 11, {7, 11}).last(), " 1 Paar Primzahlcousins");
  // (3|7) needs b >= 7, (3|5|7) needs b >= 11.
  EXPECT_EQ(TupleListing(TupleKind::Cousins, 1, 6, {2, 3, 5})[2], "");
  EXPECT_EQ(TupleListing(TupleKind::Triplets, 1, 10, {2, 3, 5, 7})[2], "");
}

TEST_F(PrimeRunsTest, TupleRunExchangesAndCutsTheBoundsAndAStopDuringTheSieveEmptiesTheMemo) {
  PrimtupRun swapped(TupleKind::Twins, 100, 50, out);
  EXPECT_EQ(out.lines, QStringList{"Bitte warten"});
  run(swapped);
  EXPECT_EQ(out.lines[0], "Primzahlzwillinge zwischen 50 und 100");
  EXPECT_EQ(out.lines[2], J("(59|61) (71|73) "));

  PrimtupRun cut(TupleKind::Twins, 1'000'000, 2'000'000, out);
  run(cut);
  EXPECT_EQ(out.lines[0], "Primzahlzwillinge zwischen 1000000 und 1040000");
  EXPECT_EQ(out.lines[4], QString::number(primesieve::count_twins(1'000'000, 1'040'000)) + " Paare Primzahlzwillinge");

  PrimtupRun stopped(TupleKind::Triplets, 1'000'000'000'000'000, 1'000'000'000'000'000, out);
  run(stopped, 2);
  EXPECT_TRUE(out.lines.isEmpty());
}

TEST_F(PrimeRunsTest, PrimListingsBetweenAndByNumber) {
  PrimRun between(PrimMode::Between, 1, 30, 20, out);
  run(between);
  EXPECT_EQ(out.lines, (QStringList{"Primzahlen zwischen 1 und 30:", "", "2 3 5 7 11 13 17 19 23 29", "",
                                    "10 Primzahlen"}));
  PrimRun one(PrimMode::Between, 13, 13, 20, out);
  run(one);
  EXPECT_EQ(out.lines.last(), "1 Primzahl");
  PrimRun numbered(PrimMode::Numbered, 1, 5, 100, out);
  run(numbered);
  EXPECT_EQ(out.lines, (QStringList{"Primzahlen von Nr. 1 bis Nr. 5:", "",
                                    "prim(1)=2 prim(2)=3 prim(3)=5 prim(4)=7 prim(5)=11", ""}));
  PrimRun beyond(PrimMode::Numbered, 9999, 20000, 100, out);
  run(beyond);
  EXPECT_EQ(out.lines[0], "Primzahlen von Nr. 9999 bis Nr. 20000:");
  EXPECT_EQ(out.lines[2], "prim(9999)=104723 prim(10000)=104729");
  PrimRun cut(PrimMode::Between, 2'000'000, 1'000'000, 100, out);
  run(cut);
  EXPECT_EQ(out.lines[0], "Primzahlen zwischen 1000000 und 1040000:");
  EXPECT_EQ(out.lines.last(),
            QString::number(primesieve::count_primes(1'000'000, 1'040'000)) + " Primzahlen");
}

TEST_F(PrimeRunsTest, AStoppedPrimListingEndsWithDotsAndTheWrapToggleRestoresTheList) {
  PrimRun s(PrimMode::Numbered, 1, 100, 30, out);
  run(s, 3);
  EXPECT_EQ(out.lines[2], "prim(1)=2 prim(2)=3 prim(3)=5 ...");
  PrimRun full(PrimMode::Numbered, 1, 3, 30, out);
  run(full);
  const QStringList first = out.lines;
  const QStringList perLine = PrimToggleWrap(first, true);
  EXPECT_EQ(perLine, (QStringList{first[0], "", "prim(1)=2", "prim(2)=3", "prim(3)=5", ""}));
  EXPECT_EQ(PrimToggleWrap(perLine, false), first);
}

}  // namespace
}  // namespace zw
