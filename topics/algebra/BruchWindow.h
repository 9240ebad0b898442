#pragma once
// The fraction calculator: numerator and denominator typed into two fields.
#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <array>

#include "topics/algebra/BruchCalc.h"
#include "topics/algebra/TwoFieldCalcWindow.h"

namespace zw {

class TFBruch : public TwoFieldCalcWindow<BruchCalc> {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFBruch";
  explicit TFBruch(QWidget* owner = nullptr);

  QLabel* numeratorLabel() const { return fieldLabel(0); }
  QLabel* denominatorLabel() const { return fieldLabel(1); }
  QLabel* secondLine() const { return dezimal_; }
  QRadioButton* viewButton(int i) const { return views_[static_cast<std::size_t>(i)]; }

protected:
  void handleKey(int code) override;
  void layoutCalc() override;
  void refreshMore() override;

private:
  QLabel* capZaehler_;
  QLabel* capNenner_;
  QLabel* dezimal_;
  QGroupBox* viewBox_;
  QButtonGroup viewGroup_;
  std::array<QRadioButton*, 4> views_{};
};

}  // namespace zw
