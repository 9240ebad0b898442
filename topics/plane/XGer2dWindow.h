#pragma once
// "Schnitt von zwei Geraden (2D)": two lines, each as a·x + b·y = c or through
// two points; intersection point and angle, or parallel or identical lines,
// and the distances from the origin; both lines drawn.
#include <array>
#include <functional>

#include "topics/frame/ChartPage.h"
#include "topics/plane/XGer2d.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class TFGetAB2D;

class TFXGer2d : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXGer2d";
  explicit TFXGer2d(QWidget* owner = nullptr);
  QPushButton* twoPointButton(int line) const { return buttons_[std::size_t(line)]; }  // 0 g, 1 h
  std::function<int(TFGetAB2D*)> runTwoPointDialog;

protected:
  void layoutInputs() override;
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  std::array<QLineEdit*, 6> edits_{};
  std::array<QLabel*, 6> panels_{};
  std::array<QPushButton*, 2> buttons_{};
  TwoLines in_;
  TVec2 s_;
};

}  // namespace zw
