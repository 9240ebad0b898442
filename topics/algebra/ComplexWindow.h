#pragma once
// The complex-number calculator: real and imaginary part in two fields,
// function keys, and the polar form below.
#include <QLabel>

#include "topics/algebra/CalcWindow.h"
#include "topics/algebra/ComplexCalc.h"

namespace zw {

class TFComplex : public CalcWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFComplex";
  explicit TFComplex(QWidget* owner = nullptr);

  const ComplexCalc& calc() const { return calc_; }
  QLabel* realLabel() const { return re_; }
  QLabel* imagLabel() const { return im_; }
  QLabel* rhoLabel() const { return rho_; }
  QLabel* phiLabel() const { return phi_; }

protected:
  void handleKey(int code) override;
  void layoutCalc() override;
  bool tabSwitchesColumn() const override { return true; }
  bool eventFilter(QObject* watched, QEvent* event) override;

  void refresh() override;

private:

  ComplexCalc calc_;
  QLabel* re_;
  QLabel* plusI_;
  QLabel* im_;
  QLabel* rho_;
  QLabel* phi_;
};

}  // namespace zw
