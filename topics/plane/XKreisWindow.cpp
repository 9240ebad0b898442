#include "topics/plane/XKreisWindow.h"

#include <QLabel>
#include <QLineEdit>

#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {
const char* const kKeys[6] = {"x1", "y1", "r1", "x2", "y2", "r2"};
}

TFXKreis::TFXKreis(QWidget* owner) : ChartTopicWindow(owner, ClassName, PlaneChartConfig(), ChartPageOptions{}) {
  for (int i = 0; i < 6; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("Edit%1%2").arg(i / 3 + 1).arg(i % 3 + 1));
    fields().addField(QString::fromLatin1(kKeys[i]), e, i % 3 == 2 ? u'p' : u'e');
  }
  for (auto& p : panels_) p = new QLabel(inputArea());
  addChartKeys();
  initTopic();
}

void TFXKreis::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  for (int k = 0; k < 2; ++k)
    PlaceCircleInput(panels_[std::size_t(2 * k)], panels_[std::size_t(2 * k + 1)], canvas, edits_[std::size_t(3 * k)],
                     edits_[std::size_t(3 * k + 1)], edits_[std::size_t(3 * k + 2)], QStringLiteral("k%1").arg(k + 1),
                     metrics().ColLeft[1], metrics().RowTop[std::size_t(1 + k)]);
}

TwoCircles TFXKreis::read() const {
  TwoCircles k;
  k.m1 = {fields().value("x1"), fields().value("y1")};
  k.r1 = fields().value("r1");
  k.m2 = {fields().value("x2"), fields().value("y2")};
  k.r2 = fields().value("r2");
  return k;
}

void TFXKreis::compute() {
  circles_ = read();
  const TwoCirclesResult res = IntersectCircles(circles_);
  setMemoLines(XKreisMemoLines(circles_, res, FontTextMeasurer(memoFont())));
}

ChartRange TFXKreis::chartRange() {
  ChartRange r;
  XKreisRange(circles_, r.xLo, r.yLo, r.xHi, r.yHi);
  return r;
}

void TFXKreis::drawFigures(TVIrada& chart) {
  ChartPage& p = chartPage();
  DrawCircle(chart, circles_.m1, p.color(1), circles_.r1, p.width(1));
  DrawCircle(chart, circles_.m2, p.color(2), circles_.r2, p.width(2));
}

void TFXKreis::graphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IX2d, 2) + QStringLiteral(" 1");
  hints[2] = GetText(IX2d, 2) + QStringLiteral(" 2");
}

}  // namespace zw
