#pragma once
// Chart windows whose curves are drawn as a long run (families of curves,
// series plots): the curves are steppers run one after the other, each shown
// as it grows; ESC and closing stop the run and keep what is drawn, and a
// redraw, a printout, a snapshot, Load and New stop it first.
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "topics/analysis/CurveKit.h"
#include "topics/frame/ChartPage.h"
#include "topics/frame/LongRun.h"

namespace zw {

// Steppers run in turn as one.
class StepperChain : public Stepper {
public:
  explicit StepperChain(std::vector<std::unique_ptr<Stepper>> parts) : parts_(std::move(parts)) {}
  bool step() override;
  void finish(End end, int message) override;

private:
  std::vector<std::unique_ptr<Stepper>> parts_;
  std::size_t current_ = 0;
};

// A stepper of one step.
class SingleStep : public Stepper {
public:
  explicit SingleStep(std::function<void()> work) : work_(std::move(work)) {}
  bool step() override {
    work_();
    return false;
  }
  void finish(End, int) override {}

private:
  std::function<void()> work_;
};

// A stepper made at its first step, from what the steps before it left (a
// curve drawn after the curves it refers to were resolved); null: no steps.
class LaterStepper : public Stepper {
public:
  explicit LaterStepper(std::function<std::unique_ptr<Stepper>()> make) : make_(std::move(make)) {}
  bool step() override;
  void finish(End end, int message) override;

private:
  std::function<std::unique_ptr<Stepper>()> make_;
  std::unique_ptr<Stepper> made_;
  bool started_ = false;
};

class RunningChartWindow : public ChartTopicWindow {
  Q_OBJECT
public:
  // `rangeTexts`: the range keys' texts at creation.
  RunningChartWindow(QWidget* owner, std::string_view className, ChartPageOptions options,
                     std::array<QString, 4> rangeTexts = {});

  void cmdLoad(const QString& file) override;
  void cmdNew(const QString& file) override;
  void cmdSnapshot() override;
  void cmdPrint() override;

protected:
  // The curves of a drawing, in order; each stepper draws into `chart`.
  virtual std::vector<std::unique_ptr<Stepper>> curveRuns(TVIrada& chart) = 0;
  // The stored range, or x −8 … 8, y −4 … 4 at equal scales when a text is no number.
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  // Registers the range keys and the chart keys and runs the creation
  // sequence: the last statement of a topic's constructor.
  void finishCreation();
  // For a printout of a chart whose page was never opened: the inputs read
  // and the chart built with its curves drawn at once.
  void buildChartNow();
  const ChartRangeKeys& rangeKeys() const { return range_; }

private:
  ChartRangeKeys range_;
  bool drawNow_ = false;
};

}  // namespace zw
