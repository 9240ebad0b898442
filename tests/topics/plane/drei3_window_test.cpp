// The window of triangles from three points: the grid read with one box on
// the first bad cell, the collinear points, the chart, the grid's pop-up
// (paste, CSV export and import) and the worksheet.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>

#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/plane/Drei3Window.h"

namespace zw {
namespace {

class Drei3WindowTest : public TopicTestBase {
protected:
  static void fill(TFDrei3& w, const QStringList& cells) {
    for (int i = 0; i < 6; ++i) w.grid()->setCells(1 + i % 2, 1 + i / 2, i < cells.size() ? cells[i] : QString());
  }
};

TEST_F(Drei3WindowTest, ResultsAndChart) {
  auto w = openTopic<TFDrei3>();
  w->resize(700, 450);
  fill(*w, {"0", "0", "4", "0", "0", "3"});
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, "M(2|1,5)"));
  EXPECT_TRUE(memoHas(*w, "O(1|1)"));
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  using namespace figures;
  ChartPage& p = w->chartPage();
  std::vector<Figure> expected = {{Segment{0, 0, 4, 0}, p.color(1), p.width(1)},
                                  {Segment{4, 0, 0, 3}, p.color(1), p.width(1)},
                                  {Segment{0, 3, 0, 0}, p.color(1), p.width(1)},
                                  {Circle{2, 1.5, 2.5}, p.color(2), p.width(2)},
                                  {Circle{1, 1, 1}, p.color(3), p.width(3)}};
  for (const Figure& a : Axes(p.chart())) expected.push_back(a);
  EXPECT_TRUE(DrawsExactly(p.chart(), expected));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Drei3WindowTest, BadCellsAndCollinearPoints) {
  struct Case {
    QStringList cells;
    int message, col, row;
  };
  const Case cases[] = {
      {{"0", "0", "4", "abc", "0", "y"}, 22, 2, 2},  // the first bad cell, row by row
      {{"1e999", "0", "4", "0", "0", "3"}, 22, 1, 1},
      {{"0", "0", "4", "0", QString(10000, '1'), "3"}, 22, 1, 3},
      {{"0", "0", "4", "0", "0", "3\x07" "3"}, 22, 2, 3},
      {{"0", "0", "1", "1", "2", "2"}, 8, -1, -1},
      {{}, 8, -1, -1},  // an empty grid: three times (0|0)
  };
  for (const Case& c : cases) {
    auto w = openTopic<TFDrei3>();
    fill(*w, c.cells);
    errors_.clear();
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u) << c.message;
    EXPECT_EQ(errors_[0], GetMessageText(c.message));
    if (c.col > 0) {
      EXPECT_EQ(w->grid()->Col(), c.col) << c.message;
      EXPECT_EQ(w->grid()->Row(), c.row) << c.message;
    }
  }
}

TEST_F(Drei3WindowTest, PasteExportAndImport) {
  auto w = openTopic<TFDrei3>();
  auto* menu = w->grid()->findChild<GridMenu*>();
  ASSERT_NE(menu, nullptr);
  QApplication::clipboard()->setText("0;0\r\n4;0\r\n0;3\r\n");
  menu->paste();
  EXPECT_EQ(w->grid()->Cells(1, 2), "4");
  EXPECT_EQ(w->grid()->Cells(2, 3), "3");
  commandUi().saveFile = [&](QWidget*, const QString&, const QString&) { return file("tri"); };
  menu->exportCsv();
  QFile f(file("tri.csv"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(f.readAll()), "0;0\r\n4;0\r\n0;3\r\n");
  // A larger file: only A, B, C with x and y stay.
  QFile b(file("big.csv"));
  ASSERT_TRUE(b.open(QIODevice::WriteOnly));
  b.write("1;2;3\n5;6;7\n9;12;11\n13;14;15\n17;18;19\n");
  b.close();
  commandUi().openFile = [&](QWidget*, const QString&, const QString&) { return file("big.csv"); };
  menu->importCsv();
  EXPECT_EQ(w->grid()->RowCount(), 4);
  EXPECT_EQ(w->grid()->ColCount(), 3);
  EXPECT_EQ(w->grid()->Cells(2, 3), "12");
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Drei3WindowTest, WorksheetRoundTrip) {
  auto w = openTopic<TFDrei3>();
  fill(*w, {"1", "2", "3", "", "5", "6"});
  w->chartPage().colorList() = "7,8,9";
  const QString f = file("d3.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  QFile in(f);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(in.readAll());
  for (const char* k : {"x1=1", "y1=2", "x2=3", "y2=", "x3=5", "y3=6", "LineColor=7,8,9"})
    EXPECT_TRUE(text.contains(k)) << k;
  fill(*w, {});
  w->chartPage().colorList() = "1";
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(w->grid()->Cells(1, 1), "1");
  EXPECT_EQ(w->grid()->Cells(2, 3), "6");
  EXPECT_EQ(w->chartPage().colorList(), "7,8,9");
}

}  // namespace
}  // namespace zw
