// The regression window offscreen: fitting from the grid, refused cells and
// edits with their focus, the value table and its refused step, worksheets
// as the section "regr" and as CSV, the chart's curve and points, printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/linalg-stat/RegrWindow.h"

namespace zw {
namespace {

using namespace figures;

class RegrWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFRegr> openWith(std::initializer_list<std::pair<const char*, const char*>> points, int model = 1) {
    auto w = openTopic<TFRegr>();
    int r = 1;
    for (const auto& [x, y] : points) {
      w->grid()->setCells(1, r, QString::fromUtf8(x));
      w->grid()->setCells(2, r, QString::fromUtf8(y));
      ++r;
    }
    w->modelButton(model)->setChecked(true);
    return w;
  }
};

TEST_F(RegrWindowTest, OkFitsAndShowsTheMemo) {
  auto w = openWith({{"1", "2"}, {"2", "4"}, {"", "99"}, {"3", "6"}});
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  ASSERT_TRUE(errors_.empty()) << errors_[0].toStdString();
  const QStringList memo = w->memoLines();
  ASSERT_GE(memo.size(), 8);
  EXPECT_EQ(memo[0], GetText(IRegr, 12));
  EXPECT_TRUE(memo[2].startsWith(QStringLiteral(" y = 2")));
  EXPECT_EQ(memo[4], QStringLiteral("3 ") + GetText(IRegr, 38) + QStringLiteral(" "));  // the row without x is skipped
}

// The text of a cell as a trace shows it: control characters written out,
// so that "1\x01" is not taken for "1".
std::string Visible(const QString& text) {
  QString out;
  for (QChar c : text.left(20))
    out += c < u' ' ? QStringLiteral("\\x%1").arg(int(c.unicode()), 2, 16, QChar(u'0')) : QString(c);
  return out.toStdString();
}

TEST_F(RegrWindowTest, RefusalsAndTheirFocus) {
  struct Case {
    std::vector<std::pair<QString, QString>> points;
    QString dx;
    int message;
    int focusCol, focusRow;  // 0: the dx edit
  } cases[] = {
      {{{"1", "2"}, {"2", "4"}}, "", 3, 1, 1},
      {{{"1", "2"}, {"abc", "4"}, {"3", "abc"}, {"4", "5"}}, "", 22, 2, 3},  // the last refused cell
      {{{"1", "2"}, {"1e99999", "4"}, {"3", "5"}}, "", 22, 1, 2},
      {{{"1", "2"}, {"2", "4"}, {"3", "6"}}, "abc", 22, 0, 0},
      {{{"2", "1"}, {"2", "2"}, {"2", "3"}}, "", 21, 1, 1},  // all x equal
      {{{QString(10000, u'9'), "1"}, {"2", "2"}, {"3", "3"}}, "", 22, 1, 1},
      // A control character inside a number; at either end it counts as a
      // blank, as in every number field.
      {{{"1\x01" "5", "1"}, {"2", "2"}, {"3", "3"}}, "", 22, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Visible(c.points[0].first) + " " + Visible(c.points[1].first) + " dx " + Visible(c.dx));
    errors_.clear();
    auto w = openTopic<TFRegr>();
    int r = 1;
    for (const auto& [x, y] : c.points) {
      w->grid()->setCells(1, r, x);
      w->grid()->setCells(2, r, y);
      ++r;
    }
    w->shiftEdit(0)->setText(c.dx);
    w->okButton(0)->click();
    QApplication::processEvents();
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], GetMessageText(c.message));
    if (c.focusCol == 0) {
      EXPECT_EQ(QApplication::focusWidget(), w->shiftEdit(0));
    } else {
      EXPECT_EQ(w->grid()->Col(), c.focusCol);
      EXPECT_EQ(w->grid()->Row(), c.focusRow);
    }
    EXPECT_EQ(w->grid()->Cells(1, 1), c.points[0].first);  // nothing typed is lost
  }
}

TEST_F(RegrWindowTest, ValueTableUsesTheLastFitAndRefusesABadStep) {
  auto w = openWith({{"0", "1"}, {"5", "11"}, {"10", "21"}});
  w->okButton(0)->click();
  w->okButton(1)->click();
  w->okButton(2)->click();
  ASSERT_EQ(w->currentPage(), 3);
  // x1 = −1, x2 = 11: the step is 0.1.
  EXPECT_EQ(w->tableEdit(0)->text(), QStringLiteral("-1"));
  EXPECT_EQ(w->tableEdit(2)->text(), QStringLiteral("0,1"));
  const QStringList t = w->table()->toPlainText().split(u'\n');
  EXPECT_EQ(t.size(), 2 + 121);
  // A new model chosen without a fit changes nothing in the table.
  w->modelButton(RegrOrigin)->setChecked(true);
  w->tableEdit(2)->setText(QStringLiteral("1"));
  w->digitsSpin()->setValue(4);
  const QStringList t2 = w->table()->toPlainText().split(u'\n');
  ASSERT_EQ(t2.size(), 2 + 13);
  EXPECT_TRUE(t2[3].contains(QStringLiteral("+ 1 "))) << t2[3].toStdString();  // x = 0, y = 2x + 1
  for (const QString& step : {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("1e-12"), QStringLiteral("x")}) {
    errors_.clear();
    w->tableEdit(2)->setText(step);
    w->digitsSpin()->setValue(w->digitsSpin()->value() == 4 ? 5 : 4);
    QApplication::processEvents();
    EXPECT_EQ(w->currentPage(), 3) << step.toStdString();
    ASSERT_EQ(errors_.size(), 1u) << step.toStdString();
    EXPECT_EQ(errors_[0], GetMessageText(22));
  }
}

