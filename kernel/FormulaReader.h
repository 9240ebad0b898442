#pragma once
// Internal to the formula evaluator: the reading of a normalised text by
// recursive descent, as an evaluation or as the building of a tree.
#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>

#include "kernel/FormulaContext.h"
#include "kernel/FormulaFuncs.h"
#include "kernel/FormulaMath.h"
#include "kernel/FormulaText.h"
#include "kernel/FormulaTree.h"

namespace zw::formula {

// Reads a number text as the standard decimal conversion does: digits, an
// optional fraction, an optional "E" with optional sign and digits. Returns 0
// with the value, or the 1-based position of the first character it cannot
// accept. status 2: the value is out of the extended range.
std::int32_t convertNumber(const std::u16string& s, size_t from, size_t to, Extended& value,
                           int& status);

// The state of one reading of a normalised text. With Build the reading
// records a tree instead of computing; the control flow is the same, so the
// tree reads every term exactly as the evaluation does. Failures that depend
// on values cannot happen while building; the compiled form detects them when
// it runs and leaves such a call to the direct reading.
template <bool Build>
class Reader {
public:
  using V = std::conditional_t<Build, int, Extended>;

  Reader(const std::u16string& text, Extended x, const FormulaContext& context, FormulaTree* tree)
      : s_(text), x_(x), context_(context), tree_(tree) {}

  // The whole evaluation of a normalised, non-empty text.
  void run(Extended& value, std::int32_t& err) {
    next();
    V v = expression();
    const bool failed = failed_;
    if (ch_ != kEnd) err_ = evalerr::LeftOver;
    if (latch_) err_ = evalerr::Math;
    if constexpr (Build) {
      tree_->root = v;
      if (failed) staticFailure_ = true;
      value = 0;
    } else {
      if (failed) {
        v = 0;
        if (err_ == evalerr::Ok) err_ = evalerr::Math;
      }
      value = v;
    }
    err = err_;
  }

  bool staticFailure() const { return staticFailure_; }

private:
  static constexpr int kEnd = -1;

  void next() {
    do {
      ++pos_;
      ch_ = pos_ <= static_cast<int>(s_.size()) ? s_[pos_ - 1] : kEnd;
    } while (ch_ == u' ');
  }

  int node(FormulaOp op, int a = -1, int b = -1) {
    FormulaNode n;
    n.op = op;
    n.a = a;
    n.b = b;
    tree_->nodes.push_back(n);
    return static_cast<int>(tree_->nodes.size()) - 1;
  }

  // An arithmetic failure (overflow, the logarithm of a number <= 0, ...)
  // ends the reading where it happens: every step returns at once, and the
  // evaluation ends with value 0, err 1. (A flag, not an exception: plots
  // meet such points often, and unwinding costs a thousand times more.)
  V fail() {
    failed_ = true;
    return V{};
  }
  Extended checked(Extended v) { return finite(v) ? v : fail(); }

  V expression() {
    V v = term();
    while (!failed_ && (ch_ == u'+' || ch_ == u'-') && err_ == evalerr::Ok) {
      bool plus = ch_ == u'+';
      next();
      V t = term();
      if (failed_) break;
      if constexpr (Build)
        v = node(plus ? FormulaOp::Add : FormulaOp::Sub, v, t);
      else
        v = checked(plus ? v + t : v - t);
    }
    return v;
  }

  V term() {
    V v = power();
    while (!failed_ && (ch_ == u'*' || ch_ == u'/') && err_ == evalerr::Ok) {
      bool times = ch_ == u'*';
      next();
      V p = power();
      if (failed_) break;
      if constexpr (Build) {
        v = node(times ? FormulaOp::Mul : FormulaOp::Div, v, p);
      } else if (times) {
        v = checked(v * p);
      } else if (p == 0) {
        v = 0;
        err_ = evalerr::Math;
      } else {
        v = checked(v / p);
      }
    }
    return v;
  }

  V power() {
    V b = signedFactor();
    if (!failed_ && ch_ == u'^') {
      next();
      V p = signedFactor();
      if (failed_) return b;
      if constexpr (Build) {
        b = node(FormulaOp::Pow, b, p);
      } else {
        int status = 0;
        Extended r = FormulaPower(b, p, status);
        switch (status) {
          case 0: b = r; break;
          case 1: b = 0; err_ = evalerr::Math; break;
          case 2: return fail();
          default: err_ = pos_; break;  // negative base, non-integral exponent: b stays
        }
      }
    }
    return b;
  }

