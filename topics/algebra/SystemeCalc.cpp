#include "topics/algebra/SystemeCalc.h"

#include <algorithm>
#include <cstdint>

namespace zw {

namespace {
constexpr std::u16string_view kDigits = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::uint32_t kIntMin = 0x80000000u;
}  // namespace

int CalcDigitValue(char16_t c) {
  const auto pos = kDigits.find(c);
  return pos == std::u16string_view::npos ? -1 : static_cast<int>(pos);
}

std::uint32_t BaseToInt(const std::u16string& text, int base) {
  std::u16string_view t = text;
  bool negative = false;
  if (!t.empty() && t.front() == u'-') {
    negative = true;
    t.remove_prefix(1);
  }
  std::uint32_t v = 0;
  for (char16_t c : t)
    v = v * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(CalcDigitValue(c));
  return negative ? 0u - v : v;
}

std::u16string IntToBase(std::uint32_t v, int base) {
  const bool negative = (v & kIntMin) != 0;
  std::uint32_t m = negative ? 0u - v : v;  // |INT_MIN| fits the unsigned type
  std::u16string s;
  do {
    s.push_back(kDigits[m % static_cast<std::uint32_t>(base)]);
    m /= static_cast<std::uint32_t>(base);
  } while (m != 0);
  if (negative) s.push_back(u'-');
  std::reverse(s.begin(), s.end());
  return s;
}

void SystemeCalc::setBase1(int base) {
  base1_ = std::clamp(base, 2, 16);
  if (!inErrorState()) setValue(result_);
}

void SystemeCalc::setBase2(int base) {
  base2_ = std::clamp(base, 2, 16);
  if (!inErrorState()) showSecondBase();
}

void SystemeCalc::setDisplay(const std::u16string& text) {
  if (text.size() > static_cast<std::size_t>(DisplayLimit)) {
    setStatus(CalcStatus::Overflow);
    second_.clear();
    return;
  }
  display_ = text;
}

void SystemeCalc::showSecondBase() { second_ = IntToBase(BaseToInt(display_, base1_), base2_); }

void SystemeCalc::setValue(const std::uint32_t& v) {
  result_ = v;
  setDisplay(IntToBase(v, base1_));
  if (!inErrorState()) showSecondBase();
}

void SystemeCalc::applyOperator(const std::uint32_t& xAlt, CalcOp op, std::uint32_t& x) {
  switch (op) {
    case CalcOp::Plus: x = xAlt + x; break;
    case CalcOp::Minus: x = xAlt - x; break;
    case CalcOp::Mal: x = xAlt * x; break;
    case CalcOp::Durch: {
      if (x == 0) {
        setStatus(CalcStatus::Error);
        return;
      }
      if (xAlt == kIntMin && x == 0xFFFFFFFFu) {  // INT_MIN div -1 has no 32-bit value
        setStatus(CalcStatus::Overflow);
        return;
      }
      x = static_cast<std::uint32_t>(static_cast<std::int32_t>(xAlt) / static_cast<std::int32_t>(x));
      break;
    }
    default: break;
  }
}

void SystemeCalc::otherKey(int key) {
  if (key >= 0 && key < 0x10000) {
    const int digit = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'F') ? CalcDigitValue(static_cast<char16_t>(key)) : -1;
    if (digit >= 0) {
      if (digit >= base1_) return;  // not a digit of base 1
      std::u16string text = (status_ == CalcStatus::First || display_ == u"0") ? std::u16string() : display_;
      status_ = CalcStatus::Valid;
      text.push_back(static_cast<char16_t>(key));
      setDisplay(text);
      if (!inErrorState()) showSecondBase();
      return;
    }
  }
  if (key == KeyBackspace) {
    if (!display_.empty()) display_.pop_back();
    if (display_.empty() || display_ == u"-") display_.assign(1, u'0');
    status_ = CalcStatus::Valid;
    showSecondBase();
  } else if (key == '#') {
    setValue(0u - getValue());
  }
}

}  // namespace zw
