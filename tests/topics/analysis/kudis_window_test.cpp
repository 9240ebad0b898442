// The curve discussion window: the discussion on the results page, the three
// curves and their switches, the value table page, refused input and the
// printout by page range.
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <cmath>

#include "platform/ini/IniFile.h"
#include "shell/Settings.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/analysis/CurveWindowTest.h"
#include "topics/analysis/KudisWindow.h"

namespace zw {
namespace {

using curves::StrokesIn;

class KudisWindowTest : public CurveWindowTest {
protected:
  std::unique_ptr<TFKudis> open(const char* term, const char* from, const char* to) {
    auto w = openTopic<TFKudis>();
    w->resize(720, 480);
    w->termEdit()->setText(QString::fromUtf8(term));
    w->fromEdit()->setText(QString::fromUtf8(from));
    w->toEdit()->setText(QString::fromUtf8(to));
    return w;
  }
  // The discussion runs beside the window: its end.
  static void finishRun(TopicWindow& w) {
    while (w.longRun().running()) QApplication::processEvents();
  }
  static bool memoHas(const TFKudis& w, const QString& text) {
    for (const QString& l : w.memoLines())
      if (l.simplified().contains(text)) return true;
    return false;
  }
};

TEST_F(KudisWindowTest, DiscussionChartAndSwitches) {
  auto w = open("x^3 - x", "-2", "2");
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  finishRun(*w);
  EXPECT_TRUE(memoHas(*w, QStringLiteral("N₂( 0 | 0 ) m = -1")));
  EXPECT_TRUE(memoHas(*w, QStringLiteral("W₁( 0 | 0 ) m = -1")));
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  TVIrada& chart = w->chartPage().chart();
  const ChartPage& page = w->chartPage();
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(1)), [](double x) { return x * x * x - x; }));
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(2)), [](double x) { return 3 * x * x - 1; }, 1e-3));
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(3)), [](double x) { return 6 * x; }, 1e-2));
  ASSERT_FALSE(StrokesIn(chart, page.color(2)).empty());
  click(w->switches().box(2));
  EXPECT_TRUE(StrokesIn(chart, page.color(2)).empty());
  EXPECT_EQ(w->switches().box(2)->palette().color(QPalette::Text), QColor(0xC0, 0xC0, 0xC0));
  click(w->switches().box(2));
  EXPECT_FALSE(StrokesIn(chart, page.color(2)).empty());
  // With ZW_SCREENSHOT_DIR set, the chart and the value table for a look.
  if (qEnvironmentVariableIsSet("ZW_SCREENSHOT_DIR")) {
    const QString dir = qEnvironmentVariable("ZW_SCREENSHOT_DIR");
    w->grab().save(dir + QStringLiteral("/kudis-chart.png"));
    w->pageControl()->setCurrentIndex(3);
    w->grab().save(dir + QStringLiteral("/kudis-table.png"));
  }
}

TEST_F(KudisWindowTest, RefusedInputsGiveTheirMessageAndFocus) {
  struct Row {
    const char* what;
    const char* term;
    const char* from;
    const char* to;
    int message;
    const char* focus;
  } rows[] = {
      {"empty range", "x", "5", "5", 22, "edxmin"},
      {"not a number", "x", "abc", "5", 22, "edxmin"},
      {"overflowing number", "x", "1e999", "5", 22, "edxmin"},
      {"syntax", "x+*", "-1", "1", 43, "edFkt"},
      {"sqr", "sqr(x", "-1", "1", 55, "edFkt"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    errors_.clear();
    auto w = open(r.term, r.from, r.to);
    w->okButton(0)->click();
    finishRun(*w);
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], GetMessageText(r.message));
    ASSERT_NE(w->focusWidget(), nullptr);
    EXPECT_EQ(w->focusWidget()->objectName(), QString::fromLatin1(r.focus));
  }
}

TEST_F(KudisWindowTest, ValueTablePage) {
  auto w = open("1/x", "-10", "10");
  w->pageControl()->setCurrentIndex(3);
  ASSERT_EQ(w->currentPage(), 3);
  EXPECT_EQ(w->tableEdits()[2]->text(), "1");
  const QStringList lines = w->tableMemo()->toPlainText().split(u'\n');
  EXPECT_EQ(lines.size(), 6 + 21);
  // A step that would give too many rows: message 22, the table page stays with the step field.
  errors_.clear();
  w->tableEdits()[2]->setText(QStringLiteral("0,0001"));
  w->tableFieldsChanged();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(w->currentPage(), 3);
  EXPECT_EQ(w->focusWidget(), w->tableEdits()[2]);
  // Fewer digits.
  w->tableEdits()[2]->setText(QStringLiteral("5"));
  w->digits()->setValue(3);
  EXPECT_TRUE(w->tableMemo()->toPlainText().contains(QStringLiteral("0,2"))) << w->tableMemo()->toPlainText().toStdString();
}

TEST_F(KudisWindowTest, CheckBoxesGoTogether) {
  auto w = open("x", "-1", "1");
  w->firstBox()->click();
  EXPECT_FALSE(w->secondBox()->isChecked());
  w->secondBox()->click();
  EXPECT_TRUE(w->firstBox()->isChecked());
}

