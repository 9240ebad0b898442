// The equation and big-number windows: grid input, bad cells, the running
// record; the big-number buttons, tables with ESC and "Continue", the
// clipboard undo, the held width, worksheets and the example worksheet.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>
#include <boost/multiprecision/cpp_int.hpp>
#include <string>

#include "kernel/KernelState.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/BigNumbersWindow.h"
#include "topics/algebra/Glei4Window.h"
#include "topics/frame/LongRun.h"

namespace zw {
namespace {

class Glei4WindowTest : public TopicTestBase {
protected:
  static void fill(TFGlei4& w, std::initializer_list<const char*> cells) {
    int c = 1;
    for (const char* t : cells) w.grid()->setCells(c++, 1, QString::fromUtf8(t));
  }
};

TEST_F(Glei4WindowTest, SolvesIntoARunningRecord) {
  auto w = openTopic<TFGlei4>();
  EXPECT_EQ(w->grid()->Cells(1, 0), QStringLiteral("a"));
  EXPECT_EQ(w->grid()->colWidth(0), 0);  // no fixed column
  fill(*w, {"", "", "1", "", "-1"});
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  QStringList lines = w->memoLines();
  ASSERT_GE(lines.size(), 2);
  EXPECT_TRUE(lines[0].contains(QStringLiteral("   <=>   ")));
  EXPECT_EQ(lines[1], QStringLiteral("L = {-1;  1}"));
  w->showPageSilently(0);
  fill(*w, {"", "", "1", "-2", "1"});
  w->okButton(0)->click();
  lines = w->memoLines();
  EXPECT_TRUE(lines.contains(QStringLiteral("L = {-1;  1}")));
  EXPECT_TRUE(lines.contains(QStringLiteral("L = {1}")));
}

TEST_F(Glei4WindowTest, BadCellsGiveOneBoxAndFocusTheLeftmost) {
  auto w = openTopic<TFGlei4>();
  fill(*w, {"1", "x+", "", "1e20", ""});
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Unzulässige Eingabe")});
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->grid()->Col(), 2);
  EXPECT_TRUE(w->memoLines().join(QString()).isEmpty());
  // A formula passes the check but is no fraction text: the same box, its cell.
  errors_.clear();
  fill(*w, {"1", "", "", "2*3", ""});
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Unzulässige Eingabe")});
  EXPECT_EQ(w->grid()->Col(), 4);
  EXPECT_TRUE(w->memoLines().join(QString()).isEmpty());
}

TEST_F(Glei4WindowTest, SaveAndReloadTheCells) {
  auto w = openTopic<TFGlei4>();
  fill(*w, {"1", "-1/2", "0,5", "2 1/3", "-7"});
  ASSERT_TRUE(deliverCommand(w.get(), WM_SAVEWORKSHEET, file("g.dat")));
  auto other = openTopic<TFGlei4>();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("g.dat"));
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(other->grid()->Cells(c, 1), w->grid()->Cells(c, 1));
}

class BigIntWindowTest : public TopicTestBase {};

// Without stored inputs, with the memory option on or off: a = 3, b = 4 and
// every range field 4.
TEST_F(BigIntWindowTest, InitialValuesWithoutStoredInputs) {
  for (bool memory : {false, true}) {
    shellState().MemoryOption = memory;
    auto w = openTopic<TFBigInt>();
    QStringList texts;
    for (int i = 0; i < 8; ++i) texts << w->edit(i)->text();
    EXPECT_EQ(texts, QStringList({"3", "4", "4", "4", "4", "4", "4", "4"})) << memory;
  }
}

// The range heads speak the user's language; the a and b rows stand a row
// step apart, their fields never touching.
TEST_F(BigIntWindowTest, RangeHeadsInEachLanguageAndRowsApart) {
  const char* heads[3][3] = {{"von", "bis", "step"}, {"from", "to", "step"}, {"de", "\u00e0", "pas"}};
  for (int language : {0, 1, 2}) {
    shellState().LanguageKind = language;
    auto w = openTopic<TFBigInt>();
    for (int j = 0; j < 3; ++j) {
      EXPECT_EQ(w->rangeHead(j)->text(), QString::fromUtf8(heads[language][j])) << language;
      // Above its column.
      EXPECT_EQ(w->rangeHead(j)->geometry().center().x(), w->edit(2 + j)->geometry().center().x());
      EXPECT_LT(w->rangeHead(j)->geometry().bottom(), w->edit(2 + j)->geometry().top());
    }
    EXPECT_GT(w->edit(1)->geometry().top(), w->edit(0)->geometry().bottom() + 1);
  }
  shellState().LanguageKind = 0;
}

