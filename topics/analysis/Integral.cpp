#include "topics/analysis/Integral.h"

#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "kernel/CalcFailure.h"
#include "kernel/Evaluator.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/SequenceTerms.h"
#include "platform/symbolic/Derivative.h"
#include "shell/kit/Symbols.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

constexpr Extended kPi = 3.1415926535897932385L;

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }
QString Digits(int digits, Extended x) { return Q(FormatReal(digits, x)); }

// Midpoints per evaluator call: a long term gets fewer, so that one step of
// the run stays short however long the term is.
std::size_t BlockFor(const std::u16string& term) {
  return std::clamp<std::size_t>(400'000 / (term.size() + 64), 4, 1000);
}

}  // namespace

std::u16string IntegralTerm(const QString& typed) {
  const QString t = typed.trimmed();
  return t.isEmpty() ? std::u16string(u"0") : t.toStdU16String();
}

std::u16string ArcLengthIntegrand(const std::u16string& derivative, const char* key) {
  if (derivative == u"Error" || derivative.size() + 16 > MaxBuiltTermLength) throw InputRejected(key);
  return u"sqrt(1+(" + derivative + u")^2)";
}

namespace {

void CheckFinite(const IntegralSums& s) {
  for (Extended v : {s.A1, s.A2, s.Mx, s.My, s.Vx, s.Vy, s.L1, s.L2, s.xs, s.ys})
    if (!std::isfinite(v)) throw InputRejected(IntegF1Key, msg::Overflow);
}

}  // namespace

// The sums as they grow: first the 5,000 midpoints of the area, then, with
// arc lengths, the 32,000 of each curve's arc integrand, a block at a time.
class IntegralRun::Job {
public:
  enum class Next { More, NeedIntegrands, Done };

  Job(const IntegralInput& in, MidpointValues mode) : in_(in), mode_(mode) {
    h_ = (in.b - in.a) / IntegralMidpoints;
  }

  bool needsIntegrands() const { return in_.arcs && integrand_[0].empty(); }
  void setIntegrands(std::u16string g1, std::u16string g2) {
    integrand_[0] = std::move(g1);
    integrand_[1] = std::move(g2);
  }
  long evaluations() const { return evaluations_; }
  const IntegralInput& input() const { return in_; }

  Next advance() {
    if (stage_ == 0) {
      areaBlock();
      if (next_ == IntegralMidpoints) closeArea();
      return Next::More;
    }
    if (stage_ > 2) return Next::Done;
    if (needsIntegrands()) return Next::NeedIntegrands;
    arcBlock();
    return stage_ > 2 ? Next::Done : Next::More;
  }

  const IntegralSums& sums() const { return sums_; }

private:
  // Values of term at xs_[0 … n): the one place the midpoints are evaluated.
  void values(const std::u16string& term, std::size_t n, std::vector<Extended>& ys, std::vector<std::int32_t>& errs) {
    ys.resize(n);
    errs.resize(n);
    if (mode_ == MidpointValues::Block) {
      EvaluateFormulaBlock(term, xs_.data(), n, ys.data(), errs.data(), in_.context);
    } else {
      for (std::size_t j = 0; j < n; ++j) EvaluateFormula(term, ys[j], errs[j], xs_[j], in_.context);
    }
    evaluations_ += long(n);
  }

  // x of midpoint i of `count` on [a; b], by an integer counter.
  std::size_t fillMidpoints(int count, Extended h, std::size_t block) {
    const std::size_t n = std::min<std::size_t>(block, std::size_t(count - next_));
    xs_.resize(n);
    for (std::size_t j = 0; j < n; ++j) xs_[j] = in_.a + (Extended(next_ + int(j)) + 0.5L) * h;
    return n;
  }

