#pragma once
// The text of a PDF file written by Qt's PDF engine, for tests that print.
#include <QString>

namespace zw {

// The text shown on the pages, one line per text item drawn, in drawing order.
QString PdfText(const QString& path);

}  // namespace zw
