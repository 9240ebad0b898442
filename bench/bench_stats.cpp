// Speed of the statistics, regression and point-file topics against GSL and
// libcsv, with the agreement of both sides checked first. Ratios are our
// time / the library's (below 1: ours faster).
//
//   cmake -S . -B build -DZW_BUILD_BENCH=ON
//   cmake --build build --target bench_stats && build/bin/bench_stats
#include <benchmark/benchmark.h>
#include <csv.h>
#include <gsl/gsl_fit.h>
#include <gsl/gsl_histogram.h>
#include <gsl/gsl_multifit.h>
#include <gsl/gsl_sort.h>
#include <gsl/gsl_statistics_double.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "bench/TimeReporter.h"
#include "common/TextMeasurer.h"
#include "topics/linalg-stat/PointFiles.h"
#include "topics/linalg-stat/Regr.h"
#include "topics/linalg-stat/Stat.h"

namespace {

using namespace zw;

// ---- statistics of a list ---------------------------------------------------

constexpr int kValues = 100'000;
constexpr int kClasses = 50;

const std::vector<double>& Values() {
  static const std::vector<double> v = [] {
    std::mt19937_64 rng(7);
    std::normal_distribution<double> d(50, 12);
    std::vector<double> out(kValues);
    for (double& x : out) x = std::round(d(rng) * 1000) / 1000;  // as typed: three decimals
    return out;
  }();
  return v;
}

double ClassWidth() {
  const auto [lo, hi] = std::minmax_element(Values().begin(), Values().end());
  return (*hi - *lo) / (kClasses - 0.5);
}

// The value list as the user's lines: ten values to a line.
const std::vector<std::u16string>& ValueLines() {
  static const std::vector<std::u16string> lines = [] {
    std::vector<std::u16string> out;
    std::u16string line;
    for (std::size_t i = 0; i < Values().size(); ++i) {
      line += QString::number(Values()[i], 'f', 3).toStdU16String();
      if (i % 10 == 9) out.push_back(std::move(line)), line.clear();
      else line += u' ';
    }
    if (!line.empty()) out.push_back(line);
    return out;
  }();
  return lines;
}

struct GslStats {
  double min = 0, max = 0, mean = 0, s = 0, q1 = 0, q2 = 0, q3 = 0;
  std::size_t counted = 0;
};

GslStats GslStatistics(const std::vector<double>& values, double width) {
  GslStats g;
  const double* x = values.data();
  const std::size_t n = values.size();
  gsl_stats_minmax(&g.min, &g.max, x, 1, n);
  g.mean = gsl_stats_mean(x, 1, n);
  g.s = gsl_stats_sd_m(x, 1, n, g.mean);
  std::vector<double> sorted(values);
  gsl_sort(sorted.data(), 1, n);
  g.q1 = gsl_stats_quantile_from_sorted_data(sorted.data(), 1, n, 0.25);
  g.q2 = gsl_stats_quantile_from_sorted_data(sorted.data(), 1, n, 0.5);
  g.q3 = gsl_stats_quantile_from_sorted_data(sorted.data(), 1, n, 0.75);
  gsl_histogram* h = gsl_histogram_alloc(kClasses);
  gsl_histogram_set_ranges_uniform(h, g.min, g.min + kClasses * width);
  for (double v : values) gsl_histogram_increment(h, v);
  g.counted = std::size_t(gsl_histogram_sum(h));
  gsl_histogram_free(h);
  return g;
}

void BM_Statistics_Ours(benchmark::State& state) {
  const double width = ClassWidth();
  for (auto _ : state) benchmark::DoNotOptimize(ComputeStatistics(Values(), width));
}
void BM_Statistics_Gsl(benchmark::State& state) {
  const double width = ClassWidth();
  for (auto _ : state) benchmark::DoNotOptimize(GslStatistics(Values(), width));
}
// The page change: the lines read, the numbers computed, the memo written.
void BM_StatisticsPage(benchmark::State& state) {
  const FixedWidthMeasurer font;
  const double width = ClassWidth();
  for (auto _ : state) {
    const std::vector<double> values = ReadStatValues(ValueLines());
    benchmark::DoNotOptimize(StatMemoLines(ValueLines(), ComputeStatistics(values, width), font));
  }
}
BENCHMARK(BM_Statistics_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistics_Gsl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatisticsPage)->Unit(benchmark::kMillisecond);

bool Near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance * std::max(1.0, std::fabs(b)); }

