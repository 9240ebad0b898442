#pragma once
// Copies of a 2D chart for the world outside the screen: the clipboard, image
// and SVG files, and printers. Each renders the chart afresh through
// TVIrada::RenderTo, so a copy never depends on what the screen last showed
// (a chart never painted still copies and prints whole).
#include <QByteArray>
#include <QImage>
#include <QString>

class QPainter;
class QPrinter;

namespace zw {

class TVIrada;

// The control image as a picture of the control's size (what the clipboard
// gets), in colour or in black and white.
QImage ChartExportImage(TVIrada& chart, bool blackWhite);
void ChartCopyToClipboard(TVIrada& chart, bool blackWhite);
// A caller's image becomes the control image; a null pointer does nothing.
void ChartCopyToBitmap(TVIrada& chart, QImage* image, bool blackWhite);
// The image to a ".bmp" file in the folder of fileName, named like it up to
// the first "." of its name; false when it cannot be written.
bool ChartCopyToBMP(TVIrada& chart, const QString& fileName, bool blackWhite);

// The picture as SVG at 96 dpi.
QByteArray ChartExportSvg(TVIrada& chart, bool blackWhite);
// SVG and, for programs that take no SVG, the image beside it.
void ChartCopyToClipboardSVG(TVIrada& chart, bool blackWhite);
// The SVG to a ".svg" file named as for ChartCopyToBMP; false when it cannot be written.
bool ChartCopyToSVG(TVIrada& chart, const QString& fileName, bool blackWhite);

// The chart at (x, y) device pixels on the open page of `p`, scaled by
// scaleF from screen inches; x and y move past it.
void ChartCopyToOpenPrinter(TVIrada& chart, QPainter& p, int& x, int& y, double scaleF, bool blackWhite, int dpiX,
                            int dpiY);
// One print job named after the caption (or the object name), the chart
// centred across the page half an inch down; false when the job cannot begin.
bool ChartPrintIt(TVIrada& chart, QPrinter& printer, double scaleF, bool blackWhite);

}  // namespace zw