  V signedFactor() {
    if (ch_ == u'-') {
      next();
      V f = factor();
      if constexpr (Build)
        return node(FormulaOp::Neg, f);
      else
        return -f;
    }
    return factor();
  }

  V number() {
    size_t from = static_cast<size_t>(pos_ - 1);
    while (isDigit(ch_)) next();
    if (ch_ == u'.') {
      next();
      while (isDigit(ch_)) next();
    }
    if (ch_ == u'E') {
      next();
      if (ch_ != kEnd) next();  // the exponent's sign or first digit, whatever it is
      while (isDigit(ch_)) next();
    }
    size_t to = std::min(static_cast<size_t>(pos_ - 1), s_.size());
    Extended value = 0;
    int status = 0;
    std::int32_t code = convertNumber(s_, from, to, value, status);
    if (code != 0) {
      // A number never clears an earlier failure; it only adds its own.
      err_ = code;
      value = 0;
    } else if (status == 2) {
      return fail();
    }
    if constexpr (Build) {
      int n = node(FormulaOp::Number);
      tree_->nodes[n].number = value;
      return n;
    } else {
      return value;
    }
  }

  V factor() {
    if (isDigit(ch_)) return number();
    // Nesting beyond any sensible term is refused like an unreadable factor,
    // so that no text can exhaust the stack.
    if (depth_ >= kMaxDepth) return unreadable();
    struct Nest {
      int& d;
      explicit Nest(int& depth) : d(depth) { ++d; }
      ~Nest() { --d; }
    } nest(depth_);
    if (ch_ == u'(') {
      next();
      V v = expression();
      if (failed_) return v;
      if (ch_ == u')')
        next();
      else
        err_ = pos_;
      return v;
    }
    for (int f = 0; f < FormulaFuncCount; ++f) {
      const FuncInfo& info = kFuncs[f];
      size_t at = static_cast<size_t>(pos_ - 1);
      if (ch_ == kEnd || at + info.length > s_.size()) continue;
      bool match = true;
      for (size_t k = 0; k < info.length && match; ++k)
        match = s_[at + k] == static_cast<unsigned char>(info.name[k]);
      if (!match) continue;
      pos_ += info.length - 1;
      next();
      auto func = static_cast<FormulaFunc>(f);
      V a;
      if (isVariable(func) && isDigit(ch_)) {
        // A number directly after a variable («2x3», «x10») is no argument:
        // the name stands alone and the digits are left over, a syntax error
        // instead of silently dropped digits. («PI2» stays π.)
        a = one();
      } else {
        int argStart = pos_;
        std::int32_t before = err_;
        a = factor();
        if (failed_) return a;
        // A name followed by nothing it can read stands alone (argument 1):
        // «PI+1», «E», «SIN-X». An argument that was read keeps its failure.
        if (pos_ == argStart) err_ = before;
      }
      if constexpr (Build) {
        int n = node(FormulaOp::Func, a);
        tree_->nodes[n].func = func;
        return n;
      } else {
        int status = 0;
        Extended v = ApplyFormulaFunc(func, a, x_, context_, status);
        if (status == 2) return fail();
        if (status == 1) {
          v = 0;
          err_ = evalerr::Math;
        }
        if (err_ == evalerr::Math) latch_ = true;
        return v;
      }
    }
    return unreadable();
  }

  // No factor can be read here: value 1, err = the cursor position.
  V unreadable() {
    err_ = pos_;
    return one();
  }

  V one() {
    if constexpr (Build) {
      int n = node(FormulaOp::Number);
      tree_->nodes[n].number = 1;
      return n;
    } else {
      return 1;
    }
  }

  const std::u16string& s_;
  Extended x_;
  const FormulaContext& context_;
  FormulaTree* tree_;
  int pos_ = 0;
  int ch_ = kEnd;
  std::int32_t err_ = evalerr::Ok;
  bool latch_ = false;
  bool failed_ = false;
  bool staticFailure_ = false;
  int depth_ = 0;
  static constexpr int kMaxDepth = 1000;
};

// Reads a normalised text; code is what NormalizeFormula returned for it.
void readNormal(std::int32_t code, const std::u16string& normal, Extended& value,
                std::int32_t& err, Extended x, const FormulaContext& context);
// Builds the tree of a normalised text; false on a failure that does not
// depend on values.
bool parseNormal(std::int32_t code, const std::u16string& normal, FormulaTree& tree);

}  // namespace zw::formula