void CheckStatistics() {
  const StatResult r = ComputeStatistics(Values(), ClassWidth());
  const GslStats g = GslStatistics(Values(), ClassWidth());
  int counted = 0;
  for (const StatClass& c : r.classes) counted += c.count;
  // The quartiles follow the (n + 1)p rule, GSL interpolates: only the
  // median of an even count is the same by both.
  bench::RequireSame(r.n == kValues && r.min == g.min && r.max == g.max && Near(r.mean, g.mean, 1e-12) &&
                         Near(r.s, g.s, 1e-10) && Near(r.q2, g.q2, 1e-12) && counted == kValues &&
                         g.counted == std::size_t(kValues),
                     "statistics of the list against GSL");
  bench::RequireSame(ReadStatValues(ValueLines()) == Values(), "the value list read back from its lines");
}

// ---- regression -------------------------------------------------------------

// y = 3 − 2x + x³/2 with noise on x in [−1, 1].
std::vector<TVec2> Points(int n) {
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> ux(-1, 1);
  std::normal_distribution<double> noise(0, 0.05);
  std::vector<TVec2> p(static_cast<std::size_t>(n));
  for (TVec2& q : p) {
    const double x = ux(rng);
    q = {x, 3 - 2 * x + x * x * x / 2 + noise(rng)};
  }
  return p;
}

struct GslXY {
  std::vector<double> x, y;
  explicit GslXY(const std::vector<TVec2>& p) {
    for (const TVec2& q : p) x.push_back(double(q.x)), y.push_back(double(q.y));
  }
};

RegrFit Ours(const std::vector<TVec2>& p, int model, int degree) {
  RegrInput in;
  in.points = p;
  in.model = model;
  in.degree = degree;
  return FitRegression(in);
}

// Linear: {c0, c1}; through the origin: {c1}.
std::vector<double> GslLinear(const GslXY& d, bool origin) {
  double c0 = 0, c1 = 0, cov00 = 0, cov01 = 0, cov11 = 0, sumsq = 0;
  if (origin) {
    gsl_fit_mul(d.x.data(), 1, d.y.data(), 1, d.x.size(), &c1, &cov11, &sumsq);
    return {c1};
  }
  gsl_fit_linear(d.x.data(), 1, d.y.data(), 1, d.x.size(), &c0, &c1, &cov00, &cov01, &cov11, &sumsq);
  return {c0, c1};
}

std::vector<double> GslPolynomial(const GslXY& d, int degree) {
  const std::size_t n = d.x.size(), m = std::size_t(degree + 1);
  gsl_matrix* X = gsl_matrix_alloc(n, m);
  gsl_matrix* cov = gsl_matrix_alloc(m, m);
  gsl_vector* c = gsl_vector_alloc(m);
  gsl_vector_const_view y = gsl_vector_const_view_array(d.y.data(), n);
  for (std::size_t i = 0; i < n; ++i) {
    double power = 1;
    for (std::size_t j = 0; j < m; ++j, power *= d.x[i]) gsl_matrix_set(X, i, j, power);
  }
  gsl_multifit_linear_workspace* w = gsl_multifit_linear_alloc(n, m);
  double chisq = 0;
  gsl_multifit_linear(X, &y.vector, c, cov, &chisq, w);
  std::vector<double> out(m);
  for (std::size_t j = 0; j < m; ++j) out[j] = gsl_vector_get(c, j);
  gsl_multifit_linear_free(w);
  gsl_vector_free(c);
  gsl_matrix_free(cov);
  gsl_matrix_free(X);
  return out;
}

