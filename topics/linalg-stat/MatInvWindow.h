#pragma once
// "Matrizeninversion": a square matrix of order 2 to 30 in a grid; the
// matrix, its inverse (or that it has none) and its order, rank and
// determinant on the output page, whose pop-up menu copies or exports the
// inverse. The computation is topics/linalg-stat/MatInv.h.
#include "topics/linalg-stat/MatrixWindowKit.h"

class QLabel;
class QSpinBox;

namespace zw {

class TFMatInv : public MatrixTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFMatInv";
  explicit TFMatInv(QWidget* owner = nullptr);

  StringGrid* grid() const { return grid_; }
  QSpinBox* orderSpin() const { return order_; }
  ResultMatrixMenu* resultMenu() const { return result_; }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;
  void applySizes() override;
  QWidget* failureFocus() const override { return grid_; }
  QSize defaultSize() const override;

private:
  StringGrid* grid_ = nullptr;
  QSpinBox* order_ = nullptr;
  QLabel* orderCaption_ = nullptr;
  ResultMatrixMenu* result_ = nullptr;
};

}  // namespace zw
