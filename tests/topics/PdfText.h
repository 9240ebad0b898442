#pragma once
// The text of a PDF file written by Qt's PDF engine, for tests that print.
#include <QString>
#include <QStringList>

namespace zw {

// The text shown on the pages, one line per text item drawn, in drawing order.
QString PdfText(const QString& path);

// The path operators drawn on the pages ("x y m", "x y l", "x1 y1 x2 y2 x3 y3 c",
// "x y w h re"), one per entry in drawing order: what a chart's curves and
// axes leave in the file, to compare two printouts by.
QStringList PdfPaths(const QString& path);

}  // namespace zw
