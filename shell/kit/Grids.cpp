#include "shell/kit/Grids.h"

#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <algorithm>

#include "shell/Fonts.h"
#include "shell/State.h"

namespace zw {

// --- StringGrid -----------------------------------------------------------

namespace {

// The application's style with scroll bars of StringGrid::ScrollBarExtent.
class GridScrollBarStyle : public QProxyStyle {
public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_ScrollBarExtent) return StringGrid::ScrollBarExtent;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

// One style for every grid, living as long as the application, so that no
// scroll bar outlives the style it paints with.
QStyle* gridScrollBarStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new GridScrollBarStyle;
    style->setParent(QCoreApplication::instance());
  }
  return style;
}

}  // namespace

StringGrid::StringGrid(QWidget* parent) : QTableWidget(parent) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setLineWidth(2);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  setCornerButtonEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(true);
  verticalScrollBar()->setStyle(gridScrollBarStyle());
  horizontalScrollBar()->setStyle(gridScrollBarStyle());
  corner_ = new QLabel(this);
  corner_->setAlignment(Qt::AlignCenter);
  applySectionSizes();
}

void StringGrid::setColCount(int n) {
  setColumnCount(std::max(0, n - 1));
  applySectionSizes();
}

void StringGrid::setRowCount(int n) {
  QTableWidget::setRowCount(std::max(0, n - 1));
  applySectionSizes();
}

QString StringGrid::Cells(int col, int row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return {};
  if (col == 0 && row == 0) return corner_->text();
  if (row == 0) {
    const QTableWidgetItem* it = horizontalHeaderItem(col - 1);
    return it ? it->text() : QString();
  }
  if (col == 0) {
    const QTableWidgetItem* it = verticalHeaderItem(row - 1);
    return it ? it->text() : QString();
  }
  const QTableWidgetItem* it = item(row - 1, col - 1);
  return it ? it->text() : QString();
}

void StringGrid::setCells(int col, int row, const QString& text) {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
  if (col == 0 && row == 0) {
    corner_->setText(text);
  } else if (row == 0) {
    setHorizontalHeaderItem(col - 1, new QTableWidgetItem(text));
  } else if (col == 0) {
    setVerticalHeaderItem(row - 1, new QTableWidgetItem(text));
  } else if (QTableWidgetItem* it = item(row - 1, col - 1)) {
    it->setText(text);
  } else {
    setItem(row - 1, col - 1, new QTableWidgetItem(text));
  }
}

void StringGrid::setDefaultColWidth(int w) {
  defaultColWidth_ = w;
  applySectionSizes();
}

void StringGrid::setDefaultRowHeight(int h) {
  defaultRowHeight_ = h;
  applySectionSizes();
}

void StringGrid::setColWidth(int col, int w) {
  if (col == 0) {
    fixedColWidth_ = w;
    verticalHeader()->setFixedWidth(w);
    updateGeometries();
  } else if (col < ColCount()) {
    // Each section carries the line on its right.
    horizontalHeader()->resizeSection(col - 1, w + GridLineWidth);
  }
}

void StringGrid::setFixedColumnShown(bool shown) {
  verticalHeader()->setVisible(shown);
  corner_->setVisible(shown);
  if (!shown) fixedColWidth_ = 0;
  applySectionSizes();
}

int StringGrid::colWidth(int col) const {
  if (col == 0) return fixedColWidth_;
  return horizontalHeader()->sectionSize(col - 1) - GridLineWidth;
}

void StringGrid::applySectionSizes() {
  horizontalHeader()->setDefaultSectionSize(defaultColWidth_ + GridLineWidth);
  for (int c = 0; c < columnCount(); ++c) horizontalHeader()->resizeSection(c, defaultColWidth_ + GridLineWidth);
  verticalHeader()->setDefaultSectionSize(defaultRowHeight_ + GridLineWidth);
  for (int r = 0; r < rowCount(); ++r) verticalHeader()->resizeSection(r, defaultRowHeight_ + GridLineWidth);
  horizontalHeader()->setFixedHeight(defaultRowHeight_);
  verticalHeader()->setFixedWidth(fixedColWidth_);
  updateGeometries();
}

void StringGrid::updateGeometries() {
  QTableWidget::updateGeometries();
  if (corner_) {
    const int f = frameWidth();
    corner_->setGeometry(f, f, verticalHeader()->width(), horizontalHeader()->height());
    corner_->setFont(font());
    corner_->raise();
  }
}

void StringGrid::setEditorMode(bool on) {
  editorMode_ = on;
  setEditTriggers(on ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
  openEditor();
}

void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);  // commits and closes the old editor
  openEditor();
}

