#pragma once
// The formula evaluator: the one reader of the terms users type («2pi/3»,
// «sin(x)*x^2», «3,5»). The text is first rewritten into a normal form, then
// read by recursive descent in extended reals. Failures are reported by an
// error code, never by an exception or a message.
//
// The same reader also builds a tree of the term (FormulaTree) for the
// compiled fast path of repeated evaluations and for symbolic work, so every
// consumer reads a term exactly as the evaluator does.
//
// The evaluator by concern: FormulaText (text preparation into the normal
// form), FormulaFuncs (the names and their values), FormulaTree and
// FormulaReader (reading), FormulaCompiled and FormulaCompiler (the compiled
// form), this file's Evaluator.cpp (the cache and the entry points), and
// FormulaContext (what a term reads besides X).
#include <cstddef>
#include <cstdint>
#include <string>

#include "kernel/FormulaContext.h"
#include "kernel/FormulaFuncs.h"
#include "kernel/FormulaText.h"
#include "kernel/FormulaTree.h"
#include "kernel/Types.h"

namespace zw {

// Evaluates text with the variable X = x; AngleMode, FormulaY, FormulaZ and
// FormulaK are read from kernelState() at the time of the call (only where
// the term needs them). value receives
// the value reached (0 after an arithmetic failure); err 0 means success.
// Repeated texts are served from a small per-thread cache of compiled forms
// that gives exactly the value and err of the direct reading.
void EvaluateFormula(const std::u16string& text, Extended& value, std::int32_t& err, Extended x);
// The same with the angle mode and Y, Z, K of context instead of the
// program-wide settings.
void EvaluateFormula(const std::u16string& text, Extended& value, std::int32_t& err, Extended x,
                     const FormulaContext& context);

// The same without the cache: normalises and reads the text afresh.
void EvaluateFormulaDirect(const std::u16string& text, Extended& value, std::int32_t& err,
                           Extended x);
void EvaluateFormulaDirect(const std::u16string& text, Extended& value, std::int32_t& err,
                           Extended x, const FormulaContext& context);

// text for the n values xs[0..n-1] of X in one call: values[i] and errs[i]
// are bit for bit what EvaluateFormula(text, values[i], errs[i], xs[i],
// context) gives. The compiled form is looked up once for the whole block,
// and the common shapes of plot terms run as kernels of their own.
void EvaluateFormulaBlock(const std::u16string& text, const Extended* xs, std::size_t n,
                          Extended* values, std::int32_t* errs, const FormulaContext& context);
// The same with the program-wide settings as they are at the call.
void EvaluateFormulaBlock(const std::u16string& text, const Extended* xs, std::size_t n,
                          Extended* values, std::int32_t* errs);

// For drawing only: text for the n values xs[0..n-1] of X in double
// precision, a block of points at a time (each step of the compiled form as
// a loop over the block). errs[i] is what EvaluateFormula gives for xs[i]
// wherever that value lies within ±1e300, and values[i] agrees with it to
// about 1e-9·max(1, |value|); beyond, a point may be reported as an
// overflow. Points this path cannot decide are evaluated by EvaluateFormula.
// Numbers that users read as text keep EvaluateFormula.
void EvaluateFormulaBlockDouble(const std::u16string& text, const double* xs, std::size_t n,
                                double* values, std::int32_t* errs,
                                const FormulaContext& context);
// The same with the program-wide settings.
void EvaluateFormulaBlockDouble(const std::u16string& text, const double* xs, std::size_t n,
                                double* values, std::int32_t* errs);

// Empties the calling thread's cache of compiled terms.
void ClearFormulaCache();

}  // namespace zw
