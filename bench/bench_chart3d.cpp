// Speed of the 3D view, the surface plot and the tag reader, each against a
// plain reference in the same binary (same image size, RGB32 without
// antialiasing, the same pens and brushes).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "bench/TimeReporter.h"
#include "charts/Plot3D.h"
#include "charts/Rot3D.h"
#include "common/XmlTagReader.h"
#include "topics/solids/SolidScenes.h"
#include "topics/space/Scene3D.h"
#include "topics/space/TwoPlanes.h"
#include "topics/space/XKugel.h"

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

std::vector<Tr3ChartItem> itemsOf(const TRot3D& v) {
  std::vector<Tr3ChartItem> items;
  for (int i = 0; i < v.NumItems(); ++i) items.push_back(v.GetItemParams(i));
  return items;
}

std::vector<Tr3ChartItem> meshItems() {
  app();
  TRot3D v;
  fillMesh(v);
  return itemsOf(v);
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

// The lines of a view after MakeVisible as a plain reference draws them:
// moved to the view's origin and scaled into pixels per rotation unit, with
// the pen of each line.
struct ReferenceScene {
  std::vector<std::array<double, 6>> lines;
  std::vector<QPen> pens;  // per line
  std::vector<QLine> out;
  int centX = 0, centY = 0;

  explicit ReferenceScene(const TRot3D& v) : centX(v.CentX()), centY(v.CentY()) {
    const double o[3] = {v.OriginX(), v.OriginY(), v.OriginZ()};
    // world -> rotation units -> pixels (matrix entries x 1000, divided by the magnify divisor)
    const double f[3] = {v.ScaleFactX() * 1000 / v.Magnify(), v.ScaleFactY() * 1000 / v.Magnify(),
                         v.ScaleFactZ() * 1000 / v.Magnify()};
    for (int i = 0; i < v.NumItems(); ++i) {
      const Tr3ChartItem it = v.GetItemParams(i);
      lines.push_back({(it.x - o[0]) * f[0], (it.y - o[1]) * f[1], (it.z - o[2]) * f[2], (it.x2 - o[0]) * f[0],
                       (it.y2 - o[1]) * f[1], (it.z2 - o[2]) * f[2]});
      pens.emplace_back(QColor::fromRgba(it.color), it.marklw);
    }
    out.resize(lines.size());
  }

  // Projects every line with a 3 x 3 double matrix of the angles (degrees)
  // about x and z and draws the runs of one pen with drawLines onto a white
  // background of the view's size, then (with `frame`) the view's lowered frame.
  void paint(QPainter& p, double ax, double az, QSize size, bool frame) {
    const double a = ax * std::numbers::pi / 180, c = az * std::numbers::pi / 180;
    const double m[2][3] = {{std::cos(c), -std::sin(c), 0},
                            {std::cos(a) * std::sin(c), std::cos(a) * std::cos(c), -std::sin(a)}};
    for (size_t k = 0; k < lines.size(); ++k) {
      const auto& l = lines[k];
      out[k] = QLine(static_cast<int>(centX + m[0][0] * l[0] + m[0][1] * l[1] + m[0][2] * l[2]),
                     static_cast<int>(centY + m[1][0] * l[0] + m[1][1] * l[1] + m[1][2] * l[2]),
                     static_cast<int>(centX + m[0][0] * l[3] + m[0][1] * l[4] + m[0][2] * l[5]),
                     static_cast<int>(centY + m[1][0] * l[3] + m[1][1] * l[4] + m[1][2] * l[5]));
    }
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    for (size_t k = 0; k < out.size();) {
      size_t e = k + 1;
      while (e < out.size() && pens[e] == pens[k]) ++e;
      p.setPen(pens[k]);
      p.drawLines(out.data() + k, static_cast<int>(e - k));
      k = e;
    }
    if (frame)
      DrawFrame3D(p, TFrameStyle::fsLowered, 0, 0, size.width() - 1, size.height() - 1, Qt::white,
                  QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80), Qt::black, Qt::black);
  }

  // One rotation step about z per iteration at the view's size and, with a
  // page, the same picture at print scale on it.
  void run(benchmark::State& state, QSize size, double ax, double az, bool frame, QImage* page) {
    QImage screen(size, QImage::Format_RGB32);
    for (auto _ : state) {
      az += 1;
      {
        QPainter p(&screen);
        paint(p, ax, az, size, frame);
      }
      benchmark::DoNotOptimize(screen.constBits());
      if (!page) continue;
      QPainter p(page);
      p.scale(6.25, 6.25);
      paint(p, ax, az, size, frame);
      benchmark::DoNotOptimize(page->constBits());
    }
  }
};

