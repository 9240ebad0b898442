#pragma once
// "Lineare Gleichungssysteme": n equations in n variables typed into a grid
// with the right sides in the last column; the equations, optionally ref(A)
// and rref(A), and the solution set on the output page. The computation is
// topics/linalg-stat/LGS.h.
#include <array>

#include "topics/linalg-stat/MatrixWindowKit.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace zw {

class THtmlLab;

class TFLGS : public MatrixTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFLGS";
  explicit TFLGS(QWidget* owner = nullptr);

  StringGrid* grid() const { return grid_; }
  QSpinBox* orderSpin() const { return order_; }
  QCheckBox* refBox() const { return ref_; }
  QCheckBox* rrefBox() const { return rref_; }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;
  void applySizes() override;
  QWidget* failureFocus() const override;
  QSize defaultSize() const override;

private:
  bool importRows(StringGrid* grid, const CsvRows& rows);
  StringGrid* grid_ = nullptr;
  QSpinBox* order_ = nullptr;
  QLabel* orderCaption_ = nullptr;
  std::array<THtmlLab*, 3> formula_{};
  QCheckBox* ref_ = nullptr;
  QCheckBox* rref_ = nullptr;
};

}  // namespace zw
