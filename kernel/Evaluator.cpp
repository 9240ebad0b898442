#include "kernel/Evaluator.h"

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <memory>
#include <new>
#include <type_traits>
#include <unordered_map>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Erf.h"
#include "kernel/KernelState.h"

namespace zw {

namespace {

constexpr Extended kPi = 3.141592653589793238462643383279502884L;
constexpr Extended kE = 2.718281828459045235360287471352662498L;

bool isDigit(int c) { return c >= u'0' && c <= u'9'; }

// x87 conversions that truncate (trunc, casts to integers) switch the
// rounding mode of the unit, which stalls it; these helpers round by the
// 64-bit mantissa instead (in the default rounding mode, to nearest).
// For |v| < 2^63, v ± 2^63 lies where the spacing of extended reals is 1.
// The shift takes the sign of v by a comparison: copysign reads the sign
// through the unit's status word, which stalls it. Both give the same sum
// for every v (for -0 either shift gives +0).
Extended roundToWhole(Extended v) {
  const Extended shift = v < 0 ? -0x1p63L : 0x1p63L;
  return (v + shift) - shift;
}
// From 2^63 on every extended real is whole.
bool isWhole(Extended v) { return std::fabs(v) >= 0x1p63L || roundToWhole(v) == v; }
bool finite(Extended v) { return std::fabs(v) <= LDBL_MAX; }  // false for inf and NaN

bool inSet(char16_t c, const char* set) {
  for (; *set; ++set)
    if (c == static_cast<unsigned char>(*set)) return true;
  return false;
}

// Whether the up to `len` characters of t from i occur as a whole in pattern.
bool occursIn(const std::u16string& t, size_t i, size_t len, const char* pattern) {
  size_t n = std::min(len, t.size() - i);
  std::string_view p(pattern);
  for (size_t start = 0; start + n <= p.size(); ++start) {
    bool same = true;
    for (size_t k = 0; k < n && same; ++k) same = t[i + k] == static_cast<unsigned char>(p[start + k]);
    if (same) return true;
  }
  return false;
}

bool isVariable(FormulaFunc f) {
  return f == FormulaFunc::X || f == FormulaFunc::Y || f == FormulaFunc::Z || f == FormulaFunc::K;
}

struct FuncInfo {
  const char* name;
  std::uint8_t length;
};
constexpr FuncInfo kFuncs[FormulaFuncCount] = {
    {"ABS", 3},  {"INT", 3},  {"SGN", 3},   {"RECT", 4},  {"RELU", 4},  {"SQRT", 4}, {"SQR", 3},
    {"SINH", 4}, {"COSH", 4}, {"TANH", 4},  {"COTH", 4},  {"ASINH", 5}, {"ACOSH", 5}, {"ATANH", 5},
    {"ACOTH", 5}, {"SIN", 3}, {"COS", 3},   {"COT", 3},   {"TAN", 3},   {"ATAN", 4}, {"ASIN", 4},
    {"ACOS", 4}, {"LN", 2},   {"LOG", 3},   {"EXP", 3},   {"FAK", 3},   {"ERF", 3},  {"PI", 2},
    {"E", 1},    {"W", 1},    {"X", 1},     {"Y", 1},     {"Z", 1},     {"K", 1},
};

// b^n for a whole n >= 0 by repeated squaring.
inline Extended powWhole(Extended b, unsigned n) {
  Extended prod = 1;
  for (; n != 0; n >>= 1) {
    if (n & 1) prod *= b;
    if (n > 1) b *= b;
  }
  return prod;
}

// ---- sine and cosine with a fast argument reduction ----------------------
// The library's sinl/cosl reduce every argument beyond pi/4 with the slow
// multi-word method; plots evaluate them for every pixel. For |x| < 2^30 the
// reduction by pi/2 in three parts (Cody and Waite) is exact enough, and the
// library functions then see arguments within pi/4 only.
constexpr Extended kPiHalf1 = 0xc90fdaa2p-31L;   // 32 bits of pi/2
constexpr Extended kPiHalf2 = 0x85a308d3p-65L;   // the next 32 bits
constexpr Extended kPiHalf3 = 0x98cc51701b839a25p-132L;  // the next 64 bits
constexpr Extended kTwoOverPi = 0xa2f9836e4e44152ap-64L;

// sin and cos of x (radians).
void sinCos(Extended x, Extended* sine, Extended* cosine) {
  if (!(std::fabs(x) < 0x1p30L)) {
    if (sine) *sine = std::sin(x);
    if (cosine) *cosine = std::cos(x);
    return;
  }
  Extended k = roundToWhole(x * kTwoOverPi);
  Extended r = ((x - k * kPiHalf1) - k * kPiHalf2) - k * kPiHalf3;
  int quadrant = static_cast<int>(static_cast<long long>(static_cast<double>(k)) & 3);
  Extended s = 0, c = 0;
  if (sine) s = quadrant & 1 ? std::cos(r) : std::sin(r);
  if (cosine) c = quadrant & 1 ? std::sin(r) : std::cos(r);
  if (sine) *sine = quadrant & 2 ? -s : s;
  if (cosine) *cosine = (quadrant == 1 || quadrant == 2) ? -c : c;
}

// sin and cos of a read with the radians factor f of the angle mode.
inline Extended sinAngle(Extended a, Extended f) {
  Extended s = 0;
  if (f != 0) sinCos(a * f, &s, nullptr);
  return s;
}

inline Extended cosAngle(Extended a, Extended f) {
  Extended c = 0;
  if (f != 0) sinCos(a * f, nullptr, &c);
  return c;
}

// tan as sin/cos; an unknown mode leaves the argument as it is. cos exactly 0
// is a division by zero (status 2).
Extended tanAngle(Extended a, int& status) {
  Extended f = AngleModeToRadians(kernelState().AngleMode), s, c;
  sinCos(f == 0 ? a : a * f, &s, &c);
  if (c == 0) {
    status = 2;
    return 0;
  }
  return s / c;
}


// Reads a number text as the standard decimal conversion does: digits, an
// optional fraction, an optional "E" with optional sign and digits. Returns 0
// with the value, or the 1-based position of the first character it cannot
// accept. status 2: the value is out of the extended range.
std::int32_t convertNumber(const std::u16string& s, size_t from, size_t to, Extended& value,
                           int& status) {
  status = 0;
  std::string ascii;
  ascii.reserve(to - from);
  size_t i = from;
  auto pos = [&] { return static_cast<std::int32_t>(i - from + 1); };
  while (i < to && isDigit(s[i])) ascii.push_back(static_cast<char>(s[i++]));
  if (i < to && s[i] == u'.') {
    ascii.push_back('.');
    ++i;
    while (i < to && isDigit(s[i])) ascii.push_back(static_cast<char>(s[i++]));
  }
  if (i < to && s[i] == u'E') {
    ascii.push_back('E');
    ++i;
    if (i < to && (s[i] == u'+' || s[i] == u'-')) ascii.push_back(static_cast<char>(s[i++]));
    if (!(i < to && isDigit(s[i]))) return pos();
    while (i < to && isDigit(s[i])) ascii.push_back(static_cast<char>(s[i++]));
  }
  if (i < to) return pos();
  static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  value = strtold_l(ascii.c_str(), nullptr, cLocale);
  if (!finite(value)) status = 2;
  return 0;
}

// The state of one reading of a normalised text. With Build the reading
// records a tree instead of computing; the control flow is the same, so the
// tree reads every term exactly as the evaluation does. Failures that depend
// on values cannot happen while building; the compiled form detects them when
// it runs and leaves such a call to the direct reading.
template <bool Build>
class Reader {
public:
  using V = std::conditional_t<Build, int, Extended>;

