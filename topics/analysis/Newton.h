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

struct NewtonResult {
  QStringList lines;
  Extended last = 0;  // the last iterate
};

// The term with "," read as "." (the decimal comma of typed terms).
QString NewtonTermText(const QString& typed);

// Throws CalcFailure: message 43 when the evaluator cannot read the term,
// message 22 when the term has no value at x0 (the start field is at fault).
// Terms are evaluated in radians.
NewtonResult NewtonIteration(const QString& term, Extended x0, const TextMeasurer& memo, const QString& divergentText);

}  // namespace zw
