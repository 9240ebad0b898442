#pragma once
// The complex-number calculator: real and imaginary part in two fields,
// function keys, and the polar form below.
#include <QLabel>

#include "topics/algebra/ComplexCalc.h"
#include "topics/algebra/TwoFieldCalcWindow.h"

namespace zw {

class TFComplex : public TwoFieldCalcWindow<ComplexCalc> {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFComplex";
  explicit TFComplex(QWidget* owner = nullptr);

  QLabel* realLabel() const { return fieldLabel(0); }
  QLabel* imagLabel() const { return fieldLabel(1); }
  QLabel* rhoLabel() const { return rho_; }
  QLabel* phiLabel() const { return phi_; }

protected:
  void layoutCalc() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void refreshMore() override;

private:
  QLabel* plusI_;
  QLabel* rho_;
  QLabel* phi_;
};

}  // namespace zw
