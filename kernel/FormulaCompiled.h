#pragma once
// Internal to the formula evaluator: the compiled form of a term and the
// machine that runs it.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kernel/BasicMath.h"
#include "kernel/FormulaContext.h"
#include "kernel/FormulaFuncs.h"
#include "kernel/FormulaMath.h"
#include "kernel/FormulaText.h"

namespace zw::formula {

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
  // Frequent names without the general call (func holds the name).
  Abs, Sqrt, Sin, Cos, Exp, Ln, Sinh, Cosh, Atan, Log,
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

// Normalises and compiles a text; a text that cannot be compiled gives a
// form that is not usable (always read directly).
std::shared_ptr<const Compiled> compileText(const std::u16string& text);

// The compiled form of text from the calling thread's cache (compiled now if
// it is not there); nullptr when memory runs out.
std::shared_ptr<const Compiled> cachedCompiledForm(const std::u16string& text) noexcept;

// Where a run reads the angle mode and Y, Z, K: a context the caller gave,
// or the program-wide settings, read only when the term needs them (copying
// a whole context for every point of a plot costs more than a short term).
struct GivenContext {
  const FormulaContext& given;
  int angleMode() const { return given.AngleMode; }
  const FormulaContext& get() const { return given; }
};
struct CurrentSettings {
  int angleMode() const { return kernelState().AngleMode; }
  FormulaContext get() const { return FormulaContext::current(); }
};

// Whether an instruction reads or writes the stack below the accumulator.
inline bool usesStack(Code code) {
  switch (code) {
    case Code::Const: case Code::Push: case Code::PushM: case Code::Drop: case Code::Add:
    case Code::Sub: case Code::Mul: case Code::Div: case Code::Pow:
      return true;
    default:
      return false;
  }
}

// The steps that cannot fail: +, -, * and whole powers keep an infinite
// operand infinite, so the test of the result finds every failure.
#define ZW_FORMULA_SAFE_CODES(X)                                                              \
  X(LoadK) X(LoadM) X(Neg) X(AddK) X(SubK) X(KSub) X(MulK) X(AddM) X(SubM) X(MSub) X(MulM) \
  X(Sqr) X(Cube) X(PowN) X(Abs)

// One such step, its code known when compiled: a switch that has a case of
// its own for each code dispatches once.
template <Code C>
[[gnu::always_inline]] inline void safeStep(const Instr& in, const Extended& x, Extended& acc) {
  if constexpr (C == Code::LoadK) acc = in.k;
  else if constexpr (C == Code::LoadM) acc = monomial(in, x);
  else if constexpr (C == Code::Neg) acc = -acc;
  else if constexpr (C == Code::AddK) acc += in.k;
  else if constexpr (C == Code::SubK) acc -= in.k;
  else if constexpr (C == Code::KSub) acc = in.k - acc;
  else if constexpr (C == Code::MulK) acc *= in.k;
  else if constexpr (C == Code::AddM) acc += monomial(in, x);
  else if constexpr (C == Code::SubM) acc -= monomial(in, x);
  else if constexpr (C == Code::MSub) acc = monomial(in, x) - acc;
  else if constexpr (C == Code::MulM) acc *= monomial(in, x);
  // FormulaPower gives +0 for a base 0 (also -0) and a positive exponent.
  else if constexpr (C == Code::Sqr) acc *= acc;
  else if constexpr (C == Code::Cube) acc = acc == 0 ? 0 : acc * (acc * acc);
  else if constexpr (C == Code::PowN) acc = acc == 0 ? 0 : powWhole(acc, in.n);
  else if constexpr (C == Code::Abs) acc = std::fabs(acc);
  else static_assert(C == Code::Abs, "not a step that cannot fail");
}
#define ZW_FORMULA_SAFE_CASE(C) \
  case Code::C: safeStep<Code::C>(in, x, acc); break;

// Whether a step cannot fail.
inline bool cannotFail(Code code) {
#define ZW_FORMULA_SAFE_TRUE(C) case Code::C: return true;
  switch (code) {
    ZW_FORMULA_SAFE_CODES(ZW_FORMULA_SAFE_TRUE)
    default: return false;
  }
#undef ZW_FORMULA_SAFE_TRUE
}

// Runs one step that cannot fail (cannotFail(in.code)).
[[gnu::always_inline]] inline void runSafeStep(const Instr& in, const Extended& x, Extended& acc) {
  switch (in.code) {
    ZW_FORMULA_SAFE_CODES(ZW_FORMULA_SAFE_CASE)
    default: break;
  }
}

// The same step for two points, dispatched once.
[[gnu::always_inline]] inline void runSafeStep2(const Instr& in, const Extended& x0, Extended& acc0,
                                                const Extended& x1, Extended& acc1) {
#define ZW_FORMULA_SAFE_CASE2(C)                                                     \
  case Code::C:                                                                      \
    safeStep<Code::C>(in, x0, acc0);                                                 \
    safeStep<Code::C>(in, x1, acc1);                                                 \
    break;
  switch (in.code) {
    ZW_FORMULA_SAFE_CODES(ZW_FORMULA_SAFE_CASE2)
    default: break;
  }
#undef ZW_FORMULA_SAFE_CASE2
}

// A divisor must be finite and not 0.
inline bool usableDivisor(Extended d) { return std::fabs(d) <= LDBL_MAX && d != 0; }

// One instruction; false when the direct reading must decide. radians: the
// factor of the angle mode (read only for terms with Sin or Cos). With
// WithStack the steps on the stack st (sp values) run too; without it they
// must not occur. All steps are cases of this one switch, so that a run
// dispatches once per instruction. End is the caller's.
template <bool WithStack, class Source>
[[gnu::always_inline]] inline bool runStep(const Instr& in, const Extended& x, const Source& source,
                                           Extended radians, Extended& acc, Extended* st, int& sp) {
  int status = 0;
  switch (in.code) {
    ZW_FORMULA_SAFE_CODES(ZW_FORMULA_SAFE_CASE)
    // The steps on the stack (only WithStack).
    case Code::PushM:
      if constexpr (WithStack) { st[sp++] = acc; acc = monomial(in, x); }
      break;
    case Code::Const:
      if constexpr (WithStack) { st[sp++] = acc; acc = in.k; }
      break;
    case Code::Push:
      if constexpr (WithStack) st[sp++] = acc;
      break;
    case Code::Drop:
      if constexpr (WithStack) {
        if (!finite(acc)) return false;
        acc = st[--sp];
      }
      break;
    case Code::Add:
      if constexpr (WithStack) acc = st[--sp] + acc;
      break;
    case Code::Sub:
      if constexpr (WithStack) acc = st[--sp] - acc;
      break;
    case Code::Mul:
      if constexpr (WithStack) acc = st[--sp] * acc;
      break;
    case Code::Div:
      if constexpr (WithStack) {
        if (!usableDivisor(acc)) return false;
        acc = st[--sp] / acc;
      }
      break;
    case Code::Pow:
      if constexpr (WithStack) {
        Extended b = st[--sp];
        if (!finite(b) || !finite(acc)) return false;
        acc = FormulaPower(b, acc, status);
        if (status != 0) return false;
      }
      break;
    case Code::Param:
      acc = ApplyFormulaFunc(in.func, 1, x, source.get(), status);
      if (status != 0) return false;
      break;
    case Code::Check:
      if (!finite(acc)) return false;
      break;
    case Code::Func:
      if (!finite(acc)) return false;
      acc = ApplyFormulaFunc(in.func, acc, x, source.get(), status);
      if (status != 0) return false;
      break;
    case Code::DivK:
      if (in.k == 0) return false;
      acc /= in.k;
      break;
    case Code::KDiv:
      if (!usableDivisor(acc)) return false;
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
    case Code::DivM: {
      Extended m = monomial(in, x);
      if (!usableDivisor(m)) return false;
      acc /= m;
      break;
    }
    case Code::MDiv:
      if (!usableDivisor(acc)) return false;
      acc = monomial(in, x) / acc;
      break;
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
      acc = xmath::Exp(acc);
      break;
    case Code::Ln:
      if (!(acc > 0) || !finite(acc)) return false;
      acc = xmath::Ln(acc);
      break;
    // Each as ApplyFormulaFunc computes it; a result that is not finite is
    // left to the direct reading. (Tanh stays a call: its kernel inlined here
    // leaves the unit too few registers, and the accumulator of every step
    // would go through memory.)
    case Code::Sinh:
      if (!finite(acc)) return false;
      acc = xmath::Sinh(acc);
      if (!finite(acc)) return false;
      break;
    case Code::Cosh:
      if (!finite(acc)) return false;
      acc = xmath::Cosh(acc);
      if (!finite(acc)) return false;
      break;
    case Code::Atan:
      if (!finite(acc)) return false;
      acc = RadiansToAngleMode(source.angleMode(), xmath::Atan(acc));
      break;
    case Code::Log:
      if (!(acc > 0) || !finite(acc)) return false;
      acc = xmath::Log10(acc);
      break;
    default: break;  // End is the caller's
  }
  return true;
}

// One instruction that reads and writes only the accumulator (and X).
template <class Source>
[[gnu::always_inline]] inline bool accumulatorStep(const Instr& in, const Extended& x,
                                                   const Source& source, Extended radians,
                                                   Extended& acc) {
  int sp = 0;
  return runStep<false>(in, x, source, radians, acc, nullptr, sp);
}

// Runs compiled code with st as the stack (room for c.maxDepth values);
// false when the direct reading must decide. Inlined into the callers, so
// that x and the result go through no further copies.
template <class Source>
[[gnu::always_inline]] inline bool runCode(const Compiled& c, const Extended& x,
                                           const Source& source, Extended* st,
                                           Extended& result) {
  if (!finite(x)) return false;
  const Extended radians = c.usesAngle ? AngleModeToRadians(source.angleMode()) : 0;
  int sp = 0;
  Extended acc = 0;
  const Instr* ip = c.code.data();
  for (; ip->code != Code::End; ++ip)
    if (!runStep<true>(*ip, x, source, radians, acc, st, sp)) return false;
  if (!finite(acc)) return false;
  result = acc;
  return true;
}

// Runs c for the n points xs (c from cachedCompiledForm of the text), giving
// for each exactly what the cached point-by-point evaluation gives.
void runBlockExtended(const Compiled& c, const Extended* xs, std::size_t n, Extended* values,
                      std::int32_t* errs, const FormulaContext& context);

}  // namespace zw::formula
