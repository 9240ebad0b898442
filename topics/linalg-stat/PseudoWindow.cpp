#include "topics/linalg-stat/PseudoWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/Pseudo.h"

namespace zw {

namespace {

TopicConfig pseudoConfig() {
  TopicConfig c = MatrixWindowConfig();
  c.size = SizePolicy::KeepDefault;  // every layout restores the default size
  return c;
}

}  // namespace

TFPseudo::TFPseudo(QWidget* owner) : MatrixTopicWindow(owner, ClassName, pseudoConfig()) {
  QWidget* box = inputArea();
  for (QLabel*& c : captions_) c = new QLabel(box);
  spins_[0] = addSizeSpin(QStringLiteral("n"), PseudoMinSize, PseudoMaxRows);
  spins_[1] = addSizeSpin(QStringLiteral("m"), PseudoMinSize, PseudoMaxColumns);
  grid_ = addMatrixGrid(box, QStringLiteral("Matrix1"), true, [this](StringGrid* g, const CsvRows& file) {
    // n the lines, m the fields of the last line.
    const CsvShape shape = ShapeOf(file);
    return importMatrix(g, file, shape.lines, shape.lastFields, spins_[0], spins_[1]);
  });
  applySizes();
  fields().addGrid(grid_, [](int col, int row) { return MatrixCellKey(row, col); });
  result_ = new ResultMatrixMenu(*this, memo(), IPseudo, 9, 10);
  initTopic();
}

void TFPseudo::applySizes() { GridResize(grid_, spins_[0]->value() + 1, spins_[1]->value() + 1); }

void TFPseudo::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  PlaceSizeSpin(captions_[0], spins_[0], left, m.RowTop[1], GetText(IPseudo, 2) + QStringLiteral(": "));
  PlaceSizeSpin(captions_[1], spins_[1], left + ScalePixels(180), m.RowTop[1], GetText(IPseudo, 3) + QStringLiteral(": "));
  SetupMatrixGrid(grid_, left, m.RowTop[3], spins_[0]->value(), spins_[1]->value(), QStringLiteral("A"));
  StyleGrid(grid_);
}

bool TFPseudo::readInputs() { return checkCells(grid_, 0); }

void TFPseudo::compute() {
  const int n = spins_[0]->value(), m = spins_[1]->value();
  const Matrix a = ReadMatrixCells(grid_, n, m);
  const PseudoResult r = ComputePseudo(a, n, m);
  if (const Matrix* p = r.copied())
    result_->setResult(*p, m, n);
  else
    result_->clear();
  setMemoLines(PseudoMemoLines(a, n, m, r, FontTextMeasurer(memoFont())));
  MemoScrollTop(memo());
}

}  // namespace zw
