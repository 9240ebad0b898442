#include "topics/analysis/CurveDiscussion.h"

#include <cmath>
#include <limits>
#include <memory>

#include "kernel/BasicMath.h"
#include "kernel/Evaluator.h"
#include "kernel/FormulaText.h"
#include "kernel/Format.h"
#include "kernel/KernelMessages.h"
#include "kernel/TextPadding.h"
#include "platform/symbolic/Derivative.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

constexpr Extended kNumStep = 1e-6L;
constexpr int kMaxHalvings = 200;
constexpr int kHalvingsPerStep = 8;

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

bool Value(const std::u16string& term, Extended x, const FormulaContext& c, Extended& v) {
  std::int32_t err = 0;
  v = 0;
  EvaluateFormula(term, v, err, x, c);
  return err == 0;
}

Extended Central(const std::function<bool(Extended, Extended&)>& g, Extended x) {
  Extended a = 0, m = 0, b = 0;
  if (!g(x - kNumStep, a) || !g(x, m) || !g(x + kNumStep, b)) return 0;
  if (Sgn(m - a) != Sgn(b - m)) return 0;
  return (b - a) / (2 * kNumStep);
}

Extended Zeroed(Extended v, Extended below = 1e-7L) { return std::fabs(v) < below ? 0 : v; }

}  // namespace

std::u16string DiscussionTerm(const QString& typed) {
  QString t = typed.trimmed();
  if (t.isEmpty()) t = QStringLiteral("0");
  t.replace(u',', u'.');
  return t.toStdU16String();
}

Extended NumDerivative(const std::u16string& term, Extended x, const FormulaContext& context) {
  return Central([&](Extended t, Extended& v) { return Value(term, t, context, v); }, x);
}

Extended NumDerivative2(const std::u16string& term, Extended x, const FormulaContext& context) {
  return Central(
      [&](Extended t, Extended& v) {
        v = NumDerivative(term, t, context);
        return true;
      },
      x);
}

Bisection BisectSignChange(const ValueFn& g, Extended a, Extended b, Extended tol) {
  Bisection r;
  Extended fa = 0, fb = 0;
  g(a, fa);
  g(b, fb);
  r.evaluations = 2;
  Extended previousGap = std::numeric_limits<Extended>::max();
  r.ok = true;
  for (int k = 0; k < kMaxHalvings; ++k) {
    const Extended gap = std::fabs(fb - fa);
    r.x = (a + b) / 2;
    Extended fm = 0;
    ++r.evaluations;
    // A gap that does not shrink is a pole, not a zero (also when the far
    // end's value is so large that the near end's growth is lost in it).
    if (!g(r.x, fm) || gap >= previousGap) {
      r.ok = false;
      break;
    }
    if (fm == 0 || r.x == a || r.x == b) break;
    previousGap = gap;
    if (Sgn(fa) == Sgn(fm))
      a = r.x, fa = fm;
    else
      b = r.x, fb = fm;
    const Extended ulps = 4 * std::numeric_limits<Extended>::epsilon() * std::max(std::fabs(a), std::fabs(b));
    if (std::fabs(b - a) < std::max(tol, ulps)) break;
  }
  return r;
}

QString PointLine(const TextMeasurer& memo, const QString& name, Extended x, Extended y, Extended m) {
  const std::u16string text = (name + QStringLiteral("(") + Q(FormatRealSigned(6, x)) + QStringLiteral(" |") +
                               Q(FormatRealSigned(6, y)) + QStringLiteral(" )"))
                                  .toStdU16String();
  return QStringLiteral("  ") + Q(PadRightToWidth(memo, std::u16string(24, u'w'), text)) + QStringLiteral("m = ") +
         Q(FormatRealSigned(6, m));
}

QStringList Underlined(const TextMeasurer& memo, const QString& text) {
  return UnderlineText(memo, text).split(QStringLiteral("\r\n"));
}

