#pragma once
// What the regression and the logistic-growth windows share: the two-column
// point grid of 1,023 numbered rows, reading its points, and the value-table
// page with its head row of fields above the table.
#include <QString>
#include <array>
#include <vector>

#include "kernel/Types.h"
#include "topics/linalg-stat/PointFiles.h"

class QEvent;
class QLabel;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QSpinBox;
class QWidget;

namespace zw {

class StringGrid;

// A grid of PointFileMaxRows numbered rows and the heads x and y (t and f(t)).
StringGrid* CreatePointGrid(QWidget* parent, const QString& xHead, const QString& yHead);
// Ten rows in view, the columns as wide as the widest number a cell takes.
void PlacePointGrid(StringGrid* grid, int left, int top);
PointRows GridPointRows(StringGrid* grid);
void SetGridPointRows(StringGrid* grid, const PointRows& rows);

// The points of the rows up to the last one with an x text; a row without x
// is skipped. An empty y reads as 0 when emptyYIsZero, else it is refused.
// Each y is multiplied by yFactor. The last refused cell (its y before its x)
// becomes the current cell and throws InputRejected(gridKey).
std::vector<TVec2> ReadGridPoints(StringGrid* grid, bool emptyYIsZero, Extended yFactor, const char* gridKey);

// The value-table page: captions over fields in one row (edits, then the
// digits control, then an optional check box), the table filling the rest.
struct ValueTableControls {
  std::vector<QLabel*> heads;
  std::vector<QLineEdit*> edits;
  QSpinBox* digits = nullptr;
  QWidget* extra = nullptr;
  QPlainTextEdit* table = nullptr;
  // Widest text of each edit.
  std::vector<QString> longest;
};
// Creates them in `box` (edits named Edit4<first> ...), each edit watched by `filter`.
ValueTableControls CreateValueTable(QWidget* box, int edits, int firstNumber, int digits, QObject* filter);
void LayoutValueTable(ValueTableControls& c, QWidget* box, const std::vector<QString>& captions);
// Enter released in a table edit, or the focus leaving it while the window is active.
bool TableEditEvent(const ValueTableControls& c, QObject* watched, QEvent* event, bool windowActive);

}  // namespace zw
