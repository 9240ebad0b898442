#include "topics/linalg-stat/PointGridKit.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <algorithm>

#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/ValueTableLayout.h"

namespace zw {

StringGrid* CreatePointGrid(QWidget* parent, const QString& xHead, const QString& yHead) {
  auto* grid = new StringGrid(parent);
  grid->setObjectName(QStringLiteral("sgWerte"));
  grid->setColCount(3);
  grid->setRowCount(PointFileMaxRows + 1);
  grid->setLayoutDirection(Qt::LeftToRight);
  grid->setCells(1, 0, xHead);
  grid->setCells(2, 0, yHead);
  for (int r = 1; r <= PointFileMaxRows; ++r) grid->setCells(0, r, QString::number(r));
  grid->setCellsCentred(true);
  grid->setEditorMode(true);
  return grid;
}

void PlacePointGrid(StringGrid* grid, int left, int top) {
  const LayoutMetrics& m = metrics();
  grid->setFont(fonts().TextFont.font);
  const int cw = std::max(ScalePixels(72), GridCellWidthFor(QStringLiteral("-99999999999999,9")));
  grid->setDefaultColWidth(cw);
  grid->setDefaultRowHeight(m.RowHeight);
  grid->setColWidth(0, std::max(m.RowHeight * 2, FontTextMeasurer(fonts().TextFont.font).width(QStringLiteral("10000"))));
  const int g = StringGrid::GridLineWidth;
  grid->setGeometry(left, top, grid->colWidth(0) + 2 * cw + 4 * g + 4 + StringGrid::ScrollBarExtent,
                    11 * m.RowHeight + 12 * g + 4);
}

PointRows GridPointRows(StringGrid* grid) {
  grid->commitEditor();
  PointRows r(PointFileMaxRows);
  for (int i = 1; i <= PointFileMaxRows; ++i) r[std::size_t(i - 1)] = {grid->Cells(1, i), grid->Cells(2, i)};
  return r;
}

void SetGridPointRows(StringGrid* grid, const PointRows& r) {
  for (int i = 1; i <= PointFileMaxRows; ++i) {
    const bool in = i <= int(r.size());
    grid->setCells(1, i, in ? r[std::size_t(i - 1)].x : QString());
    grid->setCells(2, i, in ? r[std::size_t(i - 1)].y : QString());
  }
}

std::vector<TVec2> ReadGridPoints(StringGrid* grid, bool emptyYIsZero, Extended yFactor, const char* gridKey) {
  grid->commitEditor();
  int last = 0;
  for (int j = 1; j <= PointFileMaxRows; ++j)
    if (!grid->CellView(1, j).trimmed().isEmpty()) last = j;
  std::vector<TVec2> points;
  int badRow = 0, badCol = 0;
  for (int j = 1; j <= last; ++j) {
    const QString xs = grid->Cells(1, j).trimmed();
    if (xs.isEmpty()) continue;
    const QString ys = grid->Cells(2, j).trimmed();
    TVec2 p;
    std::int32_t okx = 0, oky = 1;
    ReadValue(xs.toStdU16String(), p.x, u'f', okx);
    if (!ys.isEmpty() || !emptyYIsZero) ReadValue(ys.toStdU16String(), p.y, u'f', oky);
    if (!oky)
      badRow = j, badCol = 2;
    else if (!okx)
      badRow = j, badCol = 1;
    p.y *= yFactor;
    points.push_back(p);
  }
  if (badRow) {
    grid->setCurrentGridCell(badCol, badRow);
    throw InputRejected(gridKey);
  }
  return points;
}

ValueTableControls CreateValueTable(QWidget* box, int edits, int firstNumber, int digits, QObject* filter) {
  ValueTableControls c;
  c.table = new QPlainTextEdit(box);
  c.table->setReadOnly(true);
  c.table->setLineWrapMode(QPlainTextEdit::NoWrap);
  for (int i = 0; i < edits; ++i) {
    auto* e = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit4%1").arg(firstNumber + i));
    e->installEventFilter(filter);
    c.edits.push_back(e);
    c.longest.push_back(QStringLiteral("-1000000000000"));
  }
  for (int i = 0; i <= edits; ++i) c.heads.push_back(new QLabel(box));
  c.digits = new QSpinBox(box);
  c.digits->setRange(3, 8);
  c.digits->setValue(digits);
  return c;
}

void LayoutValueTable(ValueTableControls& c, QWidget* box, const std::vector<QString>& captions) {
  std::vector<QWidget*> fields(c.edits.begin(), c.edits.end());
  std::vector<int> widths;
  for (const QString& longest : c.longest) widths.push_back(EditWidthFor(longest));
  fields.push_back(c.digits);
  widths.push_back(DigitsControlWidth(c.digits));
  PlaceValueTablePage(static_cast<QGroupBox*>(box)->contentsRect(), c.heads, captions, fields, widths, c.extra,
                      c.table);
}

bool TableEditEvent(const ValueTableControls& c, QObject* watched, QEvent* event, bool windowActive) {
  if (std::find(c.edits.begin(), c.edits.end(), watched) == c.edits.end()) return false;
  const bool enter = event->type() == QEvent::KeyRelease &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
  // Leaving a field for another of this window (not for an error box).
  return enter || (event->type() == QEvent::FocusOut && windowActive);
}

}  // namespace zw