// Arguments: rows, kind (0 origin, 1 linear, 5 and 20 the polynomial's degree).
void BM_Regression_Ours(benchmark::State& state) {
  const std::vector<TVec2> p = Points(int(state.range(0)));
  const int kind = int(state.range(1));
  const int model = kind <= 1 ? kind : RegrPolynomial;
  for (auto _ : state) benchmark::DoNotOptimize(Ours(p, model, kind));
}
void BM_Regression_Gsl(benchmark::State& state) {
  const GslXY d(Points(int(state.range(0))));
  const int kind = int(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(kind <= 1 ? GslLinear(d, kind == 0) : GslPolynomial(d, kind));
}
BENCHMARK(BM_Regression_Ours)->ArgsProduct({{1023, 100'000}, {0, 1, 5, 20}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Regression_Gsl)->ArgsProduct({{1023, 100'000}, {0, 1, 5, 20}})->Unit(benchmark::kMicrosecond);

// The fitted curves agree: at degree 20 the coefficients themselves are
// ill-determined, so the values on [−1, 1] are compared.
void CheckRegression() {
  for (int n : {1023, 100'000}) {
    const std::vector<TVec2> p = Points(n);
    const GslXY d(p);
    for (int kind : {0, 1, 5, 20}) {
      const RegrFit fit = Ours(p, kind <= 1 ? kind : RegrPolynomial, kind);
      const std::vector<double> c = kind <= 1 ? GslLinear(d, kind == 0) : GslPolynomial(d, kind);
      bool same = true;
      for (double x = -1; x <= 1; x += 0.125) {
        double g = 0;
        if (kind == 0) g = c[0] * x;
        else
          for (std::size_t j = c.size(); j-- > 0;) g = g * x + c[j];
        same &= Near(double(EvaluateRegression(fit, x)), g, 1e-8);
      }
      if (!same) std::fprintf(stderr, "rows %d, kind %d:\n", n, kind);
      bench::RequireSame(same, "regression against GSL");
    }
  }
}

// ---- point files ------------------------------------------------------------

// About 10 MB: 500,000 lines "x;y", the logistic file's key lines at the end.
const QString& PointFileName() {
  static const QString name = [] {
    const QString file = QDir::temp().filePath(QStringLiteral("zw_bench_points_%1.csv").arg(QCoreApplication::applicationPid()));
    QByteArray bytes;
    bytes.reserve(11'000'000);
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> u(0, 1000);
    for (int i = 0; i < 500'000; ++i) {
      bytes += QByteArray::number(i + 1);
      bytes += ';';
      bytes += QByteArray::number(u(rng), 'f', 9);
      bytes += "\r\n";
    }
    bytes += "INF;1000000\r\nTAG1;01.03.2020\r\nDZIFF;4,5\r\n";
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      std::exit(1);
    }
    return file;
  }();
  return name;
}

QString ReadText() {
  QString text, message;
  if (!ReadPointFile(PointFileName(), text, &message)) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::exit(1);
  }
  return text;
}

void BM_PointFile_Regression(benchmark::State& state) {
  for (auto _ : state) {
    PointRows rows(PointFileMaxRows);
    ReadRegrCsv(ReadText(), u';', rows);
    benchmark::DoNotOptimize(rows.data());
  }
}
void BM_PointFile_Logistic(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadLogisticText(ReadText()));
}

struct CsvCount {
  std::size_t fields = 0, rows = 0;
};
void OnField(void*, std::size_t, void* data) { ++static_cast<CsvCount*>(data)->fields; }
void OnRow(int, void* data) { ++static_cast<CsvCount*>(data)->rows; }

