#pragma once
// Newton's iteration for a zero of a term, callable without a window: every
// iterate with the function value and slope it was computed from, at most 30
// steps, the derivative from the symbolic derivative. The window runs it as
// a NewtonRun: the symbolic library may take some 300 ms over the longest
// term a field takes, so the derivative is computed beside the window.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "kernel/Types.h"
#include "topics/frame/LongRun.h"

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
// Terms are evaluated in radians. A derivative the library cannot give, or
// one too long to evaluate (MaxBuiltTermLength), ends the table with the
// divergent line, as an unusable derivative does.
NewtonResult NewtonIteration(const QString& term, Extended x0, const TextMeasurer& memo, const QString& divergentText);

// NewtonIteration as a Stepper: the refusals are thrown when the run is made;
// the derivative is computed on a worker thread while the steps wait for it
// (the window stays responsive and ESC stops the run at once), then one
// iteration is a step. `done` gets the result once the table is complete; a
// stopped run gives nothing.
class NewtonRun : public Stepper {
public:
  using Done = std::function<void(const NewtonResult&)>;
  NewtonRun(const QString& term, Extended x0, std::shared_ptr<const TextMeasurer> memo, const QString& divergentText,
            Done done);
  ~NewtonRun() override;
  bool step() override;
  void finish(End end, int message) override;

  class Table;   // the table as it grows (Newton.cpp)
  struct Pending;  // the derivative being computed

private:
  std::shared_ptr<const TextMeasurer> memo_;
  std::unique_ptr<Table> table_;
  std::shared_ptr<Pending> pending_;
  Done done_;
};

}  // namespace zw
