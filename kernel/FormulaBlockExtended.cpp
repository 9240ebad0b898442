// The extended block evaluation: one term for many values of X, each point
// bit for bit what EvaluateFormula gives.
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

}  // namespace

void runBlockExtended(const Compiled& c, const Extended* xs, std::size_t n, Extended* values,
                      std::int32_t* errs, const FormulaContext& context) {
  if (!c.usable) {
    for (std::size_t i = 0; i < n; ++i)
      readNormal(c.normalCode, c.normal, values[i], errs[i], xs[i], context);
    return;
  }
  runGeneral(c, xs, n, values, errs, context);
}

}  // namespace zw::formula
