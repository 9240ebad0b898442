#include "shell/Metrics.h"

#include "shell/Fonts.h"
#include "shell/State.h"

namespace zw {

int ScalePixelsAt(int v, int zoom) {
  // 64-bit product: large measures at large zooms must not overflow.
  return static_cast<int>(static_cast<long long>(v) * zoom / 100);
}

int ScalePixels(int v) { return ScalePixelsAt(v, shellState().Zoom); }

int LayoutMetrics::standardEditWidth(int zoom) { return ScalePixelsAt(100, zoom); }

LayoutMetrics computeMetrics(int zoom) {
  auto s = [zoom](int v) { return ScalePixelsAt(v, zoom); };
  LayoutMetrics m;
  m.RowHeight = s(20);
  m.EditWidth = LayoutMetrics::standardEditWidth(zoom);
  m.WideEditWidth = s(136);
  m.NarrowColWidth = s(80);
  m.GridColWidth = s(100);
  m.GridFirstColWidth = s(24);
  for (int i = 1; i <= 9; ++i) m.RowTop[i] = s(16 + 24 * (i - 1));
  m.RowTop[10] = m.RowTop[9];
  for (int i = 1; i <= 7; ++i) m.ColLeft[i] = s(16 + 60 * (i - 1));
  m.HalfRowStep = (m.RowTop[2] - m.RowTop[1]) / 2;
  m.QuarterRowStep = (m.RowTop[2] - m.RowTop[1]) / 4;
  return m;
}

namespace {
int g_metricsZoom = 100;

LayoutMetrics& current() {
  static LayoutMetrics m = computeMetrics(100);
  return m;
}
}  // namespace

const LayoutMetrics& metrics() { return current(); }

int metricsZoom() { return g_metricsZoom; }

void recomputeMetrics() {
  g_metricsZoom = shellState().Zoom;
  current() = computeMetrics(g_metricsZoom);
}

void applyZoom(int zoom) {
  shellState().Zoom = zoom;
  recomputeMetrics();
  ApplyFontHeights();
}

}  // namespace zw