namespace {

// One scan over the steps [t, t + h], t = from + (k − 1)·h, k = 0 … last.
struct Scan {
  Extended from, h;
  int last;
  Extended left(int k) const { return from + (k - 1) * h; }
  Extended right(int k) const { return from + k * h; }
};

// Values of a function at the step ends; with Reuse the right end of a step
// is the next step's left end.
class StepEnds {
public:
  StepEnds(const ValueFn& g, StepValues mode, int& evaluations) : g_(g), mode_(mode), evaluations_(evaluations) {}
  void at(const Scan& s, int k, Extended& l, bool& lok, Extended& r, bool& rok) {
    if (mode_ == StepValues::Reuse && haveNext_ && nextK_ == k) {
      l = next_, lok = nextOk_;
    } else {
      lok = g_(s.left(k), l);
      ++evaluations_;
    }
    rok = g_(s.right(k), r);
    ++evaluations_;
    next_ = r, nextOk_ = rok, nextK_ = k + 1, haveNext_ = true;
  }

private:
  const ValueFn& g_;
  StepValues mode_;
  int& evaluations_;
  Extended next_ = 0;
  bool nextOk_ = false, haveNext_ = false;
  int nextK_ = 0;
};

// Whether step k changes sign. A value of exactly 0 at a shared step end
// belongs to the step it ends, and counts there only when the value one step
// further has the other sign (x² touching 0 at a step end is no crossing).
bool Crosses(const ValueFn& g, const Scan& s, int k, bool lok, Extended l, bool rok, Extended r) {
  if (!lok || !rok || Sgn(l) == Sgn(r) || (l == 0 && k > 0)) return false;
  if (r != 0 || k == s.last) return true;
  Extended beyond = 0;
  return g(s.right(k + 1), beyond) && Sgn(beyond) != Sgn(l) && Sgn(beyond) != 0;
}

}  // namespace

// The discussion's state between two steps: the values at the step ends
// that the next step reuses, where the scan is, and the lines so far.
struct CurveDiscussionSteps::State {
  State(DiscussionInput input, DiscussionTexts t, const TextMeasurer& m, StepValues v)
      : in(std::move(input)), texts(std::move(t)), memo(m), mode(v) {}
  // The scan a phase runs: zeros, extrema, inflection points.
  enum class Phase { Check, FirstDerivative, Derivatives, Zeros, Extrema, Inflections, Done };

  DiscussionInput in;
  DiscussionTexts texts;
  const TextMeasurer& memo;
  StepValues mode;
  DiscussionResult res;
  Phase phase = Phase::Check;
  bool sym1 = false, sym2 = false;
  int badTerm = 43;
  Scan scan{0, 1, 0};
  int k = 0, n = 0, minima = 0, maxima = 0, scratch = 0;
  QString f;
  ValueFn fn, d1, numD1, numD2, d2sym;
  std::unique_ptr<StepEnds> ends, dEnds;

  void point(const QString& name, int number, Extended x, Extended y, Extended m) {
    res.lines << PointLine(memo, name + SubScriptDigits(number), x, y, m);
    res.points.push_back({x, y});
  }
  void heading(const QString& text) { res.lines << Underlined(memo, text); }
  // The end of one scan's lines and the start of the next scan, over g.
  void nextScan(const QString& title, const ValueFn& g, Phase next) {
    res.lines << QString();
    heading(title);
    ends = std::make_unique<StepEnds>(g, mode, scratch);
    k = 0;
    phase = next;
  }
  void check();
  void firstDerivative();
  void derivatives();
  // Step k of the zero scan, or a part of it; true when step k is done.
  bool zeroStep();
  // The bisection for a touching zero in progress.
  struct Touch {
    bool on = false;
    Extended a = 0, b = 0;
    int sl = 0, i = 0;
  } touch;
  void extremumStep(int k, Extended l, Extended r);
  void inflectionStep(int k);
  // Step k of a scan for the sign changes of g: found(k, left value, right
  // value) where g changes sign; with skipAfterZero a step whose right end
  // value is exactly 0 is followed by one step left out.
  template <class Found>
  void crossingStep(const ValueFn& g, bool skipAfterZero, Found found);
};

void CurveDiscussionSteps::State::check() {
  if (!(in.to > in.from)) throw InputRejected(KudisFromKey);
  badTerm = in.term.find(u"sqr(") != std::u16string::npos ? 55 : 43;
  const FormulaContext& c = in.context;
  {
    Extended v = 0;
    std::int32_t err = 0;
    EvaluateFormula(in.term, v, err, in.from, c);
    if (err > evalerr::Math) throw InputRejected(KudisTermKey, badTerm);
  }
  sym1 = in.symbolic1, sym2 = in.symbolic1 && in.symbolic2;
}

