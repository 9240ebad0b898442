#include "shell/kit/Grids.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <algorithm>

#include "kernel/CheckedInput.h"
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

// The grid's cells and heads. Rows and columns here are the non-fixed ones,
// from 0; the heads are the fixed row and column.
class StringGridModel : public QAbstractTableModel {
public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (index.isValid() && role == Qt::TextAlignmentRole && centred_) return int(Qt::AlignCenter);
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return cells_.cell(index.column(), index.row());
  }
  void setCentred(bool on) {
    if (centred_ == on) return;
    centred_ = on;
    if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1), {Qt::TextAlignmentRole});
  }
  bool centred_ = false;

  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (!index.isValid() || role != Qt::EditRole) return false;
    setCell(index.column(), index.row(), value.toString());
    return true;
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
  }

  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (role != Qt::DisplayRole) return {};
    const std::vector<QString>& heads = o == Qt::Horizontal ? colHeads_ : rowHeads_;
    return section >= 0 && section < int(heads.size()) ? heads[size_t(section)] : QString();
  }

  void setHead(Qt::Orientation o, int section, const QString& text) {
    std::vector<QString>& heads = o == Qt::Horizontal ? colHeads_ : rowHeads_;
    if (section >= int(heads.size())) heads.resize(size_t(section) + 1);
    heads[size_t(section)] = text;
    emit headerDataChanged(o, section, section);
  }

  void resizeRows(int n) {
    n = std::max(0, n);
    if (n > rows_) {
      beginInsertRows({}, rows_, n - 1);
      rows_ = n;
      cells_.setRowCount(n);
      endInsertRows();
    } else if (n < rows_) {
      beginRemoveRows({}, n, rows_ - 1);
      rows_ = n;
      cells_.setRowCount(n);
      if (int(rowHeads_.size()) > n) rowHeads_.resize(size_t(n));
      endRemoveRows();
    }
  }

  void resizeColumns(int n) {
    n = std::max(0, n);
    if (n > cols_) {
      beginInsertColumns({}, cols_, n - 1);
      cols_ = n;
      endInsertColumns();
    } else if (n < cols_) {
      beginRemoveColumns({}, n, cols_ - 1);
      cols_ = n;
      cells_.truncateColumns(n);
      if (int(colHeads_.size()) > n) colHeads_.resize(size_t(n));
      endRemoveColumns();
    }
  }

  QStringView cellView(int col, int row) const { return cells_.cellView(col, row); }

  void setCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
    cells_.setCell(col, row, text);
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i);
  }

  void replaceAll(int cols, std::vector<PackedRow> rows) {
    beginResetModel();
    cols_ = std::max(0, cols);
    rows_ = int(rows.size());
    cells_ = GridCellStore();
    cells_.setRowCount(rows_);
    for (int r = 0; r < rows_; ++r) cells_.setRow(r, std::move(rows[size_t(r)]));
    cells_.truncateColumns(cols_);
    if (int(rowHeads_.size()) > rows_) rowHeads_.resize(size_t(rows_));
    if (int(colHeads_.size()) > cols_) colHeads_.resize(size_t(cols_));
    endResetModel();
  }

