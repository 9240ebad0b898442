#include "charts/ChartExport.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "charts/VIrada.h"
#include "platform/files/WriteFile.h"

namespace zw {

namespace {

// The control's size as the chart lays itself out (never empty).
QSize controlSize(const TVIrada& chart) { return {std::max(1, chart.width()), std::max(1, chart.height())}; }

// Folder of fileName + its name cut before the first "." + ext.
QString exportName(const QString& fileName, const QString& ext) {
  const QFileInfo fi(fileName);
  QString base = fi.fileName();
  const int dot = int(base.indexOf(u'.'));
  if (dot >= 0) base.truncate(dot);
  return QDir(fi.path()).filePath(base + ext);
}

}  // namespace

QImage ChartExportImage(TVIrada& chart, bool blackWhite) {
  QImage img(controlSize(chart), QImage::Format_RGB32);
  QPainter p(&img);
  chart.RenderTo(p, {.Media = TChartMedia::Bitmap, .BlackWhite = blackWhite});
  return img;
}

void ChartCopyToClipboard(TVIrada& chart, bool blackWhite) {
  QApplication::clipboard()->setImage(ChartExportImage(chart, blackWhite));
}

void ChartCopyToBitmap(TVIrada& chart, QImage* image, bool blackWhite) {
  if (image) *image = ChartExportImage(chart, blackWhite);
}

bool ChartCopyToBMP(TVIrada& chart, const QString& fileName, bool blackWhite) {
  return WriteImageAtomic(exportName(fileName, QStringLiteral(".bmp")), ChartExportImage(chart, blackWhite), "BMP");
}

QByteArray ChartExportSvg(TVIrada& chart, bool blackWhite) {
  const QSize size = controlSize(chart);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(96);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  {
    QPainter p(&svg);
    chart.RenderTo(p, {.Media = TChartMedia::Print, .BlackWhite = blackWhite});
  }
  return bytes;
}

void ChartCopyToClipboardSVG(TVIrada& chart, bool blackWhite) {
  auto* data = new QMimeData;
  data->setData(QStringLiteral("image/svg+xml"), ChartExportSvg(chart, blackWhite));
  data->setImageData(ChartExportImage(chart, blackWhite));
  QApplication::clipboard()->setMimeData(data);
}

bool ChartCopyToSVG(TVIrada& chart, const QString& fileName, bool blackWhite) {
  return WriteFileAtomic(exportName(fileName, QStringLiteral(".svg")), ChartExportSvg(chart, blackWhite));
}

void ChartCopyToOpenPrinter(TVIrada& chart, QPainter& p, int& x, int& y, double scaleF, bool blackWhite, int dpiX,
                            int dpiY) {
  const QSize size = controlSize(chart);
  p.save();
  p.translate(x, y);
  p.scale(scaleF * dpiX / 96.0, scaleF * dpiY / 96.0);
  chart.RenderTo(p, {.Media = TChartMedia::Print, .BlackWhite = blackWhite});
  p.restore();
  x += int(std::nearbyint(scaleF * size.width() / 96.0 * dpiX));
  y += int(std::nearbyint(scaleF * size.height() / 96.0 * dpiY));
}

bool ChartPrintIt(TVIrada& chart, QPrinter& printer, double scaleF, bool blackWhite) {
  printer.setDocName(chart.Caption().isEmpty() ? chart.objectName() : chart.Caption());
  QPainter p;
  if (!p.begin(&printer)) return false;
  const int px = printer.logicalDpiX(), py = printer.logicalDpiY();
  int h = std::max(0, (printer.width() - int(std::nearbyint(px * scaleF * chart.width() / 96.0))) / 2);
  int v = py / 2;
  ChartCopyToOpenPrinter(chart, p, h, v, scaleF, blackWhite, px, py);
  return p.end();
}

}  // namespace zw
