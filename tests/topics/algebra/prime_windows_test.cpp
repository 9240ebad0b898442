// The three prime windows on the offscreen platform: runs started by OK,
// ESC during a run, refused second starts, closing during a run, two windows
// sieving at once, the memo's Return, the wrap toggle, re-running on
// activation and worksheets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <primesieve.hpp>

#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/PrimFzWindow.h"
#include "topics/algebra/PrimWindow.h"
#include "topics/algebra/PrimtupWindow.h"
#include "topics/frame/LongRun.h"

namespace zw {
namespace {

bool waitUntil(const std::function<bool()>& done, int ms = 20000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

template <class W>
std::unique_ptr<W> open() {
  auto w = std::make_unique<W>();
  w->setAttribute(Qt::WA_DeleteOnClose, false);  // the test owns it
  w->show();
  return w;
}

template <class W>
bool finished(const W& w) {
  return waitUntil([&w] { return !w.longRun().running(); });
}

class PrimeWindowsTest : public TopicTestBase {};

TEST_F(PrimeWindowsTest, FactorisationOfASingleNumberAppendsToTheMemo) {
  auto w = open<TFPrimFz>();
  w->edn(0)->setText("360");
  w->edn(1)->setText("1");  // the interval is checked in every mode
  w->okButton(0)->click();
  ASSERT_TRUE(finished(*w));
  w->okButton(1)->click();
  w->edn(0)->setText("97");
  w->okButton(0)->click();
  ASSERT_TRUE(finished(*w));
  const QStringList lines = w->memoLines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].endsWith(" 360 = 2³ · 3² · 5")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].endsWith(" 97 = Primzahl"));
}

TEST_F(PrimeWindowsTest, EmptyIntervalFieldsGiveMessage22AndTheResultsPageStays) {
  auto w = open<TFPrimFz>();
  w->edn(0)->setText("360");
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"});
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_FALSE(w->longRun().running());
  EXPECT_TRUE(w->memoLines().isEmpty());
}

TEST_F(PrimeWindowsTest, IntervalAndSequenceRunsFillTheMemo) {
  auto w = open<TFPrimFz>();
  w->setMode(1);
  EXPECT_TRUE(w->modeBox(1)->isVisibleTo(w.get()));
  EXPECT_FALSE(w->modeBox(0)->isVisibleTo(w.get()));
  w->edn(1)->setText("10");
  w->edn(2)->setText("20");
  w->edn(3)->setText("5");
  w->okButton(0)->click();
  ASSERT_TRUE(finished(*w));
  QStringList lines = w->memoLines();
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[2].endsWith(" 20 = 2² · 5"));
  EXPECT_EQ(lines[3], "");

  w->okButton(1)->click();
  w->setMode(2);
  w->eda0()->setText("1; 1");
  w->edai()->setText("a[i-1] + a[i-2]");
  w->ednCount()->setText("10");
  w->okButton(0)->click();
  ASSERT_TRUE(finished(*w));
  lines = w->memoLines();
  ASSERT_EQ(lines.size(), 9);
  EXPECT_TRUE(lines[7].endsWith(" 55 = 5 · 11"));
}

TEST_F(PrimeWindowsTest, ReturnInTheMemoFactorisesTheLastLine) {
  auto w = open<TFPrimFz>();
  w->memo()->setPlainText("12\n360\n\n");
  QTest::keyClick(w->memo(), Qt::Key_Return);
  const QStringList lines = w->memoLines();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], "12");
  EXPECT_TRUE(lines[1].endsWith(" 360 = 2³ · 3² · 5"));
  EXPECT_EQ(lines[2], "");
  // A line that is no whole number stays as typed.
  w->memo()->setPlainText("abc");
  QTest::keyClick(w->memo(), Qt::Key_Return);
  EXPECT_EQ(w->memoLines().first(), "abc");
}