  Reader(const std::u16string& text, Extended x, FormulaTree* tree)
      : s_(text), x_(x), tree_(tree) {}

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
        Extended v = ApplyFormulaFunc(func, a, x_, status);
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
                std::int32_t& err, Extended x) {
  if (code != evalerr::Ok) {
    value = 0;
    err = code;
    return;
  }
  try {
    Reader<false> reader(normal, x, nullptr);
    reader.run(value, err);
  } catch (const std::bad_alloc&) {
    err = evalerr::Prepare;
  }
}

bool parseNormal(std::int32_t code, const std::u16string& normal, FormulaTree& tree) {
  tree = FormulaTree{};
  if (code != evalerr::Ok) return false;
  Reader<true> reader(normal, 0, &tree);
  Extended ignored = 0;
  std::int32_t err = 0;
  reader.run(ignored, err);
  return err == evalerr::Ok && !reader.staticFailure() && tree.root >= 0;
}

// ---------------------------------------------------------------------------
// Compiled form: the tree as postfix code for a small stack machine. It runs
// only the successful path; any value-dependent failure hands the call back
// to the direct reading, which then produces the exact value and err.
//
// The top of the stack lives in an accumulator. Operands that are constants
// or monomials k·X^n are part of the instruction («x^3-2x^2» is LoadM x^3,
// SubM 2·x^2), so most terms need few pushes: an extended real kept in
// memory costs more than the arithmetic. Overflow is not tested after every
// step: +, -, * and the whole powers keep an infinite or undefined operand
// infinite or undefined, so one test of the result finds it. Only the steps that could turn such a value
// into a finite one (a divisor, an exponent, a function's argument, a
// dropped argument) test their operands before they run.

enum class Code : std::uint8_t {
  End, Const, Push, Param, Neg, Drop, Check, Add, Sub, Mul, Div, Pow, Func,
  LoadK,  // Const on an empty stack: nothing below to keep
  // With a constant operand k: acc op k, or k op acc.
  AddK, SubK, KSub, MulK, DivK, KDiv, PowK, KPow,
  // With a monomial m = k·X^n (n = 0: k·X) as operand.
  LoadM, PushM, AddM, SubM, MSub, MulM, DivM, MDiv,
  // Whole powers as the repeated squaring computes them.
  Sqr, Cube, PowN,
  // Frequent names without the general call.
  Abs, Sqrt, Sin, Cos, Exp, Ln,
};
struct Instr {
  Code code;
  FormulaFunc func;
  unsigned n;  // PowN and monomials: the exponent
  Extended k;
};

// The monomial of an instruction. X^n is what FormulaPower gives (+0 for a
// base 0); k = 1 when the term has no factor, and 1·p is p exactly.
inline Extended monomial(const Instr& in, const Extended& x) {
  Extended p;
  switch (in.n) {
    case 0: p = x; break;
    case 1: p = x == 0 ? 0 : x; break;
    case 2: p = x * x; break;  // the square of -0 is +0 anyway
    case 3: p = x == 0 ? 0 : x * (x * x); break;
    default: p = x == 0 ? 0 : powWhole(x, in.n); break;
  }
  return in.k == 1 ? p : in.k * p;
}

struct Compiled {
  bool usable = false;     // false: always read directly (a static failure)
  bool usesAngle = false;  // Sin or Cos: read the angle mode once per run
  std::vector<Instr> code;
  int maxDepth = 0;
  // The normal form, for the direct reading when the code cannot decide.
  std::int32_t normalCode = evalerr::Prepare;
  std::u16string normal;
};

class Compiler {
public:
  Compiler(const FormulaTree& t, Compiled& c)
      : t_(t), c_(c), constMemo_(t.nodes.size(), -1), foldMemo_(t.nodes.size(), -1),
        foldValue_(t.nodes.size(), 0) {}
  bool compile() {
    emit(t_.root);
    push(Code::End);
    return depth_ == 1;
  }

private:
  // Whether a subtree can be computed now: no X, Y, Z, K, no angle mode.
  bool constant(int n) {
    if (constMemo_[n] < 0) constMemo_[n] = computeConstant(n) ? 1 : 0;
    return constMemo_[n] == 1;
  }
  bool computeConstant(int n) {
    const FormulaNode& nd = t_.nodes[n];
    switch (nd.op) {
      case FormulaOp::Number: return true;
      case FormulaOp::Func:
        if (nd.func == FormulaFunc::X || nd.func == FormulaFunc::Y || nd.func == FormulaFunc::Z ||
            nd.func == FormulaFunc::K || FormulaFuncUsesAngleMode(nd.func))
          return false;
        return constant(nd.a);
      case FormulaOp::Neg: return constant(nd.a);
      default: return constant(nd.a) && constant(nd.b);
    }
  }

