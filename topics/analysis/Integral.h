#pragma once
// The integral of ƒ1 − ƒ2 over [a; b] by the midpoint rule: the oriented and
// the absolute area, on request the arc lengths of both curves, the moments
// about the axes, the volumes of rotation and the centroid of the area.
// Callable without a window; the window runs it as an IntegralRun, since a
// long term at 5,000 (arc lengths: 2 × 32,000) midpoints, or its symbolic
// derivative, takes far longer than a window may block.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "common/TextMeasurer.h"
#include "kernel/FormulaContext.h"
#include "kernel/Types.h"
#include "topics/frame/LongRun.h"

namespace zw {

inline constexpr int IntegralMidpoints = 5000;
inline constexpr int ArcLengthMidpoints = 32000;

// The worksheet keys of the two terms and the limits.
inline constexpr char IntegF1Key[] = "f1";
inline constexpr char IntegF2Key[] = "f2";
inline constexpr char IntegAKey[] = "a";
inline constexpr char IntegBKey[] = "b";

// The term as the computation uses it: blank becomes "0".
std::u16string IntegralTerm(const QString& typed);

struct IntegralTexts {
  QString interval;  // item 2 with its blank
  QString to;        // item 3 spaced
  QString oriented, absolute, moments, volumes, centroid, arcs;  // items 4 … 9
};

struct IntegralInput {
  std::u16string f1 = u"0", f2 = u"0";  // IntegralTerm
  bool f2Typed = false;                  // the second field is not blank: its line is listed
  QString aText, bText;                  // the limits as typed, trimmed
  Extended a = 0, b = 1;
  bool arcs = false, moments = false, volumes = false;
  FormulaContext context;
};

struct IntegralSums {
  Extended A1 = 0, A2 = 0, Mx = 0, My = 0, Vx = 0, Vy = 0;
  bool centroid = false;  // the area lies on one side, has a size and a width
  Extended xs = 0, ys = 0;
  Extended L1 = 0, L2 = 0;  // with arcs
};

struct IntegralResult {
  QStringList lines;
  IntegralSums sums;
  long evaluations = 0;  // term values computed (benchmarks)
};

// How the midpoint values are obtained: a block of points per evaluator call,
// or one call per point (the plain method the benchmark compares with). Both
// give the same values and lines.
enum class MidpointValues { Block, PointByPoint };

// The whole computation. A term without a value at a midpoint is refused on
// its field with message 22; so is one whose derivative the library cannot
// give or that grows past the evaluator's limit (arc lengths).
IntegralResult ComputeIntegral(const IntegralInput& in, const IntegralTexts& texts, const TextMeasurer& memo,
                               MidpointValues values = MidpointValues::Block);

// The integrand of an arc length from the symbolic derivative ƒ':
// sqrt(1+(ƒ')^2); refused on `key` when the library gave no derivative or
// one too long to evaluate.
std::u16string ArcLengthIntegrand(const std::u16string& derivative, const char* key);

// ComputeIntegral as a Stepper: the derivatives for the arc lengths are
// computed on a worker thread while the steps wait for them, then each step
// sums a bounded block of midpoints. `done` gets the result once the sums are
// complete; a stopped or refused run gives nothing, so the memo keeps its
// last lines.
class IntegralRun : public Stepper {
public:
  using Done = std::function<void(const IntegralResult&)>;
  IntegralRun(IntegralInput in, IntegralTexts texts, std::shared_ptr<const TextMeasurer> memo, Done done);
  ~IntegralRun() override;
  bool step() override;
  void finish(End end, int message) override;

  class Job;       // the sums as they grow (Integral.cpp)
  struct Pending;  // the derivatives being computed

private:
  std::shared_ptr<const TextMeasurer> memo_;
  IntegralTexts texts_;
  std::unique_ptr<Job> job_;
  std::shared_ptr<Pending> pending_;
  Done done_;
};

}  // namespace zw
