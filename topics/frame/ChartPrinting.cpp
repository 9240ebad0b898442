#include "topics/frame/ChartPrinting.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "charts/ChartExport.h"
#include "charts/VIrada.h"
#include "shell/State.h"

namespace zw {

void PrintChart(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, TVIrada& chart) {
  const double scale = shellState().PrintScale;
  const bool blackWhite = shellState().PrintBlackWhite;
  const int dpiX = painter.device()->logicalDpiX(), dpiY = painter.device()->logicalDpiY();
  const int height = int(std::nearbyint(scale * chart.height() / 96.0 * dpiY));
  if (cursor.y + height > painter.device()->height() && cursor.y > 300) {
    device.newPage();
    cursor.y = 300;
  }
  const TColor wind = chart.WindColor();
  struct Restore {
    TVIrada& c;
    TColor w;
    ~Restore() {
      c.setWindColor(w);
      c.ShowGraf();
    }
  } restore{chart, wind};
  chart.setWindColor(clWhite);
  int x = 200;
  ChartCopyToOpenPrinter(chart, painter, x, cursor.y, scale, blackWhite, dpiX, dpiY);
  cursor.y += 2 * cursor.lineStep;
}

}  // namespace zw