TEST_F(BigIntWindowTest, ButtonsWithTheDefaults) {
  auto w = openTopic<TFBigInt>();
  EXPECT_EQ(w->edit(0)->text(), QStringLiteral("3"));
  w->button(TFBigInt::BtnAdd)->click();
  EXPECT_EQ(w->memoLines().value(0), QStringLiteral("3  +  4  =  7"));
  w->button(TFBigInt::BtnPot10)->click();
  QTRY_COMPARE(w->memoLines().size(), 3);
  EXPECT_EQ(w->memoLines().mid(1), (QStringList{QStringLiteral("10 ^ 4  =  10 000"), QString()}));
  // OK with "+" three times: a becomes 7, 11, 15.
  for (const char* a : {"7", "11", "15"}) {
    w->okButton(0)->click();
    EXPECT_EQ(w->edit(0)->text(), QString::fromLatin1(a));
  }
  // 17 div 5, then r -> b.
  w->edit(0)->setText(QStringLiteral("17"));
  w->edit(1)->setText(QStringLiteral("5"));
  w->button(TFBigInt::BtnDiv)->click();
  QTRY_VERIFY(!w->longRun().running());
  w->button(TFBigInt::BtnCopyrTob)->click();
  EXPECT_EQ(w->edit(1)->text(), QStringLiteral("2"));
  w->button(TFBigInt::BtnCopyToa)->click();
  EXPECT_EQ(w->edit(0)->text(), QStringLiteral("3"));
  w->button(TFBigInt::BtnSwap)->click();
  EXPECT_EQ(w->edit(0)->text(), QStringLiteral("2"));
  w->button(TFBigInt::BtnCLE)->click();
  EXPECT_TRUE(w->edit(0)->text().isEmpty());
  EXPECT_TRUE(w->edit(5)->text().isEmpty());
  EXPECT_EQ(w->edit(3)->text(), QStringLiteral("4"));
}

// The wait line stands in the memo from the click until the division's
// lines replace it; the hourglass goes with it.
TEST_F(BigIntWindowTest, DivisionShowsTheWaitLineUntilItsLinesReplaceIt) {
  using boost::multiprecision::cpp_int;
  auto w = openTopic<TFBigInt>();
  w->button(TFBigInt::BtnAdd)->click();
  std::string a(9000, '7'), b(4000, '3');
  a.push_back('1');
  b.push_back('9');
  w->groupA()->click();  // no grouping: the fields keep the digits as typed
  w->groupB()->click();
  w->edit(0)->setText(QString::fromStdString(a));
  w->edit(1)->setText(QString::fromStdString(b));
  w->button(TFBigInt::BtnDiv)->click();
  EXPECT_TRUE(w->longRun().running());
  EXPECT_EQ(w->memoLines(), (QStringList{QStringLiteral("3  +  4  =  7"), QStringLiteral("Bitte warten")}));
  EXPECT_EQ(QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor,
            Qt::WaitCursor);
  QTRY_VERIFY(!w->longRun().running());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  const QStringList lines = w->memoLines();
  EXPECT_EQ(lines.first(), QStringLiteral("3  +  4  =  7"));
  EXPECT_FALSE(lines.contains(QStringLiteral("Bitte warten")));
  EXPECT_GT(lines.size(), 1);
  w->button(TFBigInt::BtnCopyToa)->click();
  w->button(TFBigInt::BtnCopyrTob)->click();
  EXPECT_EQ(w->edit(0)->text().toStdString(), (cpp_int(a) / cpp_int(b)).str());
  EXPECT_EQ(w->edit(1)->text().toStdString(), (cpp_int(a) % cpp_int(b)).str());
  EXPECT_TRUE(errors_.empty());
}

TEST_F(BigIntWindowTest, DivisionWaitLineInTheLanguageAndAsTheOnlyLine) {
  shellState().LanguageKind = 1;
  auto w = openTopic<TFBigInt>();
  w->edit(0)->setText(QStringLiteral("17"));
  w->edit(1)->setText(QStringLiteral("5"));
  w->button(TFBigInt::BtnDiv)->click();
  EXPECT_EQ(w->memoLines(), QStringList{QStringLiteral("Please Wait")});
  QTRY_VERIFY(!w->longRun().running());
  // The wait line was the memo's only line: the division's lines start at line 0.
  EXPECT_EQ(w->memoLines(), QStringList{QStringLiteral("17  div  5  =  3  remainder  2")});
}

