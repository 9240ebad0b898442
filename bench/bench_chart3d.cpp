// Speed of the 3D view, the surface plot and the tag reader, each against a
// plain reference in the same binary (same image size, RGB32 without
// antialiasing, the same pens and brushes).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "bench/TimeReporter.h"
#include "charts/Plot3D.h"
#include "charts/Rot3D.h"
#include "common/XmlTagReader.h"

using namespace zw;

namespace {

QApplication* app() {
  static int argc = 1;
  static char name[] = "bench_chart3d";
  static char* argv[] = {name, nullptr};
  static QApplication* a = new QApplication(argc, argv);
  return a;
}

// A wire mesh of 10,000 lines: 50 x 100 cells of z = sin x cos y, two lines per cell.
void fillMesh(TRot3D& v) {
  auto z = [](double x, double y) { return std::sin(x) * std::cos(y); };
  for (int i = 0; i < 100; ++i)
    for (int j = 0; j < 50; ++j) {
      const double x0 = -3 + 0.06 * i, x1 = x0 + 0.06, y0 = -3 + 0.12 * j, y1 = y0 + 0.12;
      v.Line(x0, y0, z(x0, y0), x1, y0, z(x1, y0));
      v.Line(x0, y0, z(x0, y0), x0, y1, z(x0, y1));
    }
}

std::vector<Tr3ChartItem> meshItems() {
  app();
  TRot3D v;
  fillMesh(v);
  std::vector<Tr3ChartItem> items;
  for (int i = 0; i < v.NumItems(); ++i) items.push_back(v.GetItemParams(i));
  return items;
}

void BM_Rot3DRepaint(benchmark::State& state) {
  app();
  TRot3D v;
  fillMesh(v);
  v.MakeVisible();
  double angle = 0;
  for (auto _ : state) {
    angle += 1;
    v.SetViewAngles(110, 150, 210 + angle);  // renders the whole picture into its image
    benchmark::DoNotOptimize(v.GrafBmp().constBits());
  }
  state.SetLabel("10,000 lines, cube, axes, names, frame");
}
BENCHMARK(BM_Rot3DRepaint)->Unit(benchmark::kMillisecond);

void BM_Rot3DRepaintReference(benchmark::State& state) {
  app();
  TRot3D v;
  fillMesh(v);
  v.MakeVisible();  // only for the origin and scale the view chose: the same geometry
  const double o[3] = {v.OriginX(), v.OriginY(), v.OriginZ()};
  // world -> rotation units -> pixels (matrix entries x 1000, divided by the magnify divisor)
  const double f[3] = {v.ScaleFactX() * 1000 / v.Magnify(), v.ScaleFactY() * 1000 / v.Magnify(),
                       v.ScaleFactZ() * 1000 / v.Magnify()};
  std::vector<std::array<double, 6>> lines;
  for (int i = 0; i < v.NumItems(); ++i) {
    const Tr3ChartItem it = v.GetItemParams(i);
    lines.push_back({(it.x - o[0]) * f[0], (it.y - o[1]) * f[1], (it.z - o[2]) * f[2], (it.x2 - o[0]) * f[0],
                     (it.y2 - o[1]) * f[1], (it.z2 - o[2]) * f[2]});
  }
  QImage img(450, 300, QImage::Format_RGB32);
  std::vector<QLine> out(lines.size());
  double angle = 0;
  for (auto _ : state) {
    angle += 1;
    const double a = 110 * std::numbers::pi / 180, c = (210 + angle) * std::numbers::pi / 180;
    const double m[2][3] = {{std::cos(c), -std::sin(c), 0},
                            {std::cos(a) * std::sin(c), std::cos(a) * std::cos(c), -std::sin(a)}};
    for (size_t k = 0; k < lines.size(); ++k) {
      const auto& l = lines[k];
      out[k] = QLine(static_cast<int>(225 + m[0][0] * l[0] + m[0][1] * l[1] + m[0][2] * l[2]),
                     static_cast<int>(150 + m[1][0] * l[0] + m[1][1] * l[1] + m[1][2] * l[2]),
                     static_cast<int>(225 + m[0][0] * l[3] + m[0][1] * l[4] + m[0][2] * l[5]),
                     static_cast<int>(150 + m[1][0] * l[3] + m[1][1] * l[4] + m[1][2] * l[5]));
    }
    QPainter p(&img);
    p.fillRect(img.rect(), Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawLines(out.data(), static_cast<int>(out.size()));
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_Rot3DRepaintReference)->Unit(benchmark::kMillisecond);

// The conversion step of MakeVisible (its painting is the repaint above).
void BM_MakeVisibleConversion(benchmark::State& state) {
  const std::vector<Tr3ChartItem> items = meshItems();
  for (auto _ : state) {
    TRotScaling s;
    auto pts = BuildRotationSpace(items, s);
    benchmark::DoNotOptimize(pts.data());
  }
}
BENCHMARK(BM_MakeVisibleConversion)->Unit(benchmark::kMicrosecond);

void BM_MakeVisibleReference(benchmark::State& state) {
  std::vector<double> pts;
  for (const Tr3ChartItem& it : meshItems()) pts.insert(pts.end(), {it.x, it.y, it.z, it.x2, it.y2, it.z2});
  std::vector<std::int32_t> out(pts.size());
  for (auto _ : state) {
    double lo[3] = {1e308, 1e308, 1e308}, hi[3] = {-1e308, -1e308, -1e308};
    for (size_t k = 0; k < pts.size(); ++k) {
      lo[k % 3] = std::min(lo[k % 3], pts[k]);
      hi[k % 3] = std::max(hi[k % 3], pts[k]);
    }
    for (size_t k = 0; k < pts.size(); ++k)
      out[k] = static_cast<std::int32_t>(std::nearbyint((pts[k] - lo[k % 3]) * 1000 / (hi[k % 3] - lo[k % 3])));
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_MakeVisibleReference)->Unit(benchmark::kMicrosecond);

void fillSurface(TPlot3D& p, int n) {
  p.GridMat.Resize(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) p.GridMat.SetElem(i, j, std::sin(6.0 * i / n - 3) * std::cos(6.0 * j / n - 3));
  p.setColorScaleLow(-1);
  p.setColorScaleHigh(1);
  p.SetRange(-3, 3, -3, 3, -1, 1);
}

void BM_SurfaceRender(benchmark::State& state) {
  app();
  TPlot3D p;
  fillSurface(p, 200);
  QImage img(p.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&img);
    p.PaintPicture(painter, true);
    benchmark::DoNotOptimize(img.constBits());
  }
  state.SetLabel("39,601 cells, cube, scales, labels");
}
BENCHMARK(BM_SurfaceRender)->Unit(benchmark::kMillisecond);

void BM_SurfaceRenderReference(benchmark::State& state) {
  app();
  TPlot3D p;
  fillSurface(p, 200);
  // The same quads and colours, captured once in drawing order.
  std::vector<TQuad> quads;
  std::vector<QColor> colors;
  p.OnBeforeRenderPolygon = [&](TPlot3D*, QPainter*&, bool&, int, int, const TQuad& q, QColor& c) {
    quads.push_back(q);
    colors.push_back(c);
  };
  QImage img(p.size(), QImage::Format_RGB32);
  {
    QPainter painter(&img);
    p.PaintPicture(painter, true);
  }
  for (auto _ : state) {
    QPainter painter(&img);
    painter.fillRect(img.rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    for (size_t k = 0; k < quads.size(); ++k) {
      painter.setBrush(colors[k]);
      painter.drawConvexPolygon(quads[k].data(), 4);
    }
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_SurfaceRenderReference)->Unit(benchmark::kMillisecond);

void BM_GridFillAndRender(benchmark::State& state) {
  app();
  TPlot3D p;
  p.GridMat.Resize(200, 200);
  QImage img(p.size(), QImage::Format_RGB32);
  double phase = 0;
  for (auto _ : state) {
    phase += 0.1;
    for (int i = 1; i <= 200; ++i)
      for (int j = 1; j <= 200; ++j) p.GridMat.SetElem(i, j, std::sin(0.03 * i + phase) * std::cos(0.03 * j));
    QPainter painter(&img);
    p.PaintPicture(painter, true);
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_GridFillAndRender)->Unit(benchmark::kMillisecond);

void BM_GridRenderPrefilled(benchmark::State& state) {
  app();
  TPlot3D p;
  p.GridMat.Resize(200, 200);
  for (int i = 1; i <= 200; ++i)
    for (int j = 1; j <= 200; ++j) p.GridMat.SetElem(i, j, std::sin(0.03 * i) * std::cos(0.03 * j));
  QImage img(p.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&img);
    p.PaintPicture(painter, true);
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_GridRenderPrefilled)->Unit(benchmark::kMillisecond);

std::string matrixFile(int n) {
  std::string s = "<numcols>" + std::to_string(n) + "</numcols><numrows>" + std::to_string(n) + "</numrows>\n";
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      s += "<cell col=\"" + std::to_string(i) + "\" row=\"" + std::to_string(j) + "\">" +
           std::to_string(std::sin(i * 0.1 + j)) + "</cell>\n";
  return s + "</matrix>\n";
}

void BM_TagReader(benchmark::State& state) {
  const std::string text = matrixFile(static_cast<int>(state.range(0)));
  constexpr std::u16string_view tags[] = {u"numcols", u"numrows", u"cell", u"/matrix", u"invalidtag"};
  std::u16string attrs, content;
  for (auto _ : state) {
    std::istringstream in(text);
    int n = 0;
    while (ReadXMLTagFromStream(in, tags, attrs, content) != 4) ++n;
    benchmark::DoNotOptimize(n);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_TagReader)->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_TagReaderMemchrReference(benchmark::State& state) {
  const std::string text = matrixFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    int n = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while ((p = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(end - p))))) {
      ++n;
      ++p;
    }
    benchmark::DoNotOptimize(n);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_TagReaderMemchrReference)->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  using zw::bench::Against;
  zw::bench::PrintRatios(
      "3D views and surface plots: time / reference time", reporter.times,
      {{"`TRot3D`, 10,000 `Line` items, one repaint / the same lines projected by a 3 × 3 matrix and `drawLines`",
        "BM_Rot3DRepaint", "BM_Rot3DRepaintReference", "≤ 1.3"},
       {"`MakeVisible` of the same items / plain min, max, scaling and rounding", "BM_MakeVisibleConversion",
        "BM_MakeVisibleReference", "≤ 2"},
       {"`TPlot3D` 200 × 200 grid / the same quads back to front with `drawConvexPolygon`", "BM_SurfaceRender",
        "BM_SurfaceRenderReference", "≤ 1.3"},
       {"filling `GridMat` 200 × 200 cell by cell and rendering once / rendering a filled grid",
        "BM_GridFillAndRender", "BM_GridRenderPrefilled", "≤ 1.2"},
       {"`ReadXMLTagFromStream`, 200 × 200 matrix file / one `memchr` pass over the bytes", "BM_TagReader/200",
        "BM_TagReaderMemchrReference/200", "≤ 4"}},
      reporter.repetitions);
  // Time per byte: the file of 200 × 200 cells is 16 times as many cells.
  const std::string small = matrixFile(50), large = matrixFile(200);
  const double perByteSmall = reporter.times["BM_TagReader/50"] / static_cast<double>(small.size());
  const double perByteLarge = reporter.times["BM_TagReader/200"] / static_cast<double>(large.size());
  if (perByteSmall > 0 && perByteLarge > 0)
    std::printf("| the same, time per byte at 200 × 200 / at 50 × 50 | %.2f ns | %.2f ns | %.2f | ≤ 1.5 |\n",
                perByteLarge, perByteSmall, perByteLarge / perByteSmall);
  return 0;
}
