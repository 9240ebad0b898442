// Ticks and labels of time axes (seconds) and calendar axes (days since
// 1899-12-30): tick values and label texts across the ranges, from seconds to
// years, with leap years, month lengths and ranges across midnight and year ends.
#include <QPainter>
#include <QStringList>
#include <gtest/gtest.h>

#include "charts/ChartLayers.h"
#include "charts/DateTimeText.h"
#include "charts/Scale.h"
#include "charts/TimeTicks.h"
#include "tests/common/RecordingPaintDevice.h"

namespace zw {
namespace {

QString monthName(int m) {
  static const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return QString::fromLatin1(names[m - 1]);
}

// A calendar value: a day and a time of day.
double at(int y, int mo, int d, int h = 0, int mi = 0, double s = 0) {
  return double(DaysFromCivil(y, mo, d)) + (h * 3600 + mi * 60 + s) / 86400.0;
}

// The long ticks' labels, a date line after a "/".
QStringList longLabels(const std::vector<AxisTick>& ticks) {
  QStringList out;
  for (const AxisTick& t : ticks) {
    if (!t.isLong) continue;
    const double v = CalendarToFormatter(t.value);
    QString s = t.pattern.empty() ? QString::fromStdU16String(t.text)
                                  : FormatDateTimePattern(QString::fromStdU16String(t.pattern), v, monthName);
    if (!t.datePattern.empty()) s += "/" + FormatDateTimePattern(QString::fromStdU16String(t.datePattern), v, monthName);
    out << s;
  }
  return out;
}

int shortCount(const std::vector<AxisTick>& ticks) {
  int n = 0;
  for (const AxisTick& t : ticks) n += !t.isLong;
  return n;
}

TEST(TimeTicks, CalendarArithmetic) {
  struct Case { long long y; int m, d; long long days; } cases[] = {
      {1899, 12, 30, 0}, {1900, 1, 1, 2}, {1900, 3, 1, 61},  // 1900 is no leap year
      {2000, 2, 29, 36585}, {2000, 3, 1, 36586}, {2024, 2, 29, 45351}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaysFromCivil(c.y, c.m, c.d), c.days) << c.y << "-" << c.m << "-" << c.d;
    long long y;
    int m, d;
    CivilFromDays(c.days, y, m, d);
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(m, c.m);
    EXPECT_EQ(d, c.d);
  }
  // Before the epoch the day counts back and the time of day forward; values
  // a hair off a whole day (as tick loops make them) are that day's midnight.
  struct Text { double v; const char* text; } texts[] = {
      {-1.25, "28.12.1899 18:00:00.000"},
      {-2, "28.12.1899 00:00:00.000"},
      {-1.0000000000000002, "29.12.1899 00:00:00.000"},
      {-0.9999999999999998, "29.12.1899 00:00:00.000"},
      {-1.00000002, "28.12.1899 23:59:59.998"},
      {-1e-9, "30.12.1899 00:00:00.000"},
      {0.9999999999999998, "31.12.1899 00:00:00.000"},
  };
  for (const Text& t : texts)
    EXPECT_EQ(FormatDateTimePattern("dd.mm.yyyy hh:nn:ss.zz", CalendarToFormatter(t.v)), t.text) << t.v;
  // In the formatter's own convention a time that rounds to 24:00 is the
  // next day, also on a day before the epoch (day -2 is 28.12.1899).
  EXPECT_EQ(FormatDateTimePattern("dd.mm.yyyy hh:nn", -2.9999999999), "29.12.1899 00:00");
  EXPECT_EQ(FormatDateTimePattern("dd.mm.yyyy hh:nn", 2.9999999999), "02.01.1900 00:00");
}

TEST(TimeTicks, SecondsAxes) {
  struct Case {
    const char* what;
    double lo, hi;
    int n;
    QStringList labels;
  } cases[] = {
      {"half a minute steps", 0, 100, 3, {" 00:00:00", " 00:00:30", " 00:01:00", " 00:01:30"}},
      {"tenths (0.3 / 3 is a hair below 0.1)", 0, 0.3, 3,
       {" 00:00:00.000", " 00:00:00.100", " 00:00:00.200", " 00:00:00.300"}},
      {"negative times", -7200, 7200, 4, {"-02:00:00", "-01:00:00", " 00:00:00", " 01:00:00", " 02:00:00"}},
      {"hours with three digits", 360000, 400000, 2, {" 100:00:00", " 104:00:00", " 108:00:00"}},
      {"reversed", 100, 0, 3, {" 00:01:30", " 00:01:00", " 00:00:30", " 00:00:00"}},
      {"reversed, starting on a tick", 90, 0, 3, {" 00:01:30", " 00:01:00", " 00:00:30", " 00:00:00"}},
      {"reversed, ending on a tick below zero", 0, -90, 3, {" 00:00:00", "-00:00:30", "-00:01:00", "-00:01:30"}},
      {"reversed, one interval ending on ticks", 60, 59.998, 0, {" 00:01:00.000", " 00:00:59.998"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<AxisTick> t;
    ASSERT_TRUE(PlanTimeTicks(c.lo, c.hi, c.n, false, false, t));
    EXPECT_EQ(longLabels(t), c.labels);
  }
  // Short ticks: 0..100 has steps of 30 s with 6 short intervals.
  std::vector<AxisTick> t;
  ASSERT_TRUE(PlanTimeTicks(0, 100, 3, false, true, t));
  EXPECT_EQ(shortCount(t), 21);
  EXPECT_DOUBLE_EQ(t[1].value, 5);
  // A vertical axis starts its short ticks at the multiple towards zero, a
  // horizontal one below the range.
  ASSERT_TRUE(PlanTimeTicks(-15, 5, 2, false, true, t));
  EXPECT_DOUBLE_EQ(t.front().value, -14);
  ASSERT_TRUE(PlanTimeTicks(-15, 5, 2, true, true, t));
  EXPECT_DOUBLE_EQ(t.front().value, -10);
  // Steps below a millisecond or of a day and more: numbers instead.
  EXPECT_FALSE(PlanTimeTicks(0, 0.002, 3, false, false, t));
  EXPECT_FALSE(PlanTimeTicks(0, 3 * 86400, 3, false, false, t));
  // No tick count (0) counts as one interval.
  ASSERT_TRUE(PlanTimeTicks(0, 100, 0, false, false, t));
  EXPECT_EQ(longLabels(t), QStringList({" 00:00:00", " 00:01:00"}));
  // Rounding to the millisecond carries into the seconds.
  EXPECT_EQ(FormatSeconds(59.9996, true), u" 00:01:00.000");
  EXPECT_EQ(FormatSeconds(-1e-7, false), u" 00:00:00");
}

TEST(TimeTicks, CalendarTiersAndLabels) {
  const DateLabelStyle plain = AxisDateFormat().Style();  // dd-mmm-yyyy, hh:nn, a date under the first time of each day
  DateLabelStyle ampm = plain;
  ampm.timeFormat = TTimeFormat::tfAMPM;
  ampm.dateForTime = TDateForTime::dtNone;
  DateLabelStyle ymd = plain;
  ymd.dateOrder = TDateOrder::doYYMMDD;
  ymd.yearLength = TYearLength::ylYY;
  ymd.monthName = false;
  ymd.dateSeparator = u'/';
  DateLabelStyle hh = plain;
  hh.timeFormat = TTimeFormat::tfHHhMM;
  hh.dateForTime = TDateForTime::dtAllTicks;
  struct Case {
    const char* what;
    double lo, hi;
    int n;
    bool vertical, shortTicks;
    const DateLabelStyle& style;
    QStringList labels;
    int shorts;
  } cases[] = {
      {"seconds", at(2024, 3, 10, 12), at(2024, 3, 10, 12, 0, 30), 3, false, false, plain,
       {"12:00:00/10-Mar-2024", "12:00:10", "12:00:20", "12:00:30"}, 0},
      {"minutes across midnight and the year end", at(2023, 12, 31, 23, 40), at(2024, 1, 1, 0, 20), 4, false, false,
       plain, {"23:40/31-Dec-2023", "23:50", "00:00/01-Jan-2024", "00:10", "00:20"}, 0},
      {"hours over a leap day", at(2024, 2, 27, 18), at(2024, 3, 1, 6), 4, false, false, plain,
       {"00:00/28-Feb-2024", "12:00", "00:00/29-Feb-2024", "12:00", "00:00/01-Mar-2024"}, 0},
      {"hours with short ticks every three hours", at(2024, 2, 27, 18), at(2024, 3, 1, 6), 4, false, true, plain,
       {"00:00/28-Feb-2024", "12:00", "00:00/29-Feb-2024", "12:00", "00:00/01-Mar-2024"}, 16},
      {"a 12-hour clock", at(2024, 3, 10, 6), at(2024, 3, 10, 18), 2, false, false, ampm, {"6am", "12pm", "6pm"}, 0},
      {"an hour-letter clock with the date at every tick", at(2024, 3, 10, 6), at(2024, 3, 10, 18), 2, false, false,
       hh, {"6h/10-Mar-2024", "12h/10-Mar-2024", "18h/10-Mar-2024"}, 0},
      {"before 1899-12-30", -1.5, -1, 2, false, false, plain,
       {"12:00/28-Dec-1899", "18:00", "00:00/29-Dec-1899"}, 0},
      {"before 1899-12-30, midnight reached by short steps", -2, 0, 6, false, true, plain,
       {"00:00/28-Dec-1899", "08:00", "16:00", "00:00/29-Dec-1899", "08:00", "16:00", "00:00/30-Dec-1899"}, 18},
      {"tenths on a vertical axis", at(2024, 3, 10, 12), at(2024, 3, 10, 12, 0, 0.5), 5, true, false, plain,
       {"12:00:00.000/10-Mar-2024", "12:00:00.100", "12:00:00.200", "12:00:00.300", "12:00:00.400", "12:00:00.500"},
       0},
      {"hundredths on a vertical axis", at(2024, 3, 10, 12), at(2024, 3, 10, 12, 0, 0.06), 5, true, false, plain,
       {"12:00:00.000/10-Mar-2024", "12:00:00.010", "12:00:00.020", "12:00:00.030", "12:00:00.040", "12:00:00.050",
        "12:00:00.060"},
       0},
      {"hundredths on a 12-hour clock", at(2024, 3, 10, 13), at(2024, 3, 10, 13, 0, 0.02), 2, true, false, ampm,
       {"1:00.00.000pm", "1:00.00.010pm", "1:00.00.020pm"}, 0},
      {"two days in a leap year", at(2024, 2, 26), at(2024, 3, 3), 3, false, false, plain,
       {"26-Feb-2024", "28-Feb-2024", "01-Mar-2024", "03-Mar-2024"}, 0},
      {"two days in a common year", at(2023, 2, 26), at(2023, 3, 4), 3, false, false, plain,
       {"26-Feb-2023", "28-Feb-2023", "02-Mar-2023", "04-Mar-2023"}, 0},
      {"fortnights counted from 1 January, weeks between", at(2024, 1, 10), at(2024, 3, 1), 3, false, true, plain,
       {"15-Jan-2024", "29-Jan-2024", "12-Feb-2024", "26-Feb-2024"}, 3},
      {"months across the year end", at(2023, 11, 15), at(2024, 8, 1), 3, false, true, plain,
       {"Jan-2024", "Mar-2024", "May-2024", "Jul-2024"}, 5},
      {"months without short ticks start at a labelled month", at(2023, 11, 15), at(2024, 8, 1), 3, false, false,
       ymd, {"24/01", "24/03", "24/05", "24/07"}, 0},
      {"quarters from 1 January", at(2024, 1, 1), at(2024, 12, 31), 3, false, false, plain,
       {"Jan-2024", "Apr-2024", "Jul-2024", "Oct-2024"}, 0},
      {"quarters from 1 January with short ticks", at(2024, 1, 1), at(2024, 12, 31), 3, false, true, plain,
       {"Jan-2024", "Apr-2024", "Jul-2024", "Oct-2024"}, 8},
      {"quarters from a day after the 1st", at(2024, 1, 1, 6), at(2024, 12, 31), 3, false, false, plain,
       {"Apr-2024", "Jul-2024", "Oct-2024"}, 0},
      {"years", at(1990, 6, 1), at(2030, 1, 1), 3, false, true, plain, {"2000", "2010", "2020", "2030"}, 4},
      {"two-digit years", at(1990, 6, 1), at(2030, 1, 1), 3, false, false, ymd, {"00", "10", "20", "30"}, 0},
      {"the last year drawn is 9999", at(9000, 1, 1), 2990000, 3, false, false, plain,
       {"9000", "9200", "9400", "9600", "9800"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<AxisTick> t;
    ASSERT_EQ(PlanCalendarTicks(c.lo, c.hi, c.n, c.vertical, c.shortTicks, c.style, t), CalendarNote::None);
    EXPECT_EQ(longLabels(t), c.labels);
    EXPECT_EQ(shortCount(t), c.shorts);
    for (const AxisTick& k : t) {
      EXPECT_GE(k.value, c.lo - 1e-9);
      EXPECT_LT(k.value - c.hi, 1e-8);
    }
  }
}

TEST(TimeTicks, CalendarRangesThatCannotBeLabelled) {
  const DateLabelStyle st = AxisDateFormat().Style();
  std::vector<AxisTick> t;
  EXPECT_EQ(PlanCalendarTicks(45000, 44000, 3, false, true, st, t), CalendarNote::Invalid);
  EXPECT_EQ(PlanCalendarTicks(-693594, 0, 3, false, true, st, t), CalendarNote::Invalid);
  EXPECT_EQ(PlanCalendarTicks(0, 3000001, 3, false, true, st, t), CalendarNote::Invalid);
  // Two seconds in three intervals: too fine for a horizontal axis, which
  // has no hundredths; a vertical one shows them.
  const double lo = at(2024, 1, 1), hi = at(2024, 1, 1, 0, 0, 2);
  EXPECT_EQ(PlanCalendarTicks(lo, hi, 3, false, true, st, t), CalendarNote::BelowSecond);
  EXPECT_EQ(PlanCalendarTicks(lo, hi, 3, true, true, st, t), CalendarNote::None);
  EXPECT_FALSE(t.empty());
  EXPECT_EQ(PlanCalendarTicks(lo, lo + 1e-9, 3, true, true, st, t), CalendarNote::BelowSecond);
  // No tick count (0) counts as one interval.
  EXPECT_EQ(PlanCalendarTicks(at(2024, 1, 1), at(2024, 1, 2), 0, false, false, st, t), CalendarNote::None);
  EXPECT_EQ(longLabels(t), QStringList({"00:00/01-Jan-2024", "12:00", "00:00/02-Jan-2024"}));
}

// A calendar axis is never logarithmic: date labels switch the flag off, and
// while they are set a switch on is refused; other labels take it again. The
// chart's axis settings and the axis itself follow the same rule.
template <class Axis>
void checkCalendarAxisIsLinear(Axis& a) {
  a.setLoaded();
  a.setRangeLow(1);
  a.setRangeHigh(1000);
  a.setLogarithmic(true);
  ASSERT_TRUE(a.Logarithmic());
  a.setLabelType(TFigType::ftDateTime);
  EXPECT_FALSE(a.Logarithmic());
  a.setLogarithmic(true);
  EXPECT_FALSE(a.Logarithmic());
  a.setLabelType(TFigType::ftTime);
  a.setLogarithmic(true);
  EXPECT_TRUE(a.Logarithmic());
}

TEST(TimeTicks, CalendarAxesAreLinear) {
  TScaleRenderer axis;
  checkCalendarAxisIsLinear(axis);
  TScalePropsHoriz settings;
  checkCalendarAxisIsLinear(settings);
}

// The axis renderer writes the planned labels where number labels go, the
// date line one text line further out, and the notes at the middle.
TEST(TimeTicks, AxisDrawsCalendarLabelsAndNotes) {
  TScaleRenderer r;
  r.SetBounds(400, 200);
  r.setMargins(40, 20, 39, 20);
  r.setScaleType(TScaleType::sctXB);
  r.setLabelType(TFigType::ftDateTime);
  r.MonthNames = monthName;
  r.ShortTicks = false;
  r.setRange(at(2024, 2, 27, 18), at(2024, 3, 1, 6));
  r.setMinTicks(4);
  test::RecordingPaintDevice dev{400, 200};
  {
    QPainter p(&dev);
    r.Render(p);
  }
  QStringList texts;
  QList<double> baselines;
  for (const auto& c : dev.callsOf(test::PaintCall::Text)) texts << c.text, baselines << c.points[0].y();
  EXPECT_EQ(texts, QStringList({"00:00", "28-Feb-2024", "12:00", "00:00", "29-Feb-2024", "12:00", "00:00",
                                "01-Mar-2024"}));
  const int h = QFontMetrics(r.Font).height();
  EXPECT_EQ(baselines[0] - baselines[1], h);  // the date above the time on a bottom axis
  EXPECT_EQ(r.NumTicks(), 5);
  EXPECT_DOUBLE_EQ(r.TickPosition(3), at(2024, 2, 29));

  r.setRange(45000, 44000);
  dev.calls().clear();
  {
    QPainter p(&dev);
    r.Render(p);
  }
  const auto notes = dev.callsOf(test::PaintCall::Text);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].text, "invalid DateTime scale");
  const int w = QFontMetrics(r.Font).horizontalAdvance(notes[0].text);
  EXPECT_NEAR(notes[0].points[0].x() + w / 2.0, r.ConvertToPixelCoords(44500), 1);

  // A time axis whose range fits no time step shows numbers.
  r.setLabelType(TFigType::ftTime);
  r.setRange(0, 0.001);
  dev.calls().clear();
  {
    QPainter p(&dev);
    r.Render(p);
  }
  EXPECT_FALSE(dev.callsOf(test::PaintCall::Text).empty());
  EXPECT_FALSE(dev.callsOf(test::PaintCall::Text)[0].text.contains(u':'));
}

}  // namespace
}  // namespace zw
