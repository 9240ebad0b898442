#pragma once
// Where the ticks of a time axis (values in seconds) and of a calendar axis
// (days since 1899-12-30, the fraction being the time of day) go, and the
// pattern each label is written with. Plain C++: the axis renderer turns the
// patterns into texts (month names come from a locale) and draws.
#include <string>
#include <vector>

#include "charts/AxisTypes.h"

namespace zw {

// One tick, in drawing order. Every tick listed is drawn and recorded.
struct AxisTick {
  double value = 0;
  bool isLong = false;
  std::u16string text;         // a finished label (time axes)
  std::u16string pattern;      // a date-time pattern for the value (calendar axes)
  std::u16string datePattern;  // a date line under a time-of-day label; empty: none
};

// Ticks of a time axis. False when the range asks for steps below a
// millisecond or of a day and more: the axis then shows numbers. Here and on
// calendar axes a tick count of 0 counts as one interval.
bool PlanTimeTicks(double low, double high, int minTicks, bool vertical, bool shortTicks,
                   std::vector<AxisTick>& out);

// " hh:mm:ss" or "-hh:mm:ss", hours with at least two digits, optionally
// with ".mmm". A negative value that rounds to zero is written with the
// blank, so that a zero tick a hair below 0 does not read "-00:00:00".
std::u16string FormatSeconds(double v, bool millis);

enum class CalendarNote { None, Invalid, BelowSecond };

// Ticks of a calendar axis, or a note to write instead (a reversed range, one
// outside 0001-01-01 .. 3000000, or one too fine to label).
CalendarNote PlanCalendarTicks(double low, double high, int minTicks, bool vertical, bool shortTicks,
                               const DateLabelStyle& style, std::vector<AxisTick>& out);

// The date by the style's order, separator, month form and year length.
std::u16string DatePattern(const DateLabelStyle& style);

// A calendar value in the formatter's convention: whole days counted from
// 1899-12-30 by their sign, the time of day always counted forward.
double CalendarToFormatter(double v);

// A value in the formatter's convention as its day (days since 1899-12-30)
// and the milliseconds of its time of day, rounded; a time that rounds to a
// whole day is midnight of the next day.
void SplitFormatterValue(double w, long long& day, long long& msOfDay);

// Proleptic Gregorian calendar, days since 1899-12-30.
long long DaysFromCivil(long long year, int month, int day);
void CivilFromDays(long long days, long long& year, int& month, int& day);

}  // namespace zw
