// The Pythagorean triples topic: the bounds of the search against the plain
// loop on extended reals, the memo lines, and the window's long run that
// ESC stops.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/Pyth.h"
#include "topics/algebra/PythWindow.h"
#include "topics/frame/LongRun.h"

namespace zw {
namespace {

using T = PythTriple;

class PythComputeTest : public TopicTestBase {};

TEST_F(PythComputeTest, BoundsSelectTheTriplesInParameterOrder) {
  struct Case {
    std::int64_t lower, upper;
    std::vector<T> triples;
  };
  const Case cases[] = {
      {0, 4, {}},
      {0, 5, {{3, 4, 5}}},
      {4, 5, {}},
      {0, 25, {{3, 4, 5}, {5, 12, 13}, {8, 15, 17}, {7, 24, 25}}},
      {0, 29, {{3, 4, 5}, {5, 12, 13}, {8, 15, 17}, {7, 24, 25}, {20, 21, 29}}},
      {1, 30, {{3, 4, 5}, {5, 12, 13}, {8, 15, 17}, {7, 24, 25}, {20, 21, 29}}},
      {8, 30, {{8, 15, 17}, {20, 21, 29}}},
      {-7, 13, {{3, 4, 5}, {5, 12, 13}}},
      {0, -100, {}},  // a negative upper bound lists nothing (no root of a negative number)
      {30, 10, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ListTriples(c.lower, c.upper), c.triples) << c.lower << " " << c.upper;
  // The same triples in the same order as the loop over every pair on reals.
  for (const auto& [lower, upper] : {std::pair{0, 5000}, std::pair{100, 20000}, std::pair{0, 99999}}) {
    std::vector<T> reference;
    ListTriplesByRealLoop(lower, upper, reference);
    EXPECT_EQ(ListTriples(lower, upper), reference) << upper;
  }
  // Every triple is primitive and right-angled.
  for (const T& t : ListTriples(0, 100000)) {
    ASSERT_EQ(t.a * t.a + t.b * t.b, t.c * t.c);
    ASSERT_LT(t.a, t.b);
    ASSERT_EQ(std::gcd(t.a, t.b), 1u);
  }
}

TEST_F(PythComputeTest, SlicedSearchGivesTheWholeList) {
  TripleSearch s(0, 100000);
  std::vector<T> out;
  int slices = 0;
  while (s.advance(out, 7)) ++slices;
  EXPECT_GT(slices, 1000);
  EXPECT_EQ(out, ListTriples(0, 100000));
}

TEST_F(PythComputeTest, MemoLinesHoldSeveralTriplesEach) {
  // Width 2 ("30"): each triple is 2 + 3 * 2 + 2 + 2 + 4 = 18 characters; 3 * 2 + 12 = 18 per triple.
  EXPECT_EQ(TripleText({3, 4, 5}, 2), "(  3| 4| 5 )    ");
  EXPECT_EQ(TriplesPerLine(40, 2), 2);
  EXPECT_EQ(PythMemoLines(1, 30, 40),
            (QStringList{"(  3| 4| 5 )    (  5|12|13 )    ", "(  8|15|17 )    (  7|24|25 )    ",
                         "( 20|21|29 )    "}));
  // A memo narrower than one triple: everything in one line.
  EXPECT_EQ(PythMemoLines(1, 17, 5), (QStringList{"(  3| 4| 5 )    (  5|12|13 )    (  8|15|17 )    "}));
  EXPECT_EQ(PythMemoLines(4, 5, 100), QStringList{"Keine Lösung"});
  EXPECT_EQ(PythMemoLines(0, -3, 100), QStringList{"Keine Lösung"});
}

class PythWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFPyth> open() {
    auto w = std::make_unique<TFPyth>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->resize(700, 400);
    w->show();
    return w;
  }
  static void start(TFPyth& w, const QString& lower, const QString& upper) {
    if (w.currentPage() == 1) w.okButton(1)->click();
    w.edit(0)->setText(lower);
    w.edit(1)->setText(upper);
    w.okButton(0)->click();
  }
};

TEST_F(PythWindowTest, ListsTriplesAndReportsBadBounds) {
  auto w = open();
  start(*w, "1", "30");
  QTRY_VERIFY(!w->longRun().running());
  EXPECT_EQ(w->memoLines().join("").count(u'('), 5);
  EXPECT_TRUE(w->memoLines().first().startsWith("(  3| 4| 5 )"));
  EXPECT_GT(w->memoLineCapacity(), 18);

  start(*w, "4", "5");
  QTRY_VERIFY(!w->longRun().running());
  EXPECT_EQ(w->memoLines(), QStringList{"Keine Lösung"});

  for (const auto& [lower, upper, focus] : {std::tuple{"1,5", "30", 0}, std::tuple{"1", "3?", 1}}) {
    errors_.clear();
    start(*w, lower, upper);
    EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"});
    EXPECT_EQ(w->focusWidget(), w->edit(focus));
  }
}

TEST_F(PythWindowTest, EscStopsALargeRunAndKeepsWhatWasListed) {
  auto w = open();
  start(*w, "0", "1000000000000000");
  ASSERT_TRUE(w->longRun().running());
  QTest::qWait(100);  // the window keeps handling events meanwhile
  EXPECT_TRUE(w->longRun().running());
  w->escButton(1)->click();
  EXPECT_FALSE(w->longRun().running());
  EXPECT_TRUE(w->isVisible());  // ESC stopped the run, it did not close the window
  const QStringList lines = w->memoLines();
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines.last(), "Abgebrochen");
  EXPECT_TRUE(lines.first().startsWith("(    3|   4|   5 )"));  // "1E15" is 4 wide
}

TEST_F(PythWindowTest, SwappedKeysAreKeptOnSaveAndLoad) {
  shellState().MemoryOption = false;
  auto w = open();
  w->edit(0)->setText("10");
  w->edit(1)->setText("500");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("p.dat"));
  const IniFile ini(file("p.dat"));
  EXPECT_EQ(ini.readString("pyth", "upper"), "10");
  EXPECT_EQ(ini.readString("pyth", "lower"), "500");
  auto other = open();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("p.dat"));
  EXPECT_EQ(other->edit(0)->text(), "10");
  EXPECT_EQ(other->edit(1)->text(), "500");

  const QString pdf = printToPdf("p.pdf");
  start(*other, "1", "30");
  QTRY_VERIFY(!other->longRun().running());
  deliverCommand(other.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QString::fromUtf8("Pythagoräische Zahlentripel")));
  EXPECT_TRUE(text.contains("( 20|21|29 )"));
}

}  // namespace
}  // namespace zw
