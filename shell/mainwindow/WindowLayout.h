#pragma once
// Pure geometry of the main window: where the subject tiles go in the empty
// client area, where the language buttons sit, and the window's zoomed size
// and position. No display is needed, so tests can check every case.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace zw {

inline constexpr int kBaseWindowWidth = 1000;
inline constexpr int kBaseWindowHeight = 700;

// The six tiles in the order Algebra, Geometry 2D, Geometry 3D (first row),
// Analysis, Stochastics, Linear algebra (second row): w = S(225), h = S(250),
// gap 10 unscaled; the block is centred, the horizontal formula subtracting
// three gaps.
std::array<QRect, 6> tileRects(QSize client, int zoom);

// Picture inside a tile: left 2, top 2, S(221) x S(208).
QRect tilePictureRect(int zoom);

// Language button k (0..6) on the language panel: 34 x 22 at top 1, left edge
// panelWidth - (7 - k) * 36.
QRect languageButtonRect(int k, int panelWidth);

// Where a new topic window goes in the client area: cascaded below and right
// of the windows already open, `step` pixels per window, starting again at the
// top left corner where the window would no longer fit.
QPoint cascadePosition(int openBefore, int step, QSize window, QSize client);

struct WindowPlacement {
  bool maximised = false;
  int zoom = 100;   // the zoom after "auto" and the work-area limit
  QRect bounds;     // normal state only
};

// The main window's state and bounds for a zoom setting (0 = automatic, 120).
// In normal state the height stays within 90 % of the work area (the zoom is
// lowered to Trunc(workAreaHeight / 700 * 90), never below 50), the window is
// 1000 x 700 scaled and centred: left (screen width - w) div 2, top
// Trunc(0.95 * screen height - h) div 2, each at least 0.
WindowPlacement computeWindowPlacement(int zoom, bool maximised, int workAreaHeight, QSize screen);

}  // namespace zw
