#pragma once
// The chart-settings dialog "Einstellungen" of the chart topics: visible
// ranges and axis kinds of layer 1, the angle mode, grid style, spacing and
// colours, plot resolution, print size and black and white, and the colours
// and widths of the topic's graphs and area. It edits one chart directly; the
// graph rows come in as a ChartGraphRows value and go back in it on OK.
#include <QDialog>
#include <array>
#include <functional>

#include "charts/ChartDraw.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zw {

class TVIrada;
class PageControl;

// What the dialog shows and hands back, apart from the graph rows.
struct ChartSettingsValues {
  QString xLo, xHi, yLo, yHi;  // texts of the range edits
  int xAxis = 0, yAxis = 0;    // 0 linear, 1 logarithmic
  int angleMode = 1;
  int gridStyle = 3;           // 0 none, 1 points, 2 dotted lines, 3 lines
  QString dx, dy;
  bool autoGrid = true;
  TColor gridColor = 0, chartColor = 0, windColor = 0, axisColor = 0, fontColor = 0;
  QString printFactor = QStringLiteral("100 %");
  bool printBlackWhite = false;
  int resolution = 1;
};

// The topic's side of the graph rows: what the dialog shows and, after OK,
// what the user chose. Lists hold palette indexes and widths of graphs 1, 2,
// ... ("5,19,13"); row 0 is the filled area.
struct ChartGraphRows {
  QString colorList, widthList;
  int minVis = 1, maxVis = 2;          // the rows shown (0 .. 12)
  bool areaVis = false;                // the area group on the page
  int areaColor = 28, areaWidth = 0;   // row 0, taken back only while it shows
  std::array<QString, 13> hints;       // tool tips of rows 0 .. 12
};

// Decimals of the range edits for an axis span: 3 - Trunc(log10 |span|), at least 1.
int RangeDecimals(double span);
// The values of a chart and the shell options, as the dialog shows them.
ChartSettingsValues ReadChartSettings(TVIrada& chart);
// Applies confirmed values to the chart and the shell options.
void ApplyChartSettings(TVIrada& chart, const ChartSettingsValues& v);

class TFFormChart : public QDialog {
  Q_OBJECT
public:
  explicit TFFormChart(QWidget* owner = nullptr);

  // Fills the dialog from the chart and the rows, shows it modally and on OK
  // applies it to the chart and writes the chosen rows back: colorList and
  // widthList then hold exactly rows 1 .. maxVis, the area values only when
  // row 0 showed. Returns whether it was confirmed.
  bool SetGrid(TVIrada& chart, ChartGraphRows& rows);
  // Shows the rows (SetGrid does so first).
  void showRows(const ChartGraphRows& rows);

  // Chooses a colour for the five chart colour panels (default: the colour dialog).
  std::function<bool(QWidget*, QColor&)> chooseColor;
  // Runs the modal loop (default: exec); tests answer through it.
  std::function<int(TFFormChart*)> runModal;

  // Controls (tests drive the dialog through them).
  PageControl* tabs;
  QLineEdit *xFromEdit, *xToEdit, *yFromEdit, *yToEdit, *dxEdit, *dyEdit;
  QButtonGroup *xAxisGroup, *yAxisGroup, *angleGroup, *gridStyleGroup, *resolutionGroup;
  QCheckBox *autoGridBox, *blackWhiteBox;
  QComboBox* printFactorBox;
  QPushButton *gridColorButton, *chartColorButton, *windColorButton, *axisColorButton, *fontColorButton;
  QGroupBox *areaGroup, *paletteGroup;
  std::array<QPushButton*, 13> rowColorButtons{};
  std::array<QLineEdit*, 13> rowWidthEdits{};
  std::array<QPushButton*, 3> okButtons{}, cancelButtons{}, helpButtons{};
  QPushButton *resetColorsButton, *resetWidthsButton, *closePaletteButton;
  std::array<QPushButton*, 49> swatches{};

  // Palette index and width of row 0 (area) .. 12 as chosen so far, and
  // whether the row shows.
  int rowColor(int row) const { return rowColors_.at(std::size_t(row)); }
  int rowWidth(int row) const { return rowWidths_.at(std::size_t(row)); }
  bool rowShown(int row) const { return rowShown_.at(std::size_t(row)); }

  void resetColors(bool fromFirst);
  void resetWidths(bool fromFirst);

protected:
  void closeEvent(QCloseEvent* e) override;

private:
  void showInitialState();
  void recolourPanels();
  void refillWidths();
  void panelClicked(int row);
  void swatchClicked(int index);
  void widthLeft(int row);
  void writeBack(ChartGraphRows& rows) const;
  ChartSettingsValues values() const;
  void showValues(const ChartSettingsValues& v);

  std::array<int, 13> rowColors_{}, rowWidths_{};
  std::array<bool, 13> rowShown_{};
  int paletteRow_ = 0;  // the row the open palette colours
  bool confirmed_ = false;
  bool areaVis_ = false;
  int minVis_ = 0, maxVis_ = 0;
};

}  // namespace zw
