#pragma once
// Text of a date-time number (days since 1899-12-30; the whole part is the
// day, the fraction's magnitude the time of day) by a pattern of letters:
// "yy", "yyyy", "mm", "mmm" (abbreviated month name), "dd", "h", "hh", "nn",
// "ss", "zz" (milliseconds, three digits), "am/pm" (12-hour clock); text in
// double quotes and every other character are copied. "zz" always writes
// three digits: as two at the least, 10 ms after "ss." would read ".10", a
// tenth of a second.
#include <QString>
#include <functional>

namespace zw {

using MonthNameSource = std::function<QString(int month)>;  // 1..12

// Abbreviated month names of the system locale.
QString SystemShortMonthName(int month);

QString FormatDateTimePattern(const QString& pattern, double value,
                              const MonthNameSource& monthName = SystemShortMonthName);

}  // namespace zw
