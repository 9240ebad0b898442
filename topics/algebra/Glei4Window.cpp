#include "topics/algebra/Glei4Window.h"

#include <QHeaderView>

#include "charts/HtmlLab.h"
#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/kit/Grids.h"
#include "topics/algebra/Glei4.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

// ----- registration of the window (one place, moved as a whole) -----

constexpr int kIdentity = 37;  // "allgemeingültig"

TopicConfig glei4Config() {
  TopicConfig c;
  c.focus = FocusPolicy::OnShowAndActivate;
  c.memo = MemoPolicy::RunningRecord;
  c.taskLines = 2;
  return c;
}

QString keyOf(int col) { return QString::fromStdString(Glei4CellKey(col - 1)); }

}  // namespace

TFGlei4::TFGlei4(QWidget* owner) : TopicWindow(owner, ClassName, glei4Config()) {
  QWidget* box = inputArea();
  equation_ = new THtmlLab(box);
  equation_->setObjectName(QStringLiteral("HtmlGleichung"));
  equation_->setTransparent(true);
  equation_->setAlignment(Qt::AlignHCenter);
  equation_->setFrameStyle(TFrameStyle::fsNone);
  equation_->setSuppressExceptions(true);
  equation_->setCaption(QStringLiteral(
      "<I>a·x<sup>4</sup> + b·x<sup>3</sup> + c·x<sup>2</sup> + d·x + e = 0</I>"));
  grid_ = new StringGrid(box);
  grid_->setObjectName(QStringLiteral("Parameter"));
  grid_->setColCount(6);
  grid_->setRowCount(2);
  grid_->setFixedColumnShown(false);
  for (int c = 1; c <= 5; ++c) grid_->setCells(c, 0, keyOf(c));
  fields().addGrid(grid_, [](int col, int row) { return row == 1 && col >= 1 && col <= 5 ? keyOf(col) : QString(); });
  initTopic();
}

void TFGlei4::layoutInputs() {
  const LayoutMetrics& m = metrics();
  // Every cell shows the widest number it accepts.
  const int colWidth = NumberCellWidth(ScalePixels(80));
  grid_->setDefaultColWidth(colWidth);
  grid_->setDefaultRowHeight(m.RowHeight);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  // Five columns and their lines, two rows and their lines, inside the frame.
  const int gw = 5 * colWidth + 9 * StringGrid::GridLineWidth + 2 * grid_->frameWidth();
  const int gh = 2 * m.RowHeight + 3 * StringGrid::GridLineWidth + 2 * grid_->frameWidth();
  const int left = ScalePixels(16);
  // The equation centred over the grid, its baseline 16 scaled pixels down.
  equation_->setFont(fonts().TextFont.font);
  equation_->setGeometry(left, 0, gw, ScalePixels(36));
  equation_->setPosY(ScalePixels(16));
  grid_->setGeometry(left, ScalePixels(44), gw, gh);
}

bool TFGlei4::readInputs() {
  // Every cell is checked; one box, and the leftmost bad cell takes the focus.
  for (int c = 1; c <= 5; ++c) {
    Extended x = 0;
    std::int32_t ok = 0;
    ReadValue(grid_->Cells(c, 1).toStdU16String(), x, u'f', ok);
    if (ok == 0) throw InputRejected(Glei4CellKey(c - 1));
  }
  return true;
}

void TFGlei4::compute() {
  Glei4Cells cells;
  for (int c = 1; c <= 5; ++c) cells[static_cast<std::size_t>(c - 1)] = grid_->Cells(c, 1).toStdU16String();
  appendMemoLines(Glei4Lines(cells, GetMessageText(kIdentity)));
}

}  // namespace zw