// Each symbolic derivative of a long term takes a step of its own.
void CurveDiscussionSteps::State::firstDerivative() {
  if (sym1) {
    res.d1 = SymbolicDerivative(in.term, in.context);
    if (res.d1 == u"Error") throw InputRejected(KudisTermKey, badTerm);
  }
}

void CurveDiscussionSteps::State::derivatives() {
  const FormulaContext& c = in.context;
  if (sym2) {
    res.d2 = SymbolicDerivative(res.d1, c);
    if (res.d2 == u"Error") throw InputRejected(KudisTermKey, badTerm);
  }
  Extended h = std::fabs((in.to - in.from) / DiscussionSteps);
  if (h == 0) h = 1;
  scan = Scan{in.from, h, 0};
  // Rounding must not drop the step that ends at the range's end.
  while (scan.last < 4 * DiscussionSteps && scan.right(scan.last + 1) <= in.to + h * 1e-9L) ++scan.last;

  f = FunctionSign();
  QStringList& L = res.lines;
  heading(texts.function);
  L << QStringLiteral("  ") + f + QStringLiteral("(x) = ") + Q(in.term);
  L << QStringLiteral("  ") + texts.range + QStringLiteral("  ") + in.fromText.trimmed() + QStringLiteral("  ") +
           texts.to + QStringLiteral("  ") + in.toText.trimmed();
  L << QString();
  if (sym1) {
    heading(texts.derivatives);
    L << QStringLiteral("  ") + f + QStringLiteral("'(x) = ") + Q(res.d1);
    if (sym2) L << QStringLiteral("  ") + f + QStringLiteral("\"(x) = ") + Q(res.d2);
    L << QString();
  }

  int& evals = res.evaluations;
  fn = [this, &evals](Extended x, Extended& v) {
    ++evals;
    return Value(in.term, x, in.context, v);
  };
  d1 = [this, &evals](Extended x, Extended& v) {
    ++evals;
    if (sym1) return Value(res.d1, x, in.context, v);
    v = NumDerivative(in.term, x, in.context);
    return true;
  };
  numD1 = [this, &evals](Extended x, Extended& v) {
    evals += 3;
    v = NumDerivative(in.term, x, in.context);
    return true;
  };
  numD2 = [this, &evals](Extended x, Extended& v) {
    evals += 9;
    v = NumDerivative2(in.term, x, in.context);
    return true;
  };
  d2sym = [this, &evals](Extended x, Extended& v) {
    ++evals;
    return Value(res.d2, x, in.context, v);
  };
  // Zeros: sign changes of ƒ, and touching zeros where ƒ' changes sign.
  heading(texts.zeros);
  ends = std::make_unique<StepEnds>(fn, mode, scratch);
  dEnds = std::make_unique<StepEnds>(numD1, mode, scratch);
}

bool CurveDiscussionSteps::State::zeroStep() {
  const FormulaContext& c = in.context;
  if (!touch.on) {
    Extended fl = 0, fr = 0, dl = 0, dr = 0;
    bool lok = false, rok = false, dlok = false, drok = false;
    ends->at(scan, k, fl, lok, fr, rok);
    dEnds->at(scan, k, dl, dlok, dr, drok);
    // A zero exactly at a shared step end belongs to the step it ends.
    if (Crosses(fn, scan, k, lok, fl, rok, fr)) {
      const Bisection b = BisectSignChange(fn, scan.left(k), scan.right(k), 1e-8L);
      Extended y = 0;
      if (b.ok && fn(b.x, y) && RoundDecimals(1, y) == 0) {
        const Extended x = Zeroed(b.x), m = Zeroed(NumDerivative(in.term, b.x, c));
        point(QStringLiteral("N"), ++n, x, 0, m);
      }
    }
    if (!Crosses(numD1, scan, k, true, dl, true, dr)) return true;
    // A touching zero: the halvings follow in steps of their own.
    touch = Touch{true, scan.left(k), scan.right(k), Sgn(dl), 0};
    return false;
  }
  // Each halving takes three values of ƒ: a long term takes them a few at a time.
  bool done = false;
  for (int halving = 0; halving < kHalvingsPerStep && !done; ++halving) {
    if (!(touch.i < kMaxHalvings && std::fabs(touch.b - touch.a) >= 1e-8L)) {
      done = true;
      break;
    }
    const Extended mid = (touch.a + touch.b) / 2;
    if (mid == touch.a || mid == touch.b) {
      done = true;
      break;
    }
    Extended dm = 0;
    numD1(mid, dm);
    // A numeric derivative of exactly 0: the extremum lies within its step.
    if (Sgn(dm) == 0) {
      touch.a = mid;
      done = true;
      break;
    }
    (Sgn(dm) == touch.sl ? touch.a : touch.b) = mid;
    ++touch.i;
  }
  if (!done) return false;
  touch.on = false;
  Extended y = 0;
  if (fn(touch.a, y) && RoundDecimals(8, y) == 0) {
    const Extended x = Zeroed(touch.a), m = Zeroed(NumDerivative(in.term, touch.a, c));
    point(QStringLiteral("N"), ++n, x, 0, m);
  }
  return true;
}

