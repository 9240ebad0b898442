// The polynomial topic windows offscreen: grid cells in, memo and clipboard
// out, the recompute triggers, a bad cell, worksheets and printing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPointer>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/analysis/PolyDivWindow.h"

namespace zw {
namespace {

class PolyWindowTest : public TopicTestBase {
protected:
  // Coefficients of x⁹ … x⁰ of a row, right-aligned: fill(w, 1, {"1", "0", "-1"}) is x² − 1.
  static void fill(PolyTopicWindow& w, int row, const QStringList& coeffs) {
    for (int c = 1; c <= 10; ++c) w.grid()->setCells(c, row, QString());
    for (int i = 0; i < coeffs.size(); ++i) w.grid()->setCells(11 - coeffs.size() + i, row, coeffs[i]);
  }
  static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(PolyWindowTest, DivisionByOkShowsResultsAndCopiesQuotient) {
  auto w = openTopic<TFPolyDiv>();
  fill(*w, 1, {"1", "0", "-1"});
  fill(*w, 2, {"1", "-1"});
  w->okButton(0)->click();
  const QStringList lines = w->memoLines();
  ASSERT_EQ(lines.size(), 6);
  EXPECT_TRUE(lines[4].endsWith(u"x + 1"));
  EXPECT_EQ(clipboardText().trimmed(), QStringLiteral("0;0;0;0;0;0;0;0;1;1"));
  // The check box recomputes with decimal coefficients.
  w->decimalBox()->setChecked(true);
  EXPECT_TRUE(w->memoLines()[3].contains(u"x³"));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(PolyWindowTest, BadCellGivesOneBoxAndBecomesCurrent) {
  auto w = openTopic<TFPolyDiv>();
  fill(*w, 1, {"1", "0", "-1"});
  w->okButton(0)->click();
  const QStringList before = w->memoLines();
  w->grid()->setCells(7, 2, QStringLiteral("2*3"));
  w->okButton(0)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], QStringLiteral("Unzulässige Eingabe"));
  EXPECT_EQ(w->grid()->Col(), 7);
  EXPECT_EQ(w->grid()->Row(), 2);
  EXPECT_EQ(w->memoLines(), before);
}

// An unreadable cell in each of the four windows: every action that asks for
// a result shows one box (a real box takes the focus out of the grid, which
// must not ask again), leaving the grid for another control or closing the
// window shows none, and closing keeps the cell's text in "memory.dat".
TEST_F(PolyWindowTest, BadCellIsOneBoxPerActionAndNeverBlocksClosing) {
  // A box that takes the focus while it is open and gives it back to its
  // window, as a modal box does.
  commandUi().error = [this](QWidget* parent, const QString& text) {
    errors_.push_back(text);
    QPointer<QWidget> owner(parent ? parent->window() : nullptr);
    {
      QWidget box;
      box.show();
      box.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
      box.setFocus();
    }
    if (owner) {
      owner->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(owner));
    }
  };
  shellState().MemoryOption = true;
  const std::vector<std::function<std::unique_ptr<PolyTopicWindow>()>> windows = {
      [] { return std::unique_ptr<PolyTopicWindow>(openTopic<TFPolyDiv>()); },
      [] { return std::unique_ptr<PolyTopicWindow>(openTopic<TFPolyggT>()); },
      [] { return std::unique_ptr<PolyTopicWindow>(openTopic<TFPolyFak>()); },
      [] { return std::unique_ptr<PolyTopicWindow>(openTopic<TFPolTrans>()); },
  };
  for (const auto& make : windows) {
    auto w = make();
    SCOPED_TRACE(w->section().toStdString());
    fill(*w, 1, {"1", "0", "-1"});
    w->grid()->setCells(1, 1, QStringLiteral("abc"));  // a9
    // The grid has the focus, as while typing in it.
    const auto inGrid = [&] {
      w->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
      w->grid()->setFocus();
      ASSERT_TRUE(w->grid()->hasFocus());
      errors_.clear();
    };
    // A click on a control takes the focus first, as the mouse does.
    const auto press = [](QAbstractButton* b) {
      b->setFocus(Qt::MouseFocusReason);
      b->click();
    };
    struct Action {
      const char* name;
      std::function<void()> run;
    };
    std::vector<Action> actions = {
        {"OK", [&] { press(w->okButton(0)); }},
        {"cell click", [&] { emit w->grid()->cellClicked(); }},
        {"Enter", [&] { emit w->grid()->enterPressed(); }},
    };
    if (w->decimalBox()) actions.push_back({"check box", [&] { press(w->decimalBox()); }});
    for (const Action& a : actions) {
      inGrid();
      a.run();
      EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Unzulässige Eingabe")}) << a.name;
      EXPECT_EQ(w->grid()->Col(), 1) << a.name;
      EXPECT_EQ(w->grid()->Row(), 1) << a.name;
    }
    // "Abbrechen" leaves the grid and closes the window without a word.
    inGrid();
    press(w->escButton(0));
    EXPECT_TRUE(errors_.empty());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(IniFile(w->memoryFile()).readString(w->section(), "a9"), QStringLiteral("abc"));
    // So does closing it by its title bar.
    w->show();
    inGrid();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(errors_.empty());
  }
}

// "1/0" is no coefficient: message 22 on its cell, not a division by zero.
TEST_F(PolyWindowTest, ZeroDenominatorIsInvalidInput) {
  auto w = openTopic<TFPolyDiv>();
  fill(*w, 1, {"1", "1/0"});
  fill(*w, 2, {"1"});
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Unzulässige Eingabe")});
  EXPECT_EQ(w->grid()->Col(), 10);
  EXPECT_EQ(w->grid()->Row(), 1);
  auto t = openTopic<TFPolTrans>();
  fill(*t, 1, {"1"});
  t->dyEdit()->setText(QStringLiteral("1/0"));
  errors_.clear();
  t->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Unzulässige Eingabe")});
  EXPECT_EQ(t->focusWidget(), t->dyEdit());
}

TEST_F(PolyWindowTest, DestroyingTheWindowWhileTheGridHasTheFocusComputesNothing) {
  // Taking the window down hides it and moves the focus out of the grid,
  // which would otherwise compute in a window half destroyed.
  auto w = openTopic<TFPolyDiv>();
  fill(*w, 1, {"1", "0", "-1"});
  w->activateWindow();
  w->grid()->setFocus();
  QApplication::processEvents();
  w.reset();
  QApplication::processEvents();
  EXPECT_TRUE(errors_.empty());
}

TEST_F(PolyWindowTest, ConstantKeepsTheMemoInGcdAndFactorisation) {
  auto g = openTopic<TFPolyggT>();
  fill(*g, 1, {"1", "0", "-1"});
  fill(*g, 2, {"1", "2", "1"});
  g->okButton(0)->click();
  const QStringList lines = g->memoLines();
  // "ggT" itself is the gcd topic's text, registered with the algebra area.
  EXPECT_TRUE(lines[3].endsWith(QStringLiteral("(p₁,p₂) =  x + 1"))) << lines[3].toStdString();
  fill(*g, 2, {"5"});
  g->okButton(0)->click();
  EXPECT_EQ(g->memoLines(), lines);

  auto f = openTopic<TFPolyFak>();
  fill(*f, 1, {"1", "-6", "11", "-6"});
  f->okButton(0)->click();
  EXPECT_TRUE(f->memoLines().join('\n').contains(u"(x - 1)·(x - 2)·(x - 3)"));
}

TEST_F(PolyWindowTest, TransformModeRelabelsAndRecomputes) {
  auto w = openTopic<TFPolTrans>();
  fill(*w, 1, {"1", "0", "0"});
  w->dxEdit()->setText(QStringLiteral("2"));
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines().last().startsWith(u"ƒ(x -2) = "));
  w->stretchButton()->click();
  EXPECT_TRUE(w->memoLines().last().startsWith(u"ƒ(1/2·x) = 1/4x²")) << w->memoLines().last().toStdString();
  w->dxEdit()->setText(QStringLiteral("a"));
  w->okButton(0)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(w->focusWidget(), w->dxEdit());
}