private:
  int rows_ = 0, cols_ = 0;
  GridCellStore cells_;
  std::vector<QString> colHeads_, rowHeads_;
};

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), model_(new StringGridModel(this)) {
  setModel(model_);
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

int StringGrid::columnCount() const { return model_->columnCount(); }
int StringGrid::rowCount() const { return model_->rowCount(); }

void StringGrid::setCurrentCell(int row, int column) {
  if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return;
  setCurrentIndex(model_->index(row, column));
}

void StringGrid::setColCount(int n) {
  model_->resizeColumns(n - 1);
  applySectionSizes();
}

void StringGrid::setRowCount(int n) {
  model_->resizeRows(n - 1);
  applySectionSizes();
}

QString StringGrid::Cells(int col, int row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return {};
  if (col == 0 && row == 0) return corner_->text();
  if (row == 0) return model_->headerData(col - 1, Qt::Horizontal, Qt::DisplayRole).toString();
  if (col == 0) return model_->headerData(row - 1, Qt::Vertical, Qt::DisplayRole).toString();
  return model_->cellView(col - 1, row - 1).toString();
}

QStringView StringGrid::CellView(int col, int row) const {
  if (col < 1 || row < 1) return {};
  return model_->cellView(col - 1, row - 1);
}

void StringGrid::setCells(int col, int row, const QString& text) {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
  if (col == 0 && row == 0) {
    corner_->setText(text);
  } else if (row == 0) {
    model_->setHead(Qt::Horizontal, col - 1, text);
  } else if (col == 0) {
    model_->setHead(Qt::Vertical, row - 1, text);
  } else {
    model_->setCell(col - 1, row - 1, text);
  }
}

void StringGrid::setCellRows(int cols, std::vector<PackedRow> rows) {
  model_->replaceAll(cols, std::move(rows));
  applySectionSizes();
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
  // Only sections of another size are touched: a grid of 100,000 rows
  // would otherwise send as many resize signals at every change of size.
  auto resizeAll = [](QHeaderView* h, int size) {
    h->setDefaultSectionSize(size);
    for (int i = 0; i < h->count(); ++i)
      if (h->sectionSize(i) != size) h->resizeSection(i, size);
  };
  resizeAll(horizontalHeader(), defaultColWidth_ + GridLineWidth);
  resizeAll(verticalHeader(), defaultRowHeight_ + GridLineWidth);
  horizontalHeader()->setFixedHeight(defaultRowHeight_);
  verticalHeader()->setFixedWidth(fixedColWidth_);
  updateGeometries();
}

void StringGrid::updateGeometries() {
  QTableView::updateGeometries();
  if (corner_) {
    const int f = frameWidth();
    corner_->setGeometry(f, f, verticalHeader()->width(), horizontalHeader()->height());
    corner_->setFont(font());
    corner_->raise();
  }
}

void StringGrid::setCellsCentred(bool on) { model_->setCentred(on); }

void StringGrid::setEditorMode(bool on) {
  editorMode_ = on;
  setEditTriggers(on ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
  openEditor();
}

void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);  // commits and closes the old editor
  openEditor();
}

void StringGrid::openEditor() {
  if (!editorMode_) return;
  const QModelIndex idx = currentIndex();
  if (!idx.isValid()) return;
  if (!isEditing()) edit(idx);
}

void StringGrid::commitEditor() {
  // indexWidget() also answers the editor open on a cell.
  if (QWidget* editor = indexWidget(currentIndex())) commitData(editor);
}

void StringGrid::setCurrentGridCell(int col, int row) {
  if (col < 1 || row < 1 || col >= ColCount() || row >= RowCount()) return;
  setCurrentIndex(model_->index(row - 1, col - 1));
  openEditor();
}

// --- sizes ----------------------------------------------------------------

int GridCellWidthFor(const QString& longest) {
  const QFontMetrics fm(fonts().TextFont.font);
  // A drawn cell keeps the focus frame's margin and one pixel on either side
  // of its text; its editor two pixels and the caret.
  const int margin = QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  const int text = fm.horizontalAdvance(longest);
  return std::max(text + 2 * margin, text + 2 * 2 + 1) + ScalePixels(4);
}

int NumberCellWidth(int atLeast) {
  return std::max(atLeast, GridCellWidthFor(QString::fromStdU16String(LongestAcceptedNumber(u'f', u','))));
}

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

int pointListGridWidth(const LayoutMetrics& m, int colWidth, int glw) {
  return m.RowHeight + 2 * colWidth + 4 * glw + 20;
}

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

// The point grids take a number in every cell: each column shows the widest
// one whole, at every zoom.
void SetupCoordGrid(StringGrid* grid, int left, int top) {
  coordGrid(grid, left, top, NumberCellWidth(metrics().GridColWidth), true, true);
}

void SetupCoordGridSized(StringGrid* grid, int left, int top, int colWidth) {
  coordGrid(grid, left, top, colWidth, false, true);
}

void SetupPointGrid(StringGrid* grid, int left, int top) {
  coordGrid(grid, left, top, NumberCellWidth(metrics().GridColWidth), true, false);
}

void SetupPointListGrid(StringGrid* grid, int left, int top, int height) {
  if (!grid) return;
  grid->setLayoutDirection(Qt::LeftToRight);
  ensureCounts(grid, 3, 21);
  grid->setCells(1, 0, QStringLiteral("x"));
  grid->setCells(2, 0, QStringLiteral("y"));
  for (int r = 1; r <= 20; ++r) grid->setCells(0, r, QString(QChar(char16_t(64 + r))));
  const int colWidth = NumberCellWidth(metrics().EditWidth);
  cellSizes(grid, colWidth);
  grid->setGeometry(left, top, pointListGridWidth(metrics(), colWidth, GLW), height);
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
