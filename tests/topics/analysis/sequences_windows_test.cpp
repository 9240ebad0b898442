// The sequences and Newton windows offscreen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <vector>

#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "tests/topics/TopicRules.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/analysis/SequencesWindow.h"
#include "topics/analysis/SurfaceWindow.h"
#include "topics/frame/LongRun.h"

namespace zw {
namespace {

class AnalysisWindowTest : public TopicTestBase {
protected:
  // OK, and the run it starts to its end.
  static void computeAll(TopicWindow& w, QAbstractButton* trigger) {
    trigger->click();
    while (w.longRun().running()) QApplication::processEvents();
  }
};

TEST_F(AnalysisWindowTest, SequenceComputesOnOkAndOnTheCheckBox) {
  auto w = openTopic<TFFolgen>();
  EXPECT_EQ(w->countEdit()->text(), QStringLiteral("10"));
  w->startEdit()->setText(QStringLiteral("1;1"));
  w->termEdit()->setText(QStringLiteral("a{i-1} + a{i-2}"));
  computeAll(*w, w->okButton(0));
  EXPECT_EQ(w->termEdit()->text(), QStringLiteral("a[i-1]+a[i-2]"));
  ASSERT_GE(w->memoLines().size(), 9);
  EXPECT_TRUE(w->memoLines()[4].endsWith(u"34; 55)"));
  computeAll(*w, w->numberedBox());
  EXPECT_TRUE(w->memoLines()[4].startsWith(u"a[0]=1; a[1]=1"));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(AnalysisWindowTest, SequenceRefusalKeepsTheMemoAndFocusesTheField) {
  const struct {
    const char *start, *term, *count;
    int field;  // 0 start terms, 1 term, 2 n
  } cases[] = {
      {"1", "a[i-1]*2", "x", 2},
      {"a[0]", "a[i-1]", "3", 0},  // a start term that names a term
      {"1", "a[i+1]", "3", 1},     // a term not computed yet
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    auto w = openTopic<TFFolgen>();
    w->startEdit()->setText(QStringLiteral("1"));
    w->termEdit()->setText(QStringLiteral("a[i-1]*2"));
    computeAll(*w, w->okButton(0));
    const QStringList before = w->memoLines();
    ASSERT_FALSE(before.isEmpty());
    errors_.clear();
    w->startEdit()->setText(QString::fromLatin1(c.start));
    w->termEdit()->setText(QString::fromLatin1(c.term));
    w->countEdit()->setText(QString::fromLatin1(c.count));
    computeAll(*w, w->okButton(0));
    EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Unzulässige Eingabe")});
    EXPECT_EQ(w->memoLines(), before);
    QLineEdit* fields[3] = {w->startEdit(), w->termEdit(), w->countEdit()};
    EXPECT_EQ(w->focusWidget(), fields[c.field]);
  }
}

// The longest term the field takes, 10,000 times, runs in slices: the window
// answers meanwhile, and ESC ends the run with the memo as it was.
TEST_F(AnalysisWindowTest, SequenceRunStopsOnEscapeAndKeepsTheMemo) {
  auto w = openTopic<TFFolgen>();
  w->startEdit()->setText(QStringLiteral("1"));
  w->termEdit()->setText(QStringLiteral("a[i-1]+1"));
  computeAll(*w, w->okButton(0));
  const QStringList before = w->memoLines();
  QString term;
  while (term.size() < 32000) term += QStringLiteral("a[i-1]/2+");
  w->termEdit()->setText(term + u'1');
  w->countEdit()->setText(QStringLiteral("10000"));
  w->okButton(0)->click();
  ASSERT_TRUE(w->longRun().running());
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  EXPECT_TRUE(w->longRun().running());
  QTest::keyClick(w.get(), Qt::Key_Escape);
  EXPECT_FALSE(w->longRun().running());
  EXPECT_EQ(w->memoLines(), before);
  EXPECT_TRUE(w->isVisible());  // ESC stopped the run; it did not close the window
  EXPECT_TRUE(errors_.empty());
}

TEST_F(AnalysisWindowTest, SequenceWorksheetKeepsRawTexts) {
  const QString sheet = file("s.dat");
  auto w = openTopic<TFFolgen>();
  w->startEdit()->setText(QStringLiteral(" 1; 2"));
  ASSERT_TRUE(w->saveInputs(sheet));
  EXPECT_EQ(IniFile(sheet).readString("folgen", "a0"), QStringLiteral("1; 2"));  // values are trimmed on read
  auto v = openTopic<TFFolgen>();
  v->loadInputs(sheet);
  EXPECT_EQ(v->startEdit()->text(), QStringLiteral("1; 2"));
  EXPECT_TRUE(v->memoLines().isEmpty() || v->memoLines() == QStringList{QString()});
}

TEST_F(AnalysisWindowTest, NewtonTableAndRefusals) {
  auto w = openTopic<TFIter>();
  w->termEdit()->setText(QStringLiteral("x^2-2"));
  w->startEdit()->setText(QStringLiteral("1"));
  computeAll(*w, w->okButton(0));
  EXPECT_EQ(w->pageControl()->currentIndex(), 1);
  EXPECT_EQ(w->memoLines().size(), 10);
  const QStringList table = w->memoLines();

  w->okButton(1)->click();  // back to the input page
  w->termEdit()->setText(QStringLiteral("ln(x)"));
  w->startEdit()->setText(QStringLiteral("-1"));
  computeAll(*w, w->okButton(0));
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(w->pageControl()->currentIndex(), 0);
  EXPECT_EQ(w->focusWidget(), w->startEdit());
  EXPECT_EQ(w->memoLines(), table);

  w->termEdit()->setText(QStringLiteral("x^"));
  w->startEdit()->setText(QStringLiteral("1"));
  computeAll(*w, w->okButton(0));
  ASSERT_EQ(errors_.size(), 2u);
  EXPECT_EQ(errors_[1], QStringLiteral("Syntaxfehler"));
  EXPECT_EQ(w->focusWidget(), w->termEdit());
}

// The derivative of the longest term takes the symbolic library some 300 ms:
// it is computed beside the window, and ESC ends the run at once, the last
// table kept.
TEST_F(AnalysisWindowTest, NewtonRunStopsOnEscapeWhileTheDerivativeIsComputed) {
  auto w = openTopic<TFIter>();
  w->termEdit()->setText(QStringLiteral("x^2-2"));
  w->startEdit()->setText(QStringLiteral("1"));
  computeAll(*w, w->okButton(0));
  const QStringList table = w->memoLines();
  w->okButton(1)->click();
  w->termEdit()->setText(QStringLiteral("x*").repeated(16383) + u'x');
  w->startEdit()->setText(QStringLiteral("1"));
  w->okButton(0)->click();
  ASSERT_TRUE(w->longRun().running());
  QApplication::processEvents();
  QTest::keyClick(w.get(), Qt::Key_Escape);
  EXPECT_FALSE(w->longRun().running());
  EXPECT_EQ(w->memoLines(), table);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(AnalysisWindowTest, EveryWindowFitsItsDefaultSizeWithoutScrollingSideways) {
  EXPECT_EQ(windowsScrollingSideways().join(u' ').toStdString(), "");
}

// Without stored inputs, with the memory option on or off: n = 10 terms,
// and the surface's 40 lines (a worksheet section without "n" reads 20).
TEST_F(AnalysisWindowTest, InitialValuesWithoutStoredInputs) {
  for (bool memory : {false, true}) {
    shellState().MemoryOption = memory;
    EXPECT_EQ(openTopic<TFFolgen>()->countEdit()->text(), QStringLiteral("10")) << memory;
    EXPECT_EQ(openTopic<TFPlot3d>()->linesSpin()->value(), 40) << memory;
  }
}

// New after a computation leaves no result line; a window opens with its
// initial values whether the memory option is on or off, and New restores
// them (every analysis window).
TEST_F(AnalysisWindowTest, NewClearsResultsAndRestoresInitialValues) {
  const QString demo = QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT");
  EXPECT_EQ(WindowsKeepingResultsAfterNew(demo).join(u'\n').toStdString(), "");
  EXPECT_EQ(WindowsWithoutTheirInitialValues(demo).join(u'\n').toStdString(), "");
}

}  // namespace
}  // namespace zw
