#pragma once
// "Schnitt von zwei Kreisen": two circles by centre and radius; their
// intersection points or point of contact and the radical line; both circles
// on the chart page.
#include <array>

#include "topics/frame/ChartPage.h"
#include "topics/plane/XKreis.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFXKreis : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXKreis";
  explicit TFXKreis(QWidget* owner = nullptr);

protected:
  void layoutInputs() override;
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  TwoCircles read() const;
  std::array<QLineEdit*, 6> edits_{};
  std::array<QLabel*, 4> panels_{};
  TwoCircles circles_;
};

}  // namespace zw
