#pragma once
// "Kreis und Kreisteile": two of seven quantities of a circular sector (or the
// radius alone) give all the others; a sketch beside the inputs lights up the
// given quantities, and the chart page draws the sector.
#include <QImage>
#include <array>

#include "topics/frame/ChartPage.h"
#include "topics/plane/Kreis.h"

class QLabel;
class QLineEdit;

namespace zw {

// The sketch of a sector with its seven quantities; `given[i]` lights up
// quantity i (r, α, b, s, d, h) in graph colour i + 1.
QImage KreisSketch(int side, const std::array<bool, 6>& given, const std::array<TColor, 6>& colors);

class TFKreis : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFKreis";
  explicit TFKreis(QWidget* owner = nullptr);
  QLabel* sketch() const { return sketch_; }

protected:
  void layoutInputs() override;
  void compute() override;
  void enterChartPage(int index) override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  void updateSketch();
  std::array<QLineEdit*, 7> edits_{};
  std::array<QLabel*, 7> captions_{};
  QLabel* sketch_ = nullptr;
  int mask_ = 0;
  CircleParts parts_;
  QSize sketchSize_;
  std::array<bool, 6> sketchGiven_{};
};

}  // namespace zw
