#include "topics/analysis/FunctionPlotWindow.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/Grids.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

// ----- the window

namespace {

ChartPageOptions plotterChart() {
  ChartPageOptions o;
  o.pageIndex = 1;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = 12;
  return o;
}

const ChartRange kDefaultRange{-10, -7, 10, 7};

}  // namespace

TFFPlot1::TFFPlot1(QWidget* owner)
    : RunningChartWindow(owner, ClassName, plotterChart(),
                         {QStringLiteral("-10"), QStringLiteral("10"), QStringLiteral("-7"), QStringLiteral("7")}),
      angle_(inputArea()) {
  grid_ = new StringGrid(inputArea());
  grid_->setObjectName(QStringLiteral("Funktionen"));
  grid_->setColCount(2);
  grid_->setRowCount(CurveCount + 1);
  grid_->horizontalHeader()->hide();
  StyleGrid(grid_);
  grid_->setEditorMode(true);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int i = 1; i <= CurveCount; ++i) grid_->setCells(0, i, rowLabel(i));
  fields().addGrid(grid_, [](int col, int row) {
    return col == 1 && row >= 1 && row <= CurveCount ? QStringLiteral("f%1").arg(row) : QString();
  });
  AttachTermMenu(grid_, 1, clipboard_, [this](const std::function<void()>& f) { runGuarded(f); });

  switches_ = new CurveSwitches(contentBox(1), CurveCount, clWhite, [this](int) {
    updateSwitches();
    chartPage().drawChart();
  });
  std::vector<QString> labels;
  for (int i = 1; i <= CurveCount; ++i)
    labels.push_back(i < 10 ? QStringLiteral(" ") + FunctionSign() + QString::number(i) : QStringLiteral(" %1").arg(i));
  switches_->setLabels(labels);
  if (memo()) memo()->hide();  // the chart is the result; there is no text
  finishCreation();
}

QString TFFPlot1::rowLabel(int i) const {
  return i < 10 ? QStringLiteral(" ") + FunctionSign() + QString::number(i) + QStringLiteral(" (x) =")
                : QStringLiteral(" ") + FunctionSign() + QString::number(i) + QStringLiteral("(x) =");
}

void TFFPlot1::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  // The row heads show " ƒ12(x) =" whole at every zoom.
  const int labelWidth = std::max(m.RowHeight * 5 / 2, QFontMetrics(grid_->font()).horizontalAdvance(rowLabel(12)) +
                                                           QFontMetrics(grid_->font()).horizontalAdvance(u' ') * 3);
  const int minTerm = ScalePixels(360);
  grid_->setDefaultRowHeight(m.RowHeight);
  grid_->setColWidth(0, labelWidth);
  const int height = CurveCount * (m.RowHeight + StringGrid::GridLineWidth) + 4;
  const int least = labelWidth + minTerm + StringGrid::GridLineWidth + 4;
  placeStretched(grid_, QRect(left, m.RowTop[1], least, height), left);
  grid_->setColWidth(1, grid_->width() - labelWidth - StringGrid::GridLineWidth - 4);
  angle_.place(left, grid_->geometry().bottom() + 1 + ScalePixels(8), ScalePixels(280), GetText(IFPlot1, 4));
}

void TFFPlot1::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  if (index != chartPage().options().pageIndex) return;
  // The chart gives a column of its width to the curve switches.
  switches_->placeBesideChart(chartPage().chart());
}

QWidget* TFFPlot1::failureFocus() const { return grid_; }

void TFFPlot1::readTerms() {
  for (int i = 1; i <= CurveCount; ++i) raw_[std::size_t(i - 1)] = grid_->Cells(1, i).trimmed().toStdU16String();
}

void TFFPlot1::compute() { readTerms(); }

ChartRange TFFPlot1::chartRange() {
  // A fresh build shows every curve again.
  readTerms();
  switches_->showAll();
  ChartRange r = rangeKeys().range(kDefaultRange);
  r.equalScales = false;
  return r;
}

void TFFPlot1::updateSwitches() {
  std::vector<bool> present;
  std::vector<QString> hints;
  for (int i = 1; i <= CurveCount; ++i) {
    present.push_back(!raw_[std::size_t(i - 1)].empty());
    hints.push_back(FunctionSign() + QStringLiteral("%1(x) = ").arg(i) +
                    QString::fromStdU16String(resolved_[std::size_t(i - 1)]));
  }
  switches_->update(present, chartPage().pens(), hints);
}

std::vector<std::unique_ptr<Stepper>> TFFPlot1::curveRuns(TVIrada& chart) {
  // Twelve long terms that refer to each other take seconds: each curve is
  // resolved in a step of its own (after the curves it refers to) and
  // sampled a block at a time.
  const FormulaContext context = angle_.context();
  const bool fresh = !resolver_.holds(raw_, context);
  resolved_ = fresh ? CurveTerms{} : resolver_.resolved();
  updateSwitches();
  const GraphPens pens = chartPage().pens();
  std::vector<std::unique_ptr<Stepper>> runs;
  for (int i = 1; i <= CurveCount; ++i)
    runs.push_back(std::make_unique<LaterStepper>(
        [this, i, fresh, context, pens, raw = raw_, chart = QPointer<TVIrada>(&chart)]() -> std::unique_ptr<Stepper> {
          const std::size_t at = std::size_t(i - 1);
          if (fresh) {
            resolved_[at] = ResolveCurve(i, raw[at], resolved_, context, resolver_.derivatives());
            if (i == CurveCount) {
              resolver_.keep(raw, context, resolved_);
              updateSwitches();
            }
          }
          if (!chart || resolved_[at].empty() || !switches_->shown(i) || pens.width[std::size_t(i)] <= 0)
            return nullptr;
          return PlotTermSteps(QString::fromStdU16String(resolved_[at]), *chart, pens.color[std::size_t(i)],
                               pens.width[std::size_t(i)], context);
        }));
  return runs;
}

void TFFPlot1::graphHints(std::array<QString, 13>& hints) {
  for (int i = 1; i <= CurveCount; ++i)
    hints[std::size_t(i)] = rowLabel(i).trimmed() + grid_->Cells(1, i).trimmed();
}

void TFFPlot1::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  // The printout shows the chart even when its page was never opened.
  buildChartNow();
  QStringList lines{GetText(IFPlot1, 2)};
  std::vector<int> listed;
  for (int i = 1; i <= CurveCount; ++i) {
    const QString raw = grid_->Cells(1, i);
    if (raw.trimmed().isEmpty()) continue;
    lines << FunctionSign() + QStringLiteral("%1(x) = ").arg(i) + raw;
    listed.push_back(i);
  }
  PrintMemoLines(painter, device, fonts().TextFont.font, lines, cursor);
  chartPage().print(painter, device, cursor);
  const GraphPens pens = chartPage().pens();
  std::vector<LegendEntry> legend;
  for (int i : listed) legend.push_back({pens.color[std::size_t(i)], FunctionSign() + QString::number(i)});
  PrintCurveLegend(painter, cursor.y - cursor.lineStep, legend, QStringLiteral("f  "));
}

}  // namespace zw
