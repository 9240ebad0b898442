#pragma once
// The engine of the calculators whose value is typed into two entry fields
// (numerator and denominator, real and imaginary part): column selection,
// digits and Backspace on the selected field, Tab.
#include <string>

#include "topics/algebra/CalcEngine.h"

namespace zw {

template <class V>
class TwoFieldCalc : public CalcEngine<V> {
public:
  int column() const { return spalte_; }
  // The text of entry field c (0 the first, 1 the second).
  const std::u16string& field(int c) const { return c == 1 ? second_ : first_; }

  // Selecting the other field makes the next digit start a new entry.
  void selectColumn(int c) {
    if (c == spalte_) return;
    spalte_ = c;
    if (this->status_ == CalcStatus::First || this->status_ == CalcStatus::Valid) this->status_ = CalcStatus::First;
  }

protected:
  // The second line from the entry fields.
  virtual void showSecondLine() = 0;

  // The first field, with a new entry to follow.
  void selectFirst() {
    spalte_ = 1;
    selectColumn(0);
  }
  std::u16string& entry() { return spalte_ == 1 ? second_ : first_; }

  // Digits, Backspace and Tab; false for other keys.
  bool fieldKey(int key) {
    std::u16string& e = entry();
    if (key >= '0' && key <= '9') {
      if (this->status_ == CalcStatus::First || e == u"0") e.clear();
      this->status_ = CalcStatus::Valid;
      e.push_back(static_cast<char16_t>(key));
      showSecondLine();
    } else if (key == KeyBackspace) {
      if (!e.empty()) e.pop_back();
      if (e.empty()) e = u"0";
      this->status_ = CalcStatus::Valid;
      showSecondLine();
    } else if (key == KeyTab) {
      selectColumn(1 - spalte_);
    } else {
      return false;
    }
    return true;
  }
  void afterOperatorKey() override { selectFirst(); }

  std::u16string first_ = u"0";
  std::u16string second_;
  int spalte_ = 0;
};

}  // namespace zw