TEST_F(KudisWindowTest, WorksheetRoundTripBeforeTheChartWasBuilt) {
  const QString path = file("k.dat");
  {
    auto w = open("sin(x)", "0", "6");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[kudis]\nfkt=sin(x)\nxvon=0\nxbis=6\nxmin=-1\nxmax=7\nymin=-2\nymax=2\n");
    f.close();
    deliverCommand(w.get(), WM_LOADWORKSHEET, path);
    deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  }
  IniFile ini(path);
  for (const char* k : {"fkt", "xvon", "xbis", "xmin", "xmax", "ymin", "ymax", "LineColor", "LineWidth"})
    EXPECT_TRUE(ini.hasKey("kudis", k)) << k;
  EXPECT_EQ(ini.readString("kudis", "xmax"), "7");
  auto w = open("", "", "");
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(w->termEdit()->text(), "sin(x)");
  w->pageControl()->setCurrentIndex(2);
  const TChartLayers& l = w->chartPage().chart().Layers();
  EXPECT_DOUBLE_EQ(l.X(1).RangeLow(), -1);
  EXPECT_DOUBLE_EQ(l.X(1).RangeHigh(), 7);
  EXPECT_DOUBLE_EQ(l.Y(1).RangeHigh(), 2);
}

TEST_F(KudisWindowTest, PrintsTheChosenPages) {
  struct Row {
    int from, to;
    bool memo, chart, table;
  } rows[] = {{0, 0, true, true, true}, {2, 2, false, true, false}, {3, 3, false, false, true}, {1, 2, true, true, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.from << ".." << r.to);
    const QString pdf = file(QStringLiteral("k%1%2.pdf").arg(r.from).arg(r.to));
    printPagesToPdf(pdf, r.from, r.to);
    auto w = open("x^3 - x", "-2", "2");
    w->pageControl()->setCurrentIndex(3);
    finishRun(*w);
    deliverCommand(w.get(), WM_PRINTWORKSHEET);
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.contains(QStringLiteral("Nullstellen")), r.memo) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("Kurvendiskussion")), r.memo) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("——— ƒ")), r.chart) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("Schrittweite")) || text.contains(QStringLiteral("(x):")), r.table)
        << text.toStdString();
  }
}

// A long term takes seconds to discuss: the discussion runs in steps, ESC
// ends it at once and leaves the memo as it was, and the discussion run again
// to its end is the one a run never stopped gives.
TEST_F(KudisWindowTest, EscapeStopsALongDiscussion) {
  const char* term = "x^3 - x + sin(x)*cos(x)*0.001 + sin(x)*cos(x)*0.001 + sin(x)*cos(x)*0.001";
  auto whole = open(term, "-2", "2");
  whole->okButton(0)->click();
  finishRun(*whole);
  const QStringList expected = whole->memoLines();
  ASSERT_TRUE(memoHas(*whole, QStringLiteral("N₁(")));

  auto w = open("x^2 - 1", "-2", "2");
  w->okButton(0)->click();
  finishRun(*w);
  const QStringList before = w->memoLines();
  ASSERT_TRUE(memoHas(*w, QStringLiteral("N₁(-1 | 0 )")));
  w->pageControl()->setCurrentIndex(0);
  w->termEdit()->setText(QStringLiteral("sin(x)*cos(x)+").repeated(400) + u'1');
  w->okButton(0)->click();
  ASSERT_TRUE(w->longRun().running());
  QApplication::processEvents();
  QTest::keyClick(w.get(), Qt::Key_Escape);
  EXPECT_FALSE(w->longRun().running());
  EXPECT_EQ(w->memoLines(), before);
  w->pageControl()->setCurrentIndex(0);
  w->termEdit()->setText(QString::fromUtf8(term));
  w->okButton(0)->click();
  finishRun(*w);
  EXPECT_EQ(w->memoLines(), expected);
  EXPECT_TRUE(errors_.empty());
}

// A chart built while the discussion runs is built again with the points
// when it ends: the range of a chart built after the discussion.
TEST_F(KudisWindowTest, ChartBuiltDuringTheRunShowsThePoints) {
  auto after = open("(x-30)^2 - 1", "0", "40");
  after->okButton(0)->click();
  finishRun(*after);
  after->pageControl()->setCurrentIndex(2);
  finishRun(*after);
  auto during = open("(x-30)^2 - 1", "0", "40");
  during->pageControl()->setCurrentIndex(2);
  finishRun(*during);
  const TChartLayers& a = after->chartPage().chart().Layers();
  const TChartLayers& d = during->chartPage().chart().Layers();
  EXPECT_EQ(d.X(1).RangeLow(), a.X(1).RangeLow());
  EXPECT_EQ(d.X(1).RangeHigh(), a.X(1).RangeHigh());
  EXPECT_EQ(d.Y(1).RangeLow(), a.Y(1).RangeLow());
  EXPECT_EQ(d.Y(1).RangeHigh(), a.Y(1).RangeHigh());
  // The points' extent (x up to 31), not the range's 0 … 40.
  EXPECT_LT(d.X(1).RangeHigh(), 40);
}

}  // namespace
}  // namespace zw
