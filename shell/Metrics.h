#pragma once
// Zoom-scaled layout metrics shared by the main window, the form kit and the
// topic windows. computeMetrics() is a pure function of the zoom percentage;
// metrics() holds the values of the running program, which applyZoom() and
// recomputeMetrics() refresh whenever the zoom changes.
#include <array>

namespace zw {

// v * zoom div 100, the product in integers, truncating toward zero.
int ScalePixelsAt(int v, int zoom);
// ScalePixelsAt with the zoom of the shell state.
int ScalePixels(int v);

struct LayoutMetrics {
  int RowHeight = 0;
  int EditWidth = 0;
  int WideEditWidth = 0;
  int NarrowColWidth = 0;
  int GridColWidth = 0;
  int GridFirstColWidth = 0;
  std::array<int, 11> RowTop{};  // index 1..10 (10 repeats 9), 0 unused
  std::array<int, 8> ColLeft{};  // index 1..7, 0 unused
  int HalfRowStep = 0;
  int QuarterRowStep = 0;

  // The standard edit width.
  static int standardEditWidth(int zoom);
  bool operator==(const LayoutMetrics&) const = default;
};

// All metrics at the given zoom percentage (no display needed).
LayoutMetrics computeMetrics(int zoom);

// The metrics of the running program. Layout code only reads them: a row or
// dialog that needs other values computes its own (computeMetrics or local
// copies), so one layout can never shift the next one.
const LayoutMetrics& metrics();

// The zoom metrics() was computed for (100 until the first recomputation).
int metricsZoom();

// metrics() := computeMetrics(shellState().Zoom).
void recomputeMetrics();

// Sets shellState().Zoom to `zoom` (as given: resolving the "auto" value 0 and
// the work-area limit is the main window's business), recomputes the metrics
// and the heights of the shared fonts.
void applyZoom(int zoom);

}  // namespace zw