TEST_F(PrimeWindowsTest, EscStopsALongIntervalRunAndASecondEscClosesTheWindow) {
  auto w = open<TFPrimFz>();
  w->setMode(1);
  w->stopwatch()->setChecked(true);
  w->edn(1)->setText("10^15");
  w->edn(2)->setText("10^15+10^7");
  w->okButton(0)->click();
  ASSERT_TRUE(waitUntil([&w] { return w->memoLines().size() > 20; }));
  ASSERT_TRUE(w->longRun().running());
  // A second OK while running starts nothing and stays on the results page.
  w->okButton(1)->click();
  EXPECT_EQ(w->currentPage(), 1);
  QTest::keyClick(w.get(), Qt::Key_Escape);
  EXPECT_FALSE(w->longRun().running());
  const QStringList lines = w->memoLines();
  EXPECT_EQ(lines[lines.size() - 2], "");
  EXPECT_EQ(lines.last().trimmed(), "Abgebrochen");
  EXPECT_TRUE(w->isVisible());
  w->escButton(1)->click();
  EXPECT_FALSE(w->isVisible());
}

TEST_F(PrimeWindowsTest, ClosingDuringARunStopsIt) {
  auto w = open<TFPrimFz>();
  w->setMode(1);
  w->edn(1)->setText("1");
  w->edn(2)->setText("10^17");
  w->okButton(0)->click();
  ASSERT_TRUE(waitUntil([&w] { return !w->memoLines().isEmpty(); }));
  w->close();
  EXPECT_FALSE(w->longRun().running());
  // And a window destroyed while running leaves nothing behind.
  auto t = std::make_unique<TFPrimtup>();
  t->show();
  t->edit(0)->setText("10^15-40000");
  t->edit(1)->setText("10^15");
  t->okButton(0)->click();
  t.reset();
  QApplication::processEvents();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrimeWindowsTest, TwoPrimeWindowsSieveAtTheSameTime) {
  auto p = open<TFPrim>();
  auto t = open<TFPrimtup>();
  const std::int64_t a = 999'999'999'960'000;
  p->edit(0)->setText(QString::number(a));
  p->edit(1)->setText("10^15");
  t->edit(0)->setText(QString::number(a));
  t->edit(1)->setText("10^15");
  p->okButton(0)->click();
  t->okButton(0)->click();
  EXPECT_TRUE(p->longRun().running());
  EXPECT_TRUE(t->longRun().running());
  ASSERT_TRUE(finished(*p));
  ASSERT_TRUE(finished(*t));
  const auto primes = primesieve::count_primes(a, 1'000'000'000'000'000);
  EXPECT_EQ(p->memoLines().last(), QString::number(primes) + " Primzahlen");
  EXPECT_EQ(t->memoLines()[4], QString::number(primesieve::count_twins(a, 1'000'000'000'000'000)) +
                                   " Paare Primzahlzwillinge");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// However narrow the memo, every line it wraps the listing into starts and
// ends with whole tuples: "(41|" / "43|47)" never happens.
TEST_F(PrimeWindowsTest, TupleListWrapsOnlyBetweenTuples) {
  auto w = open<TFPrimtup>();
  w->edit(0)->setText("1");
  w->edit(1)->setText("3000");
  for (int choice : {0, 3}) {
    w->setChoice(choice);
    w->showPageSilently(0);
    w->okButton(0)->click();
    ASSERT_TRUE(finished(*w));
    for (int width : {700, 430, 300}) {
      w->resize(width, w->height());
      QApplication::processEvents();
      const QTextBlock block = w->memo()->document()->findBlockByNumber(2);
      const QTextLayout* layout = block.layout();
      ASSERT_NE(layout, nullptr);
      ASSERT_GT(layout->lineCount(), 1) << width;  // the listing does wrap
      for (int i = 0; i < layout->lineCount(); ++i) {
        const QString line = block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength()).trimmed();
        EXPECT_TRUE(line.startsWith(u'(') || line.startsWith(u'[')) << width << ": " << line.toStdString();
        EXPECT_TRUE(line.endsWith(u')') || line.endsWith(u']')) << width << ": " << line.toStdString();
      }
    }
  }
}

TEST_F(PrimeWindowsTest, TupleWindowChecksItsFieldsAndListsTheChosenKind) {
  auto w = open<TFPrimtup>();
  w->edit(0)->setText("1");
  w->edit(1)->setText("-5");
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"});
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->focusWidget(), w->edit(1));
  w->edit(1)->setText("20");
  w->setChoice(3);
  w->okButton(0)->click();
  ASSERT_TRUE(finished(*w));
  EXPECT_EQ(w->memoLines()[5], JoinTuple("2 der Form (p|p+2|p+6) und 2 der Form [p|p+4|p+6]"));
}

TEST_F(PrimeWindowsTest, PrimWindowTogglesTheNumberedListAndRerunsOnActivation) {
  auto w = open<TFPrim>();
  w->setMode(PrimMode::Numbered);
  w->edit(0)->setText("0");
  w->edit(1)->setText("5");
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"});
  EXPECT_EQ(w->focusWidget(), w->edit(0));
  w->edit(0)->setText("1");
  w->okButton(0)->click();
  ASSERT_TRUE(finished(*w));
  const QStringList first = w->memoLines();
  EXPECT_EQ(first[2], "prim(1)=2 prim(2)=3 prim(3)=5 prim(4)=7 prim(5)=11");
  QTest::mouseClick(w->legendBox(1), Qt::LeftButton);
  EXPECT_TRUE(w->wrapped());
  EXPECT_EQ(w->memoLines()[3], "prim(2)=3");
  QTest::mouseClick(w->legendBox(1), Qt::LeftButton);
  EXPECT_EQ(w->memoLines(), first);

  // Activation lists again while the results page shows.
  w->memo()->setPlainText("stale");
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(w.get(), &activate);
  ASSERT_TRUE(finished(*w));
  EXPECT_EQ(w->memoLines(), first);
}

TEST_F(PrimeWindowsTest, WorksheetsRestoreEveryFieldAndTheChoices) {
  const QString sheet = file("sheet.dat");
  {
    auto f = open<TFPrimFz>();
    const char* texts[4] = {"360", "10", "20", "5"};
    for (int i = 0; i < 4; ++i) f->edn(i)->setText(texts[i]);
    f->eda0()->setText("1;1");
    f->edai()->setText("a[i-1]+a[i-2]");
    f->ednCount()->setText("10");
    f->setMode(2);
    deliverCommand(f.get(), WM_SAVEWORKSHEET, sheet);
    auto t = open<TFPrimtup>();
    t->edit(0)->setText("100");
    t->edit(1)->setText("50");
    t->setChoice(2);
    deliverCommand(t.get(), WM_SAVEWORKSHEET, sheet);
    auto p = open<TFPrim>();
    p->edit(0)->setText("7");
    p->edit(1)->setText("9");
    deliverCommand(p.get(), WM_SAVEWORKSHEET, sheet);
  }
  auto f = open<TFPrimFz>();
  deliverCommand(f.get(), WM_LOADWORKSHEET, sheet);
  EXPECT_EQ(f->edn(3)->text(), "5");
  EXPECT_EQ(f->edai()->text(), "a[i-1]+a[i-2]");
  EXPECT_EQ(f->ednCount()->text(), "10");
  EXPECT_EQ(f->mode(), 2);
  EXPECT_TRUE(f->modeBox(2)->isVisibleTo(f.get()));
  auto t = open<TFPrimtup>();
  deliverCommand(t.get(), WM_LOADWORKSHEET, sheet);
  EXPECT_EQ(t->edit(1)->text(), "50");
  EXPECT_EQ(t->choice(), 2);
  auto p = open<TFPrim>();
  deliverCommand(p.get(), WM_LOADWORKSHEET, sheet);
  EXPECT_EQ(p->edit(0)->text(), "7");
  const IniFile ini(file("sheet.dat"));
  EXPECT_EQ(ini.readString("primfz", "idx", ""), "2");
  EXPECT_EQ(ini.readString("primtup", "auswahl", ""), "2");
  EXPECT_EQ(ini.readString("prim", "a", ""), "7");
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(PrimeTopicTexts, RegisterWithoutConflictsInAllThreeLanguages) {
  EXPECT_TRUE(RegisteredTextConflicts().isEmpty()) << RegisteredTextConflicts().join("; ").toStdString();
  for (TextLanguage l : {TextLanguage::German, TextLanguage::English, TextLanguage::French})
    for (auto [page, item] : {std::pair{IPrfz, 15}, std::pair{IPrimtup, 14}, std::pair{IPrim, 7}})
      EXPECT_FALSE(BuiltInText(l, page, item).isEmpty()) << page << " " << item;
}

}  // namespace
}  // namespace zw
