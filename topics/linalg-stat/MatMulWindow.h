#pragma once
// "Matrizenmultiplikation": A1 (nz × mz) on the first page, A2 (mz × lz) on
// the second, A1, A2 and the product on the third, whose pop-up menu copies
// or exports the product. The computation is topics/linalg-stat/MatMul.h.
#include "topics/linalg-stat/MatrixWindowKit.h"

class QLabel;
class QSpinBox;

namespace zw {

class TFMatMul : public MatrixTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFMatMul";
  explicit TFMatMul(QWidget* owner = nullptr);

  StringGrid* grid1() const { return grid1_; }
  StringGrid* grid2() const { return grid2_; }
  // nz, mz on the first page; mz (shown only) and lz on the second.
  QSpinBox* spin(int i) const { return spins_[static_cast<std::size_t>(i)]; }
  ResultMatrixMenu* resultMenu() const { return result_; }

protected:
  void layoutInputs() override;
  void layoutPage(int index) override;
  void enterOtherPage(int index) override;
  bool readInputs() override;
  void compute() override;
  void applySizes() override;
  QWidget* failureFocus() const override { return grid1_; }

private:
  bool importFirst(StringGrid* g, const CsvRows& file);
  bool importSecond(StringGrid* g, const CsvRows& file);
  StringGrid* grid1_ = nullptr;
  StringGrid* grid2_ = nullptr;
  std::array<QSpinBox*, 4> spins_{};
  std::array<QLabel*, 4> captions_{};
  QLabel* task2_ = nullptr;
  ResultMatrixMenu* result_ = nullptr;
};

}  // namespace zw
