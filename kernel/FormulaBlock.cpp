// The double-precision block evaluation for drawing: the compiled form run
// for a block of points at once, each instruction as a loop over the block.
// Every point that this path cannot decide in double precision (a failure, a
// value out of the double range, a name with jumps) is evaluated exactly, on
// the extended path.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <vector>
#if defined(__SSE2__)
#include <xmmintrin.h>
#else
#include <cfenv>
#endif

#include "kernel/BasicMath.h"
#include "kernel/Erf.h"
#include "kernel/Evaluator.h"
#include "kernel/FormulaCompiled.h"

// The C library's functions, declared so that the compiler may
// call their vector versions (libmvec, within a few units in the last
// place) in a loop over a block: for drawing, that precision is plenty.
#if defined(__GNUC__) && !defined(__clang__)
#define ZW_VECTOR_VERSION __attribute__((simd("notinbranch")))
#else
#define ZW_VECTOR_VERSION  // other compilers call the scalar functions
#endif
extern "C" {
double blockSin(double) __asm__("sin") ZW_VECTOR_VERSION __attribute__((const, nothrow));
double blockCos(double) __asm__("cos") ZW_VECTOR_VERSION __attribute__((const, nothrow));
double blockExp(double) __asm__("exp") ZW_VECTOR_VERSION __attribute__((const, nothrow));
double blockLog(double) __asm__("log") ZW_VECTOR_VERSION __attribute__((const, nothrow));
double blockLog10(double) __asm__("log10") ZW_VECTOR_VERSION __attribute__((const, nothrow));
double blockSinh(double) __asm__("sinh") ZW_VECTOR_VERSION __attribute__((const, nothrow));
double blockCosh(double) __asm__("cosh") ZW_VECTOR_VERSION __attribute__((const, nothrow));
double blockTanh(double) __asm__("tanh") ZW_VECTOR_VERSION __attribute__((const, nothrow));
double blockAtan(double) __asm__("atan") ZW_VECTOR_VERSION __attribute__((const, nothrow));
}

