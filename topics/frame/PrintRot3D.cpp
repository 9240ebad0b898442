#include "topics/frame/PrintRot3D.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "charts/View3DBase.h"
#include "shell/State.h"

namespace zw {

void PrintRot3D(QPainter& painter, QPagedPaintDevice& device, int y, TView3DBase& view) {
  const ShellState& s = shellState();
  const double ppiY = device.logicalDpiY();
  const int pictureHeight = static_cast<int>(std::nearbyint(s.PrintScale * view.height() / 96.0 * ppiY));
  if (y > 300 && y + pictureHeight > device.height()) {
    device.newPage();
    y = 300;
  }
  int x = 100;
  view.CopyToOpenPrinter(painter, x, y, s.PrintScale, s.PrintBlackWhite, false);
}

}  // namespace zw