// OK with the item "a : b : ... : b" puts the quotient into a once it is
// there; ESC before the division ran takes the wait line away and leaves c.
TEST_F(BigIntWindowTest, DivisionByOkAndStoppedDivision) {
  auto w = openTopic<TFBigInt>();
  w->edit(0)->setText(QStringLiteral("100"));
  w->edit(1)->setText(QStringLiteral("7"));
  w->operationItem(3)->click();
  w->okButton(0)->click();
  EXPECT_EQ(w->edit(0)->text(), QStringLiteral("100"));
  QTRY_VERIFY(!w->longRun().running());
  EXPECT_EQ(w->edit(0)->text(), QStringLiteral("14"));
  const QStringList done = w->memoLines();
  w->okButton(0)->click();
  EXPECT_EQ(w->memoLines().last(), QStringLiteral("Bitte warten"));
  w->escButton(0)->click();
  EXPECT_FALSE(w->longRun().running());
  EXPECT_EQ(w->memoLines(), done);
  EXPECT_EQ(w->edit(0)->text(), QStringLiteral("14"));
  QTest::qWait(30);
  EXPECT_EQ(w->memoLines(), done);
  w->button(TFBigInt::BtnCopyTob)->click();
  EXPECT_EQ(w->edit(1)->text(), QStringLiteral("14"));  // c is still 100 div 7
}

TEST_F(BigIntWindowTest, BadFieldsAreRefusedWithTheirFocus) {
  auto w = openTopic<TFBigInt>();
  w->edit(1)->setText(QStringLiteral("12x"));
  w->button(TFBigInt::BtnMult)->click();
  EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Unzulässige Eingabe")});
  EXPECT_TRUE(w->memoLines().join(QString()).isEmpty());
  errors_.clear();
  w->edit(6)->setText(QStringLiteral("3-"));
  w->button(TFBigInt::BtnBino)->click();
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_FALSE(w->longRun().running());
}

// The result lines follow the window's two option boxes.
TEST_F(BigIntWindowTest, ResultLinesFollowTheOptionBoxes) {
  auto w = openTopic<TFBigInt>();
  w->edit(0)->setText(QStringLiteral("1234567890123"));
  w->edit(1)->setText(QStringLiteral("1"));
  w->memo()->clear();
  w->button(TFBigInt::BtnAdd)->click();
  EXPECT_EQ(w->memoLines().last(), QStringLiteral("1234567890123  +  1  =  1 234 567 890 124 = 1,23 \u2219 10^12"));
  w->groupResult()->click();
  w->shortForm()->click();
  w->button(TFBigInt::BtnAdd)->click();
  EXPECT_EQ(w->memoLines().last(), QStringLiteral("1234567890123  +  1  =  1234567890124"));
}

TEST_F(BigIntWindowTest, GroupingWhileTyping) {
  auto w = openTopic<TFBigInt>();
  w->edit(0)->clear();
  w->edit(0)->setFocus();
  QTest::keyClicks(w->edit(0), QStringLiteral("1234567"));
  EXPECT_EQ(w->edit(0)->text(), QStringLiteral("1 234 567"));
  EXPECT_EQ(w->edit(0)->cursorPosition(), w->edit(0)->text().size());
  w->groupA()->click();  // off: the blanks go
  EXPECT_EQ(w->edit(0)->text(), QStringLiteral("1234567"));
  EXPECT_FALSE(kernelState().BigIntGroupA);
  w->shortForm()->click();
  EXPECT_FALSE(kernelState().BigIntShortForm);
}

TEST_F(BigIntWindowTest, ClipboardUndoOfClearAndDelete) {
  auto w = openTopic<TFBigInt>();
  w->button(TFBigInt::BtnAdd)->click();
  w->button(TFBigInt::BtnPot2)->click();
  QTRY_COMPARE(w->memoLines().size(), 3);
  const QStringList before = w->memoLines();
  w->button(TFBigInt::BtnCLR)->click();
  EXPECT_TRUE(w->memoLines().join(QString()).isEmpty());
  w->button(TFBigInt::BtnReset)->click();
  EXPECT_EQ(w->memoLines(), before);
  // The table's empty line ends the last block: DEL takes the table row.
  w->button(TFBigInt::BtnPot10)->click();
  QTRY_COMPARE(w->memoLines().size(), 5);
  w->button(TFBigInt::BtnDEL)->click();
  EXPECT_EQ(w->memoLines(), before);
  // No empty line above: DEL stops at the first line.
  w->button(TFBigInt::BtnDEL)->click();
  EXPECT_TRUE(w->memoLines().join(QString()).isEmpty());
  const QString kept = QGuiApplication::clipboard()->text();
  w->button(TFBigInt::BtnDEL)->click();  // nothing on an empty memo, the clipboard kept
  EXPECT_EQ(QGuiApplication::clipboard()->text(), kept);
  w->button(TFBigInt::BtnReset)->click();
  EXPECT_EQ(w->memoLines().first(), QStringLiteral("3  +  4  =  7"));
}

