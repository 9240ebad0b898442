#include "topics/plane/Poly2Window.h"

#include <QKeyEvent>

#include "kernel/CalcFailure.h"
#include "shell/Metrics.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {

TopicConfig Config() {
  TopicConfig c = PlaneChartConfig();
  c.memoFont = SharedFontId::TextFont;
  c.taskLines = 2;
  c.save = SavePolicy::NonEmptyTrimmed;
  c.focus = FocusPolicy::RecomputeOnActivate;
  return c;
}

std::string Key(int col, int row) { return PlaneCellKey(col, row).toStdString(); }

}  // namespace

TFPoly2::TFPoly2(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, Config(), [] {
        ChartPageOptions o;
        o.wheelDivisor = 32;
        o.wheelSuppressesPaint = true;
        o.afterDialog = AfterChartDialog::Rebuild;
        o.minVis = 1;
        o.maxVis = 3;
        return o;
      }()) {
  grid_ = AddPointGrid(*this, PolygonMaxCorners);
  addChartKeys();
  initTopic();
}

void TFPoly2::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int top = m.RowTop[1];
  const int minH = 2 * m.RowHeight - 1;
  const int h = std::max(minH, inputArea()->height() - top - m.RowHeight);
  SetupPointListGrid(grid_, m.ColLeft[1], top, h);
  countAsPlaced(grid_, QRect(m.ColLeft[1], top, grid_->width(), minH));
}

bool TFPoly2::readInputs() {
  const std::vector<TVec2> p = ReadGridPoints(grid_, PolygonMaxCorners);
  int last = 0;
  for (int row = 1; row <= PolygonMaxCorners; ++row)
    if (!grid_->Cells(1, row).trimmed().isEmpty()) last = row;
  // A gap in the list would make a corner (0|0) of an empty row.
  for (int row = 1; row < last; ++row)
    if (grid_->Cells(1, row).trimmed().isEmpty()) throw InputRejected(Key(1, row));
  if (last < 3) throw InputRejected(Key(1, 1), msg::TooFewData);
  corners_.assign(p.begin(), p.begin() + last);
  return true;
}

void TFPoly2::compute() {
  std::array<std::array<QString, 2>, PolygonMaxCorners> texts;
  for (int row = 1; row <= PolygonMaxCorners; ++row)
    texts[std::size_t(row - 1)] = {grid_->Cells(1, row), grid_->Cells(2, row)};
  try {
    analysis_ = AnalysePolygon(corners_, texts, FontTextMeasurer(memoFont()));
  } catch (const CalcFailure&) {
    throw InputRejected(Key(1, 1), msg::ImproperData);
  }
  solved_ = true;
  setMemoLines(analysis_.memo);
}

ChartRange TFPoly2::chartRange() {
  if (!solved_ || analysis_.p.empty()) return {};
  ChartRange r{analysis_.p[0].x, analysis_.p[0].y, analysis_.p[0].x, analysis_.p[0].y};
  for (const TVec2& q : analysis_.p) {
    r.xLo = std::min(r.xLo, q.x), r.xHi = std::max(r.xHi, q.x);
    r.yLo = std::min(r.yLo, q.y), r.yHi = std::max(r.yHi, q.y);
  }
  // Corners on one vertical or horizontal line still get a span.
  if (!(r.xHi > r.xLo)) r.xLo -= 1, r.xHi += 1;
  if (!(r.yHi > r.yLo)) r.yLo -= 1, r.yHi += 1;
  return r;
}

void TFPoly2::drawFigures(TVIrada& chart) {
  if (!solved_) return;
  const ChartPage& page = chartPage();
  const std::vector<TVec2>& p = analysis_.p;
  TVec2 from = p.back();
  for (const TVec2& to : p) {
    DrawSegment(chart, from, to, page.color(1), page.width(1));
    from = to;
  }
  if (analysis_.cyclic) DrawCircle(chart, analysis_.Mu, page.color(2), analysis_.ru, page.width(2));
  if (analysis_.tangent) DrawCircle(chart, analysis_.Mi, page.color(3), analysis_.ri, page.width(3));
  chart.setLineWidth(1);
}

void TFPoly2::graphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IAbb, 100);
  hints[2] = GetText(IDrei, 7);
  hints[3] = GetText(IDrei, 8);
}

bool TFPoly2::event(QEvent* event) {
  // F1 is this window's own key: released, it opens the topic's help.
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    event->accept();
    return true;
  }
  return ChartTopicWindow::event(event);
}

void TFPoly2::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && !event->isAutoRepeat()) {
    runGuarded([this] { cmdHelp(); });
    return;
  }
  ChartTopicWindow::keyReleaseEvent(event);
}

}  // namespace zw
