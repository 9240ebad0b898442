#pragma once
// The fraction calculator without its window: numerator and denominator in
// two entry fields, exact fraction arithmetic, and a second line with the
// value as fraction, mixed number, decimal number or percentage.
#include <string>

#include "kernel/Fraction.h"
#include "topics/algebra/TwoFieldCalc.h"

namespace zw {

enum class BruchView { Fraction, Mixed, Decimal, Percent };

// a op b exactly ('+', '-', '*', '/', '^'), reduced with a positive
// denominator; division by a zero fraction gives denominator 0. '^' takes the
// reduced numerator of b as the exponent. Throws FractionOverflow when a
// part leaves the range of exact whole numbers.
TBruchf BruchCalcOp(TBruchf a, TBruchf b, char op);

class BruchCalc : public TwoFieldCalc<TBruchf> {
public:
  static constexpr int DisplayLimit = 10;

  BruchCalc() {
    second_.assign(1, u'1');
    clear();
  }

  const std::u16string& numerator() const { return first_; }
  const std::u16string& denominator() const { return second_; }
  const std::u16string& secondLine() const { return line_; }
  BruchView view() const { return view_; }

  void setView(BruchView v) {
    view_ = v;
    showSecondLine();
  }
  // The second line from the entry fields.
  void showSecondLine() override;

  char16_t decimalSign = u',';

protected:
  TBruchf getValue() const override;
  void setValue(const TBruchf& v) override;
  void applyOperator(const TBruchf& xAlt, CalcOp op, TBruchf& x) override;
  void otherKey(int key) override;
  void showStatusText(bool error) override { second_ = error ? errorText : overflowText; }
  bool hasPower() const override { return true; }
  void afterSetValue() override;

private:
  void setPart(std::u16string& part, const std::u16string& text);

  std::u16string line_;
  BruchView view_ = BruchView::Fraction;
};

}  // namespace zw