  // Computes a constant subtree; false when it would fail (then it is left
  // to run, so that the failure takes the direct path).
  bool fold(int n, Extended& v) {
    if (foldMemo_[n] < 0) foldMemo_[n] = computeFold(n, foldValue_[n]) ? 1 : 0;
    v = foldValue_[n];
    return foldMemo_[n] == 1;
  }
  bool computeFold(int n, Extended& v) {
    const FormulaNode& nd = t_.nodes[n];
    Extended a = 0, b = 0;
    int status = 0;
    switch (nd.op) {
      case FormulaOp::Number: v = nd.number; return true;
      case FormulaOp::Neg:
        if (!fold(nd.a, a)) return false;
        v = -a;
        return true;
      case FormulaOp::Func:
        if (!fold(nd.a, a)) return false;
        v = ApplyFormulaFunc(nd.func, a, 0, status);
        return status == 0;
      default: break;
    }
    if (!fold(nd.a, a) || !fold(nd.b, b)) return false;
    switch (nd.op) {
      case FormulaOp::Add: v = a + b; break;
      case FormulaOp::Sub: v = a - b; break;
      case FormulaOp::Mul: v = a * b; break;
      case FormulaOp::Div:
        if (b == 0) return false;
        v = a / b;
        break;
      default: v = FormulaPower(a, b, status); break;
    }
    return status == 0 && finite(v);
  }

  // Whether the ignored argument of a name can be left out: it cannot fail.
  // PI, W and X cannot (X is tested once per run); Y, Z and K can, when the
  // shared value is not finite.
  bool harmlessArgument(int n) {
    const FormulaNode& arg = t_.nodes[n];
    Extended ignored = 0;
    return arg.op == FormulaOp::Number ||
           (arg.op == FormulaOp::Func &&
            (arg.func == FormulaFunc::Pi || arg.func == FormulaFunc::W ||
             arg.func == FormulaFunc::X) &&
            t_.nodes[arg.a].op == FormulaOp::Number) ||
           (constant(n) && fold(n, ignored));
  }

