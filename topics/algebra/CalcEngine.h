#pragma once
// The infix engine of the three key-pad calculators, over the calculator's
// value type. Plain C++: the calculators' models derive from it and supply the
// display (get/set), the arithmetic and their own keys, so that key sequences
// can be tested without a window.
//
// The operator order is the precedence: a higher value binds tighter, so "-"
// binds tighter than "+" and "/" tighter than "*" (3 * 5 / 2 = 3 * (5 div 2)).
#include <array>
#include <optional>
#include <string>

namespace zw {

enum class CalcStatus { First, Valid, Error, Overflow };

enum class CalcOp { Auf, Zu, Start, Stop, Plus, Minus, Mal, Durch, Hoch };

// Key codes beyond what a user types: the AC and CE buttons.
inline constexpr int KeyAC = 327;
inline constexpr int KeyCE = 339;
inline constexpr int KeyBackspace = 8;
inline constexpr int KeyTab = 9;

template <class V>
class CalcEngine {
public:
  static constexpr int StackSlots = 101;

  virtual ~CalcEngine() = default;

  // One key from the key pad or the keyboard.
  void pressKey(int key) {
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
    key = mapKey(key);
    if (guardsKeys()) {
      try {
        handle(key);
      } catch (...) {
        setStatus(CalcStatus::Error);
      }
    } else {
      handle(key);
    }
    if (status_ == CalcStatus::Error) showStatusText(true);
    else if (status_ == CalcStatus::Overflow) showStatusText(false);
    result_ = currentValue();
  }

  CalcStatus status() const { return status_; }
  const V& result() const { return result_; }
  int depth() const { return zeiger_; }

  // The texts the display shows in the error and overflow states.
  std::u16string errorText = u"Fehler";
  std::u16string overflowText = u"Überlauf";

  // All clear: start value, empty stack with its two bottom entries.
  void clear() {
    status_ = CalcStatus::First;
    setValue(V{});
    operand_ = V{};
    operator_ = 0;
    resetStack();
    xAlt_ = V{};
    opAlt_ = CalcOp::Start;
    push(V{}, CalcOp::Start);
  }

protected:
  // ----- hooks -------------------------------------------------------------
  // The value the display text stands for (zero in the error states).
  virtual V getValue() const = 0;
  // Shows v through the display setter (which may set Overflow).
  virtual void setValue(const V& v) = 0;
  // x := xAlt op x; other operators leave x alone.
  virtual void applyOperator(const V& xAlt, CalcOp op, V& x) = 0;
  // Keys other than operators, AC and CE; unknown keys do nothing.
  virtual void otherKey(int key) = 0;
  // The error or overflow text into the display.
  virtual void showStatusText(bool error) = 0;
  // Key translation after upper-casing (the decimal separator, say).
  virtual int mapKey(int key) const { return key; }
  // Whether the calculator knows "^".
  virtual bool hasPower() const { return false; }
  // Whether any exception of a key turns into the error status.
  virtual bool guardsKeys() const { return false; }
  // Runs after step 4 of an operator key (a check of the shown result).
  virtual void afterSetValue() {}
  // Runs at the end of every operator key, AC and CE (column selection).
  virtual void afterOperatorKey() {}
  virtual void ceKey() {
    status_ = CalcStatus::First;
    setValue(V{});
  }
  virtual void acKey() { clear(); }
  virtual void beep() {}

  void setStatus(CalcStatus s) {
    status_ = s;
    if (s == CalcStatus::Error || s == CalcStatus::Overflow) beep();
  }
  bool inErrorState() const { return status_ == CalcStatus::Error || status_ == CalcStatus::Overflow; }
  V currentValue() const { return inErrorState() ? V{} : getValue(); }

  V result_{};

private:
  struct Entry {
    V value{};
    CalcOp op = CalcOp::Auf;
  };

  std::optional<CalcOp> operatorOf(int key) const {
    switch (key) {
      case '(': return CalcOp::Auf;
      case ')': return CalcOp::Zu;
      case '=': return CalcOp::Stop;
      case '+': return CalcOp::Plus;
      case '-': return CalcOp::Minus;
      case '*': return CalcOp::Mal;
      case '/': return CalcOp::Durch;
      case '^': return hasPower() ? std::optional<CalcOp>(CalcOp::Hoch) : std::nullopt;
      default: return std::nullopt;
    }
  }

  void handle(int key) {
    if (inErrorState()) {
      if (key == KeyCE) {
        ceKey();
        afterOperatorKey();
      }
      return;
    }
    if (auto op = operatorOf(key)) {
      operatorKey(*op, key);
      afterOperatorKey();
    } else if (key == KeyAC) {
      acKey();
      afterOperatorKey();
    } else if (key == KeyCE) {
      ceKey();
      afterOperatorKey();
    } else {
      otherKey(key);
    }
  }

  void resetStack() {
    zeiger_ = 0;
    stack_[0] = Entry{V{}, CalcOp::Start};
  }

  // A push beyond the last slot writes nothing and sets Overflow.
  void push(const V& v, CalcOp op) {
    if (zeiger_ + 1 >= StackSlots) {
      setStatus(CalcStatus::Overflow);
      return;
    }
    ++zeiger_;
    stack_[static_cast<std::size_t>(zeiger_)] = Entry{v, op};
  }

  void pop() {
    if (zeiger_ < 1) return;
    const Entry& e = stack_[static_cast<std::size_t>(zeiger_)];
    xAlt_ = e.value;
    opAlt_ = e.op;
    --zeiger_;
  }

  // Whether a ")" has an open "(" to close: the nearest bracket or bottom
  // entry below the top is an "(".
  bool hasOpenBracket() const {
    for (int i = zeiger_; i >= 1; --i) {
      const CalcOp op = stack_[static_cast<std::size_t>(i)].op;
      if (op == CalcOp::Auf) return true;
      if (op == CalcOp::Start) return false;
    }
    return false;
  }

  void operatorKey(CalcOp p, int key) {
    V x = getValue();
    if (p == CalcOp::Auf) {
      push(x, CalcOp::Auf);
    } else if (p == CalcOp::Zu) {
      // Without an open "(" the key changes nothing on the stack.
      if (hasOpenBracket()) {
        pop();
        push(xAlt_, opAlt_);
        while (opAlt_ >= CalcOp::Zu && zeiger_ >= 1) {
          pop();
          applyOperator(xAlt_, opAlt_, x);
        }
      }
    } else {
      pop();
      while (opAlt_ >= p) {
        applyOperator(xAlt_, opAlt_, x);
        if (zeiger_ < 1) break;  // the bottom entry is never popped
        pop();
      }
      push(xAlt_, opAlt_);
      push(x, p);
    }
    setValue(x);
    afterSetValue();
    if (p == CalcOp::Stop) {
      resetStack();
      push(V{}, CalcOp::Start);
    }
    // A refused result keeps its error or overflow text until CE.
    if (!inErrorState()) {
      status_ = CalcStatus::First;
      operand_ = getValue();
      operator_ = key;
    }
  }

protected:
  CalcStatus status_ = CalcStatus::First;

private:
  V operand_{};
  int operator_ = 0;
  std::array<Entry, StackSlots> stack_{};
  int zeiger_ = 0;
  V xAlt_{};
  CalcOp opAlt_ = CalcOp::Auf;
};

}  // namespace zw
