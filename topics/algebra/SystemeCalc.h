#pragma once
// The number-system calculator without its window: 32-bit integers shown in
// two bases at once. Arithmetic runs on uint32_t, so it wraps like the
// signed 32-bit type without undefined behaviour.
#include <cstdint>
#include <string>

#include "topics/algebra/CalcEngine.h"

namespace zw {

// The digit text for bases up to 36; a character outside it counts as -1.
int CalcDigitValue(char16_t c);
// Text in `base` (2..36) to a 32-bit value, wrapping; a leading "-" negates.
std::uint32_t BaseToInt(const std::u16string& text, int base);
// The value as signed 32-bit, in `base`; "-" in front of a negative value.
std::u16string IntToBase(std::uint32_t v, int base);

class SystemeCalc : public CalcEngine<std::uint32_t> {
public:
  static constexpr int DisplayLimit = 17;

  SystemeCalc() = default;

  const std::u16string& display() const { return display_; }
  const std::u16string& secondLine() const { return second_; }
  int base1() const { return base1_; }
  int base2() const { return base2_; }
  // The display shows the last result in the new base.
  void setBase1(int base);
  // The second line shows the display's value in the new base.
  void setBase2(int base);

protected:
  std::uint32_t getValue() const override { return BaseToInt(display_, base1_); }
  void setValue(const std::uint32_t& v) override;
  void applyOperator(const std::uint32_t& xAlt, CalcOp op, std::uint32_t& x) override;
  void otherKey(int key) override;
  // Line 2 has no value to show in either state.
  void showStatusText(bool error) override {
    display_ = error ? errorText : overflowText;
    second_.clear();
  }

private:
  void setDisplay(const std::u16string& text);
  void showSecondBase();

  std::u16string display_ = u"0";
  std::u16string second_ = u"0";
  int base1_ = 16;
  int base2_ = 10;
};

}  // namespace zw