  // An operand that can be part of the instruction: a constant, or a
  // monomial k·X^n with a whole 1 <= n <= 64 (n = 0 stands for plain X).
  enum class Leaf { None, K, M };
  Leaf leaf(int n, Extended& k, unsigned& power) {
    if (constant(n) && fold(n, k)) return Leaf::K;
    const FormulaNode& nd = t_.nodes[n];
    Extended factor = 1;
    int base = n;
    if (nd.op == FormulaOp::Mul) {
      if (constant(nd.a) && fold(nd.a, factor)) base = nd.b;
      else if (constant(nd.b) && fold(nd.b, factor)) base = nd.a;
      else return Leaf::None;
    }
    power = 0;
    const FormulaNode* b = &t_.nodes[base];
    Extended e = 0;
    if (b->op == FormulaOp::Pow && constant(b->b) && fold(b->b, e) && e >= 1 && e <= 64 &&
        isWhole(e)) {
      power = static_cast<unsigned>(static_cast<double>(e));
      b = &t_.nodes[b->a];
    }
    if (b->op != FormulaOp::Func || b->func != FormulaFunc::X || !harmlessArgument(b->a))
      return Leaf::None;
    k = factor;
    return Leaf::M;
  }

  void push(Code code, Extended k = 0, FormulaFunc f = FormulaFunc::Abs, unsigned n = 0) {
    c_.code.push_back(Instr{code, f, n, k});
  }
  void grow(int d) {
    depth_ += d;
    c_.maxDepth = std::max(c_.maxDepth, depth_);
  }

  void loadK(Extended k) {
    push(depth_ == 0 ? Code::LoadK : Code::Const, k);
    grow(1);
  }

  void emitFunc(FormulaFunc f) {
    switch (f) {
      case FormulaFunc::Abs: push(Code::Abs); return;
      case FormulaFunc::Sqrt: push(Code::Sqrt); return;
      case FormulaFunc::Sqr: push(Code::Sqr); return;  // a·a, as the name computes it
      case FormulaFunc::Sin: push(Code::Sin); c_.usesAngle = true; return;
      case FormulaFunc::Cos: push(Code::Cos); c_.usesAngle = true; return;
      case FormulaFunc::Exp: push(Code::Exp); return;
      case FormulaFunc::Ln: push(Code::Ln); return;
      default: push(Code::Func, 0, f); return;
    }
  }

  // acc^k for a constant exponent.
  void emitPowK(Extended k) {
    if (k >= 1 && k <= 64 && isWhole(k)) {
      unsigned n = static_cast<unsigned>(static_cast<double>(k));
      if (n == 2) push(Code::Sqr);
      else if (n == 3) push(Code::Cube);
      else push(Code::PowN, k, FormulaFunc::Abs, n);
    } else {
      push(Code::PowK, k);
    }
  }

  void emit(int n) {
    const FormulaNode& nd = t_.nodes[n];
    Extended v = 0;
    if (constant(n) && fold(n, v)) {
      loadK(v);
      return;
    }
    switch (nd.op) {
      case FormulaOp::Number:
        loadK(nd.number);
        return;
      case FormulaOp::Neg:
        emit(nd.a);
        push(Code::Neg);
        return;
      case FormulaOp::Func:
        if (FormulaFuncIgnoresArgument(nd.func)) {
          // The argument is still computed for its failures, unless it cannot fail.
          if (!harmlessArgument(nd.a)) {
            emit(nd.a);
            push(depth_ > 1 ? Code::Drop : Code::Check);  // Check: nothing below it
            grow(-1);
          }
          if (nd.func == FormulaFunc::X) {
            push(depth_ == 0 ? Code::LoadM : Code::PushM, 1);
            grow(1);
          } else if (nd.func == FormulaFunc::Pi) {
            loadK(kPi);
          } else if (nd.func == FormulaFunc::W) {
            loadK(kE);
          } else {
            if (depth_ > 0) push(Code::Push);
            push(Code::Param, 0, nd.func);  // Y, Z, K: read at run time
            grow(1);
          }
          return;
        }
        emit(nd.a);
        emitFunc(nd.func);
        return;
      default: break;
    }
    // Which operand is evaluated first does not matter: the compiled form
    // runs only when nothing fails. k + v and k·v are v + k and v·k exactly.
    const int op = static_cast<int>(nd.op) - static_cast<int>(FormulaOp::Add);  // Add..Pow
    Extended k = 0;
    unsigned power = 0;
    Leaf right = leaf(nd.b, k, power);
    if (right == Leaf::K) {
      emit(nd.a);
      static constexpr Code withK[] = {Code::AddK, Code::SubK, Code::MulK, Code::DivK};
      if (nd.op == FormulaOp::Pow) emitPowK(k);
      else push(withK[op], k);
      return;
    }
    if (right == Leaf::M && nd.op != FormulaOp::Pow) {
      emit(nd.a);
      static constexpr Code withM[] = {Code::AddM, Code::SubM, Code::MulM, Code::DivM};
      push(withM[op], k, FormulaFunc::Abs, power);
      return;
    }
    Leaf left = leaf(nd.a, k, power);
    if (left == Leaf::K || (left == Leaf::M && nd.op != FormulaOp::Pow)) {
      emit(nd.b);
      static constexpr Code kWith[] = {Code::AddK, Code::KSub, Code::MulK, Code::KDiv,
                                       Code::KPow};
      static constexpr Code mWith[] = {Code::AddM, Code::MSub, Code::MulM, Code::MDiv};
      if (left == Leaf::K) push(kWith[op], k);
      else push(mWith[op], k, FormulaFunc::Abs, power);
      return;
    }
    if (nd.op == FormulaOp::Mul && leaf(n, k, power) == Leaf::M) {  // k·X^n alone
      push(depth_ == 0 ? Code::LoadM : Code::PushM, k, FormulaFunc::Abs, power);
      grow(1);
      return;
    }
    emit(nd.a);
    emit(nd.b);
    static constexpr Code ops[] = {Code::Add, Code::Sub, Code::Mul, Code::Div, Code::Pow};
    push(ops[op]);
    grow(-1);
  }

