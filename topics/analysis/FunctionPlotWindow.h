#pragma once
// "Funktionsplotter": up to twelve terms drawn in one chart; a term may use
// the curves above it (fj(…), yj, yj', yj"), each curve can be switched off
// beside the chart, and the angle mode is the window's own.
#include <array>

#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveKit.h"
#include "topics/analysis/CurveRuns.h"
#include "topics/analysis/CurveTerms.h"
#include "topics/frame/ChartPage.h"

namespace zw {

class StringGrid;

class TFFPlot1 : public RunningChartWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFFPlot1";
  explicit TFFPlot1(QWidget* owner = nullptr);

  StringGrid* grid() const { return grid_; }
  AngleModeBox& angleMode() { return angle_; }
  CurveSwitches& switches() const { return *switches_; }
  // The terms as the last drawing used them, references replaced.
  const CurveTerms& resolvedTerms() const { return resolved_; }

protected:
  void layoutInputs() override;
  void layoutPage(int index) override;
  bool readInputs() override { return true; }  // a term that does not read draws no line
  void compute() override;
  ChartRange chartRange() override;
  std::vector<std::unique_ptr<Stepper>> curveRuns(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;
  QWidget* failureFocus() const override;

private:
  QString rowLabel(int i) const;
  void readTerms();
  void updateSwitches();

  StringGrid* grid_ = nullptr;
  AngleModeBox angle_;
  CurveSwitches* switches_ = nullptr;
  SystemTextClipboard clipboard_;
  CurveResolver resolver_;
  CurveTerms raw_{};
  CurveTerms resolved_{};
};

}  // namespace zw
