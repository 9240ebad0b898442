#include "topics/linalg-stat/MatInvWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/MatInv.h"

namespace zw {

TFMatInv::TFMatInv(QWidget* owner) : MatrixTopicWindow(owner, ClassName, MatrixWindowConfig()) {
  QWidget* box = inputArea();
  orderCaption_ = new QLabel(box);
  order_ = addSizeSpin(QStringLiteral("n"), MatInvMinOrder, MatInvMaxOrder);
  grid_ = addMatrixGrid(box, QStringLiteral("Matrix1"), true, [this](StringGrid* g, const CsvRows& file) {
    // The order is the field count of the file's last line.
    const int n = ShapeOf(file).lastFields;
    return importMatrix(g, file, n, n, order_, order_);
  });
  applySizes();
  fields().addGrid(grid_, [](int col, int row) { return MatrixCellKey(row, col); });
  result_ = new ResultMatrixMenu(*this, memo(), IMatInv, 9, 10);
  initTopic();
}

void TFMatInv::applySizes() {
  const int n = order_->value();
  GridResize(grid_, n + 1, n + 1);
}

void TFMatInv::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  PlaceSizeSpin(orderCaption_, order_, left, m.RowTop[1], GetText(IMatInv, 2) + QStringLiteral(": "));
  const int n = order_->value();
  SetupMatrixGrid(grid_, left, m.RowTop[3], n, n, QStringLiteral("A"));
  StyleGrid(grid_);
}

QSize TFMatInv::defaultSize() const {
  QSize s = MatrixTopicWindow::defaultSize();
  s.setWidth(std::max(s.width(), 440));
  return s;
}

bool TFMatInv::readInputs() { return checkCells(grid_, 0); }

void TFMatInv::compute() {
  const int n = order_->value();
  const Matrix a = ReadMatrixCells(grid_, n, n);
  const MatInvResult r = ComputeMatInv(a, n);
  if (r.invertible)
    result_->setResult(r.inverse, n, n);
  else
    result_->clear();
  setMemoLines(MatInvMemoLines(a, n, r));
}

}  // namespace zw