  const FormulaTree& t_;
  Compiled& c_;
  std::vector<signed char> constMemo_, foldMemo_;
  std::vector<Extended> foldValue_;
  int depth_ = 0;
};

// Runs compiled code with st as the stack (room for c.maxDepth values);
// false when the direct reading must decide. Inlined into the callers, so
// that x and the result go through no further copies.
[[gnu::always_inline]] inline bool runCode(const Compiled& c, const Extended& x, Extended* st,
                                           Extended& result) {
  if (!finite(x)) return false;
  const Extended radians = c.usesAngle ? AngleModeToRadians(kernelState().AngleMode) : 0;
  int sp = 0;
  int status = 0;
  Extended acc = 0;
  // A divisor must be finite and not 0.
  auto divisor = [](Extended d) { return std::fabs(d) <= LDBL_MAX && d != 0; };
  for (const Instr* ip = c.code.data();; ++ip) {
    const Instr& in = *ip;
    switch (in.code) {
      case Code::End:
        if (!finite(acc)) return false;
        result = acc;
        return true;
      case Code::LoadK: acc = in.k; break;
      case Code::LoadM: acc = monomial(in, x); break;
      case Code::PushM: st[sp++] = acc; acc = monomial(in, x); break;
      case Code::Const: st[sp++] = acc; acc = in.k; break;
      case Code::Push: st[sp++] = acc; break;
      case Code::Param:
        acc = ApplyFormulaFunc(in.func, 1, x, status);
        if (status != 0) return false;
        break;
      case Code::Neg: acc = -acc; break;
      case Code::Drop:
        if (!finite(acc)) return false;
        acc = st[--sp];
        break;
      case Code::Check:
        if (!finite(acc)) return false;
        break;
      case Code::Add: acc = st[--sp] + acc; break;
      case Code::Sub: acc = st[--sp] - acc; break;
      case Code::Mul: acc = st[--sp] * acc; break;
      case Code::Div:
        if (!divisor(acc)) return false;
        acc = st[--sp] / acc;
        break;
      case Code::Pow: {
        Extended b = st[--sp];
        if (!finite(b) || !finite(acc)) return false;
        acc = FormulaPower(b, acc, status);
        if (status != 0) return false;
        break;
      }
      case Code::Func:
        if (!finite(acc)) return false;
        acc = ApplyFormulaFunc(in.func, acc, x, status);
        if (status != 0) return false;
        break;
      case Code::AddK: acc += in.k; break;
      case Code::SubK: acc -= in.k; break;
      case Code::KSub: acc = in.k - acc; break;
      case Code::MulK: acc *= in.k; break;
      case Code::DivK:
        if (in.k == 0) return false;
        acc /= in.k;
        break;
      case Code::KDiv:
        if (!divisor(acc)) return false;
        acc = in.k / acc;
        break;
      case Code::PowK:
        if (!finite(acc)) return false;
        acc = FormulaPower(acc, in.k, status);
        if (status != 0) return false;
        break;
      case Code::KPow:
        if (!finite(acc)) return false;
        acc = FormulaPower(in.k, acc, status);
        if (status != 0) return false;
        break;
      case Code::AddM: acc += monomial(in, x); break;
      case Code::SubM: acc -= monomial(in, x); break;
      case Code::MSub: acc = monomial(in, x) - acc; break;
      case Code::MulM: acc *= monomial(in, x); break;
      case Code::DivM: {
        Extended m = monomial(in, x);
        if (!divisor(m)) return false;
        acc /= m;
        break;
      }
      case Code::MDiv:
        if (!divisor(acc)) return false;
        acc = monomial(in, x) / acc;
        break;
      // FormulaPower gives +0 for a base 0 (also -0) and a positive exponent.
      case Code::Sqr: acc *= acc; break;
      case Code::Cube: acc = acc == 0 ? 0 : acc * (acc * acc); break;
      case Code::PowN: acc = acc == 0 ? 0 : powWhole(acc, in.n); break;
      case Code::Abs: acc = std::fabs(acc); break;
      case Code::Sqrt:
        if (!(acc >= 0) || !finite(acc)) return false;
        acc = std::sqrt(acc);
        break;
      case Code::Sin:
        if (!finite(acc)) return false;
        acc = sinAngle(acc, radians);
        break;
      case Code::Cos:
        if (!finite(acc)) return false;
        acc = cosAngle(acc, radians);
        break;
      case Code::Exp:  // an overflow is found by the test of the result
        if (!finite(acc)) return false;
        acc = std::exp(acc);
        break;
      case Code::Ln:
        if (!(acc > 0) || !finite(acc)) return false;
        acc = std::log(acc);
        break;
    }
  }
}

constexpr int kSmallStack = 32;

// Terms nested deeper than the stack on the machine stack.
[[gnu::noinline]] bool runCompiledLarge(const Compiled& c, Extended x, Extended& result) {
  std::vector<Extended> st(static_cast<size_t>(c.maxDepth));
  return runCode(c, x, st.data(), result);
}

std::shared_ptr<const Compiled> compileText(const std::u16string& text) {
  // Compiling walks the tree recursively; very long chains («1+1+…+1») stay
  // with the direct reading, which reads chains in loops.
  constexpr int kMaxCompiledDepth = 3000;
  auto c = std::make_shared<Compiled>();
  c->normalCode = NormalizeFormula(text, c->normal);
  FormulaTree tree;
  if (parseNormal(c->normalCode, c->normal, tree) &&
      FormulaTreeDepth(tree) <= kMaxCompiledDepth) {
    Compiler compiler(tree, *c);
    c->usable = compiler.compile();
  }
  if (!c->usable) c->code.clear();
  return c;
}

struct FormulaCache {
  static constexpr size_t kCapacity = 256;
  std::u16string lastText;
  std::shared_ptr<const Compiled> last;
  std::unordered_map<std::u16string, std::shared_ptr<const Compiled>> map;