CsvCount LibCsvParse() {
  QFile f(PointFileName());
  if (!f.open(QIODevice::ReadOnly)) std::exit(1);
  const QByteArray bytes = f.readAll();
  csv_parser p;
  csv_init(&p, 0);
  csv_set_delim(&p, ';');
  CsvCount count;
  csv_parse(&p, bytes.constData(), std::size_t(bytes.size()), OnField, OnRow, &count);
  csv_fini(&p, OnField, OnRow, &count);
  csv_free(&p);
  return count;
}
void BM_PointFile_LibCsv(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LibCsvParse());
}
BENCHMARK(BM_PointFile_Regression)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointFile_Logistic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointFile_LibCsv)->Unit(benchmark::kMillisecond);

void CheckPointFiles() {
  PointRows rows(PointFileMaxRows);
  ReadRegrCsv(ReadText(), u';', rows);
  const LogisticFile logistic = ReadLogisticText(ReadText());
  const CsvCount csv = LibCsvParse();
  bench::RequireSame(rows.front().x == u"1" && rows.back().x == QString::number(PointFileMaxRows) &&
                         logistic.rows.size() == std::size_t(PointFileMaxRows) && logistic.hasLimit &&
                         logistic.limit == u"1000000" && logistic.factor == u"4,5" && csv.rows == 500'003 &&
                         csv.fields == 2 * 500'003,
                     "point files: the first 1,023 rows and the key lines, libcsv every line");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  CheckStatistics();
  CheckRegression();
  CheckPointFiles();
  zw::bench::TimeReporter reporter(zw::bench::Clock::Cpu);
  zw::bench::RunAll(argc, argv, reporter);
  QFile::remove(PointFileName());
  zw::bench::PrintRatios(
      "Statistics of 100,000 values: ours / GSL (CPU time)", reporter.times,
      {{"min, max, mean, s, sorting, quartiles and 50 class counts / `gsl_stats_minmax`, `gsl_stats_mean`, "
        "`gsl_stats_sd`, `gsl_sort` with `gsl_stats_quantile_from_sorted_data`, `gsl_histogram_increment`",
        "BM_Statistics_Ours", "BM_Statistics_Gsl", "≤ 1.5"}},
      reporter.repetitions);
  const double page = reporter.times["BM_StatisticsPage"];
  if (page > 0)
    std::printf("| the page change: 10,000 lines read, computed and the memo written | %.1f ms | | | < 500 ms |\n",
                page / 1e6);
  std::vector<zw::bench::Ratio> regression;
  for (const char* rows : {"1023", "100000"})
    for (const auto& [kind, what, peer] :
         {std::tuple{"0", "through the origin", "`gsl_fit_mul`"}, std::tuple{"1", "linear", "`gsl_fit_linear`"},
          std::tuple{"5", "polynomial of degree 5", "`gsl_multifit_linear`"},
          std::tuple{"20", "polynomial of degree 20", "`gsl_multifit_linear`"}})
      regression.push_back({std::string(what) + ", " + (std::string(rows) == "1023" ? "1,023" : "100,000") + " rows / " + peer,
                            std::string("BM_Regression_Ours/") + rows + "/" + kind,
                            std::string("BM_Regression_Gsl/") + rows + "/" + kind, "≤ 2"});
  zw::bench::PrintRatios("Regression: ours / GSL (CPU time)", reporter.times, regression, reporter.repetitions);
  zw::bench::PrintRatios(
      "Point files of 10 MB (500,003 lines, key lines at the end): ours / libcsv (CPU time)", reporter.times,
      {{"regression CSV: file read, first 1,023 rows / libcsv reading and parsing every line",
        "BM_PointFile_Regression", "BM_PointFile_LibCsv", "≤ 2"},
       {"logistic-growth file: file read, every line looked at for key lines / the same", "BM_PointFile_Logistic",
        "BM_PointFile_LibCsv", "≤ 2"}},
      reporter.repetitions);
  return 0;
}