TEST_F(RegrWindowTest, SectionAndCsvRoundTrip) {
  auto w = openWith({{"1", "2"}, {"2,5", "4"}, {"3", "6"}}, RegrPolynomial);
  w->grid()->setCells(1, 7, QStringLiteral("9"));
  w->grid()->setCells(2, 7, QStringLiteral("1.5"));
  w->shiftEdit(0)->setText(QStringLiteral("1"));
  w->shiftEdit(3)->setText(QStringLiteral("2"));
  w->degreeSpin()->setValue(4);
  w->digitsSpin()->setValue(8);
  const QString dat = file(QStringLiteral("r.dat"));
  deliverCommand(w.get(), WM_SAVEWORKSHEET, dat);
  const IniFile ini(dat);
  EXPECT_EQ(ini.readString(QStringLiteral("regr"), QStringLiteral("typ")), QStringLiteral("5"));
  EXPECT_EQ(ini.readString(QStringLiteral("regr"), QStringLiteral("x7")), QStringLiteral("9"));
  EXPECT_FALSE(ini.hasKey(QStringLiteral("regr"), QStringLiteral("x4")));
  EXPECT_FALSE(ini.hasKey(QStringLiteral("regr"), QStringLiteral("dy")));
  auto other = openTopic<TFRegr>();
  deliverCommand(other.get(), WM_LOADWORKSHEET, dat);
  EXPECT_TRUE(other->modelButton(RegrPolynomial)->isChecked());
  EXPECT_EQ(other->grid()->Cells(1, 2), QStringLiteral("2,5"));
  EXPECT_EQ(other->grid()->Cells(2, 7), QStringLiteral("1.5"));
  EXPECT_EQ(other->shiftEdit(0)->text(), QStringLiteral("1"));
  EXPECT_EQ(other->shiftEdit(3)->text(), QStringLiteral("2"));
  EXPECT_EQ(other->degreeSpin()->value(), 4);
  EXPECT_EQ(other->digitsSpin()->value(), 8);

  shellState().CsvSeparator = QStringLiteral(";");
  shellState().CsvDecimal = QStringLiteral(",");
  const QString csv = file(QStringLiteral("r.CSV"));
  deliverCommand(w.get(), WM_SAVEWORKSHEET, csv);
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("1;2\r\n2,5;4\r\n3;6\r\n9;1,5\r\n"));
  // Loading the CSV into a grid with more points leaves the rows it does not reach.
  auto third = openWith({{"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"7", "7"}});
  third->grid()->setCells(1, 10, QStringLiteral("10"));
  deliverCommand(third.get(), WM_LOADWORKSHEET, csv);
  EXPECT_EQ(third->grid()->Cells(2, 4), QStringLiteral("1,5"));
  EXPECT_EQ(third->grid()->Cells(1, 10), QStringLiteral("10"));
  // A missing CSV file: the message, the grid unchanged.
  errors_.clear();
  deliverCommand(third.get(), WM_LOADWORKSHEET, file(QStringLiteral("none.csv")));
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(third->grid()->Cells(1, 10), QStringLiteral("10"));
}

TEST_F(RegrWindowTest, ChartDrawsThePoints) {
  auto w = openWith({{"1", "2"}, {"2", "4"}, {"3", "6"}});
  w->okButton(0)->click();
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  const TVIrada& chart = w->chartPage().chart();
  EXPECT_TRUE(Draws(chart, {Mark{1, 2}}));
  EXPECT_TRUE(Draws(chart, {Mark{3, 6}}));
}

TEST_F(RegrWindowTest, PrintoutHoldsMemoChartAndTable) {
  auto w = openWith({{"1", "2"}, {"2", "4"}, {"3", "6"}});
  w->okButton(0)->click();
  const QString pdf = printToPdf(QStringLiteral("regr.pdf"));
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(GetText(IRegr, 12).trimmed())) << text.toStdString();
}

}  // namespace
}  // namespace zw