  // The plotters pass the same text for every point: one comparison.
  bool sameAsLast(const std::u16string& text) const {
    return last && text.size() == lastText.size() &&
           std::memcmp(text.data(), lastText.data(), text.size() * sizeof(char16_t)) == 0;
  }

  // Looks the text up or compiles it; nullptr when memory runs out.
  [[gnu::noinline]] const Compiled* find(const std::u16string& text) noexcept {
    try {
      auto it = map.find(text);
      if (it == map.end()) {
        if (map.size() >= kCapacity) map.clear();
        it = map.emplace(text, compileText(text)).first;
      }
      lastText = text;
      last = it->second;
      return last.get();
    } catch (const std::bad_alloc&) {
      last.reset();
      return nullptr;
    }
  }
};

FormulaCache& formulaCache() {
  thread_local FormulaCache cache;
  return cache;
}

}  // namespace

// ---------------------------------------------------------------------------

const char* FormulaFuncName(FormulaFunc f) { return kFuncs[static_cast<int>(f)].name; }

bool FormulaFuncIgnoresArgument(FormulaFunc f) {
  switch (f) {
    case FormulaFunc::Pi: case FormulaFunc::W: case FormulaFunc::X:
    case FormulaFunc::Y: case FormulaFunc::Z: case FormulaFunc::K:
      return true;
    default: return false;
  }
}

bool FormulaFuncUsesAngleMode(FormulaFunc f) {
  switch (f) {
    case FormulaFunc::Sin: case FormulaFunc::Cos: case FormulaFunc::Cot: case FormulaFunc::Tan:
    case FormulaFunc::Atan: case FormulaFunc::Asin: case FormulaFunc::Acos:
      return true;
    default: return false;
  }
}

Extended FormulaPower(Extended b, Extended p, int& status) {
  status = 0;
  if (b == 0) {
    if (p == 0) return 1;
    if (p > 0) return 0;
    status = 1;  // 0 to a negative power is a division by zero
    return 0;
  }
  bool integral = isWhole(p);
  if (b < 0 && !integral) {
    status = 3;
    return b;
  }
  Extended r = 0;
  bool done = false;
  if (integral && std::fabs(p) <= 64) {
    // Small whole exponents by repeated squaring: exact where the product is.
    Extended prod = powWhole(b, static_cast<unsigned>(static_cast<double>(std::fabs(p))));
    if (p > 0) {
      r = prod;
      done = true;
    } else if (finite(prod)) {  // else the quotient underflows: leave it to exp/ln
      r = 1 / prod;
      done = true;
    }
  }
  if (!done) {
    // exp(p·ln|b|), negated for a negative base with an odd exponent.
    r = b == kE ? std::exp(p) : std::exp(p * std::log(std::fabs(b)));
    if (b < 0 && std::fmod(p, 2) != 0) r = -r;
  }
  if (!finite(r)) status = 2;
  return r;
}

Extended ApplyFormulaFunc(FormulaFunc f, Extended a, Extended x, int& status) {
  status = 0;
  Extended v = 0;
  try {
    switch (f) {
      case FormulaFunc::Abs: v = std::fabs(a); break;
      case FormulaFunc::Int: v = a >= 0 ? std::trunc(a) : std::trunc(a - 0.9999999L); break;
      case FormulaFunc::Sgn: v = a > 0 ? 1 : (a < 0 ? -1 : 0); break;
      case FormulaFunc::Rect: v = std::fabs(a) <= 0.5L ? 1 : 0; break;
      case FormulaFunc::Relu: v = a > 0 ? a : 0; break;
      case FormulaFunc::Sqrt:
        if (a < 0) { status = 1; return 0; }
        v = std::sqrt(a);
        break;
      case FormulaFunc::Sqr: v = a * a; break;
      case FormulaFunc::Sinh: v = SinhReal(a); break;
      case FormulaFunc::Cosh: v = CoshReal(a); break;
      // tanh and coth by the library functions: the quotient of sinh and cosh
      // would overflow for |a| > 11356 where the true value is +-1.
      case FormulaFunc::Tanh: v = std::tanh(a); break;
      case FormulaFunc::Coth:
        if (a == 0) { status = 1; return 0; }
        v = 1 / std::tanh(a);
        break;
      case FormulaFunc::Asinh: v = std::asinh(a); break;
      case FormulaFunc::Acosh:
        if (a < 1) { status = 1; return 0; }
        v = std::acosh(a);
        break;
      case FormulaFunc::Atanh:
        if (std::fabs(a) >= 1) { status = 1; return 0; }
        v = std::atanh(a);
        break;
      case FormulaFunc::Acoth:
        if (std::fabs(a) <= 1) { status = 1; return 0; }
        v = std::atanh(1 / a);
        break;
      case FormulaFunc::Sin: v = sinAngle(a, AngleModeToRadians(kernelState().AngleMode)); break;
      case FormulaFunc::Cos: v = cosAngle(a, AngleModeToRadians(kernelState().AngleMode)); break;
      case FormulaFunc::Cot: {
        Extended t = tanAngle(a, status);
        if (status != 0) return 0;
        if (t == 0) { status = 1; return 0; }
        v = 1 / t;
        break;
      }
      case FormulaFunc::Tan:
        v = tanAngle(a, status);
        if (status != 0) return 0;
        break;
      case FormulaFunc::Atan: v = ArcTanAngle(a); break;
      case FormulaFunc::Asin:
        if (std::fabs(a) > 1) { status = 1; return 0; }
        v = ArcSinAngle(a);
        break;
      case FormulaFunc::Acos:
        if (std::fabs(a) > 1) { status = 1; return 0; }
        v = ArcCosAngle(a);
        break;
      case FormulaFunc::Ln:
        if (a <= 0) { status = 2; return 0; }
        v = std::log(a);
        break;
      case FormulaFunc::Log:
        if (a <= 0) { status = 2; return 0; }
        v = std::log10(a);
        break;
      case FormulaFunc::Exp: case FormulaFunc::E: v = std::exp(a); break;
      case FormulaFunc::Fak:
        // Below 0 the factorial is undefined; beyond 1754 it leaves the extended range.
        if (!(a >= -0.5L)) { status = 1; return 0; }
        if (!(a <= 1754.5L)) { status = 2; return 0; }
        v = Factorial(static_cast<std::int64_t>(std::nearbyint(a)));
        break;
      case FormulaFunc::Erf:
        // Beyond the double range erf is +-1 anyway; the clamp keeps the conversion defined.
        v = Erf(static_cast<double>(std::clamp(a, -1e300L, 1e300L)));
        break;
      case FormulaFunc::Pi: v = kPi; break;
      case FormulaFunc::W: v = kE; break;
      case FormulaFunc::X: v = x; break;
      case FormulaFunc::Y: v = kernelState().FormulaY; break;
      case FormulaFunc::Z: v = kernelState().FormulaZ; break;
      case FormulaFunc::K: v = kernelState().FormulaK; break;
    }
  } catch (const CalcFailure&) {
    status = 2;
    return 0;
  }
  if (!finite(v)) {
    status = 2;
    return 0;
  }
  return v;
}

void NormalizeFunctionNames(std::u16string& text) {
  std::u16string t;
  t.reserve(text.size());
  for (char16_t c : text)
    if (c != u' ') t.push_back(c);
  ReplaceAllText(t, u"atn", u"atan");
  ReplaceAllText(t, u"arctan", u"atan");
  ReplaceAllText(t, u"arcsin", u"asin");
  ReplaceAllText(t, u"arccos", u"acos");
  ReplaceAllText(t, u"fac", u"fak");
  text = std::move(t);
}

std::int32_t NormalizeFormula(const std::u16string& text, std::u16string& normalized) {
  std::u16string t = text;
  NormalizeFunctionNames(t);

  // Euler's number written "e#" is the name W.
  {
    std::u16string r;
    r.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
      if ((t[i] == u'e' || t[i] == u'E') && i + 1 < t.size() && t[i + 1] == u'#') {
        r.push_back(u'w');
        ++i;
      } else {
        r.push_back(t[i]);
      }
    }
    t = std::move(r);
  }

