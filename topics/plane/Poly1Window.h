#pragma once
// "Regelmäßige Vielecke": one quantity of a regular n-gon gives the others;
// a sketch of the n-gon with its radii stands beside the inputs.
#include <QImage>
#include <array>

#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;
class QSpinBox;

namespace zw {

// The n-gon about the image centre with its lowest side horizontal, the
// circumradius to corner 0 and the inradius to the middle of the lowest side,
// in the pens of graphs 1 to 3 (colour, width).
QImage Poly1Sketch(int side, int n, const std::array<QColor, 3>& colors, const std::array<int, 3>& widths);

class TFPoly1 : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPoly1";
  explicit TFPoly1(QWidget* owner = nullptr);
  QSpinBox* spinner() const { return spin_; }
  QLabel* sketch() const { return sketch_; }

protected:
  void layoutInputs() override;
  void compute() override;

private:
  void updateSketch();
  std::array<QLineEdit*, 5> edits_{};
  std::array<QLabel*, 5> captions_{};
  QLabel* spinCaption_ = nullptr;
  QSpinBox* spin_ = nullptr;
  QLabel* sketch_ = nullptr;
};

}  // namespace zw
