#include "shell/mainwindow/WindowLayout.h"

#include <algorithm>
#include <cmath>

#include "shell/Metrics.h"

namespace zw {

std::array<QRect, 6> tileRects(QSize client, int zoom) {
  const int w = ScalePixelsAt(225, zoom);
  const int h = ScalePixelsAt(250, zoom);
  const int g = 10;
  const int y0 = (client.height() - 2 * h - g) / 2;
  const int x0 = (client.width() - 3 * w - 3 * g) / 2;
  std::array<QRect, 6> rects;
  for (int i = 0; i < 6; ++i) {
    const int col = i % 3;
    const int row = i / 3;
    rects[i] = QRect(x0 + col * (w + g), y0 + row * (h + g), w, h);
  }
  return rects;
}

QRect tilePictureRect(int zoom) {
  return QRect(2, 2, ScalePixelsAt(221, zoom), ScalePixelsAt(208, zoom));
}

QRect languageButtonRect(int k, int panelWidth) {
  return QRect(panelWidth - (7 - k) * 36, 1, 34, 22);
}

QPoint cascadePosition(int openBefore, int step, QSize window, QSize client) {
  if (step <= 0 || openBefore <= 0) return {0, 0};
  const int room = std::min(client.width() - window.width(), client.height() - window.height());
  const int steps = std::max(0, room / step) + 1;  // positions that keep the window inside
  const int k = openBefore % steps;
  return {k * step, k * step};
}

WindowPlacement computeWindowPlacement(int zoom, bool maximised, int workAreaHeight, QSize screen) {
  WindowPlacement p;
  p.maximised = maximised;
  p.zoom = zoom == 0 ? 120 : zoom;
  if (maximised) return p;
  const int limit =
      std::max(50, static_cast<int>(std::trunc(static_cast<double>(workAreaHeight) / 700.0 * 90.0)));
  if (limit < p.zoom) p.zoom = limit;
  const int w = kBaseWindowWidth * p.zoom / 100;
  const int h = kBaseWindowHeight * p.zoom / 100;
  const int left = std::max(0, (screen.width() - w) / 2);
  const int top = std::max(0, static_cast<int>(std::trunc(0.95 * screen.height() - h)) / 2);
  p.bounds = QRect(left, top, w, h);
  return p;
}

}  // namespace zw
