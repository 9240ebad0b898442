// Speed and accuracy of the analysis topics' computations. After the runs
// the program prints each comparison as a ratio of times (plain / ours, so
// above 1 means ours is faster).
//
//   cmake -S . -B build -DZW_BUILD_BENCH=ON
//   cmake --build build --target bench_analysis && build/bin/bench_analysis
#include <QApplication>
#include <benchmark/benchmark.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_integration.h>
#include <gsl/gsl_roots.h>
#include <muParser.h>
#include <omp.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/TimeReporter.h"
#include "charts/VIrada.h"
#include "common/TextMeasurer.h"
#include "kernel/Evaluator.h"
#include "kernel/Format.h"
#include "platform/symbolic/Derivative.h"
#include "topics/analysis/CurveDiscussion.h"
#include "topics/analysis/Integral.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/LongRun.h"

namespace {

using namespace zw;

// ---- integral calculus ------------------------------------------------------

const IntegralTexts kIntegTexts{"Intervall  [a;b]  von ", " bis ", "Orientierter Inhalt", "Absoluter Inhalt",
                                "Drehmomente", "Rotationsvolumen", "Schwerpunkt", "Bogenlängen"};

// Smooth integrands; in each ƒ1 ≥ ƒ2 on [a; b], so the absolute area and
// the centroid are smooth too.
struct IntegCase {
  const char* f1;
  const char* f2;
  double a, b;
};
const IntegCase kIntegCases[] = {
    {"exp(-x^2/4)*(2+sin(3*x))", "x/10-1", -2, 3},
    {"x^2", "", 0, 1},
    {"sqrt(4+x^2)", "cos(x)", -1, 2},
    {"ln(1+x^2)+2", "sin(x)", 0.5, 4},
};

IntegralInput IntegInput(const IntegCase& c) {
  IntegralInput in;
  in.f1 = IntegralTerm(QString::fromUtf8(c.f1));
  in.f2 = IntegralTerm(QString::fromUtf8(c.f2));
  in.f2Typed = *c.f2 != 0;
  in.a = c.a, in.b = c.b;
  in.aText = QString::number(c.a), in.bText = QString::number(c.b);
  in.arcs = in.moments = in.volumes = true;
  in.context = FormulaContext::current();
  in.context.AngleMode = 1;
  return in;
}

void BM_IntegralBlock(benchmark::State& state) {
  const FixedWidthMeasurer memo;
  const IntegralInput in = IntegInput(kIntegCases[state.range(0)]);
  for (auto _ : state) benchmark::DoNotOptimize(ComputeIntegral(in, kIntegTexts, memo));
}
BENCHMARK(BM_IntegralBlock)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_IntegralPointByPoint(benchmark::State& state) {
  const FixedWidthMeasurer memo;
  const IntegralInput in = IntegInput(kIntegCases[state.range(0)]);
  for (auto _ : state)
    benchmark::DoNotOptimize(ComputeIntegral(in, kIntegTexts, memo, MidpointValues::PointByPoint));
}
BENCHMARK(BM_IntegralPointByPoint)->Arg(0)->Unit(benchmark::kMillisecond);

// GSL's adaptive QAGS at 1e-10 over a term of the evaluator.
struct Integrand {
  std::u16string term;
  const FormulaContext* context;
};
double EvaluateAt(double x, void* p) {
  const auto* f = static_cast<const Integrand*>(p);
  Extended v = 0;
  std::int32_t err = 0;
  EvaluateFormula(f->term, v, err, x, *f->context);
  return double(v);
}

struct Qags {
  double value = 0;
  std::size_t evaluations = 0;
};
Qags QagsOf(const std::u16string& term, double a, double b, const FormulaContext& context) {
  gsl_integration_workspace* w = gsl_integration_workspace_alloc(1000);
  Integrand f{term, &context};
  gsl_function F{&EvaluateAt, &f};
  Qags q;
  double error = 0;
  gsl_integration_qags(&F, a, b, 0, 1e-10, 1000, w, &q.value, &error);
  q.evaluations = 21 * w->size;  // 21-point Gauss–Kronrod rule per interval
  gsl_integration_workspace_free(w);
  return q;
}

std::string Shown(int digits, double v) { return QString::fromStdU16String(FormatReal(digits, v)).toStdString(); }

// Every digit the memo shows equals GSL's QAGS value, and the block and the
// point-by-point sums give the same lines.
void CheckIntegrals() {
  gsl_set_error_handler_off();
  const FixedWidthMeasurer memo;
  std::printf("Integral calculus: digits shown against GSL QAGS at 1e-10\n");
  for (const IntegCase& c : kIntegCases) {
    const IntegralInput in = IntegInput(c);
    const IntegralResult ours = ComputeIntegral(in, kIntegTexts, memo);
    const IntegralResult plain = ComputeIntegral(in, kIntegTexts, memo, MidpointValues::PointByPoint);
    bench::RequireSame(ours.lines == plain.lines, "integral memo lines, block against point by point");
    const std::u16string f1 = in.f1, f2 = in.f2, d = u"(" + f1 + u")-(" + f2 + u")";
    const std::u16string arc1 = ArcLengthIntegrand(SymbolicDerivative(f1, in.context), "f1");
    const std::u16string arc2 = ArcLengthIntegrand(SymbolicDerivative(f2, in.context), "f2");
    struct Check {
      const char* what;
      std::u16string integrand;
      double ours;
      int digits;
    } checks[] = {
        {"A1", d, double(ours.sums.A1), 6},
        {"A2", d, double(ours.sums.A2), 6},
        {"Mx", u"((" + f1 + u")^2-(" + f2 + u")^2)/2", double(ours.sums.Mx), 6},
        {"My", u"x*(" + d + u")", double(ours.sums.My), 6},
        {"L1", arc1, double(ours.sums.L1), 4},
        {"L2", arc2, double(ours.sums.L2), 4},
    };
    std::size_t gslEvaluations = 0;
    for (const Check& k : checks) {
      const Qags q = QagsOf(k.integrand, c.a, c.b, in.context);
      gslEvaluations += q.evaluations;
      const bool same = Shown(k.digits, k.ours) == Shown(k.digits, q.value);
      std::printf("  %-28s %s  ours %s  QAGS %s (%zu evaluations)\n", c.f1, k.what, Shown(k.digits, k.ours).c_str(),
                  Shown(k.digits, q.value).c_str(), q.evaluations);
      bench::RequireSame(same, "integral digits against GSL QAGS");
    }
    std::printf("  evaluations: ours %ld, QAGS %zu\n", ours.evaluations, gslEvaluations);
  }
}


// ---- curve discussion -------------------------------------------------------

// A discussion over 1,000 steps with both derivatives numeric: zeros,
// extrema and inflection points of a term with several of each.
DiscussionInput DiscussionOf() {
  DiscussionInput in;
  in.term = u"sin(x)*x^2/10-x/3+1";
  in.fromText = QStringLiteral("-10"), in.toText = QStringLiteral("10");
  in.from = -10, in.to = 10;
  in.symbolic1 = in.symbolic2 = false;
  in.context = FormulaContext::current();
  in.context.AngleMode = 1;  // radians
  return in;
}
const DiscussionTexts kDiscussionTexts{"f(x) = ", "Intervall ", " bis ", "Ableitungen", "Nullstellen",
                                       "Extrema", "Wendepunkte"};

void BM_DiscussionReuse(benchmark::State& state) {
  const FixedWidthMeasurer memo;
  const DiscussionInput in = DiscussionOf();
  for (auto _ : state) benchmark::DoNotOptimize(DiscussCurve(in, kDiscussionTexts, memo));
}
BENCHMARK(BM_DiscussionReuse)->Unit(benchmark::kMillisecond);

void BM_DiscussionAfresh(benchmark::State& state) {
  const FixedWidthMeasurer memo;
  const DiscussionInput in = DiscussionOf();
  for (auto _ : state) benchmark::DoNotOptimize(DiscussCurve(in, kDiscussionTexts, memo, StepValues::Afresh));
}
BENCHMARK(BM_DiscussionAfresh)->Unit(benchmark::kMillisecond);


// The zeros of the discussion's term: its 1,000-step scan's brackets refined
// by our bisection and by GSL's Brent solver (both to 1e-8 in x).
struct Bracket {
  double a, b;
};
std::vector<Bracket> ZeroBrackets(const DiscussionInput& in) {
  std::vector<Bracket> out;
  double a = double(in.from);
  std::int32_t err = 0;
  Extended fa = 0;
  EvaluateFormula(in.term, fa, err, a, in.context);
  for (int k = 1; k <= 1000; ++k) {
    const double b = double(in.from + (in.to - in.from) * k / 1000);
    Extended fb = 0;
    err = 0;
    EvaluateFormula(in.term, fb, err, b, in.context);
    if (!err && (fa < 0) != (fb < 0)) out.push_back({a, b});
    a = b, fa = fb;
  }
  return out;
}

struct Roots {
  std::vector<double> x;
  long evaluations = 0;
};

Roots BisectZeros(const DiscussionInput& in, const std::vector<Bracket>& brackets) {
  Roots r;
  const ValueFn f = [&](Extended x, Extended& v) {
    std::int32_t err = 0;
    EvaluateFormula(in.term, v, err, x, in.context);
    return err == 0;
  };
  for (const Bracket& br : brackets) {
    const Bisection b = BisectSignChange(f, br.a, br.b, 1e-8L);
    r.x.push_back(double(b.x));
    r.evaluations += b.evaluations;
  }
  return r;
}

struct CountedTerm {
  const DiscussionInput* in;
  long evaluations = 0;
};
double CountedValue(double x, void* p) {
  auto* t = static_cast<CountedTerm*>(p);
  ++t->evaluations;
  Extended v = 0;
  std::int32_t err = 0;
  EvaluateFormula(t->in->term, v, err, x, t->in->context);
  return double(v);
}

Roots BrentZeros(const DiscussionInput& in, const std::vector<Bracket>& brackets) {
  CountedTerm term{&in};
  gsl_function F{&CountedValue, &term};
  gsl_root_fsolver* s = gsl_root_fsolver_alloc(gsl_root_fsolver_brent);
  Roots r;
  for (const Bracket& br : brackets) {
    gsl_root_fsolver_set(s, &F, br.a, br.b);
    for (int i = 0; i < 200; ++i) {
      gsl_root_fsolver_iterate(s);
      if (gsl_root_test_interval(gsl_root_fsolver_x_lower(s), gsl_root_fsolver_x_upper(s), 1e-8, 0) == GSL_SUCCESS)
        break;
    }
    r.x.push_back(gsl_root_fsolver_root(s));
  }
  gsl_root_fsolver_free(s);
  r.evaluations = term.evaluations;
  return r;
}

void BM_ZerosBisection(benchmark::State& state) {
  const DiscussionInput in = DiscussionOf();
  const std::vector<Bracket> brackets = ZeroBrackets(in);
  for (auto _ : state) benchmark::DoNotOptimize(BisectZeros(in, brackets));
}
BENCHMARK(BM_ZerosBisection)->Unit(benchmark::kMicrosecond);

void BM_ZerosBrent(benchmark::State& state) {
  const DiscussionInput in = DiscussionOf();
  const std::vector<Bracket> brackets = ZeroBrackets(in);
  for (auto _ : state) benchmark::DoNotOptimize(BrentZeros(in, brackets));
}
BENCHMARK(BM_ZerosBrent)->Unit(benchmark::kMicrosecond);

void CheckDiscussion() {
  const FixedWidthMeasurer memo;
  const DiscussionResult ours = DiscussCurve(DiscussionOf(), kDiscussionTexts, memo);
  const DiscussionResult plain = DiscussCurve(DiscussionOf(), kDiscussionTexts, memo, StepValues::Afresh);
  bench::RequireSame(ours.lines == plain.lines && ours.points.size() >= 6,
                     "curve discussion memo lines, reused step ends against every value afresh");
  const DiscussionInput in = DiscussionOf();
  const std::vector<Bracket> brackets = ZeroBrackets(in);
  const Roots bisected = BisectZeros(in, brackets), brent = BrentZeros(in, brackets);
  bool agree = !brackets.empty();
  for (std::size_t i = 0; i < brackets.size(); ++i) agree &= std::fabs(bisected.x[i] - brent.x[i]) <= 1e-8;
  bench::RequireSame(agree, "zeros by bisection against GSL's Brent solver");
  std::printf("Zeros: %zu brackets, evaluations: bisection %ld, Brent %ld\n", brackets.size(), bisected.evaluations,
              brent.evaluations);
  std::printf("Curve discussion: %zu points listed, evaluations: ours %d, afresh %d\n", ours.points.size(),
              ours.evaluations, plain.evaluations);
}

// ---- series plot ------------------------------------------------------------

// Three partial sums dy + Σ sin(k·x)/k over k = 1 … 10,000 at the series
// plot's 101 x positions, as the series window draws them (dy = 0, 1, 2).
constexpr int kSeriesLastK = 10000;
constexpr int kSeriesCurves = 3;
constexpr int kSeriesSamples = 101;
const QString kSeriesTerm = QStringLiteral("sin(k*x)/k");

struct SeriesChart {
  TVIrada chart;
  SeriesChart() {
    chart.resize(800, 600);
    chart.Loaded();
    chart.SetRange(1, -4, -2, 4, 2);
  }
  // Draws the three curves to their end, as the window's run does.
  void draw() {
    chart.ClearGraf();
    FormulaContext context = FormulaContext::current();
    context.AngleMode = 1;  // radians
    const TColor colors[kSeriesCurves] = {0x0000FF, 0xFF0000, 0x008000};
    for (int i = 0; i < kSeriesCurves; ++i) {
      auto run = PlotSeries(kSeriesTerm, chart, colors[i], 1, kSeriesLastK, i, 1, context);
      while (run->step()) {
      }
    }
  }
  std::vector<double> xs() {
    const double lo = chart.Layers().X(1).RangeLow(), hi = chart.Layers().X(1).RangeHigh();
    std::vector<double> x(kSeriesSamples);
    for (int i = 0; i < kSeriesSamples; ++i) x[std::size_t(i)] = lo + (hi - lo) * i / (kSeriesSamples - 1);
    return x;
  }
};

// The same sums through muParser's bulk mode: k the bulk variable, x held
// for the whole block.
struct SeriesMuParser {
  mu::Parser parser;
  std::vector<double> ks, x, terms;
  SeriesMuParser() : ks(kSeriesLastK), x(kSeriesLastK), terms(kSeriesLastK) {
    for (int k = 1; k <= kSeriesLastK; ++k) ks[std::size_t(k - 1)] = k;
    parser.DefineVar("k", ks.data());
    parser.DefineVar("x", x.data());
    parser.SetExpr("sin(k*x)/k");
  }
  double sum(double at, double dy) {
    std::fill(x.begin(), x.end(), at);
    parser.Eval(terms.data(), kSeriesLastK);
    double s = dy;
    for (double t : terms) s += t;
    return s;
  }
};

void BM_SeriesPlot(benchmark::State& state) {
  SeriesChart c;
  for (auto _ : state) c.draw();
}
BENCHMARK(BM_SeriesPlot)->Unit(benchmark::kMillisecond);

void BM_SeriesMuParserBulk(benchmark::State& state) {
  SeriesChart c;
  const std::vector<double> xs = c.xs();
  SeriesMuParser mp;
  for (auto _ : state)
    for (int i = 0; i < kSeriesCurves; ++i)
      for (double x : xs) benchmark::DoNotOptimize(mp.sum(x, i));
}
BENCHMARK(BM_SeriesMuParserBulk)->Unit(benchmark::kMillisecond);

// Each drawn line starts at the partial sum muParser gives at its x.
void CheckSeries() {
  SeriesChart c;
  c.draw();
  const std::vector<double> xs = c.xs();
  SeriesMuParser mp;
  const auto& list = c.chart.DisplayList();
  bench::RequireSame(list.NumItems() == kSeriesCurves * (kSeriesSamples - 1), "series plot: one line per sample pair");
  for (int i = 0; i < list.NumItems(); ++i) {
    const TrcChartItem item = list.GetItemParams(i);
    const int curve = i / (kSeriesSamples - 1), sample = i % (kSeriesSamples - 1);
    const double expected = mp.sum(xs[std::size_t(sample)], curve);
    bench::RequireSame(std::fabs(item.x - xs[std::size_t(sample)]) <= 1e-12 &&
                           std::fabs(item.y - expected) <= 1e-9 * std::max(1.0, std::fabs(expected)),
                       "series plot's partial sums against muParser's");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  omp_set_num_threads(1);  // muParser's bulk mode would use a thread per core
  CheckIntegrals();
  CheckSeries();
  CheckDiscussion();
  zw::bench::TimeReporter reporter(zw::bench::Clock::Cpu);
  zw::bench::RunAll(argc, argv, reporter);
  using zw::bench::Against;
  zw::bench::PrintRatios(
      "Integral calculus: point by point / block (CPU time)", reporter.times,
      {{"areas, moments, volumes (5,000 midpoints) and both arc lengths (2 × 32,000), `EvaluateFormula` per point / "
        "`EvaluateFormulaBlock`",
        "BM_IntegralPointByPoint/0", "BM_IntegralBlock/0", "≥ 1.5", Against::NaiveMethod}},
      reporter.repetitions);
  zw::bench::PrintRatios(
      "Curve discussion: every value afresh / reused step ends (CPU time)", reporter.times,
      {{"1,000 steps of «sin(x)*x^2/10-x/3+1» on [−10; 10], both derivatives numeric, memo lines identical",
        "BM_DiscussionAfresh", "BM_DiscussionReuse", "≥ 1.8", Against::NaiveMethod}},
      reporter.repetitions);
  zw::bench::PrintRatios(
      "Zeros of the discussion's term: bisection / GSL's Brent solver (CPU time)", reporter.times,
      {{"the scan's brackets refined to 1e-8, our bisection / `gsl_root_fsolver_brent`", "BM_ZerosBisection",
        "BM_ZerosBrent", ""}},
      reporter.repetitions);
  zw::bench::PrintRatios(
      "Series plot: ours / muParser's bulk mode (CPU time)", reporter.times,
      {{"three partial sums of sin(k*x)/k, k = 1 … 10,000, at 101 x each, drawn by `PlotSeries` / the same sums "
        "by muParser's bulk mode with k as its variable",
        "BM_SeriesPlot", "BM_SeriesMuParserBulk", "≤ 1.5"}},
      reporter.repetitions);
  return 0;
}
