#pragma once
// The sequences topic's computation, callable without a window: the first n
// terms a[0] … a[n−1] from start terms and a term for a[i] that may refer to
// earlier terms (a[i-1] + a[i-2]), and the partial sums of the series. A
// term of 32,767 characters, 10,000 times, takes minutes: the computation is
// a Stepper (one term per step) that the window runs on its LongRun.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "kernel/Types.h"
#include "topics/frame/LongRun.h"

namespace zw {

class TextMeasurer;

struct SequenceInput {
  QString startTerms;  // "1;1": a[0], a[1], ...
  QString term;        // the term for a[i]
  QString count;       // n
  bool numbered = false;
};

struct SequenceLabels {
  QString termCaption;    // "a[ i ] = "
  QString sequence, series;  // items 2 and 3
  static SequenceLabels current();
};

// The worksheet keys of the three fields; a refused input names its field
// with them (InputRejected).
inline constexpr const char* SequenceStartKey = "a0";
inline constexpr const char* SequenceTermKey = "ai";
inline constexpr const char* SequenceCountKey = "n";

struct SequenceResult {
  QString shownTerm;  // the term as the field shows it afterwards ("{" → "[")
  QStringList lines;
  QStringList terms;  // a[0] … a[n−1] as listed
};

// The most terms one computation lists.
inline constexpr int SequenceMaxTerms = 10000;

// The term with blanks removed and "{", "}" turned into "[", "]".
QString SequenceTermText(const QString& typed);

// n, a whole number from 0 to SequenceMaxTerms; InputRejected on the count
// field otherwise.
int SequenceCount(const QString& text);

// One computation: a term per step, the memo lines when it is done.
// Refusals throw InputRejected (message 22) naming the field at fault: the
// count as SequenceCount does and a start term that does not evaluate on
// its own (one that names a term, say) when the run is made; the term when
// the evaluator cannot read it or an index, or an index names no existing
// term, at the step that meets it. `done` gets the result once the last
// term is computed; a run that is stopped or fails gives nothing, so the
// memo keeps what it showed before.
class SequenceRun : public Stepper {
public:
  using Done = std::function<void(const SequenceResult&)>;
  SequenceRun(const SequenceInput& in, std::shared_ptr<const TextMeasurer> memo, SequenceLabels labels, Done done);
  bool step() override;
  void finish(End end, int message) override;

private:
  SequenceInput in_;
  std::shared_ptr<const TextMeasurer> memo_;
  SequenceLabels labels_;
  Done done_;
  int count_ = 0;
  int starts_ = 0;                // b: the start terms' count
  std::u16string term_;           // the term for a[i] as it is used
  std::vector<std::u16string> terms_;
  std::vector<Extended> values_;  // the terms read back as numbers, for the sums
};

// The whole computation at once (tests, callers without a window).
SequenceResult ComputeSequence(const SequenceInput& in, const TextMeasurer& memo, const SequenceLabels& labels);

}  // namespace zw
