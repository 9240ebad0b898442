#include "topics/plane/Drei3Window.h"

#include <QTabWidget>

#include "shell/Metrics.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "topics/plane/Drei3.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {

TopicConfig Config() {
  TopicConfig c = PlaneChartConfig();
  c.taskLines = 4;
  c.focus = FocusPolicy::RecomputeOnActivate;
  return c;
}

}  // namespace

TFDrei3::TFDrei3(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, Config(), [this] {
        ChartPageOptions o;
        o.wheelOnEveryPage = true;
        o.colorList = &colorList_;
        o.widthList = &widthList_;
        o.minVis = 1;
        o.maxVis = 3;
        return o;
      }()) {
  grid_ = AddPointGrid(*this, 3);
  // Back on the inputs, the next visit of the chart builds it afresh.
  connect(pageControl(), &QTabWidget::currentChanged, this, [this](int index) {
    if (index == 0) chartPage().setRebuildPending(true);
  });
  addChartKeys();
  initTopic();
}

void TFDrei3::layoutInputs() {
  const LayoutMetrics& m = metrics();
  SetupPointGrid(grid_, m.ColLeft[1], m.RowTop[1]);
  grid_->setCells(0, 1, QStringLiteral("A"));
  grid_->setCells(0, 2, QStringLiteral("B"));
  grid_->setCells(0, 3, QStringLiteral("C"));
}

bool TFDrei3::readInputs() {
  const std::vector<TVec2> p = ReadGridPoints(grid_, 3);
  for (int i = 0; i < 3; ++i) points_[i] = p[std::size_t(i)];
  return true;
}

void TFDrei3::compute() {
  triangle_ = SolveDrei3(points_[0], points_[1], points_[2]);
  solved_ = true;
  setMemoLines(Drei3MemoLines(triangle_, FontTextMeasurer(memoFont())));
}

void TFDrei3::rebuildPicture() {
  // The chart follows every layout (its range as it stands).
  if (solved_ && !chartPage().rebuildPending()) chartPage().drawChart();
}

ChartRange TFDrei3::chartRange() { return solved_ ? TriangleChartRange(triangle_, chartPage().chart()) : ChartRange{}; }

void TFDrei3::drawFigures(TVIrada& chart) {
  if (solved_) DrawTriangleWithCircles(chart, chartPage(), triangle_);
}

void TFDrei3::graphHints(std::array<QString, 13>& hints) { TriangleGraphHints(hints); }

}  // namespace zw
