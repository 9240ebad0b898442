#pragma once
// "Schnitt von Kreis und Gerade": a line a·x + b·y = c (or through two points)
// and a circle; their intersection points or point of contact; both drawn.
#include <array>
#include <functional>

#include "topics/frame/ChartPage.h"
#include "topics/plane/XGerKr.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class TFGetAB2D;
class SubWindowBorder;

class TFXGerKr : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXGerKr";
  explicit TFXGerKr(QWidget* owner = nullptr);
  QPushButton* twoPointButton() const { return btnGetAB2D_; }
  // Runs the two-point dialog (null: exec); tests answer through it.
  std::function<int(TFGetAB2D*)> runTwoPointDialog;
  SubWindowBorder& border() const { return *border_; }

protected:
  void layoutInputs() override;
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  void pageShown();
  std::array<QLineEdit*, 6> edits_{};
  std::array<QLabel*, 5> panels_{};
  QPushButton* btnGetAB2D_ = nullptr;
  SubWindowBorder* border_ = nullptr;
  CircleAndLine in_;
};

}  // namespace zw
