// The statistics window offscreen: computing from the value list, refused
// lists and class widths with their focus, the worksheet with one key per
// line, the picture's box plot and outliers, printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QScrollBar>

#include "platform/ini/IniFile.h"
#include "shell/texts/Texts.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/linalg-stat/StatWindow.h"

namespace zw {
namespace {

using namespace figures;

class StatWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFStat> openWith(const QString& list, const QString& width = QStringLiteral("1")) {
    auto w = openTopic<TFStat>();
    w->valueList()->setPlainText(list);
    w->classWidthEdit()->setText(width);
    return w;
  }
};

TEST_F(StatWindowTest, OkComputesTheMemoAndWritesTheWidthBack) {
  auto w = openWith(QStringLiteral("1 2 3\n4;5"), QStringLiteral("0.5"));
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  const QStringList memo = w->memoLines();
  ASSERT_GT(memo.size(), 10);
  EXPECT_EQ(memo[0], GetText(IStat, 20));
  EXPECT_TRUE(memo.contains(QStringLiteral("Left whisker=1;   Right whisker=5")));
  EXPECT_EQ(w->classWidthEdit()->text(), QStringLiteral("0,5"));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(StatWindowTest, RefusedInputsKeepTheInputPageAndFocusTheirField) {
  struct Case {
    QString list, width;
    int message;
    bool onList;
  } cases[] = {
      {QStringLiteral(""), QStringLiteral("1"), 3, true},
      {QStringLiteral("1 abc 3"), QStringLiteral("1"), 22, true},
      {QStringLiteral("1 2 3"), QStringLiteral("0"), 22, false},
      {QStringLiteral("1 2 3"), QStringLiteral("-2"), 22, false},
      {QStringLiteral("1 2 3"), QStringLiteral(""), 22, false},
      {QStringLiteral("1 2 3"), QStringLiteral("abc"), 22, false},
      {QStringLiteral("0 1000"), QStringLiteral("1"), 22, false},  // 1001 classes
  };
  for (const Case& c : cases) {
    errors_.clear();
    auto w = openWith(c.list, c.width);
    w->okButton(0)->click();
    QApplication::processEvents();
    EXPECT_EQ(w->currentPage(), 0) << c.list.toStdString() << " / " << c.width.toStdString();
    ASSERT_EQ(errors_.size(), 1U);
    EXPECT_EQ(errors_[0], GetMessageText(c.message));
    QWidget* expected = c.onList ? static_cast<QWidget*>(w->valueList()) : w->classWidthEdit();
    EXPECT_EQ(QApplication::focusWidget(), expected) << c.list.toStdString() << " / " << c.width.toStdString();
    EXPECT_EQ(w->valueList()->toPlainText(), c.list);  // nothing typed is lost
  }
}

TEST_F(StatWindowTest, WorksheetKeepsEveryLineAndTheWidth) {
  auto w = openWith(QStringLiteral("1 2\n\n3.5;4\n5"), QStringLiteral("0,25"));
  const QString path = file(QStringLiteral("stat.dat"));
  deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  const IniFile ini(path);
  EXPECT_EQ(ini.keys(QStringLiteral("stat")),
            (QStringList{QStringLiteral("kb"), QStringLiteral("z0"), QStringLiteral("z1"), QStringLiteral("z2"),
                         QStringLiteral("z3")}));
  auto v = openWith(QString(), QStringLiteral("7"));
  deliverCommand(v.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(v->valueList()->toPlainText(), QStringLiteral("1 2\n\n3.5;4\n5"));
  EXPECT_EQ(v->classWidthEdit()->text(), QStringLiteral("0,25"));
  // A loaded width stays while the window lays itself out again.
  v->resize(v->size() + QSize(40, 20));
  QApplication::processEvents();
  EXPECT_EQ(v->classWidthEdit()->text(), QStringLiteral("0,25"));
}

TEST_F(StatWindowTest, PictureShowsTheBoxPlotAndTheOutlier) {
  auto w = openWith(QStringLiteral("1 2 3 4 5 6 7 8 9 30"));
  w->pageControl()->setCurrentIndex(2);
  QApplication::processEvents();
  ASSERT_EQ(w->currentPage(), 2);
  EXPECT_EQ(w->depthBar()->value(), 10);
  EXPECT_EQ(w->angleBar()->value(), 30);
  const TVIrada& chart = w->chartPage().chart();
  // y from −top/3: top = 125 · 1 / 10 per cent.
  const double R = -12.5 / 3, y1 = R / 3, y2 = R * 3 / 4, e = (y1 + y2) / 2;
  EXPECT_NEAR(chart.Layers().Y(1).RangeLow(), R, 1e-9);
  EXPECT_TRUE(Draws(chart, {Segment{2.75, y1, 8.25, y1}}));
  EXPECT_TRUE(Draws(chart, {Segment{5.5, y1, 5.5, y2}}));       // the median
  EXPECT_TRUE(Draws(chart, {Segment{1, e, 2.75, e}}));          // left whisker
  EXPECT_TRUE(Draws(chart, {Segment{9, e, 8.25, e}}));          // right whisker ends at 9
  EXPECT_TRUE(Draws(chart, {Text{30, e, QStringLiteral("o")}}));
  EXPECT_FALSE(Draws(chart, {Text{9, e, QStringLiteral("o")}}));
  // Moving a bar redraws at once; the next set-up brings both back.
  w->angleBar()->setValue(120);
  EXPECT_EQ(w->angleBar()->value(), 120);
  w->pageControl()->setCurrentIndex(0);
  w->pageControl()->setCurrentIndex(2);
  QApplication::processEvents();
  EXPECT_EQ(w->angleBar()->value(), 30);
}

TEST_F(StatWindowTest, PrintoutHoldsTheMemoAndTheChartNeverOpened) {
  auto w = openWith(QStringLiteral("1 2 3 4 5"));
  w->okButton(0)->click();
  const QString pdf = printToPdf(QStringLiteral("stat.pdf"));
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("Left whisker=1"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("%"))) << text.toStdString();  // the percent scale
}

}  // namespace
}  // namespace zw
