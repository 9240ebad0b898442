// The polynomial topic windows offscreen: grid cells in, memo and clipboard
// out, the recompute triggers, a bad cell, worksheets and printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "platform/ini/IniFile.h"
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
