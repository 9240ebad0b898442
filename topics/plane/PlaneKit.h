#pragma once
// Small pieces the plane-geometry topics share: memo headings, kernel texts
// as QString, and the line through two points of the two-point dialog.
#include <QString>
#include <QStringList>
#include <string>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

inline QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

// The heading and its line of macrons, appended to the memo lines.
void AppendHeading(QStringList& lines, const TextMeasurer& font, const QString& text);

// The line a·x + b·y = c through A and B (a = b = 0 when A = B).
struct LineABC {
  Extended a = 0, b = 0, c = 0;
};
LineABC LineThroughPoints(const TVec2& A, const TVec2& B);
// The three field texts of such a line (15 digits).
QStringList LineFieldTexts(const LineABC& line);

}  // namespace zw