template <class Found>
void CurveDiscussionSteps::State::crossingStep(const ValueFn& g, bool skipAfterZero, Found found) {
  Extended l = 0, r = 0;
  bool lok = false, rok = false;
  ends->at(scan, k, l, lok, r, rok);
  if (Crosses(g, scan, k, lok, l, rok, r)) found(k, l, r);
  if (skipAfterZero && rok && r == 0) ++k;
}

void CurveDiscussionSteps::State::extremumStep(int at, Extended l, Extended r) {
  const ValueFn& g = sym1 ? d1 : numD1;
  const Bisection b = BisectSignChange(g, scan.left(at), scan.right(at), 1e-8L);
  if (!b.ok) return;
  Extended y = 0, m = 0;
  fn(b.x, y);
  if (sym1) d1(b.x, m);
  const bool minimum = Sgn(l) < Sgn(r);
  point(minimum ? QStringLiteral("T") : QStringLiteral("H"), minimum ? ++minima : ++maxima, Zeroed(b.x), Zeroed(y),
        Zeroed(m));
}

void CurveDiscussionSteps::State::inflectionStep(int at) {
  const ValueFn& g = sym2 ? d2sym : numD2;
  const Bisection b = BisectSignChange(g, scan.left(at), scan.right(at), sym2 ? 1e-8L : 1e-9L);
  if (!b.ok) return;
  Extended y = 0, m = 0;
  fn(b.x, y);
  if (sym2) d1(b.x, m);
  else m = NumDerivative(in.term, b.x, in.context);
  point(QStringLiteral("W"), ++n, Zeroed(b.x, sym2 ? 1e-7L : 1e-6L), Zeroed(y), Zeroed(m));
}

CurveDiscussionSteps::CurveDiscussionSteps(DiscussionInput in, DiscussionTexts texts, const TextMeasurer& memo,
                                           StepValues values)
    : s_(std::make_unique<State>(std::move(in), std::move(texts), memo, values)) {}

CurveDiscussionSteps::~CurveDiscussionSteps() = default;

bool CurveDiscussionSteps::step() {
  State& s = *s_;
  using Phase = State::Phase;
  switch (s.phase) {
    case Phase::Check:
      s.check();
      s.phase = Phase::FirstDerivative;
      return true;
    case Phase::FirstDerivative:
      s.firstDerivative();
      s.phase = Phase::Derivatives;
      return true;
    case Phase::Derivatives:
      s.derivatives();
      s.k = 0;
      s.phase = Phase::Zeros;
      return true;
    case Phase::Zeros:
      if (s.k <= s.scan.last) {
        if (s.zeroStep()) ++s.k;
        return true;
      }
      // Extrema: sign changes of ƒ'.
      s.nextScan(s.texts.extrema, s.sym1 ? s.d1 : s.numD1, Phase::Extrema);
      return true;
    case Phase::Extrema:
      if (s.k <= s.scan.last) {
        s.crossingStep(s.sym1 ? s.d1 : s.numD1, false, [&](int k, Extended l, Extended r) { s.extremumStep(k, l, r); });
        ++s.k;
        return true;
      }
      // Inflection points: sign changes of ƒ''.
      s.nextScan(s.texts.inflections, s.sym2 ? s.d2sym : s.numD2, Phase::Inflections);
      s.n = 0;
      return true;
    case Phase::Inflections:
      if (s.k <= s.scan.last) {
        // A numeric ƒ'' of exactly 0 at a step's end: the next step starts one h further on.
        s.crossingStep(s.sym2 ? s.d2sym : s.numD2, !s.sym2, [&](int k, Extended, Extended) { s.inflectionStep(k); });
        ++s.k;
        return true;
      }
      s.res.lines << QString();
      s.phase = Phase::Done;
      return false;
    case Phase::Done:
      return false;
  }
  return false;
}

