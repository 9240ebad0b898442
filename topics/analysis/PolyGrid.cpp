#include "topics/analysis/PolyGrid.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

#include "kernel/CalcFailure.h"
#include "kernel/Fraction.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {
constexpr int kTopDegree = 9;
constexpr int kCoefficients = kTopDegree + 1;
}

PolyGrid::PolyGrid(QWidget* parent, int polynomials, bool rowHeads, TextClipboard& clipboard)
    : StringGrid(parent), rowHeads_(rowHeads), clipboard_(clipboard) {
  setColCount(kCoefficients + 1);
  setRowCount(polynomials + 1);
  for (int c = 0; c < kCoefficients; ++c) {
    const QString power = QString::number(kTopDegree - c);
    setCells(gridColumn(c), 0, rowHeads ? power : QStringLiteral("a") + power);
  }
  for (int r = 1; r <= polynomials; ++r) setCells(0, r, QString(QChar(u'a' + r - 1)));
  if (!rowHeads) verticalHeader()->hide();
  StyleGrid(this);
  setCellsCentred(true);
  setEditorMode(true);
  // Cell editors are created as children of the viewport: watch them for
  // Enter and Tab.
  viewport()->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, &PolyGrid::focusMoved);
}

TPoly PolyGrid::polynomial(int row) const {
  TPoly p{};
  for (int c = 0; c < kCoefficients; ++c) {
    const QString text = Cells(gridColumn(c), row).trimmed();
    if (text.isEmpty()) continue;
    try {
      p[static_cast<std::size_t>(kTopDegree - c)] = ReadBruchInput(text.toStdU16String());
    } catch (const CalcFailure&) {
      throw InputRejected(cellKey(gridColumn(c), row).toStdString());
    }
  }
  return p;
}

QString PolyGrid::cellKey(int col, int row) {
  if (col < 1 || col > kCoefficients || row < 1 || row > 2) return QString();
  return QString(QChar(u'a' + row - 1)) + QString::number(kCoefficients - col);
}

QSize PolyGrid::outerSize() const {
  const LayoutMetrics& m = metrics();
  const int colWidth = ScalePixels(54);
  const int fixed = rowHeads_ ? m.RowHeight + GridLineWidth : 0;
  return {fixed + kCoefficients * (colWidth + GridLineWidth) + 4,
          (RowCount()) * (m.RowHeight + GridLineWidth) + 4};
}

void PolyGrid::place(int left, int top) {
  const LayoutMetrics& m = metrics();
  setDefaultRowHeight(m.RowHeight);
  setDefaultColWidth(ScalePixels(54));
  setColWidth(0, rowHeads_ ? m.RowHeight : 0);
  setGeometry(left, top, outerSize().width(), outerSize().height());
}

int PolyGrid::columnCount() const { return ColCount(); }
int PolyGrid::firstEditableColumn() const { return 1; }
int PolyGrid::currentRow() const { return Row(); }
std::u16string PolyGrid::cell(int column, int row) const { return Cells(column, row).toStdU16String(); }

void PolyGrid::setCell(int column, int row, const std::u16string& text) {
  setCells(column, row, QString::fromStdU16String(text));
}

void PolyGrid::cutRow() { PolyGridCut(*this, clipboard_); }
void PolyGrid::copyRow() { PolyGridCopy(*this, clipboard_); }
void PolyGrid::pasteRow() { PolyGridPasteRow(*this, clipboard_); }

bool PolyGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport() && event->type() == QEvent::ChildAdded) {
    if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
      child->installEventFilter(this);
  } else if (event->type() == QEvent::KeyPress && watched != viewport()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      commitData(qobject_cast<QWidget*>(watched));
      emit enterPressed();
      return true;
    }
    if (key == Qt::Key_Tab) {
      commitData(qobject_cast<QWidget*>(watched));
      emit tabPressed();
    }
  }
  return StringGrid::eventFilter(watched, event);
}

void PolyGrid::mousePressEvent(QMouseEvent* event) {
  StringGrid::mousePressEvent(event);
  emit cellClicked();
}

void PolyGrid::contextMenuEvent(QContextMenuEvent* event) {
  // The menu belongs to the coefficient cells: the cell under the pointer
  // becomes current first, so the menu acts on its row.
  const QModelIndex index = indexAt(viewport()->mapFrom(this, event->pos()));
  if (!index.isValid()) return;
  setCurrentGridCell(index.column() + 1, index.row() + 1);
  if (!menu_) menu_ = new QMenu(this);
  menu_->clear();
  menu_->addAction(GetText(ITool, 1), this, &PolyGrid::cutRow);
  menu_->addAction(GetText(ITool, 2), this, &PolyGrid::copyRow);
  menu_->addAction(GetText(ITool, 3), this, &PolyGrid::pasteRow);
  menu_->popup(event->globalPos());
}

bool PolyGrid::owns(const QWidget* w) const {
  for (; w; w = w->parentWidget())
    if (w == this) return true;
  return false;
}

void PolyGrid::focusMoved(QWidget* old, QWidget* now) {
  if (owns(old) && !owns(now) && !(menu_ && owns(now))) emit leftGrid();
}

}  // namespace zw