  // Implicit multiplication: after a digit, ")" or a lower-case "x" (except
  // the "x" of "exp"), before an opening parenthesis, a name's first letter
  // or the beginning of "exp".
  if (!t.empty()) {
    std::u16string r;
    r.reserve(t.size() * 2);
    r.push_back(t[0]);
    for (size_t i = 1; i < t.size(); ++i) {
      char16_t prev = t[i - 1], cur = t[i];
      bool xOfExp = prev == u'x' && i >= 2 && (t[i - 2] == u'e' || t[i - 2] == u'E') &&
                    (cur == u'p' || cur == u'P');
      bool left = isDigit(prev) || prev == u')' || (prev == u'x' && !xOfExp);
      if (left && (inSet(cur, "(asctlfpwxyzASCTLFPWXYZK") || occursIn(t, i, 3, "expEXP")))
        r.push_back(u'*');
      r.push_back(cur);
    }
    t = std::move(r);
  }

  if (!t.empty() && t[0] == u'-') t.insert(t.begin(), u'0');

  // "(-" becomes "(0-" everywhere in the text.
  {
    std::u16string r;
    r.reserve(t.size() + 8);
    for (size_t i = 0; i < t.size(); ++i) {
      if (t[i] == u'-' && i > 0 && t[i - 1] == u'(') r.push_back(u'0');
      r.push_back(t[i]);
    }
    t = std::move(r);
  }

