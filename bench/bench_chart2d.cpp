// Speed of the 2D chart's replay against plain QPainter and QCustomPlot, all
// drawing into the same 800 x 600 RGB32 image with a 1 pixel pen and no
// antialiasing. The references transform the same doubles in their loops;
// ours also draws the window, frame and axes.
//   lines        100,000 Line items (as PlotTerm adds them) / QPainter::drawLines
//   polyline     MoveTo + 100,000 DrawTo items / one QPainter::drawPolyline
//   qcustomplot  the same points as one graph, adaptive sampling off (and its
//                default, adaptive sampling on, without a target)
//   incremental  24 curves of 7,000 items, ShowGrafNewOnly after each / one ShowGraf
//   sampling     PlotTerm «sin(x)*x^2+3x-1» at resolution 3 on 900 pixels /
//                EvaluateFormulaBlockDouble at the same x values alone (the
//                block interface PlotTerm samples through)
//   mappings     the largest chart of the polygon mappings: 26 corners
//                through 36 rotations, each with its construction lines, the
//                display list built from the mapping results and rendered /
//                the same lines by QPainter::drawLines
// The ratios are printed after the table.
//
//   cmake --build build --target bench_chart2d && build/bin/bench_chart2d
#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/TimeReporter.h"
#include "charts/VIrada.h"
#include "kernel/Evaluator.h"
#include "shell/State.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/plane/Abb.h"
#include "topics/plane/AbbWindow.h"

namespace {

constexpr int kW = 800, kH = 600, kN = 100000;

double xAt(int i) { return -10 + 20.0 * i / kN; }
double yAt(int i) { return std::sin(xAt(i) * 3) * 0.8; }

QImage image() {
  QImage img(kW, kH, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

// The chart of the runs: 800 x 600, range -10..10 by -1..1.
struct Chart {
  zw::TVIrada c;
  Chart() {
    c.resize(kW, kH);
    c.Loaded();
    c.SetRange(1, -10, -1, 10, 1);
  }
  void render(QImage& img) {
    QPainter p(&img);
    c.RenderTo(p, {.Media = zw::TChartMedia::Print});
  }
};

// The pixel transform of the chart's plot rectangle for the references.
struct Transform {
  double kx, dx, ky, dy;
  explicit Transform(const zw::TVIrada& c)
      : kx(double(c.Layers().Cpkx(1))), dx(double(c.Layers().Cpdx(1))), ky(double(c.Layers().Cpky(1))),
        dy(double(c.Layers().Cpdy(1))) {}
  QPointF map(double x, double y) const { return QPointF(std::round(kx * x + dx), std::round(ky * y + dy)); }
};

void BM_lines_ours(benchmark::State& st) {
  Chart ch;
  for (int i = 1; i < kN; ++i) ch.c.Line(xAt(i - 1), yAt(i - 1), xAt(i), yAt(i));
  QImage img = image();
  for (auto _ : st) ch.render(img);
}

void BM_lines_qpainter(benchmark::State& st) {
  Chart ch;
  const Transform t(ch.c);
  QImage img = image();
  std::vector<QLineF> lines(kN - 1);
  for (auto _ : st) {
    for (int i = 1; i < kN; ++i) lines[i - 1] = QLineF(t.map(xAt(i - 1), yAt(i - 1)), t.map(xAt(i), yAt(i)));
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 1));
    p.drawLines(lines.data(), int(lines.size()));
  }
}

void BM_polyline_ours(benchmark::State& st) {
  Chart ch;
  ch.c.MoveTo(xAt(0), yAt(0));
  for (int i = 1; i < kN; ++i) ch.c.DrawTo(xAt(i), yAt(i));
  QImage img = image();
  for (auto _ : st) ch.render(img);
}

void BM_polyline_qpainter(benchmark::State& st) {
  Chart ch;
  const Transform t(ch.c);
  QImage img = image();
  std::vector<QPointF> pts(kN);
  for (auto _ : st) {
    for (int i = 0; i < kN; ++i) pts[i] = t.map(xAt(i), yAt(i));
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 1));
    p.drawPolyline(pts.data(), kN);
  }
}

void BM_qcustomplot(benchmark::State& st, bool adaptive) {
  QCustomPlot plot;
  plot.resize(kW, kH);
  plot.setNotAntialiasedElements(QCP::aeAll);
  plot.setPlottingHints(QCP::phFastPolylines);
  QCPGraph* g = plot.addGraph();
  g->setAdaptiveSampling(adaptive);
  g->setAntialiased(false);
  QVector<double> xs(kN), ys(kN);
  for (int i = 0; i < kN; ++i) xs[i] = xAt(i), ys[i] = yAt(i);
  g->setData(xs, ys, true);
  plot.xAxis->setRange(-10, 10);
  plot.yAxis->setRange(-1, 1);
  QImage img = image();
  for (auto _ : st) {
    QCPPainter p(&img);
    plot.toPainter(&p, kW, kH);
  }
}

