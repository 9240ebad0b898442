// The function plotter window: terms from the grid, curves on the chart page,
// the switches beside the chart, worksheets and the printout.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>

#include "charts/ChartDraw.h"
#include "kernel/Evaluator.h"
#include "platform/ini/IniFile.h"
#include "shell/Settings.h"
#include "shell/kit/Grids.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/analysis/CurveWindowTest.h"
#include "topics/analysis/FunctionPlotWindow.h"

namespace zw {
namespace {

using curves::StrokesIn;

class FunctionPlotWindowTest : public CurveWindowTest {
protected:
  std::unique_ptr<TFFPlot1> open(std::initializer_list<const char*> terms) {
    auto w = openTopic<TFFPlot1>();
    w->resize(720, 440);
    int row = 1;
    for (const char* t : terms) w->grid()->setCells(1, row++, QString::fromUtf8(t));
    return w;
  }
  // The curves are drawn as a long run.
  static void toChart(TFFPlot1& w) {
    w.pageControl()->setCurrentIndex(1);
    waitForRun(w);
  }
  static TColor color(TFFPlot1& w, int i) { return w.chartPage().color(i); }
  QString sheet(const QString& body) {
    const QString path = file("sheet.dat");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(("[fplot1]\n" + body).toUtf8());
    return path;
  }
};

TEST_F(FunctionPlotWindowTest, CurvesReferencesAndPoles) {
  auto w = open({"x^2", "f1(x-2)", "1/x", "y1'"});
  toChart(*w);
  TVIrada& chart = w->chartPage().chart();
  const auto parabola = StrokesIn(chart, color(*w, 1)), shifted = StrokesIn(chart, color(*w, 2));
  const auto hyperbola = StrokesIn(chart, color(*w, 3)), slope = StrokesIn(chart, color(*w, 4));
  ASSERT_FALSE(parabola.empty());
  EXPECT_TRUE(curves::AllOn(parabola, [](double x) { return x * x; }));
  ASSERT_FALSE(shifted.empty());
  EXPECT_TRUE(curves::AllOn(shifted, [](double x) { return (x - 2) * (x - 2); }));
  EXPECT_EQ(w->resolvedTerms()[1], u"((x-2)^2)");
  ASSERT_FALSE(hyperbola.empty());
  EXPECT_TRUE(curves::AllOn(hyperbola, [](double x) { return 1 / x; }));
  EXPECT_TRUE(curves::NoneAcross(hyperbola, 0));
  EXPECT_NEAR(curves::LowestX(hyperbola), -10, 1e-9);
  EXPECT_NEAR(curves::HighestX(hyperbola), 10, 1e-9);
  EXPECT_TRUE(curves::AllOn(slope, [](double x) { return 2 * x; }));
  // With ZW_SCREENSHOT_DIR set, the chart page for a look.
  if (qEnvironmentVariableIsSet("ZW_SCREENSHOT_DIR"))
    w->grab().save(qEnvironmentVariable("ZW_SCREENSHOT_DIR") + QStringLiteral("/fplot1-chart.png"));
}

TEST_F(FunctionPlotWindowTest, DegreesDrawOneArchAndLeaveTheProgramModeAlone) {
  kernelState().AngleMode = 2;
  auto w = open({"sin(x)"});
  deliverCommand(w.get(), WM_LOADWORKSHEET, sheet("f1=sin(x)\nxmin=0\nxmax=180\nymin=-2\nymax=2\n"));
  w->angleMode().button(0)->click();
  toChart(*w);
  const auto arch = StrokesIn(w->chartPage().chart(), color(*w, 1));
  ASSERT_FALSE(arch.empty());
  EXPECT_TRUE(curves::AllOn(arch, [](double x) { return std::sin(x * M_PI / 180); }, 1e-9));
  EXPECT_NEAR(curves::LowestX(arch), 0, 1e-9);
  EXPECT_NEAR(curves::HighestX(arch), 180, 1e-9);
  EXPECT_EQ(kernelState().AngleMode, 2);
}

// Twelve long terms that refer to each other take seconds: the curves are
// drawn as a long run that ESC stops, keeping what is drawn; drawn again to
// the end, they are the curves of a run never stopped.
TEST_F(FunctionPlotWindowTest, EscapeStopsTheDrawingAndARedrawCompletesIt) {
  const std::string f1 = QStringLiteral("sin(x)*cos(x)+").repeated(150).toStdString() + "x";
  std::vector<std::string> terms{f1};
  for (int i = 2; i <= CurveCount; ++i) terms.push_back("y" + std::to_string(i - 1) + "+1");
  std::vector<const char*> texts;
  for (const std::string& t : terms) texts.push_back(t.c_str());
  const auto opened = [&] {
    auto w = openTopic<TFFPlot1>();
    w->resize(720, 440);
    for (int i = 0; i < CurveCount; ++i) w->grid()->setCells(1, i + 1, QString::fromUtf8(texts[std::size_t(i)]));
    return w;
  };
  auto whole = opened();
  toChart(*whole);
  const auto expected = StrokesOf(whole->chartPage(), CurveCount);
  ASSERT_TRUE(curves::Chained(expected[0]));
  ASSERT_FALSE(expected[11].empty());
  EXPECT_GT(whole->longRun().slices(), 1);

  auto w = opened();
  w->pageControl()->setCurrentIndex(1);
  const ChartPage& page = w->chartPage();
  escapeOnceTheFirstCurveShows(*w, page);
  const auto kept = StrokesOf(page, CurveCount);
  EXPECT_FALSE(kept[0].empty());
  EXPECT_TRUE(kept[11].empty());
  w->chartPage().doubleClicked();
  waitForRun(*w);
  const auto again = StrokesOf(page, CurveCount);
  for (int i = 0; i < CurveCount; ++i) EXPECT_TRUE(curves::SameStrokes(again[std::size_t(i)], expected[std::size_t(i)])) << i + 1;
}

TEST_F(FunctionPlotWindowTest, SwitchesHideAndShowCurves) {
  auto w = open({"x", "", "x+1"});
  toChart(*w);
  TVIrada& chart = w->chartPage().chart();
  QLineEdit* box3 = w->switches().box(3);
  EXPECT_TRUE(box3->isVisibleTo(w.get()));
  EXPECT_FALSE(w->switches().box(2)->isVisibleTo(w.get()));  // no term
  click(box3);
  waitForRun(*w);
  EXPECT_TRUE(StrokesIn(chart, color(*w, 3)).empty());
  EXPECT_FALSE(StrokesIn(chart, color(*w, 1)).empty());
  EXPECT_EQ(box3->palette().color(QPalette::Text), QColor(Qt::white));
  click(box3);
  waitForRun(*w);
  EXPECT_FALSE(StrokesIn(chart, color(*w, 3)).empty());
  EXPECT_EQ(box3->palette().color(QPalette::Text), ToQColor(color(*w, 3)));
  // Every curve hidden: only the axes are left.
  click(w->switches().box(1));
  waitForRun(*w);
  click(box3);
  waitForRun(*w);
  EXPECT_TRUE(StrokesIn(chart, color(*w, 1)).empty());
  EXPECT_TRUE(StrokesIn(chart, color(*w, 3)).empty());
  // A double click builds afresh and shows every curve again.
  w->chartPage().doubleClicked();
  waitForRun(*w);
  EXPECT_FALSE(StrokesIn(chart, color(*w, 3)).empty());
}

TEST_F(FunctionPlotWindowTest, UnreadableRangeFallsBack) {
  auto w = open({});
  deliverCommand(w.get(), WM_LOADWORKSHEET, sheet("f1=x\nxmin=abc\nxmax=4\nymin=-1\nymax=1\n"));
  toChart(*w);
  const TChartLayers& l = w->chartPage().chart().Layers();
  EXPECT_DOUBLE_EQ(l.X(1).RangeLow(), -10);
  EXPECT_DOUBLE_EQ(l.X(1).RangeHigh(), 10);
}

TEST_F(FunctionPlotWindowTest, WorksheetKeysRoundTrip) {
  kernelState().RegionalDecimalSeparator = u',';
  const QString path = file("round.dat");
  {
    // Never built: the stored range texts are written back.
    auto w = open({"x^2", "", "", "", "", "", "", "", "", "", "", "sin(x)"});
    deliverCommand(w.get(), WM_LOADWORKSHEET, sheet("f1=x^2\nf12=sin(x)\nxmin=-2,5\nxmax=3.5\nymin=-1\nymax=9\n"));
    deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  }
  IniFile ini(path);
  EXPECT_EQ(ini.readString("fplot1", "f1"), "x^2");
  EXPECT_EQ(ini.readString("fplot1", "f12"), "sin(x)");
  EXPECT_EQ(ini.readString("fplot1", "xmin"), "-2,5");
  EXPECT_EQ(ini.readString("fplot1", "xmax"), "3.5");
  EXPECT_TRUE(ini.hasKey("fplot1", "LineColor"));
  EXPECT_TRUE(ini.hasKey("fplot1", "LineWidth"));
  auto w = open({});
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(w->grid()->Cells(1, 12), "sin(x)");
  toChart(*w);
  const TChartLayers& l = w->chartPage().chart().Layers();
  EXPECT_DOUBLE_EQ(l.X(1).RangeLow(), -2.5);
  EXPECT_DOUBLE_EQ(l.X(1).RangeHigh(), 3.5);
  // Built: the chart's current range is written, with the regional separator.
  w->chartPage().centre();
  deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  EXPECT_EQ(IniFile(path).readString("fplot1", "xmin"), "-3");
}

TEST_F(FunctionPlotWindowTest, PrintoutListsTermsChartAndLegendUnopened) {
  const QString pdf = printToPdf("plot.pdf");
  auto w = open({"x^2", "", "  ", "sin(x)"});
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Funktionsplotter")) << text.toStdString();
  EXPECT_TRUE(text.contains("Funktionsterme")) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("ƒ1(x) = x^2"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("ƒ4(x) = sin(x)"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("ƒ3(x)"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("———ƒ4"))) << text.toStdString();
  EXPECT_FALSE(StrokesIn(w->chartPage().chart(), color(*w, 1)).empty());
}

TEST_F(FunctionPlotWindowTest, SnapshotOnTheClipboard) {
  auto w = open({"x"});
  toChart(*w);
  QApplication::clipboard()->clear();
  deliverCommand(w.get(), WM_SNAPSHOT);
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(FunctionPlotWindowTest, TermMenuPastesACoefficientListAsItsPolynomial) {
  auto w = open({"x"});
  w->grid()->setCurrentGridCell(1, 2);
  QApplication::clipboard()->setText(QStringLiteral("1;0;-1"));
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), w->grid()->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(w->grid()->viewport(), &menuEvent);
  auto* menu = w->grid()->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 3);
  menu->actions()[2]->trigger();
  Extended v = 0;
  std::int32_t err = 0;
  EvaluateFormula(w->grid()->Cells(1, 2).toStdU16String(), v, err, 3);
  EXPECT_EQ(err, 0) << w->grid()->Cells(1, 2).toStdString();
  EXPECT_DOUBLE_EQ(double(v), 8.0);
  menu->actions()[0]->trigger();  // cut
  EXPECT_EQ(w->grid()->Cells(1, 2), "");
  EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());
}

}  // namespace
}  // namespace zw
