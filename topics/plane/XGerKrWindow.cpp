#include "topics/plane/XGerKrWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/SubWindowBorder.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {
const char* const kKeys[6] = {"a", "b", "c", "x", "y", "r"};
}

TFXGerKr::TFXGerKr(QWidget* owner) : ChartTopicWindow(owner, ClassName, PlaneChartConfig(), ChartPageOptions{}) {
  for (int i = 0; i < 6; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("Edit%1%2").arg(i / 3 + 1).arg(i % 3 + 1));
    fields().addField(QString::fromLatin1(kKeys[i]), e, i == 5 ? u'p' : u'e');
  }
  for (auto& p : panels_) p = new QLabel(inputArea());
  btnGetAB2D_ = new QPushButton(inputArea());
  btnGetAB2D_->setObjectName(QStringLiteral("BtnGetAB2D"));
  connect(btnGetAB2D_, &QPushButton::clicked, this, guardedSlot([this] {
            FillLineFromTwoPoints(*this, edits_[0], edits_[1], edits_[2], 10, edits_[0], runTwoPointDialog);
          }));
  // A single border until the pages change; then none on the input page
  // (only ESC closes the window there) and a sizeable one elsewhere.
  border_ = new SubWindowBorder(this, WindowBorder::Single);
  connect(pageControl(), &QTabWidget::currentChanged, this, guardedSlot([this] { pageShown(); }));
  addChartKeys();
  initTopic();
}

void TFXGerKr::pageShown() {
  // The page showing after the frame's change handler: a failed computation
  // has brought the inputs back.
  if (currentPage() != 0) return border_->set(WindowBorder::Sizeable);
  border_->set(WindowBorder::None);
  setDefaultSize();
}

void TFXGerKr::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  PlaceLineInput(panels_[0], panels_[1], panels_[2], canvas, edits_[0], edits_[1], edits_[2], m.ColLeft[1],
                 m.RowTop[1], QStringLiteral("g : "));
  PlaceCircleInput(panels_[3], panels_[4], canvas, edits_[3], edits_[4], edits_[5], QStringLiteral("k"), m.ColLeft[1],
                   m.RowTop[2]);
  const QString caption = GetText(IXGerKr, 2);
  SetControlTextBoundsBold(btnGetAB2D_, m.ColLeft[1], m.RowTop[4],
                           FontTextMeasurer(fonts().BoldFont.font).width(caption) + ScalePixels(24),
                           ScalePixels(24), caption);
}

void TFXGerKr::compute() {
  in_.a = fields().value("a");
  in_.b = fields().value("b");
  in_.c = fields().value("c");
  in_.m = {fields().value("x"), fields().value("y")};
  in_.r = fields().value("r");
  const CircleAndLineResult res = IntersectCircleLine(in_);
  setMemoLines(XGerKrMemoLines(in_, res, FontTextMeasurer(memoFont())));
}

ChartRange TFXGerKr::chartRange() {
  return {in_.m.x - 2 * in_.r, in_.m.y - 2 * in_.r, in_.m.x + 2 * in_.r, in_.m.y + 2 * in_.r};
}

void TFXGerKr::drawFigures(TVIrada& chart) {
  ChartPage& p = chartPage();
  DrawLineABC(chart, p.color(1), p.width(1), in_.a, in_.b, in_.c);
  DrawCircle(chart, in_.m, p.color(2), in_.r, p.width(2));
}

void TFXGerKr::graphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IX2d, 1) + QStringLiteral(" g");
  hints[2] = GetText(IX2d, 2) + QStringLiteral(" k");
}

}  // namespace zw