void addCurve(zw::TVIrada& c, int curve) {
  c.MoveTo(-10, -0.9 + curve * 0.075);
  for (int i = 1; i < 7000; ++i) c.DrawTo(-10 + 20.0 * i / 7000, -0.9 + curve * 0.075 + 0.05 * std::sin(i / 50.0));
}

void BM_incremental_newonly(benchmark::State& st) {
  Chart ch;
  ch.c.show();
  // Only the shows are timed: adding the items is the same in both runs.
  for (auto _ : st) {
    st.PauseTiming();
    ch.c.ClearGraf();
    ch.c.ShowGraf();
    st.ResumeTiming();
    for (int k = 0; k < 24; ++k) {
      st.PauseTiming();
      addCurve(ch.c, k);
      st.ResumeTiming();
      ch.c.ShowGrafNewOnly();
    }
  }
}

void BM_incremental_full(benchmark::State& st) {
  Chart ch;
  ch.c.show();
  for (auto _ : st) {
    st.PauseTiming();
    ch.c.ClearGraf();
    for (int k = 0; k < 24; ++k) addCurve(ch.c, k);
    st.ResumeTiming();
    ch.c.ShowGraf();
  }
}

const QString kTerm = QStringLiteral("sin(x)*x^2+3x-1");

void BM_sampling_plotterm(benchmark::State& st) {
  zw::shellState().ChartResolution = 3;
  zw::TVIrada c;
  c.resize(900 + 70, 400);
  c.Loaded();
  c.SetRange(1, -10, -100, 10, 100);
  for (auto _ : st) {
    c.ClearGraf();
    zw::PlotTerm(kTerm, c, 0x0000FF, 1, zw::FormulaContext::current());
  }
}

// The x values PlotTerm samples on the chart of BM_sampling_plotterm.
std::vector<double> samplingXs() {
  const int n = 900 * 8;
  std::vector<double> xs;
  for (int k = 0; k <= n; ++k) xs.push_back(double(-10 + 20.0L * k / n));
  return xs;
}

void BM_sampling_block(benchmark::State& st) {
  const std::u16string t = kTerm.toStdU16String();
  const std::vector<double> xs = samplingXs();
  std::vector<double> ys(xs.size());
  std::vector<std::int32_t> errs(xs.size());
  for (auto _ : st) {
    zw::EvaluateFormulaBlockDouble(t, xs.data(), xs.size(), ys.data(), errs.data());
    benchmark::DoNotOptimize(ys.data());
  }
}

// PlotTerm draws one line item per pair of neighbouring samples: as many as
// the block gives values, from the same values.
bool samplingAgrees() {
  zw::shellState().ChartResolution = 3;
  zw::TVIrada c;
  c.resize(900 + 70, 400);
  c.Loaded();
  c.SetRange(1, -10, -100, 10, 100);
  zw::PlotTerm(kTerm, c, 0x0000FF, 1, zw::FormulaContext::current());
  const std::vector<double> xs = samplingXs();
  std::vector<double> ys(xs.size());
  std::vector<std::int32_t> errs(xs.size());
  zw::EvaluateFormulaBlockDouble(kTerm.toStdU16String(), xs.data(), xs.size(), ys.data(), errs.data());
  if (c.DisplayList().NumItems() != static_cast<int>(xs.size())) return false;
  const zw::TrcChartItem last = c.DisplayList().GetItemParams(c.DisplayList().NumItems() - 1);
  return last.x2 == xs.back() && last.y2 == ys.back();
}

// 26 corners on a circle about (3|0) through 36 rotations about (0|0) by
// 350°, every one with its construction lines (two segments and two arcs of
// 350° per corner).
struct MappingRun {
  zw::MappingChain chain;
  std::vector<std::vector<zw::TVec2>> images;
  zw::GraphPens pens;
  MappingRun() {
    std::vector<zw::TVec2> corners;
    for (int c = 0; c < zw::MaxPolygonCorners; ++c) {
      const double a = 2 * M_PI * c / zw::MaxPolygonCorners;
      corners.push_back({3 + std::cos(a), std::sin(a)});
    }
    for (int i = 1; i <= zw::MaxMappings; ++i) chain.insert(i, zw::Mapping{zw::MkRotation, {0, 0, 350}, true});
    images = zw::RunMappings(chain, corners);
    for (int g = 1; g <= 12; ++g) pens.color[std::size_t(g)] = zw::TColor(0x102030 * g), pens.width[std::size_t(g)] = 1;
  }
};

