// Grid set-up: heads, cell sizes, outer sizes, editor and focus.
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "kernel/CheckedInput.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/Grids.h"
#include "tests/shell/kit_test_support.h"

namespace zw {
namespace {

class KitGrids : public test::KitTest {};

TEST_F(KitGrids, MatrixGridOuterSizes) {
  struct Case { int zoom, rows, cols, colWidth, w, h; bool vbar, hbar; } cases[] = {
      {100, 3, 3, 66, 225, 87, false, false},
      {100, 8, 3, 66, 243, 129, true, false},   // five rows shown, room for the bar
      {100, 3, 8, 66, 359, 105, false, true},
      {100, 8, 8, 66, 377, 147, true, true},
      {100, 5, 5, 66, 359, 129, false, false},
      {150, 3, 3, 100, 337, 127, false, false},
      {120, 3, 3, 80, 271, 103, false, false},
  };
  for (const Case& c : cases) {
    const MatrixGridGeometry g = matrixGridGeometry(computeMetrics(c.zoom), c.rows, c.cols, 1);
    EXPECT_EQ(g.colWidth, c.colWidth) << c.rows << "x" << c.cols << " at " << c.zoom;
    EXPECT_EQ(g.size, QSize(c.w, c.h)) << c.rows << "x" << c.cols << " at " << c.zoom;
    EXPECT_EQ(g.verticalBar, c.vbar);
    EXPECT_EQ(g.horizontalBar, c.hbar);
  }
}

TEST_F(KitGrids, OtherOuterSizes) {
  const LayoutMetrics m = computeMetrics(100);
  EXPECT_EQ(twoPointGridSize(m, 80, 1), QSize(186, 66));
  EXPECT_EQ(onePointGridSize(m, 80, 1), QSize(186, 45));
  EXPECT_EQ(coordGridSize(m, 3, 3, 100, 1), QSize(327, 87));
  EXPECT_EQ(pointListGridWidth(m, 100, 1), 244);
  EXPECT_EQ(numberedGridSize(m, 100, 11, 1), QSize(400, 234));
}

TEST_F(KitGrids, MatrixGridShowsExactlyItsCells) {
  QWidget page;
  page.resize(600, 400);
  auto* grid = new StringGrid(&page);
  SetupMatrixGrid(grid, 10, 20, 3, 3, QStringLiteral("A"));
  page.show();
  QApplication::processEvents();
  EXPECT_EQ(grid->geometry(), QRect(10, 20, 225, 87));
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->Cells(0, 0), QStringLiteral("A"));
  EXPECT_EQ(grid->Cells(3, 0), QStringLiteral("3"));
  EXPECT_EQ(grid->Cells(0, 2), QStringLiteral("2"));
  EXPECT_EQ(grid->colWidth(1), 66);
  EXPECT_EQ(grid->colWidth(0), 20);
  // Nothing to scroll: every cell is in view.
  EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

  // Eight rows: a vertical bar, and still every column in view.
  SetupMatrixGrid(grid, 10, 20, 8, 3, QStringLiteral("B"));
  QApplication::processEvents();
  EXPECT_EQ(grid->size(), QSize(243, 129));
  EXPECT_GT(grid->verticalScrollBar()->maximum(), 0);
  EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
  EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
  // The bar takes exactly the room kept for it: no slack beside the cells.
  EXPECT_EQ(grid->viewport()->width(), 3 * (66 + 1));
  EXPECT_EQ(grid->verticalScrollBar()->width(), StringGrid::ScrollBarExtent);
  // Scrolling keeps the column heads in place.
  grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
  EXPECT_EQ(grid->Cells(2, 0), QStringLiteral("2"));
  EXPECT_TRUE(grid->horizontalHeader()->isVisible());

