// The rational discussion window: the grid of numerator and denominator, the
// curves split at the poles, the pole lines and the asymptote behind their
// switches, the value table, refused input, the worksheet and the printout.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "platform/ini/IniFile.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/analysis/CurveWindowTest.h"
#include "topics/analysis/RatFktWindow.h"

namespace zw {
namespace {

using curves::StrokesIn;

class RatFktWindowTest : public CurveWindowTest {
protected:
  // Coefficients from x⁹ down to x⁰ (fewer: the lowest powers) of each row.
  std::unique_ptr<TFRatFkt> open(QStringList z, QStringList n) {
    auto w = openTopic<TFRatFkt>();
    w->resize(760, 560);
    for (int row = 1; row <= 2; ++row) {
      const QStringList& c = row == 1 ? z : n;
      for (int col = 1; col <= 10; ++col) w->grid()->setCells(col, row, QString());
      for (int i = 0; i < c.size(); ++i) w->grid()->setCells(11 - int(c.size()) + i, row, c[i]);
    }
    return w;
  }
  static bool memoHas(const QStringList& lines, const QString& text) {
    for (const QString& l : lines)
      if (l.simplified().contains(text)) return true;
    return false;
  }
};

TEST_F(RatFktWindowTest, CurvesAreSplitAtThePolesAndTheSwitchesAddTheRest) {
  auto w = open({"1"}, {"1", "0"});  // 1/x
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(w->memoLines(), QStringLiteral("x₁ = 0 Pol mit Vorzeichenwechsel")));
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  TVIrada& chart = w->chartPage().chart();
  const ChartPage& page = w->chartPage();
  const auto f = StrokesIn(chart, page.color(1));
  ASSERT_FALSE(f.empty());
  EXPECT_TRUE(curves::AllOn(f, [](double x) { return 1 / x; }));
  EXPECT_TRUE(curves::NoneAcross(f, 0));
  // Only ƒ at first; the pole line and the asymptote behind their switches.
  EXPECT_TRUE(StrokesIn(chart, page.color(2)).empty());
  EXPECT_TRUE(StrokesIn(chart, page.color(4)).empty());
  click(w->switches().box(4));
  click(w->switches().box(5));
  const auto poleLine = StrokesIn(chart, page.color(4));
  ASSERT_FALSE(poleLine.empty());
  for (const curves::Stroke& p : poleLine) EXPECT_TRUE(p.x1 == 0 && p.x2 == 0);
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(5)), [](double) { return 0; }));
  click(w->switches().box(2));
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(2)), [](double x) { return -1 / (x * x); }, 1e-6));
  if (qEnvironmentVariableIsSet("ZW_SCREENSHOT_DIR")) {
    const QString dir = qEnvironmentVariable("ZW_SCREENSHOT_DIR");
    for (int i = 0; i < 4; ++i) {
      w->pageControl()->setCurrentIndex(i);
      w->grab().save(dir + QStringLiteral("/ratfkt-%1.png").arg(i));
    }
  }
}

TEST_F(RatFktWindowTest, ComingBackDrawsTheNewFunctionAtItsOwnPoles) {
  auto w = open({"1"}, {"1", "0"});
  w->pageControl()->setCurrentIndex(2);
  w->pageControl()->setCurrentIndex(0);
  w->grid()->setCells(9, 2, QStringLiteral("1"));
  w->grid()->setCells(10, 2, QStringLiteral("-2"));  // 1/(x − 2)
  w->pageControl()->setCurrentIndex(2);
  const auto f = StrokesIn(w->chartPage().chart(), w->chartPage().color(1));
  EXPECT_TRUE(curves::AllOn(f, [](double x) { return 1 / (x - 2); }));
  EXPECT_TRUE(curves::NoneAcross(f, 2));
}

TEST_F(RatFktWindowTest, BadCellIsRefusedWithItsFocus) {
  for (const char* text : {"abc", "1e999", "1/0"}) {
    SCOPED_TRACE(text);
    errors_.clear();
    auto w = open({"1"}, {QString::fromUtf8(text), "1"});
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], GetMessageText(22));
    EXPECT_EQ(w->grid()->Row(), 2);
  }
}

TEST_F(RatFktWindowTest, ValueTableShowsNoValueAtAGap) {
  auto w = open({"1", "-2", "1"}, {"1", "-2", "1"});  // (x − 1)²/(x − 1)²
  w->pageControl()->setCurrentIndex(3);
  ASSERT_EQ(w->currentPage(), 3);
  w->table().edits()[0]->setText(QStringLiteral("0"));
  w->table().edits()[1]->setText(QStringLiteral("2"));
  w->table().changed();
  const QStringList lines = w->table().memo()->toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 6 + 3);
  // ƒ has no value at the gap; its derivatives come from the cancelled function.
  EXPECT_EQ(lines[7].simplified(), "1 --- 0 0");
}

TEST_F(RatFktWindowTest, WorksheetRoundTripBeforeTheChartWasBuilt) {
  const QString path = file("r.dat");
  {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[ratfkt]\na2=1\na0=-1\nb1=1\nb0=-1\nxmin=-3\nxmax=3\nymin=-2\nymax=4\n");
    f.close();
    auto w = open({}, {});
    deliverCommand(w.get(), WM_LOADWORKSHEET, path);
    EXPECT_EQ(w->grid()->Cells(9, 2), "1");
    deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  }
  IniFile ini(path);
  for (const char* k : {"a2", "a0", "b1", "b0", "xmin", "xmax", "ymin", "ymax", "LineColor", "LineWidth"})
    EXPECT_TRUE(ini.hasKey("ratfkt", k)) << k;
  EXPECT_EQ(ini.readString("ratfkt", "ymax"), "4");
  auto w = open({}, {});
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  w->pageControl()->setCurrentIndex(2);
  const TChartLayers& l = w->chartPage().chart().Layers();
  EXPECT_DOUBLE_EQ(l.X(1).RangeLow(), -3);
  EXPECT_DOUBLE_EQ(l.Y(1).RangeHigh(), 4);
  EXPECT_TRUE(memoHas(w->memoLines(), QStringLiteral("Schiefe Asymptote y = x + 1")));
}

TEST_F(RatFktWindowTest, PrintsTheChosenPages) {
  struct Row {
    int from, to;
    bool memo, chart, table;
  } rows[] = {{0, 0, true, true, true}, {2, 2, false, true, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.from << ".." << r.to);
    const QString pdf = file(QStringLiteral("r%1%2.pdf").arg(r.from).arg(r.to));
    printPagesToPdf(pdf, r.from, r.to);
    auto w = open({"1"}, {"1", "0"});
    w->pageControl()->setCurrentIndex(1);
    deliverCommand(w.get(), WM_PRINTWORKSHEET);
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.contains(QStringLiteral("Definitionslücken")), r.memo) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("——— ƒ")), r.chart) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("——— ƒp"))) << text.toStdString();
  }
}

}  // namespace
}  // namespace zw
