#pragma once
// String grids of the topic windows: one fixed row (column heads) and one
// fixed column (row heads) that stay in place when the grid scrolls, editable
// cells with the editor kept open on the current cell, Tab moving between
// cells. Cells are addressed (column, row) with the fixed ones at 0.
//
// The Setup* routines give a grid its heads, cell sizes and an outer size
// that shows exactly its cells; the *Size functions compute those sizes
// without a display.
#include <QSize>
#include <QString>
#include <QTableView>
#include <vector>

#include "shell/Metrics.h"
#include "shell/kit/GridCellStore.h"

class QAbstractScrollArea;
class QLabel;

namespace zw {

class StringGridModel;

// A table view over its own model: cells cost nothing until they hold text,
// and a row read from a file stays packed (shell/kit/GridCellStore.h), so grids
// of 100,000 rows and 1,000 columns stay small and fill in linear time.
class StringGrid : public QTableView {
  Q_OBJECT
public:
  explicit StringGrid(QWidget* parent = nullptr);

  // Counts include the fixed row and column (at least 1 each).
  int ColCount() const { return columnCount() + 1; }
  int RowCount() const { return rowCount() + 1; }
  void setColCount(int n);
  void setRowCount(int n);

  QString Cells(int col, int row) const;
  void setCells(int col, int row, const QString& text);  // outside the grid: ignored
  // A non-fixed cell's text without a copy; valid until the grid changes.
  QStringView CellView(int col, int row) const;
  // Replaces every non-fixed cell: the grid gets rows.size() + 1 rows and
  // cols + 1 columns, row r (from 1) holds the items of rows[r - 1]; items
  // beyond cols are dropped. Heads stay as they are.
  void setCellRows(int cols, std::vector<PackedRow> rows);

  // Counts and current cell without the fixed row and column, from 0.
  int columnCount() const;
  int rowCount() const;
  int currentColumn() const { return currentIndex().isValid() ? currentIndex().column() : -1; }
  int currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }
  void setCurrentCell(int row, int column);

  // Width of the lines between cells. The fixed row and column are exactly
  // RowHeight and the fixed width (their line included); every other cell is
  // its width plus one line, and the 3D frame is two pixels on each side.
  static constexpr int GridLineWidth = 1;
  // Thickness of the scroll bars, in plain pixels at every zoom: the outer
  // sizes keep exactly this much room for a bar, so a grid with a bar still
  // shows its cells without slack.
  static constexpr int ScrollBarExtent = 18;
  // Cell sizes without the grid line; column 0 is the fixed column.
  void setDefaultColWidth(int w);
  void setDefaultRowHeight(int h);
  void setColWidth(int col, int w);
  int colWidth(int col) const;
  int defaultColWidth() const { return defaultColWidth_; }
  int defaultRowHeight() const { return defaultRowHeight_; }

  // Cells drawn centred instead of left-aligned.
  void setCellsCentred(bool on);

  // A grid of head row and cells only: the fixed column is not shown and
  // column 0 has no width (cells keep their column numbers).
  void setFixedColumnShown(bool shown);
  // Editor mode: the editor stays open on the current cell.
  void setEditorMode(bool on);
  bool editorMode() const { return editorMode_; }
  // Whether a cell editor is open.
  bool isEditing() const { return state() == QAbstractItemView::EditingState; }
  // Text typed into the open editor goes into its cell; the editor stays open.
  void commitEditor();
  // Current cell in grid coordinates (fixed cells excluded).
  void setCurrentGridCell(int col, int row);
  int Col() const { return currentColumn() + 1; }
  int Row() const { return currentRow() + 1; }

protected:
  void updateGeometries() override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
  void applySectionSizes();
  void openEditor();
  StringGridModel* model_ = nullptr;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int fixedColWidth_ = 24;
  bool editorMode_ = false;
  QLabel* corner_ = nullptr;
};

// The width of a cell (its grid line not counted) that shows `longest` whole
// in TextFont at the current zoom, as drawn and while its editor is open.
int GridCellWidthFor(const QString& longest);
// The width of a column whose cells take any number a field accepts (the
// widest is "-99999999999999,9"), and never narrower than `atLeast`.
int NumberCellWidth(int atLeast);

// Outer sizes (glw = the grid-line width).
QSize twoPointGridSize(const LayoutMetrics& m, int colWidth, int glw);
QSize onePointGridSize(const LayoutMetrics& m, int colWidth, int glw);
// n value columns, r value rows.
QSize coordGridSize(const LayoutMetrics& m, int n, int r, int colWidth, int glw);
int pointListGridWidth(const LayoutMetrics& m, int colWidth, int glw);
QSize numberedGridSize(const LayoutMetrics& m, int zoom, int rows, int glw);

struct MatrixGridGeometry {
  int colWidth = 0;
  QSize size;
  bool verticalBar = false;
  bool horizontalBar = false;
};
MatrixGridGeometry matrixGridGeometry(const LayoutMetrics& m, int rows, int cols, int glw);

void SetupTwoPointGrid(StringGrid* grid, int left, int top, int colWidth);
void SetupOnePointGrid(StringGrid* grid, int left, int top, int colWidth);
void SetupCoordGrid(StringGrid* grid, int left, int top);
void SetupCoordGridSized(StringGrid* grid, int left, int top, int colWidth);
void SetupPointGrid(StringGrid* grid, int left, int top);
void SetupPointListGrid(StringGrid* grid, int left, int top, int height);
void SetupNumberedGrid(StringGrid* grid, int left, int top, int cols, int rows);
void SetupMatrixGrid(StringGrid* grid, int left, int top, int rows, int cols, const QString& cornerText);
void StyleGrid(StringGrid* grid);
void FocusFirstCell(StringGrid* grid);
void FocusCell(StringGrid* grid, int col, int row);
void FocusGridCell(StringGrid* grid, int col, int row);
// Shows the first line of a memo.
void MemoScrollTop(QAbstractScrollArea* memo);

}  // namespace zw
