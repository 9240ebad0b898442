#include "charts/TimeTicks.h"

#include <algorithm>
#include <cmath>

namespace zw {

namespace {

constexpr double kT = kTickTolerance;
constexpr double kEnd = 1e-8;  // end test of the calendar loops, days
constexpr std::size_t kMaxTicks = kMaxAxisTicks;

// "step <= q" with room for the rounding of q (0.3 / 3 is a hair below 0.1;
// a span of dates in 2024 is known to about 1e-11 days).
bool fits(double step, double q) { return step <= q * (1 + 1e-6); }

// Rounded half away from zero, as tick indexes are.
double roundAway(double v) { return std::copysign(std::floor(std::fabs(v) + 0.5), v); }

long long floorMod(long long a, long long m) {
  const long long r = a % m;
  return r < 0 ? r + m : r;
}

std::u16string digits(long long v, int width) {
  std::u16string s;
  for (const char c : std::to_string(v)) s += char16_t(c);
  while (int(s.size()) < width) s.insert(s.begin(), u'0');
  return s;
}

std::u16string quoted(char16_t c) { return std::u16string(u"\"") + c + u"\""; }

// The day a calendar value falls on, as the label formatter sees it
// (milliseconds rounded, so a tick a hair before midnight is the next day).
long long dayOf(double v) {
  long long day, ms;
  SplitFormatterValue(CalendarToFormatter(v), day, ms);
  return day;
}

void yearMonthOf(double v, long long& year, int& month) {
  int day;
  CivilFromDays(dayOf(v), year, month, day);
}

enum class DayTier { Hours, Minutes, Seconds, Hundredths };

std::u16string timePattern(const DateLabelStyle& st, DayTier tier) {
  const std::u16string S = quoted(st.timeSeparator);
  switch (st.timeFormat) {
    case TTimeFormat::tfHHMMSS:
      switch (tier) {
        case DayTier::Hours:
        case DayTier::Minutes: return u"hh" + S + u"nn";
        case DayTier::Seconds: return u"hh" + S + u"nn" + S + u"ss";
        case DayTier::Hundredths: return u"hh" + S + u"nn" + S + u"ss.zz";
      }
      break;
    case TTimeFormat::tfHHhMM:
      switch (tier) {
        case DayTier::Hours: return u"h\"h\"";
        case DayTier::Minutes: return u"h\"h\"nn";
        case DayTier::Seconds: return u"h\"h\"nn" + S + u"ss";
        case DayTier::Hundredths: return u"h\"h\"nn" + S + u"ss.zz";
      }
      break;
    case TTimeFormat::tfAMPM:
      switch (tier) {
        case DayTier::Hours: return u"ham/pm";
        case DayTier::Minutes: return u"h" + S + u"nnam/pm";
        case DayTier::Seconds: return u"h" + S + u"nn\".\"ssam/pm";
        case DayTier::Hundredths: return u"h" + S + u"nn\".\"ss.zzam/pm";
      }
      break;
  }
  return {};
}

std::u16string yearPart(const DateLabelStyle& st) {
  switch (st.yearLength) {
    case TYearLength::ylYY: return u"yy";
    case TYearLength::ylYYYY: return u"yyyy";
    case TYearLength::ylNone: break;
  }
  return {};
}

std::u16string monthPart(const DateLabelStyle& st) { return st.monthName ? u"mmm" : u"mm"; }

// Month and year (or the month alone) in the style's order.
std::u16string monthYearPattern(const DateLabelStyle& st) {
  const std::u16string M = monthPart(st), Y = yearPart(st), sep = quoted(st.dateSeparator);
  if (Y.empty()) return M;
  return st.dateOrder == TDateOrder::doYYMMDD ? Y + sep + M : M + sep + Y;
}

void push(std::vector<AxisTick>& out, double v, bool isLong) {
  if (out.size() >= kMaxTicks) return;
  AxisTick t;
  t.value = v;
  t.isLong = isLong;
  out.push_back(std::move(t));
}

// Hours, minutes, seconds or hundredths of a second: multiples of a step
// counted from midnight, with a date line as the style asks.
void timeOfDayTicks(double low, double high, double q, DayTier tier, bool shortTicks, const DateLabelStyle& st,
                    std::vector<AxisTick>& out) {
  static constexpr int kHours[6] = {1, 2, 3, 6, 8, 12}, kHoursShort[6] = {1, 1, 1, 2, 2, 3};
  static constexpr int kMinSec[6] = {1, 2, 5, 10, 20, 30}, kMinSecShort[6] = {1, 1, 1, 2, 5, 10};
  static constexpr int kHund[6] = {1, 2, 5, 10, 20, 50}, kHundShort[6] = {1, 1, 1, 5, 10, 10};
  double u = 24;
  const int* steps = kHours;
  const int* shorts = kHoursShort;
  switch (tier) {
    case DayTier::Hours: break;
    case DayTier::Minutes: u = 1440, steps = kMinSec, shorts = kMinSecShort; break;
    case DayTier::Seconds: u = 86400, steps = kMinSec, shorts = kMinSecShort; break;
    case DayTier::Hundredths: u = 8640000, steps = kHund, shorts = kHundShort; break;
  }
  int idx = 0;
  for (int i = 5; i >= 0; --i)
    if (fits(steps[i], u * q)) {
      idx = i;
      break;
    }
  const long long step = steps[idx];
  // A range that starts on a tick keeps it, although u * f may come out a
  // hair above the whole number it stands for.
  const double D = std::floor(low), f = low - D, uf = u * f - 1e-6;
  const long long e = static_cast<long long>(std::ceil(uf));
  const long long e2 = (e == 0 || e % step == 0) ? 0 : step - e % step;
  const double first = D + std::ceil(double(e2) + uf) / u;
  const double from = low - 1e-9;
  const double longStep = double(step) / u, shortStep = double(shorts[idx]) / u;
  double start = first;
  if (shortTicks) {
    const double back = std::ceil((first - from) / shortStep);
    if (back > 0) start = first - back * shortStep;
  }
  const double adv = shortTicks ? shortStep : longStep;
  const std::u16string pattern = timePattern(st, tier), date = DatePattern(st);
  bool anyLong = false;
  long long lastDay = 0;
  bool haveDay = false;
  for (long long j = 0; out.size() < kMaxTicks; ++j) {
    const double v = start + double(j) * adv;
    if (!(v - high < kEnd)) break;
    if (v < from) continue;
    const double r = v / longStep;
    const bool isLong = !shortTicks || std::fabs(r - roundAway(r)) < 0.1;
    push(out, v, isLong);
    if (!isLong) continue;
    AxisTick& t = out.back();
    t.pattern = pattern;
    bool dateLine = false;
    switch (st.dateForTime) {
      case TDateForTime::dtNone: break;
      case TDateForTime::dtOnePerChart: dateLine = !anyLong; break;
      case TDateForTime::dtOnePerDay: {
        long long y;
        int m, d;
        CivilFromDays(dayOf(v), y, m, d);
        dateLine = !haveDay || d != lastDay;
        lastDay = d, haveDay = true;
        break;
      }
      case TDateForTime::dtAllTicks: dateLine = true; break;
    }
    if (dateLine) t.datePattern = date;
    anyLong = true;
  }
}

void dayTicks(double low, double high, double q, bool shortTicks, const DateLabelStyle& st,
              std::vector<AxisTick>& out) {
  static constexpr int kDays[6] = {1, 2, 3, 7, 14, 28};
  long long step = 1;
  for (int i = 5; i >= 0; --i)
    if (fits(kDays[i], q)) {
      step = kDays[i];
      break;
    }
  const long long shortStep = step >= 14 ? 7 : 1;
  long long year;
  int month;
  yearMonthOf(low, year, month);
  const double J = double(DaysFromCivil(year, 1, 1));
  const double first = J + double(step * (static_cast<long long>(std::trunc(low - J)) / step));
  const long long phase = floorMod(std::llround(first), step);
  const double adv = double(shortTicks ? shortStep : step);
  const std::u16string pattern = DatePattern(st);
  for (long long j = 0; out.size() < kMaxTicks; ++j) {
    const double v = first + double(j) * adv;
    if (!(v - high < kEnd)) break;
    if (v < low) continue;
    const bool isLong = !(shortTicks && floorMod(std::llround(v), step) != phase);
    push(out, v, isLong);
    if (isLong) out.back().pattern = pattern;
  }
}

void monthTicks(double low, double high, int n, bool shortTicks, const DateLabelStyle& st,
                std::vector<AxisTick>& out) {
  static constexpr int kMonths[5] = {1, 2, 3, 4, 6};
  const double m = (high - low) / 30.4375 / n;
  int step = 1;
  for (int i = 4; i >= 0; --i)
    if (fits(kMonths[i], m)) {
      step = kMonths[i];
      break;
    }
  long long year;
  int month;
  yearMonthOf(low, year, month);
  auto advance = [&](int by) {
    month += by;
    while (month > 12) month -= 12, ++year;
  };
  // Without short ticks the labelled months are the only ones drawn: start
  // at the first of them not before Low. Low's own month counts when Low is
  // its 1st (as Low's own year does for years), else a range from 1 January
  // would show January with short ticks and lose it without them.
  if (step > 1 && !shortTicks)
    while (month % step != 1 || double(DaysFromCivil(year, month, 1)) < low) advance(1);
  const std::u16string pattern = monthYearPattern(st);
  while (out.size() < kMaxTicks) {
    const double v = double(DaysFromCivil(year, month, 1));
    if (!(v - high < kEnd)) break;
    if (v >= low) {
      const bool isLong = !(shortTicks && step != 1 && month % step != 1);
      push(out, v, isLong);
      if (isLong) out.back().pattern = pattern;
    }
    advance(shortTicks ? 1 : step);
  }
}

void yearTicks(double low, double high, int n, bool shortTicks, const DateLabelStyle& st,
               std::vector<AxisTick>& out) {
  const double y = std::max(1.0, (high - low) / 365.25 / n);
  const double lg = std::log10(y);
  const double e = std::trunc(lg), mant = std::pow(10.0, lg - e);
  const int g = mant >= 5 - 1e-9 ? 5 : mant >= 2 - 1e-9 ? 2 : 1;
  const long long L = std::llround(g * std::pow(10.0, e));
  long long s = L;
  if (shortTicks && L > 1) s = static_cast<long long>(std::nearbyint(double(L) / (g == 5 ? 5 : 2)));
  s = std::max(1LL, s);
  long long y0;
  int month;
  yearMonthOf(low, y0, month);
  long long year = y0 - floorMod(y0, s);
  if (year < y0) year += s;
  if (year == y0 && low > double(DaysFromCivil(y0, 1, 1))) year += s;
  for (; year <= 9999 && out.size() < kMaxTicks; year += s) {
    const double v = double(DaysFromCivil(year, 1, 1));
    if (!(v - high < kEnd)) break;
    const bool isLong = !(shortTicks && floorMod(year, L) != 0);
    push(out, v, isLong);
    if (!isLong) continue;
    switch (st.yearLength) {
      case TYearLength::ylYY: out.back().text = digits(floorMod(year, 100), 2); break;
      case TYearLength::ylYYYY: out.back().text = digits(year, 1); break;
      case TYearLength::ylNone: break;
    }
  }
}

}  // namespace

long long DaysFromCivil(long long y, int m, int d) {
  // Days from 1970-01-01 by the era method, shifted to 1899-12-30.
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25569;
}

void CivilFromDays(long long days, long long& year, int& month, int& day) {
  const long long z = days - 25569 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = int(doy - (153 * mp + 2) / 5 + 1);
  month = int(mp < 10 ? mp + 3 : mp - 9);
  year = yoe + era * 400 + (month <= 2);
}

double CalendarToFormatter(double v) {
  if (std::fabs(v) < 1e-8) return 0;
  if (v >= 0) return v;
  const double whole = std::trunc(v), fr = v - whole;  // fr in (-1, 0]
  // A value a hair below a whole day is that day at midnight. The day below
  // it (floor(v) - frac(v)) would be a whole day early: a tick computed as
  // -1.0000000000001 would read 28-Dec-1899 instead of 29-Dec-1899.
  if (fr > -1e-8) return whole;
  return std::floor(v) - fr - 1;
}

void SplitFormatterValue(double w, long long& day, long long& msOfDay) {
  const double whole = std::trunc(w);
  day = static_cast<long long>(whole);
  msOfDay = std::llround(std::fabs(w - whole) * 86400000.0);
  // The time of day runs forward from the day whatever the sign of w.
  if (msOfDay >= 86400000LL) msOfDay -= 86400000LL, ++day;
}

std::u16string DatePattern(const DateLabelStyle& st) {
  const std::u16string M = monthPart(st), Y = yearPart(st), D = u"dd", sep = quoted(st.dateSeparator);
  switch (st.dateOrder) {
    case TDateOrder::doMMDDYY: return Y.empty() ? M + sep + D : M + sep + D + sep + Y;
    case TDateOrder::doDDMMYY: return Y.empty() ? D + sep + M : D + sep + M + sep + Y;
    case TDateOrder::doYYMMDD: return Y.empty() ? M + sep + D : Y + sep + M + sep + D;
  }
  return {};
}

std::u16string FormatSeconds(double v, bool millis) {
  long long ms = std::isfinite(v) ? std::llround(std::min(std::fabs(v), 9e15) * 1000) : 0;
  if (!millis) ms -= ms % 1000;
  std::u16string s(1, v < 0 && ms != 0 ? u'-' : u' ');
  s += digits(ms / 3600000, 2) + u':' + digits(ms / 60000 % 60, 2) + u':' + digits(ms / 1000 % 60, 2);
  if (millis) s += u'.' + digits(ms % 1000, 3);
  return s;
}

bool PlanTimeTicks(double low, double high, int minTicks, bool vertical, bool shortTicks,
                   std::vector<AxisTick>& out) {
  static constexpr double kStep[29] = {0,    0.001, 0.002, 0.005, 0.01, 0.02,  0.05,  0.1,   0.2,  0.5,
                                       1,    2,     5,     10,    20,   30,    60,    120,   180,  300,
                                       600,  1200,  1800,  3600,  7200, 14400, 21600, 43200, 86400};
  static constexpr int kShort[29] = {1, 5, 4, 5, 5, 4, 5, 5, 4, 5, 5, 4, 5, 5, 4,
                                     6, 6, 6, 6, 5, 5, 6, 6, 6, 4, 4, 6, 6, 6};
  out.clear();
  if (!std::isfinite(low) || !std::isfinite(high) || low == high) return false;
  const int n = std::max(1, minTicks);
  const double q = std::fabs(high - low) / n;
  int a = 0;
  for (int i = 28; i >= 1; --i)
    if (fits(kStep[i], q)) {
      a = i;
      break;
    }
  if (a <= 0 || a >= 28) return false;
  const double sign = high > low ? 1 : -1;
  const double step = sign * kStep[a], sub = step / kShort[a];
  const double k = vertical ? std::trunc(low / step / kT) : std::floor(low / step / kT);
  const double start = k * step;
  // Counted from the start, which may lie more than a step before the range,
  // so that the tick at the far end is reached.
  const long long count = static_cast<long long>(std::trunc((high - start) / sub)) + 2;
  // Tolerant ends, widened outwards. They are taken of the smaller and the
  // larger end: taken of Low and High as such, they would narrow a reversed
  // range, whose end ticks (90 on 90 .. 0) would then be lost.
  const double smaller = std::min(low, high), larger = std::max(low, high);
  const double lo = smaller >= 0 ? smaller * kT : smaller / kT, hi = larger > 0 ? larger / kT : larger * kT;
  auto inside = [&](double v) { return v >= lo && v <= hi; };
  if (shortTicks)
    for (long long j = 0; j <= count; ++j) {
      const double v = start + double(j) * sub;
      if (inside(v)) push(out, v, false);
    }
  for (long long j = 0; j <= count; ++j) {
    const double v = start + double(j) * sub;
    const double r = v / step;
    if (std::fabs(r - roundAway(r)) >= 0.01 || !inside(v) || out.size() >= kMaxTicks) continue;
    push(out, v, true);
    out.back().text = FormatSeconds(v, a <= 9);
  }
  return true;
}

CalendarNote PlanCalendarTicks(double low, double high, int minTicks, bool vertical, bool shortTicks,
                               const DateLabelStyle& st, std::vector<AxisTick>& out) {
  out.clear();
  if (!(high >= low) || !(low >= -693593) || !(high <= 3000000)) return CalendarNote::Invalid;
  const int n = std::max(1, minTicks);
  const double q = (high - low) / n;
  if (q <= (vertical ? 1.0 / 8640000 : 0.000011574)) return CalendarNote::BelowSecond;
  if (vertical && q <= 1.0 / 86400)
    timeOfDayTicks(low, high, q, DayTier::Hundredths, shortTicks, st, out);
  else if (q <= (vertical ? 1.0 / 1440 : 0.00069444))
    timeOfDayTicks(low, high, q, DayTier::Seconds, shortTicks, st, out);
  else if (q <= 0.041667)
    timeOfDayTicks(low, high, q, DayTier::Minutes, shortTicks, st, out);
  else if (q <= 1)
    timeOfDayTicks(low, high, q, DayTier::Hours, shortTicks, st, out);
  else if (q <= 30)
    dayTicks(low, high, q, shortTicks, st, out);
  else if (q <= 366)
    monthTicks(low, high, n, shortTicks, st, out);
  else
    yearTicks(low, high, n, shortTicks, st, out);
  return CalendarNote::None;
}

}  // namespace zw
