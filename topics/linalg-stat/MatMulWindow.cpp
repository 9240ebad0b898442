#include "topics/linalg-stat/MatMulWindow.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/MatMul.h"

namespace zw {

namespace {

TopicConfig matMulConfig() {
  TopicConfig c = MatrixWindowConfig();
  // The three pages are captioned by the topic's own page.
  c.pages = {{PageKind::Input, 5, IMatMul}, {PageKind::Other, 6, IMatMul}, {PageKind::Results, 7, IMatMul}};
  return c;
}

}  // namespace

TFMatMul::TFMatMul(QWidget* owner) : MatrixTopicWindow(owner, ClassName, matMulConfig()) {
  QWidget* box1 = inputArea();
  QWidget* box2 = contentBox(1);
  for (int i = 0; i < 4; ++i) captions_[static_cast<std::size_t>(i)] = new QLabel(i < 2 ? box1 : box2);
  spins_[0] = addSizeSpin(QStringLiteral("n"), MatMulMinSize, MatMulMaxSize);
  spins_[1] = addSizeSpin(QStringLiteral("m"), MatMulMinSize, MatMulMaxSize);
  // The rows of A2 are the columns of A1: shown, not set, on the second page.
  spins_[2] = new QSpinBox(box2);
  spins_[2]->setRange(MatMulMinSize, MatMulMaxSize);
  spins_[2]->setEnabled(false);
  spins_[3] = addSizeSpin(QStringLiteral("l"), MatMulMinSize, MatMulMaxSize, box2);
  task2_ = new QLabel(box2);
  grid1_ = addMatrixGrid(box1, QStringLiteral("Matrix1"), true,
                         [this](StringGrid* g, const CsvRows& f) { return importFirst(g, f); });
  grid2_ = addMatrixGrid(box2, QStringLiteral("Matrix2"), true,
                         [this](StringGrid* g, const CsvRows& f) { return importSecond(g, f); });
  applySizes();
  fields().addGrid(grid1_, [](int col, int row) { return MatrixCellKey(row, col, QStringLiteral("a")); });
  fields().addGrid(grid2_, [](int col, int row) { return MatrixCellKey(row, col, QStringLiteral("b")); });
  result_ = new ResultMatrixMenu(*this, memo(), IMatMul, 8, 9);
  initTopic();
}

void TFMatMul::applySizes() {
  const int nz = spins_[0]->value(), mz = spins_[1]->value(), lz = spins_[3]->value();
  GridResize(grid1_, nz + 1, mz + 1);
  GridResize(grid2_, mz + 1, lz + 1);
  const QSignalBlocker block(spins_[2]);
  spins_[2]->setValue(mz);
}

bool TFMatMul::importFirst(StringGrid* g, const CsvRows& file) {
  // nz the lines, mz the fields of the last line; A2 takes mz rows.
  const CsvShape shape = ShapeOf(file);
  return importMatrix(g, file, shape.lines, shape.lastFields, spins_[0], spins_[1]);
}

bool TFMatMul::importSecond(StringGrid* g, const CsvRows& file) {
  // lz the fields of the last line; the rows stay tied to the columns of A1.
  return importMatrix(g, file, spins_[1]->value(), ShapeOf(file).lastFields, nullptr, spins_[3]);
}

void TFMatMul::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  PlaceSizeSpin(captions_[0], spins_[0], left, m.RowTop[1], GetText(IMatMul, 2) + QStringLiteral(": "));
  PlaceSizeSpin(captions_[1], spins_[1], left + ScalePixels(180), m.RowTop[1], GetText(IMatMul, 3) + QStringLiteral(": "));
  SetupMatrixGrid(grid1_, left, m.RowTop[3], spins_[0]->value(), spins_[1]->value(), QStringLiteral("A1"));
  StyleGrid(grid1_);
}

void TFMatMul::layoutPage(int index) {
  MatrixTopicWindow::layoutPage(index);
  if (index != 1) return;
  // The second page: its task line, the sizes of A2 and its grid.
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16), top = ScalePixels(16);
  SetupPanelAligned(task2_, left, top, contentBox(1)->width() - 2 * left, m.RowHeight, GetText(IMatMul, 6),
                    fonts().LabelFont, Qt::AlignLeft | Qt::AlignVCenter);
  const int row = top + m.RowTop[2];
  PlaceSizeSpin(captions_[2], spins_[2], left, row, GetText(IMatMul, 2) + QStringLiteral(": "));
  PlaceSizeSpin(captions_[3], spins_[3], left + ScalePixels(180), row, GetText(IMatMul, 3) + QStringLiteral(": "));
  SetupMatrixGrid(grid2_, left, row + m.RowTop[3] - m.RowTop[1], spins_[1]->value(), spins_[3]->value(),
                  QStringLiteral("A2"));
  StyleGrid(grid2_);
}

void TFMatMul::enterOtherPage(int index) {
  // Entering A2's page checks A1; A2's first cell takes the focus.
  if (index != 1) return;
  checkCells(grid1_, 0, false);
  if (currentPage() == 1) FocusFirstCell(grid2_);
}

bool TFMatMul::readInputs() {
  // The product needs both: A1 first (its page on a bad cell), then A2.
  return checkCells(grid1_, 0) && checkCells(grid2_, 1);
}

void TFMatMul::compute() {
  const int nz = spins_[0]->value(), mz = spins_[1]->value(), lz = spins_[3]->value();
  const Matrix a = ReadMatrixCells(grid1_, nz, mz);
  const Matrix b = ReadMatrixCells(grid2_, mz, lz);
  const Matrix c = ComputeMatMul(a, b, nz, mz, lz);
  result_->setResult(c, nz, lz);
  setMemoLines(MatMulMemoLines(a, b, c, nz, mz, lz));
}

}  // namespace zw
