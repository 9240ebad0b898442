// Fuzz target for the term readers: EvaluateFormula (cached and direct must
// agree exactly, the extended block path bit for bit, the double block path
// in its error codes), ReadValue, EvalToInt64 and the symbolic derivative (whose
// answers must read back). Built and run by scripts/fuzz.sh.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "kernel/CheckedInput.h"
#include "platform/symbolic/Derivative.h"
#include "kernel/Evaluator.h"
#include "kernel/KernelState.h"

namespace {

// Bytes are characters (Latin-1); a byte 0xFF followed by two more gives one
// character above 0xFF, so that any UTF-16 unit can occur.
std::u16string decode(const uint8_t* data, size_t size) {
  std::u16string s;
  s.reserve(size);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF && i + 2 < size) {
      s.push_back(static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]));
      i += 2;
    } else {
      s.push_back(data[i]);
    }
  }
  return s;
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  uint8_t control = data[0];
  std::u16string text = decode(data + 1, size - 1);
  zw::KernelState& state = zw::kernelState();
  state.reset();
  state.AngleMode = control % 3;
  state.FormulaK = control >> 4;
  state.FormulaY = -0.5L;

  const zw::Extended xs[] = {0, 1.5L, -2, 1e-300L, 1e300L};
  for (zw::Extended x : xs) {
    zw::Extended v1 = 0, v2 = 0;
    std::int32_t e1 = 0, e2 = 0;
    zw::EvaluateFormula(text, v1, e1, x);
    zw::EvaluateFormulaDirect(text, v2, e2, x);
    check(e1 == e2);
    check(v1 == v2 || (std::isnan(v1) && std::isnan(v2)));
  }

  // The extended block path: bit for bit the values and error codes of
  // point-by-point evaluation.
  const zw::Extended extendedGrid[] = {0, 1.5L, -2, 1e-300L, 1e300L, 0.1L, -7.25L, 3, 1e4000L, -8};
  zw::Extended blockValues[10];
  std::int32_t blockErrs[10];
  zw::EvaluateFormulaBlock(text, extendedGrid, 10, blockValues, blockErrs);
  for (int i = 0; i < 10; ++i) {
    zw::Extended v = 0;
    std::int32_t e = 0;
    zw::EvaluateFormula(text, v, e, extendedGrid[i]);
    check(blockErrs[i] == e);
    check(std::memcmp(&blockValues[i], &v, 10) == 0);  // the ten bytes of an extended real
  }

  // The double block path for drawing: the error codes of point-by-point
  // evaluation wherever its value lies within ±1e300.
  const double grid[] = {0, 1.5, -2, 1e-300, 1e300, 0.1, -7.25, 3};
  double values[8];
  std::int32_t errs[8];
  zw::EvaluateFormulaBlockDouble(text, grid, 8, values, errs);
  for (int i = 0; i < 8; ++i) {
    zw::Extended v = 0;
    std::int32_t e = 0;
    zw::EvaluateFormula(text, v, e, grid[i]);
    if (e != 0 || std::fabs(v) <= 1e300L) check(errs[i] == e);
  }

  zw::Extended x = 0;
  std::int32_t ok = 0;
  zw::ReadValue(text, x, static_cast<char16_t>("BMNPZinpref"[control % 11]), ok);
  std::int64_t n = 0;
  zw::EvalToInt64(text, n, ok);

  if (text.size() <= 200) {
    for (int order = 1; order <= 2; ++order) {
      std::u16string d = order == 1 ? zw::SymbolicDerivative(text) : zw::SymbolicDerivative2(text);
      if (d == u"Error") continue;
      // Every answer is a term the evaluator reads.
      zw::FormulaTree tree;
      check(zw::ParseFormulaTree(d, tree));
      zw::Extended v = 0;
      std::int32_t err = 0;
      zw::EvaluateFormula(d, v, err, 0.75L);
    }
  }
  return 0;
}
