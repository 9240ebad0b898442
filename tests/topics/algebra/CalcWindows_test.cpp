// The three key-pad calculators as windows: clicks, typed keys, Tab on its
// release, Help, and the commands they do not handle.
#include <gtest/gtest.h>

#include <QTest>

#include "platform/desktop/Desktop.h"
#include "shell/help/Help.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/BruchWindow.h"
#include "topics/algebra/ComplexWindow.h"
#include "topics/algebra/SystemeWindow.h"

namespace zw {
namespace {

class CalcWindowTest : public TopicTestBase {
protected:
  static void click(CalcWindow& w, std::initializer_list<int> codes) {
    for (int c : codes) {
      QPushButton* b = w.keyButton(c);
      ASSERT_NE(b, nullptr) << c;
      b->click();
    }
  }
  static QString shown(QLabel* l) { return l->text().trimmed(); }
};

TEST_F(CalcWindowTest, NumberSystemsByClicksAndKeys) {
  auto w = openTopic<TFsysteme>();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Rechnen in Zahlensystemen"));
  click(*w, {'F', 'F'});
  EXPECT_EQ(shown(w->display1()), QStringLiteral("FF"));
  EXPECT_EQ(shown(w->display2()), QStringLiteral("255"));
  click(*w, {'+', '1', '='});
  EXPECT_EQ(shown(w->display1()), QStringLiteral("100"));
  // The keyboard: letters in either case, Enter for "=", Backspace.
  QTest::keyClicks(w.get(), QStringLiteral("a*2"));
  QTest::keyClick(w.get(), Qt::Key_Return);
  EXPECT_EQ(shown(w->display1()), QStringLiteral("14"));
  QTest::keyClicks(w.get(), QStringLiteral("12"));
  QTest::keyClick(w.get(), Qt::Key_Backspace);
  EXPECT_EQ(shown(w->display1()), QStringLiteral("1"));
  // Space presses nothing, not even a key with the focus.
  QTest::keyClick(w.get(), Qt::Key_Space);
  EXPECT_EQ(shown(w->display1()), QStringLiteral("1"));
  for (QPushButton* b : w->findChildren<QPushButton*>()) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
  // Base changes.
  w->base1Box()->setValue(2);
  EXPECT_EQ(shown(w->display1()), QStringLiteral("1"));
  click(*w, {'2'});  // no digit of base 2
  EXPECT_EQ(shown(w->display1()), QStringLiteral("1"));
  click(*w, {'/', '0', '='});
  EXPECT_EQ(shown(w->display1()), QStringLiteral("Fehler"));
  click(*w, {KeyAC, '5'});
  EXPECT_EQ(shown(w->display1()), QStringLiteral("Fehler"));
  click(*w, {KeyCE});
  EXPECT_EQ(shown(w->display1()), QStringLiteral("0"));
}

TEST_F(CalcWindowTest, FractionsWithTabOnRelease) {
  auto w = openTopic<TFBruch>();
  QTest::keyClicks(w.get(), QStringLiteral("1"));
  // The press alone does nothing; the release switches the column.
  QTest::keyPress(w.get(), Qt::Key_Tab);
  EXPECT_EQ(w->calc().column(), 0);
  QTest::keyRelease(w.get(), Qt::Key_Tab);
  EXPECT_EQ(w->calc().column(), 1);
  QTest::keyClicks(w.get(), QStringLiteral("2+1"));
  click(*w, {KeyTab, '3', '='});
  EXPECT_EQ(shown(w->numeratorLabel()), QStringLiteral("5"));
  EXPECT_EQ(shown(w->denominatorLabel()), QStringLiteral("6"));
  EXPECT_EQ(shown(w->secondLine()), QStringLiteral("5 / 6"));
  w->viewButton(2)->click();
  EXPECT_EQ(shown(w->secondLine()), QStringLiteral("0,833333333333333"));
  // A click on the denominator selects it.
  QTest::mouseClick(w->denominatorLabel(), Qt::LeftButton);
  EXPECT_EQ(w->calc().column(), 1);
  click(*w, {'0', '='});
  EXPECT_EQ(shown(w->denominatorLabel()), QStringLiteral("Fehler"));
}

TEST_F(CalcWindowTest, ComplexByKeysWithThePolarLine) {
  kernelState().AngleMode = 0;
  auto w = openTopic<TFComplex>();
  EXPECT_EQ(kernelState().AngleMode, 1);
  QTest::keyClicks(w.get(), QStringLiteral("3"));
  QTest::keyClick(w.get(), Qt::Key_Tab);
  QTest::keyClicks(w.get(), QStringLiteral("4"));
  EXPECT_EQ(shown(w->rhoLabel()), QStringLiteral("ρ=5"));
  EXPECT_EQ(shown(w->phiLabel()), QStringLiteral("φ=0,927295218"));
  QTest::mouseClick(w->phiLabel(), Qt::LeftButton);
  EXPECT_EQ(shown(w->phiLabel()), QStringLiteral("φ=53,1301024°"));
  // y is AC, x is CE; l is LN.
  QTest::keyClicks(w.get(), QStringLiteral("y0l"));
  EXPECT_EQ(shown(w->imagLabel()), QStringLiteral("Fehler"));
  QTest::keyClicks(w.get(), QStringLiteral("x"));
  EXPECT_EQ(shown(w->imagLabel()), QStringLiteral("0"));
  click(*w, {'2', 'W'});
  EXPECT_EQ(shown(w->realLabel()), QStringLiteral("1,41421356"));
}

TEST_F(CalcWindowTest, HelpIsTheOnlyCommand) {
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  auto w = openTopic<TFBruch>();
  EXPECT_FALSE(deliverCommand(w.get(), WM_SAVEWORKSHEET, file("x.dat")));
  EXPECT_FALSE(deliverCommand(w.get(), WM_PRINTWORKSHEET));
  EXPECT_TRUE(deliverCommand(w.get(), WM_TOPICHELP));
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].target, webHelpAddress(HelpContextOf(IBruch), currentHelpLanguageLetter()));
}

TEST_F(CalcWindowTest, FixedSizeAtEveryZoom) {
  auto w = openTopic<TFsysteme>();
  EXPECT_EQ(w->size(), QSize(438, 256));
  applyZoom(125);
  w->relayout();
  EXPECT_EQ(w->size(), QSize(ScalePixels(438), ScalePixels(256)));
}

}  // namespace
}  // namespace zw