const DiscussionResult& CurveDiscussionSteps::result() const { return s_->res; }

DiscussionResult CurveDiscussionSteps::takeResult() { return std::move(s_->res); }

DiscussionResult DiscussCurve(const DiscussionInput& in, const DiscussionTexts& texts, const TextMeasurer& memo,
                              StepValues mode) {
  CurveDiscussionSteps steps(in, texts, memo, mode);
  while (steps.step()) {
  }
  return steps.takeResult();
}

// ----- value table

int ValueTableRows(Extended from, Extended to, Extended step, const char* stepKey) {
  if (!(step > 0) || from + step == from) throw InputRejected(stepKey);
  const Extended rows = std::floor((to - from) / step) + 1;
  if (!(rows <= MaxTableRows)) throw InputRejected(stepKey);
  return rows < 0 ? 0 : int(rows);
}

Extended ValueTableStep(Extended from, Extended to) {
  if (from == to) return 1;
  const Extended span = std::fabs(to - from) / 16;
  for (int k = 10; k > -4900; --k) {
    const Extended p = std::pow(10.0L, Extended(k));
    if (p <= span) return p;
  }
  return 1;
}

QStringList KudisValueTable(const ValueTableInput& in, const QString& fromWord, const QString& toWord,
                            const TextMeasurer& memo) {
  const int rows = ValueTableRows(in.from, in.to, in.step, TableStepKey);
  const FormulaContext& c = in.context;
  const bool sym1 = in.symbolic1, sym2 = in.symbolic1 && in.symbolic2;
  const std::u16string d1 = sym1 ? SymbolicDerivative(in.term, c) : std::u16string();
  const std::u16string d2 = sym2 ? SymbolicDerivative2(in.term, c) : std::u16string();
  const std::u16string column = EmDashesForWidth(memo, 7 * memo.textWidth(u"\u2014"));
  auto cell = [&](const QString& s) { return Q(PadRightToWidth(memo, column, s.toStdU16String())); };
  const QString sep = QStringLiteral("   ");
  const QString f = FunctionSign();
  QStringList L;
  L << QString() << QStringLiteral("  ") + f + QStringLiteral("(x) = ") + Q(in.term);
  L << QStringLiteral("  ") + fromWord + QStringLiteral(" ") + in.fromText.trimmed() + QStringLiteral(" ") + toWord +
           QStringLiteral(" ") + in.toText.trimmed();
  L << QString();
  L << QStringLiteral("     ") + cell(QStringLiteral("x:")) + sep + cell(f + QStringLiteral("(x):")) + sep +
           cell(f + QStringLiteral("'(x):")) + sep + cell(f + QStringLiteral("\"(x):"));
  L << QStringLiteral("  ") + Q(column) + sep + Q(column) + sep + Q(column) + sep + Q(column);
  const QString none = QStringLiteral("---");
  for (int i = 0; i < rows; ++i) {
    const Extended x = in.from + i * in.step;
    Extended y = 0, y1 = 0, y2 = 0;
    const bool ok0 = Value(in.term, x, c, y);
    bool ok1 = ok0, ok2 = ok0;
    if (sym1) ok1 = Value(d1, x, c, y1) && ok0;
    else y1 = NumDerivative(in.term, x, c);
    if (sym2) ok2 = Value(d2, x, c, y2) && ok1;
    else y2 = NumDerivative2(in.term, x, c), ok2 = ok1;
    auto v = [&](bool ok, Extended value) { return cell(ok ? Q(FormatRealSigned(in.digits, value)) : none); };
    L << QStringLiteral("    ") + cell(Q(FormatReal(8, x))) + sep + v(ok0, y) + sep + v(ok1, y1) + sep + v(ok2, y2);
  }
  return L;
}

}  // namespace zw
