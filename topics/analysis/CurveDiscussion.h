#pragma once
// The numeric discussion of an arbitrary term on a range: a scan in 1000
// steps for sign changes of ƒ, ƒ' and ƒ'', each refined by bisection, lists
// zeros, extrema and inflection points; and the value table of ƒ, ƒ', ƒ''.
// The derivatives are symbolic where asked for and numeric otherwise.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/TextMeasurer.h"
#include "kernel/FormulaContext.h"
#include "kernel/Types.h"

namespace zw {

inline constexpr char KudisTermKey[] = "fkt";
inline constexpr char KudisFromKey[] = "xvon";
inline constexpr char KudisToKey[] = "xbis";
inline constexpr int DiscussionSteps = 1000;

// The term as the discussion uses it: blank becomes "0", "," becomes ".".
std::u16string DiscussionTerm(const QString& typed);

// ƒ'(x) from three values 1e-6 apart; 0 at a failing value, an extremum or a kink.
Extended NumDerivative(const std::u16string& term, Extended x, const FormulaContext& context);
// The same rule applied to NumDerivative.
Extended NumDerivative2(const std::u16string& term, Extended x, const FormulaContext& context);

// A function of x with its success.
using ValueFn = std::function<bool(Extended x, Extended& value)>;
struct Bisection {
  Extended x = 0;
  bool ok = false;
  int evaluations = 0;
};
// Halves [a, b] towards the sign change of g. Refused (ok false) where g fails
// at a midpoint or the values at the ends drift apart (a pole). Ends after
// 200 halvings, when the midpoint equals an end, or below max(tol, 4 ulp).
Bisection BisectSignChange(const ValueFn& g, Extended a, Extended b, Extended tol);

struct DiscussionTexts {
  QString function, range, to, derivatives, zeros, extrema, inflections;  // items 11, 12, 13, 20, 31, 32, 33
};

struct DiscussionInput {
  std::u16string term;     // DiscussionTerm
  QString fromText, toText;  // as typed, for the memo
  Extended from = 0, to = 0;
  bool symbolic1 = true, symbolic2 = true;  // the second only with the first
  FormulaContext context;
};

struct DiscussionPoint {
  Extended x = 0, y = 0;
};

struct DiscussionResult {
  QStringList lines;
  std::u16string d1, d2;  // symbolic derivative texts (empty when not asked for)
  std::vector<DiscussionPoint> points;
  int evaluations = 0;  // of the term and its derivatives (benchmarks)
};

// How each step's values are obtained: the right end of a step is reused as
// the next left end (Reuse), or every value is evaluated afresh (Afresh, the
// plain method the benchmark compares with). Both give the same lines.
enum class StepValues { Reuse, Afresh };

// The discussion. A range with to <= from is refused on the "xvon" field
// (message 22); a term that does not read, or whose symbolic derivative
// fails, on "fkt" (message 55 when it contains "sqr(", else 43).
DiscussionResult DiscussCurve(const DiscussionInput& in, const DiscussionTexts& texts, const TextMeasurer& memo,
                              StepValues values = StepValues::Reuse);

// The same discussion a step at a time (the check of the inputs, the
// derivatives, then one step of each scan per step), for a long run: a long
// term takes seconds. step() throws what DiscussCurve throws and returns
// false when the result is complete.
class CurveDiscussionSteps {
public:
  // `memo` must outlive the steps.
  CurveDiscussionSteps(DiscussionInput in, DiscussionTexts texts, const TextMeasurer& memo,
                       StepValues values = StepValues::Reuse);
  ~CurveDiscussionSteps();
  CurveDiscussionSteps(const CurveDiscussionSteps&) = delete;
  CurveDiscussionSteps& operator=(const CurveDiscussionSteps&) = delete;
  bool step();
  const DiscussionResult& result() const;
  DiscussionResult takeResult();

private:
  struct State;
  std::unique_ptr<State> s_;
};

// ----- the lines shared by the curve discussions

// "  " + name + "(x |y )" padded to 24 letters "w", then "m = " + m.
QString PointLine(const TextMeasurer& memo, const QString& name, Extended x, Extended y, Extended m);
// Heading text and its underline as two memo lines.
QStringList Underlined(const TextMeasurer& memo, const QString& text);

// The number of rows of a value table from `from` to `to` at `step`: x =
// from + i·step while x <= to. A step <= 0, one that does not advance x or
// more than MaxTableRows rows refuse `stepKey` with message 22.
inline constexpr int MaxTableRows = 10000;
int ValueTableRows(Extended from, Extended to, Extended step, const char* stepKey);
// The largest power of ten 10^k, k <= 10, not above (to − from) / 16; 1 for an empty range.
Extended ValueTableStep(Extended from, Extended to);

struct ValueTableInput {
  std::u16string term;
  QString fromText, toText;
  Extended from = 0, to = 0, step = 1;
  int digits = 6;
  bool symbolic1 = true, symbolic2 = true;
  FormulaContext context;
};
inline constexpr char TableStepKey[] = "ed43";
QStringList KudisValueTable(const ValueTableInput& in, const QString& fromWord, const QString& toWord,
                            const TextMeasurer& memo);

}  // namespace zw