  // Eight columns: five of them in view, the bar right below the three rows.
  SetupMatrixGrid(grid, 10, 20, 3, 8, QStringLiteral("C"));
  QApplication::processEvents();
  EXPECT_EQ(grid->size(), QSize(359, 105));
  EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
  EXPECT_EQ(grid->viewport()->size(), QSize(5 * (66 + 1), 3 * (20 + 1)));
}

TEST_F(KitGrids, PointGridsShowTheirRowsWhole) {
  // The one-point grid keeps the frame's two pixels like every other grid:
  // without them its value row would be cut.
  QWidget page;
  page.resize(500, 200);
  auto* one = new StringGrid(&page);
  auto* two = new StringGrid(&page);
  SetupOnePointGrid(one, 0, 0, 80);
  SetupTwoPointGrid(two, 0, 60, 80);
  page.show();
  QApplication::processEvents();
  EXPECT_EQ(one->viewport()->size(), QSize(2 * (80 + 1), 20 + 1));
  EXPECT_EQ(two->viewport()->size(), QSize(2 * (80 + 1), 2 * (20 + 1)));
}

TEST_F(KitGrids, CoordAndPointGridHeads) {
  StringGrid grid;
  grid.setColCount(4);
  grid.setRowCount(4);
  SetupCoordGrid(&grid, 0, 0);
  EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("x"));
  EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("y"));
  EXPECT_EQ(grid.Cells(3, 0), QStringLiteral("z"));
  EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("A"));
  EXPECT_EQ(grid.Cells(0, 3), QStringLiteral("C"));
  EXPECT_EQ(grid.size(), coordGridSize(metrics(), 3, 3, grid.colWidth(1), 1));

  StringGrid two;
  SetupTwoPointGrid(&two, 5, 6, 80);
  EXPECT_EQ(two.Cells(0, 1), QStringLiteral("P"));
  EXPECT_EQ(two.Cells(0, 2), QStringLiteral("Q"));
  EXPECT_EQ(two.Cells(2, 0), QStringLiteral("y"));
  EXPECT_EQ(two.geometry(), QRect(5, 6, 186, 66));

  StringGrid list;
  SetupPointListGrid(&list, 0, 0, 200);
  EXPECT_EQ(list.RowCount(), 21);
  EXPECT_EQ(list.Cells(0, 20), QStringLiteral("T"));
  EXPECT_EQ(list.size(), QSize(pointListGridWidth(metrics(), list.colWidth(1), 1), 200));

  StringGrid numbered;
  SetupNumberedGrid(&numbered, 0, 0, 5, 6);
  EXPECT_EQ(numbered.Cells(0, 5), QStringLiteral("5"));
  EXPECT_EQ(numbered.colWidth(2), 36);
  EXPECT_EQ(numbered.colWidth(3), 100);
  EXPECT_EQ(numbered.Cells(0, 10), QString());  // rows beyond the grid are left out
}

TEST_F(KitGrids, PointGridColumnsShowTheWidestNumberWhole) {
  // A point's cell takes any number a field does; at zoom 150 or in a wider
  // font the standard column cut it off.
  const QString widest = QString::fromStdU16String(LongestAcceptedNumber(u'f', u','));
  for (const int zoom : {100, 150}) {
    applyZoom(zoom);
    const int need = GridCellWidthFor(widest);
    StringGrid coord, point, list;
    coord.setColCount(4);
    coord.setRowCount(4);
    point.setColCount(3);
    point.setRowCount(4);
    SetupCoordGrid(&coord, 0, 0);
    SetupPointGrid(&point, 0, 0);
    SetupPointListGrid(&list, 0, 0, 200);
    for (const StringGrid* g : {&coord, &point, &list})
      for (int c = 1; c < g->ColCount(); ++c) {
        EXPECT_GE(g->colWidth(c), need) << "zoom " << zoom << ", column " << c;
        EXPECT_GE(g->colWidth(c), metrics().GridColWidth) << "zoom " << zoom << ", column " << c;
      }
    EXPECT_EQ(coord.size(), coordGridSize(metrics(), 3, 3, coord.colWidth(1), 1));
    EXPECT_EQ(list.width(), pointListGridWidth(metrics(), list.colWidth(1), 1));
  }
}

TEST_F(KitGrids, CellsOutsideTheGridAreIgnored) {
  StringGrid grid;
  grid.setColCount(3);
  grid.setRowCount(3);
  grid.setCells(5, 5, QStringLiteral("x"));
  grid.setCells(-1, 0, QStringLiteral("x"));
  EXPECT_EQ(grid.Cells(5, 5), QString());
  grid.setCells(2, 2, QStringLiteral("7"));
  EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("7"));
}

TEST_F(KitGrids, FocusFirstCellOnAHiddenPage) {
  QWidget page;  // never shown
  auto* grid = new StringGrid(&page);
  SetupMatrixGrid(grid, 0, 0, 3, 3, QString());
  FocusFirstCell(grid);
  EXPECT_TRUE(grid->editorMode());
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
}

TEST_F(KitGrids, EditorFollowsTheCurrentCellAndTabMoves) {
  QWidget page;
  page.resize(400, 300);
  auto* grid = new StringGrid(&page);
  SetupMatrixGrid(grid, 0, 0, 3, 3, QString());
  page.show();
  page.activateWindow();
  QApplication::processEvents();
  FocusFirstCell(grid);
  QApplication::processEvents();
  EXPECT_TRUE(grid->isEditing());

  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, nullptr);
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(editor, &tab);
  QApplication::processEvents();
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_TRUE(grid->isEditing());

  FocusCell(grid, 3, 2);
  QApplication::processEvents();
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_TRUE(grid->isEditing());
}

TEST_F(KitGrids, MemoScrollTopShowsTheFirstLine) {
  QPlainTextEdit memo;
  memo.resize(200, 100);
  QStringList lines;
  for (int i = 0; i < 200; ++i) lines << QString::number(i);
  memo.setPlainText(lines.join(u'\n'));
  memo.show();
  QApplication::processEvents();
  memo.verticalScrollBar()->setValue(memo.verticalScrollBar()->maximum());
  ASSERT_GT(memo.verticalScrollBar()->value(), 0);
  MemoScrollTop(&memo);
  EXPECT_EQ(memo.verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace zw