  int open = 0, close = 0;
  for (char16_t& c : t) {
    if (c == u'(') ++open;
    else if (c == u')') ++close;
    else if (c == u',') c = u'.';
    else if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }

  {
    std::u16string r;
    r.reserve(t.size() + 4);
    for (size_t i = 0; i < t.size(); ++i) {
      if (t[i] == u'.' && i > 0 && !isDigit(t[i - 1])) r.push_back(u'0');
      r.push_back(t[i]);
    }
    t = std::move(r);
  }
  if (!t.empty() && t[0] == u'.') t.insert(t.begin(), u'0');
  if (!t.empty() && t[0] == u'+') t.erase(t.begin());

  normalized = std::move(t);
  if (normalized.empty()) return evalerr::Empty;
  if (open != close) return evalerr::Parentheses;
  return evalerr::Ok;
}

void EvaluateFormulaDirect(const std::u16string& text, Extended& value, std::int32_t& err,
                           Extended x) {
  std::u16string normal;
  std::int32_t code;
  try {
    code = NormalizeFormula(text, normal);
  } catch (const std::bad_alloc&) {
    err = evalerr::Prepare;
    return;
  }
  readNormal(code, normal, value, err, x);
}

int FormulaTreeDepth(const FormulaTree& tree) {
  // Operands are always recorded before the node that uses them.
  std::vector<int> depth(tree.nodes.size(), 1);
  int deepest = 0;
  for (size_t n = 0; n < tree.nodes.size(); ++n) {
    const FormulaNode& nd = tree.nodes[n];
    if (nd.a >= 0) depth[n] = std::max(depth[n], depth[nd.a] + 1);
    if (nd.b >= 0) depth[n] = std::max(depth[n], depth[nd.b] + 1);
    deepest = std::max(deepest, depth[n]);
  }
  return deepest;
}

bool ParseFormulaTree(const std::u16string& text, FormulaTree& tree) {
  std::u16string normal;
  std::int32_t code = NormalizeFormula(text, normal);
  return parseNormal(code, normal, tree);
}

void EvaluateFormula(const std::u16string& text, Extended& value, std::int32_t& err, Extended x) {
  FormulaCache& cache = formulaCache();
  const Compiled* c = cache.sameAsLast(text) ? cache.last.get() : cache.find(text);
  if (c && c->usable) {
    // x is read where the caller put it: without this the compiler copies
    // it to a second place first, and each copy of an extended real through
    // memory costs more than the arithmetic of a short term.
    const Extended* px = &x;
    asm("" : "+r"(px));
    bool ok;
    if (c->maxDepth <= kSmallStack) {
      Extended st[kSmallStack];
      ok = runCode(*c, *px, st, value);
    } else {
      ok = runCompiledLarge(*c, *px, value);
    }
    if (ok) {
      err = evalerr::Ok;
      return;
    }
  }
  if (c)
    readNormal(c->normalCode, c->normal, value, err, x);
  else
    EvaluateFormulaDirect(text, value, err, x);
}

void ClearFormulaCache() {
  FormulaCache& cache = formulaCache();
  cache.map.clear();
  cache.last.reset();
  cache.lastText.clear();
}

}  // namespace zw