  void areaBlock() {
    const std::size_t n =
        fillMidpoints(IntegralMidpoints, h_, std::min(BlockFor(in_.f1), BlockFor(in_.f2)));
    values(in_.f1, n, y1_, e1_);
    values(in_.f2, n, y2_, e2_);
    for (std::size_t j = 0; j < n; ++j) {
      if (e1_[j] != 0) throw InputRejected(IntegF1Key);
      if (e2_[j] != 0) throw InputRejected(IntegF2Key);
      const Extended d = y1_[j] - y2_[j];
      s1_ += d;
      s2_ += std::fabs(d);
      sm_ += (y1_[j] + y2_[j]) * d;
      sn_ += d * xs_[j];
    }
    next_ += int(n);
  }

  void closeArea() {
    sm_ /= 2;
    IntegralSums& s = sums_;
    s.A1 = s1_ * h_;
    // An area is never negative, also when b lies left of a.
    s.A2 = std::fabs(s2_ * h_);
    s.Mx = sm_ * h_;
    s.My = sn_ * h_;
    s.Vx = 2 * s.Mx * kPi;
    s.Vy = 2 * s.My * kPi;
    s.centroid = s1_ != 0 && s.A1 == s.A2 && in_.a != in_.b;
    if (s.centroid) s.xs = sn_ / s1_, s.ys = sm_ / s1_;
    stage_ = in_.arcs ? 1 : 3;
    if (stage_ == 3) CheckFinite(sums_);
    next_ = 0;
    sum_ = 0;
  }

  void arcBlock() {
    const std::u16string& g = integrand_[std::size_t(stage_ - 1)];
    const Extended h = (in_.b - in_.a) / ArcLengthMidpoints;
    const std::size_t n = fillMidpoints(ArcLengthMidpoints, h, BlockFor(g));
    values(g, n, y1_, e1_);
    for (std::size_t j = 0; j < n; ++j) {
      if (e1_[j] != 0) throw InputRejected(stage_ == 1 ? IntegF1Key : IntegF2Key);
      sum_ += y1_[j];
    }
    next_ += int(n);
    if (next_ < ArcLengthMidpoints) return;
    // A length, like the absolute area, whichever way the interval runs.
    (stage_ == 1 ? sums_.L1 : sums_.L2) = std::fabs(sum_ * h);
    if (++stage_ == 3) CheckFinite(sums_);
    next_ = 0;
    sum_ = 0;
  }

  IntegralInput in_;
  MidpointValues mode_;
  Extended h_ = 0;
  int stage_ = 0;  // 0 area, 1 and 2 the arc lengths, 3 done
  int next_ = 0;   // the next midpoint of the stage
  Extended s1_ = 0, s2_ = 0, sm_ = 0, sn_ = 0, sum_ = 0;
  std::u16string integrand_[2];
  std::vector<Extended> xs_, y1_, y2_;
  std::vector<std::int32_t> e1_, e2_;
  long evaluations_ = 0;
  IntegralSums sums_;
};