void StringGrid::openEditor() {
  if (!editorMode_) return;
  const QModelIndex idx = currentIndex();
  if (!idx.isValid()) return;
  if (!item(idx.row(), idx.column())) setItem(idx.row(), idx.column(), new QTableWidgetItem);
  if (!isEditing()) edit(idx);
}

void StringGrid::setCurrentGridCell(int col, int row) {
  if (col < 1 || row < 1 || col >= ColCount() || row >= RowCount()) return;
  setCurrentCell(row - 1, col - 1);
  openEditor();
}

// --- sizes ----------------------------------------------------------------

QSize twoPointGridSize(const LayoutMetrics& m, int colWidth, int glw) {
  return {m.RowHeight + 2 * colWidth + 4 * glw + 2, 3 * m.RowHeight + 4 * glw + 2};
}

QSize onePointGridSize(const LayoutMetrics& m, int colWidth, int glw) {
  // The frame's two pixels as in every other grid, so the value row is not cut.
  return {m.RowHeight + 2 * colWidth + 4 * glw + 2, 2 * m.RowHeight + 3 * glw + 2};
}

QSize coordGridSize(const LayoutMetrics& m, int n, int r, int colWidth, int glw) {
  return {n * colWidth + m.RowHeight + (n + 2) * glw + 2, (r + 1) * m.RowHeight + (r + 2) * glw + 2};
}

int pointListGridWidth(const LayoutMetrics& m, int glw) { return m.RowHeight + 2 * m.EditWidth + 4 * glw + 20; }

QSize numberedGridSize(const LayoutMetrics& m, int zoom, int rows, int glw) {
  return {m.RowHeight + 3 * m.EditWidth + 4 * glw + ScalePixelsAt(76, zoom),
          rows * m.RowHeight + (rows + 1) * glw + 2};
}

MatrixGridGeometry matrixGridGeometry(const LayoutMetrics& m, int rows, int cols, int glw) {
  MatrixGridGeometry g;
  g.colWidth = (2 * m.EditWidth) / 3;
  const int vr = std::min(rows, 5), vc = std::min(cols, 5);
  int h = (vr + 1) * m.RowHeight + (vr + 2) * glw + 2;
  int w = m.RowHeight + vc * g.colWidth + (vc + 2) * glw + 2;
  // Room for the scroll bars (plain pixels).
  g.verticalBar = rows > 5;
  g.horizontalBar = cols > 5;
  if (g.verticalBar) w += StringGrid::ScrollBarExtent;
  if (g.horizontalBar) h += StringGrid::ScrollBarExtent;
  g.size = QSize(w, h);
  return g;
}

// --- set-up routines ------------------------------------------------------

