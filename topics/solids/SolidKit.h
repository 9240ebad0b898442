#pragma once
// What the solid topics share beyond the frame: the verdict on a reading
// that must give a fixed number of quantities, and the memo layout of every
// solid window (underlined headings, names that end in one column, values
// with eight significant digits).
#include <QString>
#include <QStringList>
#include <array>
#include <span>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;
struct FieldReading;

// The seven quantities of a solid, in edit order.
using Quantities = std::array<Extended, 7>;

// What a reading of the quantity fields says.
struct CountVerdict {
  int message = 0;  // 0: compute; else the message to show (3, 4 or 22)
  int focus = -1;   // the field that takes the focus, or -1 for none
  int mask = 0;     // bit i set: field i holds a value above 0
  int last = -1;    // the last field above 0, in edit order
};

// The first `count` fields of `reading` are quantities, of which exactly
// `required` must be above 0. What each read left counts, failed or not (a
// negative number counts as not given). All read well and `required` above
// 0: compute. Otherwise fewer give message 3, more message 4, and with
// exactly `required` the failed reads give message 22 with the focus on the
// first failed field.
CountVerdict JudgeCount(const FieldReading& reading, int count, int required);

// "text" and its underline of macrons, as two memo lines.
QStringList HeadingLines(const TextMeasurer& font, const QString& text);
// The heading "Gegeben:" or "Ergebnisse:" (messages 26 and 27 with a colon).
QStringList MessageHeading(const TextMeasurer& font, int message);

// The column the names end in: blanks as wide as the widest name plus three
// blanks.
QString NameColumn(const TextMeasurer& font, std::span<const QString> names);
// name padded on the left to the column, " = " and the value.
QString ResultLine(const TextMeasurer& font, const QString& column, const QString& name, const QString& value);

// FormatReal with eight significant digits.
QString Real8(Extended x);

}  // namespace zw
