#include "topics/analysis/CurveRuns.h"

namespace zw {

bool StepperChain::step() {
  if (current_ >= parts_.size()) return false;
  if (parts_[current_]->step()) return true;
  parts_[current_]->finish(End::Finished, 0);
  // The next curve starts with the next step, so a slice can end between curves.
  return ++current_ < parts_.size();
}

void StepperChain::finish(End end, int message) {
  if (end != End::Finished && current_ < parts_.size()) parts_[current_]->finish(end, message);
}

bool LaterStepper::step() {
  if (!started_) {
    started_ = true;
    made_ = make_();
    return made_ != nullptr;
  }
  if (!made_) return false;
  if (made_->step()) return true;
  made_->finish(End::Finished, 0);
  made_.reset();
  return false;
}

void LaterStepper::finish(End end, int message) {
  if (made_) made_->finish(end, message);
}

namespace {

TopicConfig runningConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputAndChart();
  return c;
}

}  // namespace

RunningChartWindow::RunningChartWindow(QWidget* owner, std::string_view className, ChartPageOptions options,
                                       std::array<QString, 4> rangeTexts)
    : ChartTopicWindow(owner, className, runningConfig(), options), range_(chartPage(), std::move(rangeTexts)) {}

void RunningChartWindow::finishCreation() {
  range_.registerKeys(fields());
  addChartKeys();
  initTopic();
}

ChartRange RunningChartWindow::chartRange() {
  const ChartRange fallback{-8, -4, 8, 4, true};
  ChartRange r = range_.range(fallback);
  if (!(r.xLo < r.xHi && r.yLo < r.yHi)) return fallback;
  if (range_.readable()) r.equalScales = false;
  return r;
}

void RunningChartWindow::drawFigures(TVIrada& chart) {
  longRun().stop();
  std::vector<std::unique_ptr<Stepper>> runs = curveRuns(chart);
  if (runs.empty()) return;
  auto chain = std::make_unique<StepperChain>(std::move(runs));
  if (!drawNow_) {
    startLongRun(std::move(chain));
    return;
  }
  while (chain->step()) {
  }
  chain->finish(Stepper::End::Finished, 0);
}

void RunningChartWindow::buildChartNow() {
  if (!chartPage().rebuildPending()) return;
  runComputation();
  drawNow_ = true;
  try {
    chartPage().initChart();
  } catch (...) {
    drawNow_ = false;
    throw;
  }
  drawNow_ = false;
}

void RunningChartWindow::cmdLoad(const QString& file) {
  longRun().stop();
  ChartTopicWindow::cmdLoad(file);
}

void RunningChartWindow::cmdNew(const QString& file) {
  longRun().stop();
  ChartTopicWindow::cmdNew(file);
}

void RunningChartWindow::cmdSnapshot() {
  longRun().stop();
  ChartTopicWindow::cmdSnapshot();
}

void RunningChartWindow::cmdPrint() {
  longRun().stop();
  ChartTopicWindow::cmdPrint();
}

}  // namespace zw
