#pragma once
// A demonstration chart page (a test fixture, not in the menu): a function
// plot with axes, grid and a 3D bar that pans by drag and zooms by Shift +
// drag, "x=" and "y=" read-outs, a double click that restores the range, the
// wheel zoom of the window, the settings dialog, snapshot and print. It wires
// the chart the way the chart pages of the topics do.
#include <QWidget>

#include "charts/NumLab.h"
#include "charts/VIrada.h"

class QPushButton;
class QPrinter;

namespace zw {

class TFFormChart;

class ChartDemoPage : public QWidget {
public:
  explicit ChartDemoPage(QWidget* parent = nullptr);

  TVIrada* chart() { return chart_; }
  TNumLab* xReadout() { return x_; }
  TNumLab* yReadout() { return y_; }
  QPushButton* settingsButton() { return settings_; }

  // The chart built afresh (range, colours, grid, figures).
  void InitChart();
  // The figures again for the current range.
  void DrawChart();
  void Snapshot();
  // Header, two memo lines and the chart on the printer (a page of its own).
  void Print(QPrinter& printer);
  // Runs the settings dialog through the shell's exchange values.
  void ChartSettings();
  // Lets tests answer the dialog.
  std::function<void(TFFormChart&)> prepareDialog;

protected:
  void wheelEvent(QWheelEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

private:
  void layoutPage();
  TVIrada* chart_;
  TNumLab *x_, *y_;
  QPushButton *aspect_, *center_, *settings_;
};

}  // namespace zw
