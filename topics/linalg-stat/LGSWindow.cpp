#include "topics/linalg-stat/LGSWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>

#include "charts/HtmlLab.h"
#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "topics/linalg-stat/LGS.h"

namespace zw {

namespace {

// Cells centred; a black rule two pixels wide down the right edge of the
// last coefficient column sets the right sides apart.
class RuleDelegate : public QStyledItemDelegate {
public:
  RuleDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(p, option, index);
    // Model column c is grid column c + 1; the coefficients end at grid column n.
    if (index.column() + 1 == grid_->ColCount() - 2) {
      p->save();
      p->fillRect(QRect(option.rect.right() - 1, option.rect.top(), 2, option.rect.height() + 1), Qt::black);
      p->restore();
    }
  }

private:
  StringGrid* grid_;
};

QString cellKey(int n, int col, int row) { return col <= n ? MatrixCellKey(row, col) : QStringLiteral("b%1").arg(row); }

}  // namespace

TFLGS::TFLGS(QWidget* owner) : MatrixTopicWindow(owner, ClassName, MatrixWindowConfig()) {
  QWidget* box = inputArea();
  orderCaption_ = new QLabel(box);
  order_ = addSizeSpin(QStringLiteral("n"), LgsMinOrder, LgsMaxOrder);
  static const char* const kFormula[3] = {
      "  a<sub>1,1</sub>·x<sub>1</sub> + ... + a<sub>1,n</sub>·x<sub>n</sub> = b<sub>1</sub>",
      "   :                       :                 :   ",
      "  a<sub>n,1</sub>·x<sub>1</sub> + ... + a<sub>n,n</sub>·x<sub>n</sub> = b<sub>n</sub>"};
  for (int i = 0; i < 3; ++i) {
    THtmlLab* l = formula_[static_cast<std::size_t>(i)] = new THtmlLab(box);
    l->setObjectName(QStringLiteral("HtmlGleichung%1").arg(i + 1));
    l->setTransparent(true);
    l->setFrameStyle(TFrameStyle::fsNone);
    l->setSuppressExceptions(true);
    l->setCaption(QString::fromUtf8(kFormula[i]));
  }
  ref_ = new QCheckBox(QStringLiteral(" ref(A)"), box);
  ref_->setObjectName(QStringLiteral("cb_ref"));
  rref_ = new QCheckBox(QStringLiteral(" rref(A)"), box);
  rref_->setObjectName(QStringLiteral("cb_rref"));
  grid_ = addMatrixGrid(box, QStringLiteral("Matrix1"), false,
                        [this](StringGrid* g, const CsvRows& rows) { return importRows(g, rows); });
  grid_->setItemDelegate(new RuleDelegate(grid_));
  applySizes();
  // The keys follow the order: a01..a0n and b per row.
  fields().addGrid(grid_, [this](int col, int row) { return cellKey(grid_->ColCount() - 2, col, row); });
  initTopic();
}

void TFLGS::applySizes() {
  const int n = order_->value();
  GridResize(grid_, n + 1, n + 2);
}

bool TFLGS::importRows(StringGrid* g, const CsvRows& file) {
  // The lines are the equations; each must hold n coefficients and its right
  // side. Anything else is refused as a whole, the grid left as it was.
  const CsvShape shape = ShapeOf(file);
  const int n = shape.lines;
  if (n < LgsMinOrder || n > LgsMaxOrder || shape.fewestFields < n + 1) {
    refuseImport();
    return false;
  }
  CsvRows rows = file;
  FillGrid(g, rows, n, n + 1);
  const QSignalBlocker block(order_);
  order_->setValue(n);
  return true;
}

void TFLGS::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  PlaceSizeSpin(orderCaption_, order_, left, m.RowTop[1], QStringLiteral("n = "));

  // The form of the system, and the two choices beside it.
  const FontTextMeasurer label(fonts().LabelFont.font);
  const int formulaWidth = label.width(QStringLiteral("  a1,1·x1 + ... + a1,n·xn = b1")) + ScalePixels(24);
  for (int i = 0; i < 3; ++i) {
    THtmlLab* l = formula_[static_cast<std::size_t>(i)];
    l->setFont(fonts().LabelFont.font);
    l->setGeometry(left, m.RowTop[2] + i * m.RowHeight, formulaWidth, m.RowHeight);
  }
  const int boxLeft = left + formulaWidth + ScalePixels(16);
  for (QCheckBox* b : {ref_, rref_}) {
    b->setFont(fonts().TextFont.font);
    b->adjustSize();
  }
  ref_->setGeometry(boxLeft, m.RowTop[2], ref_->width(), m.RowHeight);
  rref_->setGeometry(boxLeft, m.RowTop[3], rref_->width(), m.RowHeight);

  // The grid: up to five equations whole; from six on the view of five rows
  // and six columns, with scroll bars.
  const int n = order_->value();
  SetupMatrixGrid(grid_, left, m.RowTop[5], n, n + 1, QStringLiteral("a"));
  grid_->setCells(n + 1, 0, QStringLiteral("b"));
  const int cw = ScalePixels(75), rh = m.RowHeight, g = StringGrid::GridLineWidth;
  grid_->setDefaultColWidth(cw);
  const int vc = std::min(n + 1, 6), vr = std::min(n, 5);
  int w = rh + vc * cw + (vc + 2) * g + 2, h = (vr + 1) * rh + (vr + 2) * g + 2;
  const bool bars = n > 5;
  if (bars) {
    w += StringGrid::ScrollBarExtent;
    h += StringGrid::ScrollBarExtent;
  }
  grid_->setVerticalScrollBarPolicy(bars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  grid_->setHorizontalScrollBarPolicy(bars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  grid_->setGeometry(left, m.RowTop[5], w, h);
  StyleGrid(grid_);
}

QSize TFLGS::defaultSize() const {
  QSize s = MatrixTopicWindow::defaultSize();
  s.setWidth(std::max(s.width(), ScalePixels(400)));
  return s;
}

QWidget* TFLGS::failureFocus() const { return grid_; }

bool TFLGS::readInputs() { return checkCells(grid_, 0); }

void TFLGS::compute() {
  const int n = order_->value();
  const Matrix a = ReadMatrixCells(grid_, n, n + 1);
  setMemoLines(LgsMemoLines(a, n, SolveLGS(a, n), ref_->isChecked(), rref_->isChecked()));
}

}  // namespace zw
