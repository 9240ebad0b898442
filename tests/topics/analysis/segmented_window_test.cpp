// The segmented function plotter: segments drawn over their own intervals with
// end marks, the bracket cells, refused interval ends, the first range, the
// worksheet and the printout of every segment.
#include <QCheckBox>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>

#include "platform/ini/IniFile.h"
#include "shell/kit/Grids.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/analysis/CurveWindowTest.h"
#include "topics/analysis/SegmentedPlotWindow.h"

namespace zw {
namespace {

using curves::StrokesIn;
using namespace figures;

class SegmentedWindowTest : public CurveWindowTest {
protected:
  struct Row {
    const char* term;
    const char* from;
    const char* to;
  };
  std::unique_ptr<TFFPLot2> open(std::initializer_list<Row> rows) {
    auto w = openTopic<TFFPLot2>();
    w->resize(760, 520);
    int i = 1;
    for (const Row& r : rows) {
      w->grid()->setCells(1, i, QString::fromUtf8(r.term));
      w->grid()->setCells(2, i, QString::fromUtf8(r.from));
      w->grid()->setCells(3, i, QString::fromUtf8(r.to));
      ++i;
    }
    return w;
  }
};

TEST_F(SegmentedWindowTest, SegmentsOverTheirIntervalsWithEndMarks) {
  auto w = open({{"x^2", "-2", "0"}, {"2 - x", "0", "3"}});
  w->toggleBracket(1, 2);  // " [" → "["
  w->toggleBracket(2, 2);  // "[" … the right end of segment 2: " [" → "["
  w->toggleBracket(2, 2);  // "[" → "]"
  EXPECT_EQ(w->brackets()->Cells(2, 2), "]");
  EXPECT_EQ(w->brackets()->Cells(1, 1), " [");
  w->endMarks()->setChecked(true);
  w->pageControl()->setCurrentIndex(1);
  ASSERT_EQ(w->currentPage(), 1);
  const TVIrada& chart = w->chartPage().chart();
  const ChartPage& page = w->chartPage();
  const auto p1 = StrokesIn(chart, page.color(1)), p2 = StrokesIn(chart, page.color(2));
  ASSERT_FALSE(p1.empty());
  ASSERT_FALSE(p2.empty());
  EXPECT_TRUE(curves::AllOn(p1, [](double x) { return x * x; }));
  EXPECT_TRUE(curves::AllOn(p2, [](double x) { return 2 - x; }));
  EXPECT_NEAR(curves::LowestX(p1), -2, 1e-9);
  EXPECT_LE(curves::HighestX(p1), 0.05);
  EXPECT_NEAR(curves::LowestX(p2), 0, 1e-9);
  EXPECT_GE(curves::HighestX(p2), 2.95);
  // Included ends get a filled disc: segment 1 at x = -2, segment 2 at x = 0
  // (where segment 1 ends in a hollow square, within a pixel of 0).
  EXPECT_TRUE(Draws(chart, Figure{Mark{-2, 4, 24}, page.color(1)}));
  EXPECT_TRUE(Draws(chart, Figure{Mark{0, 2, 24}, page.color(2)}));
  EXPECT_FALSE(Draws(chart, Figure{Mark{0, 2, 12}}));
  // Marks off: none.
  w->endMarks()->setChecked(false);
  EXPECT_FALSE(Draws(chart, Figure{Mark{0, 2}}));
}

TEST_F(SegmentedWindowTest, RefusedIntervalEnds) {
  struct Case {
    const char* what;
    const char* from;
    const char* to;
  } cases[] = {
      {"a fraction", "1/2", "3"}, {"pi", "pi", "3"}, {"empty", "", "3"}, {"letters", "0", "abc"},
      {"1e999", "0", "1e999"},    {"control characters", "\x01", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    errors_.clear();
    auto w = open({{"x", c.from, c.to}});
    w->pageControl()->setCurrentIndex(1);
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], GetMessageText(22));
    EXPECT_EQ(w->grid()->Row(), 1);
  }
  // "," or "." both read; an empty segment's ends are not looked at.
  errors_.clear();
  auto w = open({{"x", "-1,5", "2.5"}, {"", "abc", ""}});
  w->pageControl()->setCurrentIndex(1);
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(double(w->segments()[0].from), -1.5);
}

TEST_F(SegmentedWindowTest, FirstRange) {
  struct Case {
    const char* what;
    std::initializer_list<Row> rows;
    const char* sheet;
    double xLo, xHi;
  } cases[] = {
      {"the stored range", {{"x", "-2", "3"}}, "xmin=-4\nxmax=4\nymin=-3\nymax=3\n", -4, 4},
      {"the segments' extent", {{"x", "-2", "3"}, {"1", "4", "6"}}, "xmin=\n", -2, 6},
      {"no segment", {}, "xmin=\n", -10, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = file("r.dat");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray("[fplot2]\n") + c.sheet);
    f.close();
    auto w = openTopic<TFFPLot2>();
    w->resize(760, 520);
    deliverCommand(w.get(), WM_LOADWORKSHEET, path);
    int i = 1;
    for (const Row& r : c.rows) {
      w->grid()->setCells(1, i, QString::fromUtf8(r.term));
      w->grid()->setCells(2, i, QString::fromUtf8(r.from));
      w->grid()->setCells(3, i++, QString::fromUtf8(r.to));
    }
    w->pageControl()->setCurrentIndex(1);
    const TChartLayers& l = w->chartPage().chart().Layers();
    // Equal scales may widen one of the two ranges, never narrow it.
    EXPECT_LE(l.X(1).RangeLow(), c.xLo + 1e-9);
    EXPECT_GE(l.X(1).RangeHigh(), c.xHi - 1e-9);
    if (i == 1 || QByteArray(c.sheet).contains("xmax")) {
      EXPECT_DOUBLE_EQ(l.X(1).RangeLow(), c.xLo);
      EXPECT_DOUBLE_EQ(l.X(1).RangeHigh(), c.xHi);
    }
  }
}

TEST_F(SegmentedWindowTest, WorksheetKeys) {
  const QString path = file("p.dat");
  {
    auto w = open({{"x^2", "-2", "0"}});
    w->toggleBracket(2, 1);
    w->toggleBracket(2, 1);
    deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  }
  IniFile ini(path);
  EXPECT_EQ(ini.readString("fplot2", "f1"), "x^2");
  EXPECT_EQ(ini.readString("fplot2", "f1von"), "-2");
  EXPECT_EQ(ini.readString("fplot2", "f1bis"), "0");
  EXPECT_EQ(ini.readString("fplot2", "f1re"), "]");
  for (const char* k : {"f12", "f12li", "xmin", "ymax", "LineColor", "LineWidth"})
    EXPECT_TRUE(ini.hasKey("fplot2", k)) << k;
  auto w = openTopic<TFFPLot2>();
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(w->grid()->Cells(1, 1), "x^2");
  EXPECT_EQ(w->brackets()->Cells(2, 1), "]");
  EXPECT_EQ(w->brackets()->Cells(1, 1).trimmed(), "[");
}

TEST_F(SegmentedWindowTest, PrintoutListsEverySegmentWithItsInterval) {
  auto w = open({{"x^2", "-2", "3"}, {"1", "0", "1"}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""},
                 {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"x/3", "3", "4"}});
  const QString pdf = printToPdf(QStringLiteral("p.pdf"));
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("Abschnittsweise Funktionen"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("ƒ1(x) = x^2 ;   x Є  [-2; 3 ["))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("ƒ12(x) = x/3"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("———ƒ12"))) << text.toStdString();
}

}  // namespace
}  // namespace zw