// The chart the window builds for it: the images and centre with a tenth
// of margin, both scales equal (800 x 600 pixels).
struct MappingChart : Chart {
  MappingChart() { c.SetRange(1, -5.4, -4.05, 5.4, 4.05); }
  void draw(const MappingRun& run) {
    c.ClearGraf();
    zw::DrawMappings(c, run.chain, run.images, run.pens, 8.1 / 20);
  }
};

// The line segments of the display list, in chart coordinates.
std::vector<std::array<double, 4>> chartLines(const zw::TVIrada& c) {
  std::vector<std::array<double, 4>> lines;
  double px = 0, py = 0;
  for (int i = 0; i < c.DisplayList().NumItems(); ++i) {
    const zw::TrcChartItem it = c.DisplayList().GetItemParams(i);
    switch (it.ItemKind) {
      case zw::TrcItem::tkLine: lines.push_back({it.x, it.y, it.x2, it.y2}); break;
      case zw::TrcItem::tkMoveTo: px = it.x, py = it.y; break;
      case zw::TrcItem::tkLineto:
        lines.push_back({px, py, it.x, it.y});
        px = it.x, py = it.y;
        break;
      default: break;
    }
  }
  return lines;
}

void BM_mappings_ours(benchmark::State& st) {
  const MappingRun run;
  MappingChart ch;
  QImage img = image();
  for (auto _ : st) {
    ch.draw(run);
    ch.render(img);
  }
  st.counters["lines"] = double(chartLines(ch.c).size());
}

void BM_mappings_qpainter(benchmark::State& st) {
  const MappingRun run;
  MappingChart ch;
  ch.draw(run);
  const std::vector<std::array<double, 4>> from = chartLines(ch.c);
  const Transform t(ch.c);
  QImage img = image();
  std::vector<QLineF> lines(from.size());
  for (auto _ : st) {
    for (std::size_t i = 0; i < from.size(); ++i)
      lines[i] = QLineF(t.map(from[i][0], from[i][1]), t.map(from[i][2], from[i][3]));
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 1));
    p.drawLines(lines.data(), int(lines.size()));
  }
  st.counters["lines"] = double(from.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::RegisterBenchmark("lines/ours", BM_lines_ours)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("lines/qpainter", BM_lines_qpainter)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("polyline/ours", BM_polyline_ours)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("polyline/qpainter", BM_polyline_qpainter)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("polyline/qcustomplot", BM_qcustomplot, false)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("polyline/qcustomplot_adaptive", BM_qcustomplot, true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("incremental/newonly", BM_incremental_newonly)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("incremental/full", BM_incremental_full)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("sampling/plotterm", BM_sampling_plotterm)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("sampling/block", BM_sampling_block)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("mappings/ours", BM_mappings_ours)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("mappings/qpainter", BM_mappings_qpainter)->Unit(benchmark::kMillisecond);
  zw::bench::RequireSame(samplingAgrees(), "PlotTerm's line items are not the block's values");
  zw::bench::TimeReporter reporter(zw::bench::Clock::Cpu);
  zw::bench::RunAll(argc, argv, reporter);
  zw::bench::PrintRatios(
      "2D chart: chart time / reference time (CPU time)", reporter.times,
      {{"100,000 `Line` items / `QPainter::drawLines`", "lines/ours", "lines/qpainter", "≤ 1.25"},
       {"`MoveTo` + 100,000 `DrawTo` / one `drawPolyline`", "polyline/ours", "polyline/qpainter", "≤ 1.25"},
       {"the same points / QCustomPlot, adaptive sampling off", "polyline/ours", "polyline/qcustomplot", "≤ 1"},
       {"the same points / QCustomPlot default (adaptive sampling)", "polyline/ours", "polyline/qcustomplot_adaptive",
        ""},
       {"24 curves of 7,000 items, `ShowGrafNewOnly` after each / one `ShowGraf`", "incremental/newonly",
        "incremental/full", "≤ 2"},
       {"`PlotTerm` «sin(x)*x^2+3x-1», 7,201 samples / `EvaluateFormulaBlockDouble` at the same x", "sampling/plotterm",
        "sampling/block", "≤ 1.3"},
       {"polygon mappings, 26 corners through 36 rotations with construction lines / the same lines by "
        "`QPainter::drawLines`",
        "mappings/ours", "mappings/qpainter", "≤ 3"}},
      reporter.repetitions);
  return 0;
}
