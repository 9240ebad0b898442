#include "charts/View3DBase.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QBuffer>
#include <QMimeData>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "platform/files/WriteFile.h"

namespace zw {

namespace {
int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

TView3DBase::TView3DBase(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // the drag anchors come from moves without a button
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TView3DBase::renderGrafBmp() {
  if (paintingSuppressed()) return;
  if (FGrafBmp.size() != size()) FGrafBmp = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  QPainter p(&FGrafBmp);
  paintScreenPicture(p);
}

void TView3DBase::redraw() {
  renderGrafBmp();
  update();
}

void TView3DBase::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, FGrafBmp);
}

void TView3DBase::printScaled(QPainter& printer, int& x, int& y, double scaleF,
                              const std::function<void(QPainter&)>& paint) {
  const QPaintDevice* device = printer.device();
  const double ppiX = device ? device->logicalDpiX() : 96, ppiY = device ? device->logicalDpiY() : 96;
  const int W = width(), H = height();
  printer.save();
  struct Restore {
    QPainter& p;
    ~Restore() { p.restore(); }
  } restore{printer};
  printer.setClipRect(QRect(x, y, roundHalfEven(scaleF * ppiX * (W - 1) / 96.0),
                            roundHalfEven(scaleF * ppiY * (H - 1) / 96.0)),
                      Qt::IntersectClip);
  printer.translate(x, y);
  const double s = std::min(roundHalfEven(scaleF * ppiX), roundHalfEven(scaleF * ppiY)) / 96.0;
  printer.scale(s, s);
  paint(printer);
  x += roundHalfEven(scaleF * W / 96.0 * ppiX);
  y += roundHalfEven(scaleF * H / 96.0 * ppiY);
}

void TView3DBase::CopyToClipboard(bool includeFrame, bool blkWhite) {
  QGuiApplication::clipboard()->setImage(Snapshot(includeFrame, blkWhite));
}

namespace {
// The folder and name of `fname`, cut at the name's first ".", plus `extension`.
QString exportPath(const QString& fname, const char* extension) {
  const QFileInfo info(fname);
  return QDir(info.path()).filePath(info.fileName().section(u'.', 0, 0) + QLatin1String(extension));
}
}  // namespace

bool TView3DBase::CopyToBMP(const QString& fname, bool includeFrame) {
  return WriteImageAtomic(exportPath(fname, ".bmp"), Snapshot(includeFrame), "BMP");
}

QByteArray TView3DBase::SvgPicture(bool includeFrame) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(96);
  svg.setSize(QSize(width() + 1, height() + 1));
  svg.setViewBox(QRect(0, 0, width() + 1, height() + 1));
  svg.setTitle(objectName());
  {
    QPainter p(&svg);
    p.setClipRect(QRect(0, 0, width() + 1, height() + 1));
    paintExport(p, includeFrame);
  }
  return buffer.data();
}

void TView3DBase::CopyToClipboardSVG(bool includeFrame) {
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("image/svg+xml"), SvgPicture(includeFrame));
  mime->setImageData(Snapshot(includeFrame));
  QGuiApplication::clipboard()->setMimeData(mime);
}

bool TView3DBase::CopyToSVG(const QString& fname, bool includeFrame) {
  return WriteFileAtomic(exportPath(fname, ".svg"), SvgPicture(includeFrame));
}

bool TView3DBase::PrintIt(QPrinter& printer, double scaleF, bool blkWhite, bool includeFrame) {
  printer.setDocName(objectName());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const int pictureWidth = roundHalfEven(printer.logicalDpiX() * scaleF * width() / 96.0);
  int x = std::max(0, (printer.width() - pictureWidth) / 2);
  int y = printer.logicalDpiY() / 2;
  CopyToOpenPrinter(painter, x, y, scaleF, blkWhite, includeFrame);
  return painter.end();
}

}  // namespace zw
