#pragma once
// The complex-number calculator without its window: real and imaginary part
// in two entry fields, the operations with powers, function keys that act at
// once, and the polar form as a second line. It sets the program's angle
// mode to radians when it opens and before every binary operation.
#include <string>

#include "kernel/Types.h"
#include "topics/algebra/TwoFieldCalc.h"

namespace zw {

class ComplexCalc : public TwoFieldCalc<TComplex> {
public:
  ComplexCalc();

  const std::u16string& realPart() const { return first_; }
  const std::u16string& imagPart() const { return second_; }
  const std::u16string& rhoText() const { return rho_; }
  const std::u16string& phiText() const { return phi_; }

  // The polar line from the entry fields, in the program's angle mode.
  void showSecondLine() override;
  // A click on the angle: degrees and radians swap (gon stays).
  void toggleAngleMode();

protected:
  TComplex getValue() const override;
  void setValue(const TComplex& v) override;
  void applyOperator(const TComplex& xAlt, CalcOp op, TComplex& x) override;
  void otherKey(int key) override;
  void showStatusText(bool error) override { second_ = error ? errorText : overflowText; }
  int mapKey(int key) const override;
  bool hasPower() const override { return true; }
  bool guardsKeys() const override { return true; }

private:
  std::u16string rho_, phi_;
};

}  // namespace zw
