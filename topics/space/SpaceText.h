#pragma once
// Small pieces of the analytic-geometry memos: kernel texts as QString, the
// underlined headings, and a vector as the three lines of a column.
#include <QString>
#include <QStringList>
#include <string>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

inline QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

// The heading and its line of macrons, appended to the memo lines (one
// definition for every area, in shell/texts/Texts.cpp).
void AppendHeading(QStringList& lines, const TextMeasurer& font, const QString& text);

// FormatColumnVector's three lines (12 digits, aligned, bracketed when the
// unicode option is on).
struct ColumnLines {
  QString top, middle, bottom;
};
ColumnLines ColumnOf(const TVec3& v);

}  // namespace zw