namespace zw {

using namespace formula;

namespace {

constexpr int kLanes = 64;
using Lanes = double[kLanes];

bool hasJumps(FormulaFunc f) {
  // Rounding differences between the two precisions move a jump by a point.
  return f == FormulaFunc::Int || f == FormulaFunc::Sgn || f == FormulaFunc::Rect ||
         f == FormulaFunc::Fak;
}

// Whether a value keeps its meaning in double precision (0, or within the
// range where nothing underflows or overflows on the way).
bool inDoubleRange(Extended v) { return v == 0 || (std::fabs(v) >= 1e-300L && std::fabs(v) <= 1e300L); }

// A constant that is whole only after rounding to double would change how a
// power of a negative base reads.
bool wholeOnlyInDouble(Extended k) {
  const double d = static_cast<double>(k);
  return static_cast<Extended>(d) != k && std::nearbyint(d) == d;
}

// Terms with jumps, and constants beyond the double range, stay exact.
bool doubleSafe(const Compiled& c) {
  return std::none_of(c.code.begin(), c.code.end(), [](const Instr& in) {
    return (in.code == Code::Func && hasJumps(in.func)) || !inDoubleRange(in.k) ||
           wholeOnlyInDouble(in.k);
  });
}

// Near the edge of a domain (a divisor near 0, the argument of a root near 0,
// of an arc sine near ±1, ...) the two precisions may fall on different
// sides: such points are decided exactly.
constexpr double kNearEdge = 1e-9;
bool nearZero(double v) { return !(std::fabs(v) >= kNearEdge); }

// An angle function of a large argument amplifies the rounding of the
// argument, which differs between the two precisions.
constexpr double kLargestAngle = 1e5;

double powWholeD(double b, unsigned n) {
  double prod = 1;
  for (; n != 0; n >>= 1) {
    if (n & 1) prod *= b;
    if (n > 1) b *= b;
  }
  return prod;
}

// The monomial of an instruction for every lane: the switch on the power
// outside the loops, so that each loop is vectorised.
void monomialsD(const Instr& in, const double* x, double* m) {
  switch (in.n) {
    case 0: std::copy(x, x + kLanes, m); break;
    case 1: for (int l = 0; l < kLanes; ++l) m[l] = x[l] == 0 ? 0 : x[l]; break;
    case 2: for (int l = 0; l < kLanes; ++l) m[l] = x[l] * x[l]; break;
    case 3: for (int l = 0; l < kLanes; ++l) m[l] = x[l] == 0 ? 0 : x[l] * (x[l] * x[l]); break;
    default: for (int l = 0; l < kLanes; ++l) m[l] = x[l] == 0 ? 0 : powWholeD(x[l], in.n); break;
  }
  const double k = static_cast<double>(in.k);
  if (k != 1)
    for (int l = 0; l < kLanes; ++l) m[l] *= k;
}

// FormulaPower in double precision; false where the extended path must decide.
bool powerD(double b, double p, double& r) {
  // A base near 0 or below: the sign and wholeness tests are decided exactly.
  if (!std::isfinite(b) || !std::isfinite(p) || !(b >= kNearEdge)) return false;
  const bool integral = std::nearbyint(p) == p;
  if (integral && std::fabs(p) <= 64) {
    const double prod = powWholeD(b, static_cast<unsigned>(std::fabs(p)));
    r = p > 0 ? prod : 1 / prod;
  } else {
    r = std::exp(p * std::log(b));
  }
  return std::isfinite(r);
}

// A name of the term (the jumps excluded) in double precision; false where
// the extended path must decide.
bool funcD(FormulaFunc f, double a, int angleMode, double& v) {
  const double toRad = static_cast<double>(AngleModeToRadians(angleMode));
  auto fromRad = [&](double r) { return static_cast<double>(RadiansToAngleMode(angleMode, r)); };
  switch (f) {
    case FormulaFunc::Abs: v = std::fabs(a); break;
    case FormulaFunc::Relu: v = a > 0 ? a : 0; break;
    case FormulaFunc::Sqrt:
      if (a < kNearEdge) return false;
      v = std::sqrt(a);
      break;
    case FormulaFunc::Sqr: v = a * a; break;
    case FormulaFunc::Sinh: v = std::sinh(a); break;
    case FormulaFunc::Cosh: v = std::cosh(a); break;
    case FormulaFunc::Tanh: v = std::tanh(a); break;
    case FormulaFunc::Coth:
      if (nearZero(a)) return false;
      v = 1 / std::tanh(a);
      break;
    case FormulaFunc::Asinh: v = std::asinh(a); break;
    case FormulaFunc::Acosh:
      if (a < 1 + kNearEdge) return false;
      v = std::acosh(a);
      break;
    case FormulaFunc::Atanh:
      if (std::fabs(a) > 1 - kNearEdge) return false;
      v = std::atanh(a);
      break;
    case FormulaFunc::Acoth:
      if (std::fabs(a) < 1 + kNearEdge) return false;
      v = std::atanh(1 / a);
      break;
    case FormulaFunc::Sin:
    case FormulaFunc::Cos:
      if (std::fabs(a * toRad) > kLargestAngle) return false;
      v = toRad == 0 ? 0 : f == FormulaFunc::Sin ? std::sin(a * toRad) : std::cos(a * toRad);
      break;
    case FormulaFunc::Tan:
    case FormulaFunc::Cot: {
      const double r = toRad == 0 ? a : a * toRad, c = std::cos(r);
      if (std::fabs(r) > kLargestAngle) return false;
      if (nearZero(c)) return false;
      v = std::sin(r) / c;
      if (f == FormulaFunc::Cot) {
        if (nearZero(v)) return false;
        v = 1 / v;
      }
      break;
    }
    case FormulaFunc::Atan: v = fromRad(std::atan(a)); break;
    case FormulaFunc::Asin:
      if (std::fabs(a) > 1 - kNearEdge) return false;
      v = fromRad(std::asin(a));
      break;
    case FormulaFunc::Acos:
      if (std::fabs(a) > 1 - kNearEdge) return false;
      v = fromRad(std::acos(a));
      break;
    case FormulaFunc::Ln:
    case FormulaFunc::Log:
      if (!(a >= kNearEdge)) return false;
      v = f == FormulaFunc::Ln ? std::log(a) : std::log10(a);
      break;
    case FormulaFunc::Exp: case FormulaFunc::E: v = std::exp(a); break;
    case FormulaFunc::Erf: v = static_cast<double>(Erf(a)); break;
    default: return false;  // the jumps; constants and variables are compiled away
  }
  return std::isfinite(v);
}

// The names without a domain edge (and LOG) as loops that the compiler
// turns into calls of the vector versions; false for the other names.
bool vectorFunc(FormulaFunc f, double* acc, bool* bad, int angleMode) {
  switch (f) {
    case FormulaFunc::Sinh: case FormulaFunc::Cosh: case FormulaFunc::Tanh:
    case FormulaFunc::Atan: case FormulaFunc::Log: break;
    default: return false;
  }
  for (int l = 0; l < kLanes; ++l) bad[l] |= !std::isfinite(acc[l]);
  switch (f) {
    case FormulaFunc::Sinh: for (int l = 0; l < kLanes; ++l) acc[l] = blockSinh(acc[l]); break;
    case FormulaFunc::Cosh: for (int l = 0; l < kLanes; ++l) acc[l] = blockCosh(acc[l]); break;
    case FormulaFunc::Tanh: for (int l = 0; l < kLanes; ++l) acc[l] = blockTanh(acc[l]); break;
    case FormulaFunc::Atan: {
      const double toMode = static_cast<double>(RadiansToAngleMode(angleMode, 1));
      for (int l = 0; l < kLanes; ++l) acc[l] = blockAtan(acc[l]) * toMode;
      break;
    }
    default:  // LOG
      for (int l = 0; l < kLanes; ++l) bad[l] |= !(acc[l] >= kNearEdge);
      for (int l = 0; l < kLanes; ++l) acc[l] = blockLog10(std::fabs(acc[l]));
      break;
  }
  for (int l = 0; l < kLanes; ++l) bad[l] |= !std::isfinite(acc[l]);
  return true;
}

// Runs the code for a full block; bad[l] marks the points the extended path
// must decide.
void runBlock(const Compiled& c, const double* x, const FormulaContext& context, Lanes* st,
              double* out, bool* bad) {
  const double radians = static_cast<double>(AngleModeToRadians(context.AngleMode));
  Lanes acc{}, m;
  int sp = 0;
  for (int l = 0; l < kLanes; ++l) bad[l] = !std::isfinite(x[l]);
  auto fails = [&](int l, bool condition) { bad[l] |= condition; };
  auto finiteD = [](double v) { return std::isfinite(v); };
  for (const Instr* ip = c.code.data();; ++ip) {
    const Instr& in = *ip;
    const double k = static_cast<double>(in.k);
    switch (in.code) {
      case Code::End:
        for (int l = 0; l < kLanes; ++l) {
          fails(l, !finiteD(acc[l]));
          out[l] = acc[l];
        }
        return;
      case Code::LoadK: std::fill(acc, acc + kLanes, k); break;
      case Code::Const:
        std::copy(acc, acc + kLanes, st[sp++]);
        std::fill(acc, acc + kLanes, k);
        break;
      case Code::LoadM: monomialsD(in, x, acc); break;
      case Code::PushM:
        std::copy(acc, acc + kLanes, st[sp++]);
        monomialsD(in, x, acc);
        break;
      case Code::Push: std::copy(acc, acc + kLanes, st[sp++]); break;
      case Code::Param: {
        int status = 0;
        const Extended exact = ApplyFormulaFunc(in.func, 1, 0, context, status);
        const double v = static_cast<double>(exact);
        for (int l = 0; l < kLanes; ++l) {
          fails(l, status != 0 || !inDoubleRange(exact));
          acc[l] = v;
        }
        break;
      }
      case Code::Neg: for (int l = 0; l < kLanes; ++l) acc[l] = -acc[l]; break;
      case Code::Drop:
        --sp;
        for (int l = 0; l < kLanes; ++l) {
          fails(l, !finiteD(acc[l]));
          acc[l] = st[sp][l];
        }
        break;
      case Code::Check: for (int l = 0; l < kLanes; ++l) fails(l, !finiteD(acc[l])); break;
      case Code::Add: --sp; for (int l = 0; l < kLanes; ++l) acc[l] = st[sp][l] + acc[l]; break;
      case Code::Sub: --sp; for (int l = 0; l < kLanes; ++l) acc[l] = st[sp][l] - acc[l]; break;
      case Code::Mul: --sp; for (int l = 0; l < kLanes; ++l) acc[l] = st[sp][l] * acc[l]; break;
      case Code::Div:
        --sp;
        for (int l = 0; l < kLanes; ++l) {
          fails(l, !finiteD(acc[l]) || nearZero(acc[l]));
          acc[l] = st[sp][l] / acc[l];
        }
        break;
      case Code::Pow:
        --sp;
        for (int l = 0; l < kLanes; ++l) fails(l, !powerD(st[sp][l], acc[l], acc[l]));
        break;
      case Code::Func:
      case Code::Sinh:
      case Code::Cosh:
      case Code::Atan:
      case Code::Log:
        if (vectorFunc(in.func, acc, bad, context.AngleMode)) break;
        for (int l = 0; l < kLanes; ++l)
          fails(l, !finiteD(acc[l]) || !funcD(in.func, acc[l], context.AngleMode, acc[l]));
        break;
      case Code::AddK: for (int l = 0; l < kLanes; ++l) acc[l] += k; break;
      case Code::SubK: for (int l = 0; l < kLanes; ++l) acc[l] -= k; break;
      case Code::KSub: for (int l = 0; l < kLanes; ++l) acc[l] = k - acc[l]; break;
      case Code::MulK: for (int l = 0; l < kLanes; ++l) acc[l] *= k; break;
      case Code::DivK:
        for (int l = 0; l < kLanes; ++l) {
          fails(l, nearZero(k));
          acc[l] /= k;
        }
        break;
      case Code::KDiv:
        for (int l = 0; l < kLanes; ++l) {
          fails(l, !finiteD(acc[l]) || nearZero(acc[l]));
          acc[l] = k / acc[l];
        }
        break;
      case Code::PowK:
        for (int l = 0; l < kLanes; ++l) fails(l, !powerD(acc[l], k, acc[l]));
        break;
      case Code::KPow:
        if (k >= kNearEdge) {
          // A positive constant base («e^(-x)», «2^x»): one vector exponential.
          const double lnK = std::log(k);
          for (int l = 0; l < kLanes; ++l) fails(l, !finiteD(acc[l]));
          for (int l = 0; l < kLanes; ++l) acc[l] = blockExp(acc[l] * lnK);
          for (int l = 0; l < kLanes; ++l) fails(l, !finiteD(acc[l]));
        } else {
          for (int l = 0; l < kLanes; ++l) fails(l, !powerD(k, acc[l], acc[l]));
        }
        break;
      case Code::AddM:
        monomialsD(in, x, m);
        for (int l = 0; l < kLanes; ++l) acc[l] += m[l];
        break;
      case Code::SubM:
        monomialsD(in, x, m);
        for (int l = 0; l < kLanes; ++l) acc[l] -= m[l];
        break;
      case Code::MSub:
        monomialsD(in, x, m);
        for (int l = 0; l < kLanes; ++l) acc[l] = m[l] - acc[l];
        break;
      case Code::MulM:
        monomialsD(in, x, m);
        for (int l = 0; l < kLanes; ++l) acc[l] *= m[l];
        break;
      case Code::DivM:
        monomialsD(in, x, m);
        for (int l = 0; l < kLanes; ++l) {
          fails(l, !finiteD(m[l]) || nearZero(m[l]));
          acc[l] /= m[l];
        }
        break;
      case Code::MDiv:
        monomialsD(in, x, m);
        for (int l = 0; l < kLanes; ++l) {
          fails(l, !finiteD(acc[l]) || nearZero(acc[l]));
          acc[l] = m[l] / acc[l];
        }
        break;
      case Code::Sqr: for (int l = 0; l < kLanes; ++l) acc[l] *= acc[l]; break;
      case Code::Cube:
        for (int l = 0; l < kLanes; ++l) acc[l] = acc[l] == 0 ? 0 : acc[l] * (acc[l] * acc[l]);
        break;
      case Code::PowN:
        for (int l = 0; l < kLanes; ++l) acc[l] = acc[l] == 0 ? 0 : powWholeD(acc[l], in.n);
        break;
      case Code::Abs: for (int l = 0; l < kLanes; ++l) acc[l] = std::fabs(acc[l]); break;
      case Code::Sqrt:
        for (int l = 0; l < kLanes; ++l) {
          fails(l, !(acc[l] >= kNearEdge) || !finiteD(acc[l]));
          acc[l] = std::sqrt(std::fabs(acc[l]));
        }
        break;
      // The flags first, then the function alone in its loop, so that the
      // compiler can call the vector version for the whole block.
      case Code::Sin:
      case Code::Cos:
        for (int l = 0; l < kLanes; ++l)
          fails(l, !finiteD(acc[l]) | (std::fabs(acc[l] * radians) > kLargestAngle));
        if (radians == 0) {
          std::fill(acc, acc + kLanes, 0.0);
        } else if (in.code == Code::Sin) {
          for (int l = 0; l < kLanes; ++l) acc[l] = blockSin(acc[l] * radians);
        } else {
          for (int l = 0; l < kLanes; ++l) acc[l] = blockCos(acc[l] * radians);
        }
        break;
      case Code::Exp:
        for (int l = 0; l < kLanes; ++l) fails(l, !finiteD(acc[l]));
        for (int l = 0; l < kLanes; ++l) acc[l] = blockExp(acc[l]);
        break;
      case Code::Ln:
        for (int l = 0; l < kLanes; ++l) fails(l, !(acc[l] >= kNearEdge) | !finiteD(acc[l]));
        for (int l = 0; l < kLanes; ++l) acc[l] = blockLog(std::fabs(acc[l]));
        break;
    }
  }
}

// Intermediate values that leave the double range: one too large becomes
// infinite and stays so (or NaN) up to a step that tests it, but one too small
// becomes 0 or loses digits as a subnormal, silently, and a later product can
// make the loss visible («7.25/x/x*x*x+3» at X = 1e200 gave 3, not 10.25).
// The unit's underflow flag records exactly that (raised only by a tiny result
// that is not exact), so a block that raised it is decided on the extended path.
// Its points are rare: X or constants beyond about 1e±150, or e^x below 1e-308.
class UnderflowWatch {
public:
  UnderflowWatch() : callers_(raisedNow()) {
    if (callers_) clearFlag();
  }
  ~UnderflowWatch() {
    if (callers_) raise();
  }
  UnderflowWatch(const UnderflowWatch&) = delete;
  UnderflowWatch& operator=(const UnderflowWatch&) = delete;
  // Whether the flag was raised since the last call, which clears it again.
  // Called before a block (the points decided exactly raise it too) and
  // after it, whose results are in memory by the fence. Only a raised flag
  // is written back: writing the control register stalls the unit, reading
  // it does not.
  bool raisedSinceLast() {
    std::atomic_signal_fence(std::memory_order_seq_cst);
    const bool raised = raisedNow();
    if (raised) clearFlag();
    std::atomic_signal_fence(std::memory_order_seq_cst);
    return raised;
  }

private:
#if defined(__SSE2__)
  static bool raisedNow() { return (_mm_getcsr() & _MM_EXCEPT_UNDERFLOW) != 0; }
  static void clearFlag() { _mm_setcsr(_mm_getcsr() & ~_MM_EXCEPT_UNDERFLOW); }
  static void raise() { _mm_setcsr(_mm_getcsr() | _MM_EXCEPT_UNDERFLOW); }
#else
  static bool raisedNow() { return std::fetestexcept(FE_UNDERFLOW) != 0; }
  static void clearFlag() { std::feclearexcept(FE_UNDERFLOW); }
  static void raise() { std::feraiseexcept(FE_UNDERFLOW); }
#endif
  bool callers_;  // the flag as the caller left it, given back at the end
};

}  // namespace

void EvaluateFormulaBlockDouble(const std::u16string& text, const double* xs, std::size_t n,
                                double* values, std::int32_t* errs,
                                const FormulaContext& context) {
  if (n == 0) return;
  auto exact = [&](std::size_t i) {
    Extended v = 0;
    EvaluateFormula(text, v, errs[i], xs[i], context);
    values[i] = static_cast<double>(v);
  };
  const std::shared_ptr<const Compiled> c = cachedCompiledForm(text);
  if (!c || !c->usable || !doubleSafe(*c)) {
    for (std::size_t i = 0; i < n; ++i) exact(i);
    return;
  }
  std::vector<double> stack(static_cast<std::size_t>(std::max(c->maxDepth, 1)) * kLanes);
  Lanes* rows = reinterpret_cast<Lanes*>(stack.data());
  double x[kLanes], out[kLanes];
  UnderflowWatch underflow;
  for (std::size_t from = 0; from < n; from += kLanes) {
    const std::size_t count = std::min<std::size_t>(kLanes, n - from);
    // A short last block repeats its first X in the unused lanes.
    for (std::size_t l = 0; l < kLanes; ++l) x[l] = xs[from + (l < count ? l : 0)];
    bool bad[kLanes] = {};
    underflow.raisedSinceLast();
    runBlock(*c, x, context, rows, out, bad);
    const bool lost = underflow.raisedSinceLast();
    for (std::size_t l = 0; l < count; ++l) {
      if (lost || bad[l]) {
        exact(from + l);
      } else {
        values[from + l] = out[l];
        errs[from + l] = evalerr::Ok;
      }
    }
  }
}

void EvaluateFormulaBlockDouble(const std::u16string& text, const double* xs, std::size_t n,
                                double* values, std::int32_t* errs) {
  EvaluateFormulaBlockDouble(text, xs, n, values, errs, FormulaContext::current());
}

}  // namespace zw
