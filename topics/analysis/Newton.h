#pragma once
// Newton's iteration for a zero of a term, callable without a window: every
// iterate with the function value and slope it was computed from, at most 30
// steps, the derivative from the symbolic derivative.
#include <QString>
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

inline constexpr int NewtonMaxSteps = 30;

// The worksheet keys of the term and the start value.
inline constexpr const char* NewtonTermKey = "fkt";
inline constexpr const char* NewtonStartKey = "x0";

struct NewtonResult {
  QStringList lines;
  Extended last = 0;  // the last iterate
};

// The term with "," read as "." (the decimal comma of typed terms).
QString NewtonTermText(const QString& typed);

// Throws InputRejected: message 43 on the term when the evaluator cannot
// read it, message 22 on the start value when the term has no value at x0.
// Terms are evaluated in radians.
NewtonResult NewtonIteration(const QString& term, Extended x0, const TextMeasurer& memo, const QString& divergentText);

}  // namespace zw
