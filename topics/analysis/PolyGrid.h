#pragma once
// The coefficient grid of the polynomial topics: one row per polynomial, the
// coefficients of x⁹ … x⁰ from left to right, centred cells, column heads on
// the button face. With row heads ("a", "b") the heads read "9" … "0";
// without them they read "a9" … "a0". Its pop-up menu cuts, copies and pastes
// whole rows through the clipboard, so that users move polynomials between
// topics; every computation of these topics also puts its result row there.
#include <QPointer>

#include "kernel/Poly.h"
#include "kernel/PolyText.h"
#include "shell/kit/Grids.h"

class QMenu;

namespace zw {

class PolyGrid : public StringGrid, public CoefficientGrid {
  Q_OBJECT
public:
  // rowHeads: a fixed column naming the rows "a", "b", ...
  PolyGrid(QWidget* parent, int polynomials, bool rowHeads, TextClipboard& clipboard);

  // The polynomial of a row (1-based). A cell that is not a fraction, mixed
  // number or decimal is refused: InputRejected (message 22) with its key.
  TPoly polynomial(int row) const;
  // The worksheet key of a coefficient cell: "a9" … "a0" in row 1, "b9" …
  // "b0" in row 2; empty for the heads.
  static QString cellKey(int col, int row);
  // Places the grid with its outer size, from the current metrics.
  void place(int left, int top);
  QSize outerSize() const;

  // The grid's coordinates of coefficient column c (0 = x⁹).
  int gridColumn(int c) const { return c + 1; }

  // CoefficientGrid: columns counted as the grid shows them, the fixed one
  // (when there is one) included.
  int columnCount() const override;
  int firstEditableColumn() const override;
  int currentRow() const override;
  std::u16string cell(int column, int row) const override;
  void setCell(int column, int row, const std::u16string& text) override;

  void cutRow();
  void copyRow();
  void pasteRow();

signals:
  // The user clicked a cell, left the grid, or pressed Enter or Tab in it.
  void cellClicked();
  void leftGrid();
  void enterPressed();
  void tabPressed();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  void focusMoved(QWidget* old, QWidget* now);
  bool owns(const QWidget* w) const;
  bool rowHeads_;
  TextClipboard& clipboard_;
  QPointer<QMenu> menu_;
};

}  // namespace zw