namespace {

constexpr int GLW = StringGrid::GridLineWidth;

void standardOptions(StringGrid* g) {
  g->setShowGrid(true);
  g->setTabKeyNavigation(true);
  g->setEditorMode(true);
}

void setScrollBars(StringGrid* g, bool vertical, bool horizontal) {
  g->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  g->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void ensureCounts(StringGrid* g, int cols, int rows) {
  if (g->ColCount() != cols) g->setColCount(cols);
  if (g->RowCount() != rows) g->setRowCount(rows);
}

void cellSizes(StringGrid* g, int colWidth) {
  const LayoutMetrics& m = metrics();
  g->setDefaultColWidth(colWidth);
  g->setDefaultRowHeight(m.RowHeight);
  g->setColWidth(0, m.RowHeight);
}

void pointGrid(StringGrid* g, int colWidth, int rows, const char16_t* const* rowHeads) {
  g->setLayoutDirection(Qt::LeftToRight);
  ensureCounts(g, 3, rows);
  g->setCells(1, 0, QStringLiteral("x"));
  g->setCells(2, 0, QStringLiteral("y"));
  for (int r = 1; r < rows; ++r) g->setCells(0, r, QString::fromUtf16(rowHeads[r - 1]));
  cellSizes(g, colWidth);
}

void coordGrid(StringGrid* g, int left, int top, int colWidth, bool setFonts, bool resetDirection) {
  if (!g) return;
  if (resetDirection) g->setLayoutDirection(Qt::LeftToRight);
  if (setFonts) g->setFont(fonts().TextFont.font);
  const int n = g->ColCount() - 1, r = g->RowCount() - 1;
  for (int c = 1; c <= n; ++c) g->setCells(c, 0, QString(QChar(char16_t(119 + c))));
  for (int k = 1; k <= r; ++k) g->setCells(0, k, QString(QChar(char16_t(64 + k))));
  cellSizes(g, colWidth);
  g->setGeometry(QRect(QPoint(left, top), coordGridSize(metrics(), n, r, colWidth, GLW)));
}

}  // namespace

void SetupTwoPointGrid(StringGrid* grid, int left, int top, int colWidth) {
  if (!grid) return;
  static const char16_t* const heads[] = {u"P", u"Q"};
  pointGrid(grid, colWidth, 3, heads);
  grid->setGeometry(QRect(QPoint(left, top), twoPointGridSize(metrics(), colWidth, GLW)));
}

void SetupOnePointGrid(StringGrid* grid, int left, int top, int colWidth) {
  if (!grid) return;
  static const char16_t* const heads[] = {u"Z"};
  pointGrid(grid, colWidth, 2, heads);
  grid->setGeometry(QRect(QPoint(left, top), onePointGridSize(metrics(), colWidth, GLW)));
}

void SetupCoordGrid(StringGrid* grid, int left, int top) {
  coordGrid(grid, left, top, metrics().GridColWidth, true, true);
}

void SetupCoordGridSized(StringGrid* grid, int left, int top, int colWidth) {
  coordGrid(grid, left, top, colWidth, false, true);
}

void SetupPointGrid(StringGrid* grid, int left, int top) {
  coordGrid(grid, left, top, metrics().GridColWidth, true, false);
}

void SetupPointListGrid(StringGrid* grid, int left, int top, int height) {
  if (!grid) return;
  grid->setLayoutDirection(Qt::LeftToRight);
  ensureCounts(grid, 3, 21);
  grid->setCells(1, 0, QStringLiteral("x"));
  grid->setCells(2, 0, QStringLiteral("y"));
  for (int r = 1; r <= 20; ++r) grid->setCells(0, r, QString(QChar(char16_t(64 + r))));
  cellSizes(grid, metrics().EditWidth);
  grid->setGeometry(left, top, pointListGridWidth(metrics(), GLW), height);
  setScrollBars(grid, true, false);
  standardOptions(grid);
}

void SetupNumberedGrid(StringGrid* grid, int left, int top, int cols, int rows) {
  if (!grid) return;
  grid->setLayoutDirection(Qt::LeftToRight);
  ensureCounts(grid, cols, rows);
  // Always the heads 1..10 (rows the grid does not have are left out).
  for (int r = 1; r <= 10; ++r) grid->setCells(0, r, QString::number(r));
  cellSizes(grid, metrics().EditWidth);
  const int narrow = ScalePixels(36);
  grid->setColWidth(2, narrow);
  grid->setColWidth(4, narrow);
  grid->setGeometry(QRect(QPoint(left, top), numberedGridSize(metrics(), shellState().Zoom, rows, GLW)));
  setScrollBars(grid, true, false);
  standardOptions(grid);
}

void SetupMatrixGrid(StringGrid* grid, int left, int top, int rows, int cols, const QString& cornerText) {
  if (!grid) return;
  rows = std::max(0, rows);
  cols = std::max(0, cols);
  grid->setLayoutDirection(Qt::LeftToRight);
  ensureCounts(grid, cols + 1, rows + 1);
  grid->setCells(0, 0, cornerText);
  for (int c = 1; c <= cols; ++c) grid->setCells(c, 0, QString::number(c));
  for (int r = 1; r <= rows; ++r) grid->setCells(0, r, QString::number(r));
  const MatrixGridGeometry g = matrixGridGeometry(metrics(), rows, cols, GLW);
  cellSizes(grid, g.colWidth);
  grid->setGeometry(QRect(QPoint(left, top), g.size));
  setScrollBars(grid, g.verticalBar, g.horizontalBar);
  grid->viewport()->update();
}

void StyleGrid(StringGrid* grid) {
  if (!grid) return;
  grid->setLayoutDirection(Qt::LeftToRight);
  grid->setFrameShadow(QFrame::Sunken);
  QFont f = fonts().TextFont.font;
  f.setBold(false);
  f.setItalic(false);
  f.setUnderline(false);
  f.setStrikeOut(false);
  applySharedFont(grid, {f, fonts().TextFont.color});
  standardOptions(grid);
}

// The grid takes the focus before the cell is chosen: focus moving from an
// open editor to the grid would close the editor again.
void FocusCell(StringGrid* grid, int col, int row) {
  if (!grid) return;
  grid->setEditorMode(true);
  // On a hidden page the focus cannot move; that is fine.
  grid->setFocus();
  grid->setCurrentGridCell(col, row);
}

void FocusFirstCell(StringGrid* grid) {
  if (!grid) return;
  FocusCell(grid, 1, 1);
  StyleGrid(grid);
}

void FocusGridCell(StringGrid* grid, int col, int row) { FocusCell(grid, col, row); }

void MemoScrollTop(QAbstractScrollArea* memo) {
  if (!memo) return;
  memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->minimum());
}

}  // namespace zw
