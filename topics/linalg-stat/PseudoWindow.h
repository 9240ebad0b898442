#pragma once
// "Pseudoinverse Matrix": a matrix of n rows (2 to 30) and m columns (2 to
// 25); the products Aᵀ·A and A·Aᵀ, their inverses and the left and right
// inverses on the output page, whose pop-up menu copies or exports the
// right inverse when it exists, else the left one. The computation is
// topics/linalg-stat/Pseudo.h.
#include <array>

#include "topics/linalg-stat/MatrixWindowKit.h"

class QLabel;
class QSpinBox;

namespace zw {

class TFPseudo : public MatrixTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPseudo";
  explicit TFPseudo(QWidget* owner = nullptr);

  StringGrid* grid() const { return grid_; }
  QSpinBox* rowsSpin() const { return spins_[0]; }
  QSpinBox* columnsSpin() const { return spins_[1]; }
  ResultMatrixMenu* resultMenu() const { return result_; }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;
  void applySizes() override;
  QWidget* failureFocus() const override { return grid_; }

private:
  StringGrid* grid_ = nullptr;
  std::array<QSpinBox*, 2> spins_{};
  std::array<QLabel*, 2> captions_{};
  ResultMatrixMenu* result_ = nullptr;
};

}  // namespace zw
