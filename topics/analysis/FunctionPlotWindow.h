#pragma once
// "Funktionsplotter": up to twelve terms drawn in one chart; a term may use
// the curves above it (fj(…), yj, yj', yj"), each curve can be switched off
// beside the chart, and the angle mode is the window's own.
#include <array>

#include "kernel/FormulaContext.h"
#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveKit.h"
#include "topics/analysis/CurveTerms.h"
#include "topics/frame/ChartPage.h"

class QGroupBox;
class QRadioButton;

namespace zw {

class StringGrid;

// The angle-mode group of the curve windows: DEG, RAD, GON in three columns.
class AngleModeBox {
public:
  explicit AngleModeBox(QWidget* parent);
  QGroupBox* box() const { return box_; }
  QRadioButton* button(int mode) const { return buttons_[std::size_t(mode)]; }
  int mode() const;  // 0 degrees, 1 radians, 2 gon
  void setMode(int mode);
  // The evaluator's context with the chosen mode; Y, Z and K as the program has them.
  FormulaContext context() const;
  void place(int left, int top, int width, const QString& caption);

private:
  QGroupBox* box_;
  std::array<QRadioButton*, 3> buttons_{};
};

class TFFPlot1 : public ChartTopicWindow {
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
  void drawFigures(TVIrada& chart) override;
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
  ChartRangeKeys range_;
  SystemTextClipboard clipboard_;
  CurveResolver resolver_;
  CurveTerms raw_{};
  CurveTerms resolved_{};
};

}  // namespace zw