TEST_F(PolyWindowTest, SaveWritesTrimmedCellsAndLoadComputes) {
  const QString sheet = file("sheet.dat");
  {
    auto w = openTopic<TFPolyDiv>();
    fill(*w, 1, {" 1/2 ", "0", "-1"});
    fill(*w, 2, {"1"});
    ASSERT_TRUE(w->saveInputs(sheet));
  }
  IniFile ini(sheet);
  EXPECT_EQ(ini.readString("poldiv", "a2", "?"), QStringLiteral("1/2"));
  EXPECT_EQ(ini.readString("poldiv", "a9", "?"), QStringLiteral("?"));
  EXPECT_EQ(ini.readString("poldiv", "b0", "?"), QStringLiteral("1"));
  auto w = openTopic<TFPolyDiv>();
  w->loadInputs(sheet);
  EXPECT_EQ(w->grid()->Cells(8, 1), QStringLiteral("1/2"));
  EXPECT_EQ(w->memoLines().size(), 6);
}

TEST_F(PolyWindowTest, PrintHasTitleAndMemo) {
  auto w = openTopic<TFPolyFak>();
  fill(*w, 1, {"1", "0", "1"});
  w->okButton(0)->click();
  const QString pdf = printToPdf("fak.pdf");
  w->cmdPrint();
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(u"Polynome faktorisieren"));
  EXPECT_TRUE(text.contains(u"Keine rationalen Nullstellen"));
}

}  // namespace
}  // namespace zw
