// The extended block evaluation: one term for many values of X, each point
// bit for bit what EvaluateFormula gives.
#include <algorithm>
#include <vector>

#include "kernel/FormulaCompiled.h"
#include "kernel/FormulaReader.h"

namespace zw::formula {

namespace {

constexpr int kSmallStack = 32;

// The general shape: the compiled form run point by point, without the
// cache lookup and the reading of the settings of every single call.
void runGeneral(const Compiled& c, const Extended* xs, std::size_t n, Extended* values,
                std::int32_t* errs, const FormulaContext& context) {
  const GivenContext source{context};
  Extended small[kSmallStack];
  std::vector<Extended> large;
  Extended* st = small;
  if (c.maxDepth > kSmallStack) {
    large.resize(static_cast<std::size_t>(c.maxDepth));
    st = large.data();
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (runCode(c, xs[i], source, st, values[i]))
      errs[i] = evalerr::Ok;
    else
      readNormal(c.normalCode, c.normal, values[i], errs[i], xs[i], context);
  }
}

// Terms without a stack below the accumulator («x^3-2x^2+3x-1»,
// «sin(x)*x^2+3x-1»): the steps of a point follow each other in registers,
// with nothing kept in memory between them.
void runChain(const Compiled& c, const Extended* xs, std::size_t n, Extended* values,
              std::int32_t* errs, const FormulaContext& context) {
  const GivenContext source{context};
  const Extended radians = c.usesAngle ? AngleModeToRadians(context.AngleMode) : 0;
  const Instr* const first = c.code.data();
  for (std::size_t i = 0; i < n; ++i) {
    const Extended x = xs[i];
    Extended acc = 0;
    bool ok = finite(x);
    for (const Instr* ip = first; ok && ip->code != Code::End; ++ip)
      ok = accumulatorStep(*ip, x, source, radians, acc);
    if (ok && finite(acc)) {
      values[i] = acc;
      errs[i] = evalerr::Ok;
    } else {
      readNormal(c.normalCode, c.normal, values[i], errs[i], x, context);
    }
  }
}

// Polynomials and the like: a chain of steps that cannot fail, so that a
// point is only tested at the end. Two points go through each step together:
// their independent chains of multiplications overlap in the unit, and the
// dispatch of a step is paid once for both.
void runSafeChain(const Compiled& c, const Extended* xs, std::size_t n, Extended* values,
                  std::int32_t* errs, const FormulaContext& context) {
  const Instr* const first = c.code.data();
  const Instr* const last = first + c.code.size() - 1;  // End
  auto finish = [&](std::size_t i, Extended acc) {
    if (finite(xs[i]) && finite(acc)) {
      values[i] = acc;
      errs[i] = evalerr::Ok;
    } else {
      readNormal(c.normalCode, c.normal, values[i], errs[i], xs[i], context);
    }
  };
  std::size_t i = 0;
  for (; i + 1 < n; i += 2) {
    const Extended x0 = xs[i], x1 = xs[i + 1];
    Extended acc0 = 0, acc1 = 0;
    for (const Instr* ip = first; ip != last; ++ip) runSafeStep2(*ip, x0, acc0, x1, acc1);
    finish(i, acc0);
    finish(i + 1, acc1);
  }
  if (i < n) {
    Extended acc = 0;
    for (const Instr* ip = first; ip != last; ++ip) runSafeStep(*ip, xs[i], acc);
    finish(i, acc);
  }
}

}  // namespace

void runBlockExtended(const Compiled& c, const Extended* xs, std::size_t n, Extended* values,
                      std::int32_t* errs, const FormulaContext& context) {
  if (!c.usable) {
    for (std::size_t i = 0; i < n; ++i)
      readNormal(c.normalCode, c.normal, values[i], errs[i], xs[i], context);
    return;
  }
  const auto steps = c.code.end() - 1;  // without End
  if (std::all_of(c.code.begin(), steps, [](const Instr& in) { return cannotFail(in.code); }))
    runSafeChain(c, xs, n, values, errs, context);
  else if (std::none_of(c.code.begin(), steps, [](const Instr& in) { return usesStack(in.code); }))
    runChain(c, xs, n, values, errs, context);
  else
    runGeneral(c, xs, n, values, errs, context);
}

}  // namespace zw::formula