namespace {

QStringList IntegralLines(const IntegralInput& in, const IntegralSums& r, const IntegralTexts& t,
                          const TextMeasurer& memo) {
  const QString s = QStringLiteral("  ");
  const QString f = FunctionSign();
  const QString widest = BlankWidthOf3(memo, t.oriented, t.absolute, t.moments, t.volumes, QString());
  const auto label = [&](const QString& text) { return PadRightToWidth(memo, widest, text); };
  const QString one = SubScriptDigits(1), two = SubScriptDigits(2);
  const auto d6 = [](Extended x) { return Digits(6, x); };
  QStringList L;
  L << QString() << s + f + one + QStringLiteral("(x) = ") + Q(in.f1);
  if (in.f2Typed) L << s + f + two + QStringLiteral("(x) = ") + Q(in.f2);
  L << QString();
  L << s + t.interval + in.aText + t.to + in.bText << QString();
  L << s + label(t.oriented) + QStringLiteral(" :  A") + one + QStringLiteral(" = ") + d6(r.A1);
  L << s + label(t.absolute) + QStringLiteral(" :  A") + two + QStringLiteral(" = ") + d6(r.A2) << QString();
  if (in.arcs) {
    const QString first = QStringLiteral(" :  L") + one + QStringLiteral("[a;b] = ") + Digits(4, r.L1);
    L << s + label(t.arcs) + PadRightToWidth(memo, QString(16, u'9'), first) + QStringLiteral("   L") + two +
             QStringLiteral("[a,b] = ") + Digits(4, r.L2)
      << QString();
  }
  if (in.moments) {
    L << s + label(t.moments) + QStringLiteral(" :  Mx = ") + d6(r.Mx);
    L << s + label(QStringLiteral(" ")) + QStringLiteral(" :  My = ") + d6(r.My) << QString();
  }
  if (in.volumes) {
    const QString pi = MulDot() + QStringLiteral("pi = ");
    L << s + label(t.volumes) + QStringLiteral(" :  Vx = ") + d6(2 * r.Mx) + pi + d6(r.Vx);
    L << s + label(QStringLiteral(" ")) + QStringLiteral(" :  Vy = ") + d6(2 * r.My) + pi + d6(r.Vy) << QString();
  }
  if (r.centroid) L << s + label(t.centroid) + QStringLiteral(" :  ") + Q(FormatPoint2(u"S", {r.xs, r.ys}, 16));
  return L;
}

IntegralResult Result(const IntegralRun::Job& job, const IntegralTexts& texts, const TextMeasurer& memo) {
  IntegralResult r;
  r.sums = job.sums();
  r.lines = IntegralLines(job.input(), r.sums, texts, memo);
  r.evaluations = job.evaluations();
  return r;
}

}  // namespace

IntegralResult ComputeIntegral(const IntegralInput& in, const IntegralTexts& texts, const TextMeasurer& memo,
                               MidpointValues values) {
  IntegralRun::Job job(in, values);
  for (;;) {
    const auto next = job.advance();
    if (next == IntegralRun::Job::Next::Done) break;
    if (next == IntegralRun::Job::Next::NeedIntegrands)
      job.setIntegrands(ArcLengthIntegrand(SymbolicDerivative(in.f1, in.context), IntegF1Key),
                        ArcLengthIntegrand(SymbolicDerivative(in.f2, in.context), IntegF2Key));
  }
  return Result(job, texts, memo);
}

// The derivatives on their way: written by the worker, read once `ready` is
// set. Both hold it, so a run stopped meanwhile leaves the worker nothing
// dangling to write to.
struct IntegralRun::Pending {
  std::u16string f1, f2;
  FormulaContext context;
  std::u16string d1, d2;
  std::atomic<bool> ready{false};
};

IntegralRun::IntegralRun(IntegralInput in, IntegralTexts texts, std::shared_ptr<const TextMeasurer> memo, Done done)
    : memo_(std::move(memo)),
      texts_(std::move(texts)),
      job_(std::make_unique<Job>(in, MidpointValues::Block)),
      done_(std::move(done)) {
  if (!in.arcs) return;
  pending_ = std::make_shared<Pending>();
  pending_->f1 = in.f1;
  pending_->f2 = in.f2;
  pending_->context = in.context;
  QThreadPool::globalInstance()->start([pending = pending_] {
    pending->d1 = SymbolicDerivative(pending->f1, pending->context);
    pending->d2 = SymbolicDerivative(pending->f2, pending->context);
    pending->ready.store(true, std::memory_order_release);
  });
}

IntegralRun::~IntegralRun() = default;

bool IntegralRun::step() {
  const auto next = job_->advance();
  if (next == Job::Next::Done) return false;
  if (next == Job::Next::NeedIntegrands) {
    if (!pending_->ready.load(std::memory_order_acquire)) {
      // Waiting: the slice goes on turning, without spinning the processor.
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return true;
    }
    job_->setIntegrands(ArcLengthIntegrand(pending_->d1, IntegF1Key), ArcLengthIntegrand(pending_->d2, IntegF2Key));
    pending_.reset();
  }
  return true;
}

void IntegralRun::finish(End end, int) {
  if (end == End::Finished && done_) done_(Result(*job_, texts_, *memo_));
}

}  // namespace zw