TEST_F(BigIntWindowTest, ContinueAnsweredNoEndsTheTable) {
  auto w = openTopic<TFBigInt>();
  int asked = 0;
  commandUi().question = [&](QWidget*, const QString& text, const QString&) {
    ++asked;
    EXPECT_EQ(text, QStringLiteral("Continue"));
    return false;
  };
  w->edit(2)->setText(QStringLiteral("3"));
  w->edit(3)->setText(QStringLiteral("9"));
  w->edit(5)->setText(QStringLiteral("1"));
  w->edit(6)->setText(QStringLiteral("2"));
  w->edit(7)->setText(QStringLiteral("1"));
  w->button(TFBigInt::BtnnPr)->click();
  QTRY_COMPARE(asked, 1);
  QTRY_VERIFY(!w->longRun().running());
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(w->memoLines(), (QStringList{QStringLiteral("nPr(3,1)  =  3"), QStringLiteral("nPr(3,2)  =  6"), QString()}));
}

TEST_F(BigIntWindowTest, EscStopsALongTableAfterARow) {
  auto w = openTopic<TFBigInt>();
  w->edit(2)->setText(QStringLiteral("1"));
  w->edit(3)->setText(QStringLiteral("1000000"));
  w->button(TFBigInt::BtnPot10)->click();
  QTRY_VERIFY(w->memoLines().size() > 3);
  w->escButton(0)->click();
  EXPECT_FALSE(w->longRun().running());
  const int rows = static_cast<int>(w->memoLines().size());
  QTest::qWait(50);
  EXPECT_EQ(w->memoLines().size(), rows);
  EXPECT_LT(rows, 1000000);
}

TEST_F(BigIntWindowTest, WidthHeldInTheNormalState) {
  QMdiArea area;
  area.resize(1200, 900);
  auto* w = new TFBigInt();
  QMdiSubWindow* sub = area.addSubWindow(w);
  area.show();
  sub->show();
  sub->resize(1000, 500);
  QTRY_COMPARE(w->width(), ScalePixels(760));
  sub->showMaximized();
  QTRY_VERIFY(w->width() > ScalePixels(760));
}

TEST_F(BigIntWindowTest, SaveAndReloadTheEightFields) {
  auto w = openTopic<TFBigInt>();
  for (int i = 0; i < 8; ++i) w->edit(i)->setText(QString::number(10 + i));
  ASSERT_TRUE(deliverCommand(w.get(), WM_SAVEWORKSHEET, file("b.dat")));
  auto other = openTopic<TFBigInt>();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("b.dat"));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(other->edit(i)->text(), QString::number(10 + i));
  other->button(TFBigInt::BtnAdd)->click();
  deliverCommand(other.get(), WM_NEWWORKSHEET, file("b.dat"));
  EXPECT_TRUE(other->memoLines().join(QString()).isEmpty());
  EXPECT_EQ(other->edit(0)->text(), QStringLiteral("3"));
}

TEST_F(BigIntWindowTest, ExampleWorksheetsLoad) {
  auto g = openTopic<TFGlei4>();
  ASSERT_TRUE(deliverCommand(g.get(), WM_LOADWORKSHEET, QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT")));
  g->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(g->memoLines().value(1), QStringLiteral("L = {-1,41421;  0,5;  1,41421;  2}"));
  auto b = openTopic<TFBigInt>();
  ASSERT_TRUE(deliverCommand(b.get(), WM_LOADWORKSHEET, QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT")));
  EXPECT_EQ(b->edit(1)->text(), QStringLiteral("987 654 321"));
  commandUi().question = [](QWidget*, const QString&, const QString&) { return true; };
  b->button(TFBigInt::BtnBino)->click();
  QTRY_VERIFY(b->memoLines().size() > 10);
  QTRY_VERIFY(!b->longRun().running());
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(RegisteredTextConflicts().isEmpty()) << RegisteredTextConflicts().join('\n').toStdString();
}

}  // namespace
}  // namespace zw