void BM_Rot3DRepaintReference(benchmark::State& state) {
  app();
  TRot3D v;
  fillMesh(v);
  v.MakeVisible();  // only for the origin and scale the view chose: the same geometry
  ReferenceScene(v).run(state, v.size(), 110, 210, false, nullptr);
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

// MakeVisible's conversion as a plain loop: the extent of each axis, then
// every coordinate scaled to 1000 units and rounded; from the lowest point
// with a scale per axis, or from the kept origin with one scale for all axes
// (iso-metric, as the solids' views).
void plainConversion(benchmark::State& state, const std::vector<Tr3ChartItem>& items, bool isoMetric) {
  std::vector<double> pts;
  for (const Tr3ChartItem& it : items) pts.insert(pts.end(), {it.x, it.y, it.z, it.x2, it.y2, it.z2});
  std::vector<std::int32_t> out(pts.size());
  for (auto _ : state) {
    double lo[3] = {1e308, 1e308, 1e308}, hi[3] = {-1e308, -1e308, -1e308};
    for (size_t k = 0; k < pts.size(); ++k) {
      lo[k % 3] = std::min(lo[k % 3], pts[k]);
      hi[k % 3] = std::max(hi[k % 3], pts[k]);
    }
    double from[3], extent[3];
    const double widest = std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
    for (int a = 0; a < 3; ++a) {
      from[a] = isoMetric ? 0 : lo[a];
      extent[a] = isoMetric ? widest : hi[a] - lo[a];
    }
    for (size_t k = 0; k < pts.size(); ++k)
      out[k] = static_cast<std::int32_t>(std::nearbyint((pts[k] - from[k % 3]) * 1000 / extent[k % 3]));
    benchmark::DoNotOptimize(out.data());
  }
}

void BM_MakeVisibleReference(benchmark::State& state) { plainConversion(state, meshItems(), false); }
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

// ----- the solids' scenes -------------------------------------------------------

// The regular prism of 99 vertices with its two solutions (594 lines in two
// pens), and the dodecahedron's wire frame (30 lines), each in a view of
// 600 x 340 pixels after MakeVisible, as the solid windows build them.
enum SolidScene { Prism99 = 0, Dodecahedron = 1 };

void buildSolidScene(TRot3D& v, int scene) {
  v.resize(600, 340);
  SetUpSolidView(v);
  const GraphPen first{Qt::darkGreen, 2}, second{Qt::blue, 2};
  if (scene == Dodecahedron) {
    BuildPlatonicScene(v, Platonic::Dodeka, first);
    return;
  }
  // A prism of edge 1 and height 1 shares its volume and surface with a second one.
  const Quantities one = SolveTwoQuantities(TwoQuantitySolid::Prism, 3, {1, 1, 0, 0, 0, 0, 0}, 99).first;
  const TwoQuantityResult two = SolveTwoQuantities(TwoQuantitySolid::Prism, 80, {0, 0, 0, 0, one[4], 0, one[6]}, 99);
  PrepareSolidView(v, first);
  BuildTwoQuantityScene(v, TwoQuantitySolid::Prism, two, 99, first, second);
}

const char* solidLabel(int scene) { return scene == Prism99 ? "prism n = 99, two solutions" : "dodecahedron"; }

// A page of 600 dots per inch: the view prints at print scale 1, 6.25 device
// pixels per screen pixel.
QImage printPage() {
  QImage page(3800, 2200, QImage::Format_RGB32);
  page.setDotsPerMeterX(23622);
  page.setDotsPerMeterY(23622);
  return page;
}

// One rotation step at 600 x 340 (the view renders its picture image); with
// the second argument 1 followed by the picture on a printer page.
void BM_SolidRepaint(benchmark::State& state) {
  app();
  TRot3D v;
  buildSolidScene(v, static_cast<int>(state.range(0)));
  const bool print = state.range(1) != 0;
  QImage page = print ? printPage() : QImage();
  double angle = 0;
  for (auto _ : state) {
    angle += 1;
    v.SetViewAngles(60, 45, 15 + angle);
    benchmark::DoNotOptimize(v.GrafBmp().constBits());
    if (!print) continue;
    QPainter p(&page);
    int x = 0, y = 0;
    v.CopyToOpenPrinter(p, x, y, 1.0, false, false);
    benchmark::DoNotOptimize(page.constBits());
  }
  state.SetLabel(std::string(solidLabel(static_cast<int>(state.range(0)))) + (print ? ", print scale" : ""));
}
BENCHMARK(BM_SolidRepaint)->ArgsProduct({{Prism99, Dodecahedron}, {0, 1}})->Unit(benchmark::kMicrosecond);

void BM_SolidRepaintReference(benchmark::State& state) {
  app();
  TRot3D v;
  buildSolidScene(v, static_cast<int>(state.range(0)));
  QImage page = state.range(1) != 0 ? printPage() : QImage();
  ReferenceScene(v).run(state, v.size(), 60, 15, true, state.range(1) != 0 ? &page : nullptr);
}
BENCHMARK(BM_SolidRepaintReference)->ArgsProduct({{Prism99, Dodecahedron}, {0, 1}})->Unit(benchmark::kMicrosecond);

std::vector<Tr3ChartItem> solidItems(int scene) {
  app();
  TRot3D v;
  buildSolidScene(v, scene);
  return itemsOf(v);
}

// The conversion step of MakeVisible for the scene, and its plain loop.
void BM_SolidMakeVisible(benchmark::State& state) {
  const std::vector<Tr3ChartItem> items = solidItems(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TRotScaling s;
    s.isoMetric = true;
    s.autoOrigin = false;
    auto pts = BuildRotationSpace(items, s);
    benchmark::DoNotOptimize(pts.data());
  }
}
BENCHMARK(BM_SolidMakeVisible)->Arg(Prism99)->Arg(Dodecahedron)->Unit(benchmark::kMicrosecond);

void BM_SolidMakeVisibleReference(benchmark::State& state) {
  plainConversion(state, solidItems(static_cast<int>(state.range(0))), true);
}
BENCHMARK(BM_SolidMakeVisibleReference)->Arg(Prism99)->Arg(Dodecahedron)->Unit(benchmark::kMicrosecond);

// ----- the analytic geometry's largest scene ----------------------------------

// Two wire spheres with their circle of intersection (6,413 items) and a
// plane's outline on the cube, in a view of 600 x 340 pixels, built as the
// two-sphere window builds it on every resize: cleared, filled, InitView3D
// with its MakeVisible.
void buildSpheresScene(TRot3D& v) {
  const TwoSpheresResult res = IntersectSpheres({{0, 0, 0}, {6, 2, 1}, 5, 4});
  const SceneFrame f = SceneFrameFor(v.height(), SpheresExtent({{res.k.m1, res.k.r1}, {res.k.m2, res.k.r2}}));
  v.Clear();
  DrawSphere3D(v, res.k.m1, Qt::darkGreen, res.k.r1, f.scale, 1);
  DrawSphere3D(v, res.k.m2, Qt::blue, res.k.r2, f.scale, 1);
  DrawCircle3D(v, Qt::red, 2, res.m, res.r, {res.n.x, res.n.y, res.n.z}, f.scale);
  DrawPlaneInBox3D(v, {1, 1, 1, 2}, Qt::black, f.size, f.scale, 1);
  InitView3D(v, f.size);
}

// The two-planes window's scene: x + y + z = 1 and x − y = 0 with their line
// of intersection, built as the window builds it on every resize.
void buildTwoPlanesScene(TRot3D& v) {
  static const TwoPlanesResult r = ComputeTwoPlanes({1, 1, 1, 1}, {1, -1, 0, 0});
  v.Clear();
  BuildTwoPlanesScene(v, r, {Qt::red, 1}, {Qt::blue, 1}, {Qt::darkGreen, 2});
}

using SceneBuilder = void (*)(TRot3D&);

void sceneView(TRot3D& v, SceneBuilder build) {
  v.resize(600, 340);
  SetUpSpaceView(v);
  build(v);
}

// The whole rebuild of a resize: the scene built anew and painted once.
void BM_SceneRebuild(benchmark::State& state, SceneBuilder build) {
  app();
  TRot3D v;
  sceneView(v, build);
  for (auto _ : state) {
    build(v);
    benchmark::DoNotOptimize(v.GrafBmp().constBits());
  }
  state.SetLabel(std::to_string(v.NumItems()) + " items");
}

// One rotation step of the built scene, and its plain reference.
void BM_SceneRepaint(benchmark::State& state, SceneBuilder build) {
  app();
  TRot3D v;
  sceneView(v, build);
  double angle = 0;
  for (auto _ : state) {
    angle += 1;
    v.SetViewAngles(100, 0, 240 + angle);
    benchmark::DoNotOptimize(v.GrafBmp().constBits());
  }
}

void BM_SceneRepaintReference(benchmark::State& state, SceneBuilder build) {
  app();
  TRot3D v;
  sceneView(v, build);
  ReferenceScene(v).run(state, v.size(), 100, 240, true, nullptr);
}

std::vector<Tr3ChartItem> sceneItems(SceneBuilder build) {
  app();
  TRot3D v;
  sceneView(v, build);
  return itemsOf(v);
}

void BM_SceneMakeVisible(benchmark::State& state, SceneBuilder build) {
  const std::vector<Tr3ChartItem> items = sceneItems(build);
  for (auto _ : state) {
    TRotScaling s;
    s.isoMetric = true;
    s.autoOrigin = false;
    auto pts = BuildRotationSpace(items, s);
    benchmark::DoNotOptimize(pts.data());
  }
}

void BM_SceneMakeVisibleReference(benchmark::State& state, SceneBuilder build) {
  plainConversion(state, sceneItems(build), true);
}

#define ZW_SCENE_BENCHMARKS(name, builder)                                                        \
  BENCHMARK_CAPTURE(BM_SceneRebuild, name, builder)->Unit(benchmark::kMicrosecond);               \
  BENCHMARK_CAPTURE(BM_SceneRepaint, name, builder)->Unit(benchmark::kMicrosecond);               \
  BENCHMARK_CAPTURE(BM_SceneRepaintReference, name, builder)->Unit(benchmark::kMicrosecond);      \
  BENCHMARK_CAPTURE(BM_SceneMakeVisible, name, builder)->Unit(benchmark::kMicrosecond);           \
  BENCHMARK_CAPTURE(BM_SceneMakeVisibleReference, name, builder)->Unit(benchmark::kMicrosecond)
ZW_SCENE_BENCHMARKS(spheres, buildSpheresScene);
ZW_SCENE_BENCHMARKS(planes, buildTwoPlanesScene);

// The rows of one scene's table, and its rebuild against one 60 Hz frame.
void printSceneRatios(const char* title, const char* name, std::map<std::string, double>& times, int repetitions) {
  const std::string n = name;
  zw::bench::PrintRatios(
      title, times,
      {{"one rotation step at 600 × 340", "BM_SceneRepaint/" + n, "BM_SceneRepaintReference/" + n, "≤ 1.3"},
       {"`MakeVisible` of the scene's items / plain min, max, iso-metric scaling and rounding",
        "BM_SceneMakeVisible/" + n, "BM_SceneMakeVisibleReference/" + n, "≤ 2"}},
      repetitions);
  const double rebuild = times["BM_SceneRebuild/" + n];
  if (rebuild > 0)
    std::printf("| the same scene rebuilt and painted once (a resize) | %.2f ms | | | < 16 ms |\n", rebuild / 1e6);
}

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
  zw::bench::PrintRatios(
      "Solid windows' scenes: time / reference time", reporter.times,
      {{"prism n = 99 with two solutions, one rotation step at 600 × 340", "BM_SolidRepaint/0/0",
        "BM_SolidRepaintReference/0/0", "≤ 1.3"},
       {"dodecahedron, one rotation step at 600 × 340", "BM_SolidRepaint/1/0", "BM_SolidRepaintReference/1/0",
        "≤ 1.3"},
       {"prism n = 99, rotation step and print scale", "BM_SolidRepaint/0/1", "BM_SolidRepaintReference/0/1",
        "≤ 1.3"},
       {"dodecahedron, rotation step and print scale", "BM_SolidRepaint/1/1", "BM_SolidRepaintReference/1/1",
        "≤ 1.3"},
       {"`MakeVisible` of the prism's items / plain min, max, iso-metric scaling and rounding",
        "BM_SolidMakeVisible/0", "BM_SolidMakeVisibleReference/0", "≤ 2"},
       {"`MakeVisible` of the dodecahedron's items / the same", "BM_SolidMakeVisible/1",
        "BM_SolidMakeVisibleReference/1", "≤ 2"}},
      reporter.repetitions);
  printSceneRatios("Analytic geometry's two spheres with their circle and a plane's outline: time / reference time",
                   "spheres", reporter.times, reporter.repetitions);
  printSceneRatios("Analytic geometry's two planes with their line: time / reference time", "planes", reporter.times,
                   reporter.repetitions);
  return 0;
}
