#include "topics/plane/XGer2dWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {
const char* const kKeys[6] = {"a1", "b1", "c1", "a2", "b2", "c2"};

ChartPageOptions Options() {
  ChartPageOptions o;
  // Zooming lasts only while the page stays open; the dialog's changes show
  // once before and once after the lists are taken back.
  o.visit = ChartVisit::FreshEveryVisit;
  o.afterDialog = AfterChartDialog::RedrawTwice;
  return o;
}
}  // namespace

TFXGer2d::TFXGer2d(QWidget* owner) : ChartTopicWindow(owner, ClassName, PlaneChartConfig(), Options()) {
  for (int i = 0; i < 6; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("Edit%1%2").arg(i / 3 + 1).arg(i % 3 + 1));
    fields().addField(QString::fromLatin1(kKeys[i]), e, u'e');
  }
  for (auto& p : panels_) p = new QLabel(inputArea());
  for (int k = 0; k < 2; ++k) {
    auto* b = buttons_[std::size_t(k)] = new QPushButton(inputArea());
    b->setObjectName(QStringLiteral("Btn%1").arg(k + 1));
    connect(b, &QPushButton::clicked, this, guardedSlot([this, k] {
              FillLineFromTwoPoints(*this, edits_[std::size_t(3 * k)], edits_[std::size_t(3 * k + 1)],
                                    edits_[std::size_t(3 * k + 2)], 10 + k, edits_[0], runTwoPointDialog);
            }));
  }
  addChartKeys();
  initTopic();
}

void TFXGer2d::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  const QString names[2] = {QStringLiteral("g : "), QStringLiteral("h : ")};
  for (int k = 0; k < 2; ++k)
    PlaceLineInput(panels_[std::size_t(3 * k)], panels_[std::size_t(3 * k + 1)], panels_[std::size_t(3 * k + 2)],
                   canvas, edits_[std::size_t(3 * k)], edits_[std::size_t(3 * k + 1)], edits_[std::size_t(3 * k + 2)],
                   m.ColLeft[1], m.RowTop[std::size_t(1 + k)], names[k]);
  const FontTextMeasurer bold(fonts().BoldFont.font);
  int left = m.ColLeft[1];
  for (int k = 0; k < 2; ++k) {
    const QString caption = GetText(IXGer2d, 5 + k);
    const int w = bold.width(caption) + ScalePixels(24);
    SetControlTextBoundsBold(buttons_[std::size_t(k)], left, m.RowTop[4], w, ScalePixels(24), caption);
    left += w + ScalePixels(8);
  }
}

void TFXGer2d::compute() {
  in_ = {fields().value("a1"), fields().value("b1"), fields().value("c1"),
         fields().value("a2"), fields().value("b2"), fields().value("c2")};
  const TwoLinesResult res = IntersectTwoLines(in_);
  s_ = res.s;
  setMemoLines(XGer2dMemoLines(in_, res));
}

ChartRange TFXGer2d::chartRange() { return {s_.x - 5, s_.y - 4, s_.x + 5, s_.y + 4}; }

void TFXGer2d::drawFigures(TVIrada& chart) {
  ChartPage& p = chartPage();
  DrawLineABC(chart, p.color(1), p.width(1), in_.a1, in_.b1, in_.c1);
  DrawLineABC(chart, p.color(2), p.width(2), in_.a2, in_.b2, in_.c2);
}

void TFXGer2d::graphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IX2d, 1) + QStringLiteral(" g");
  hints[2] = GetText(IX2d, 1) + QStringLiteral(" h");
}

}  // namespace zw
