#include "charts/DateTimeText.h"

#include <QDate>
#include <QLocale>
#include <cmath>

#include "charts/TimeTicks.h"

namespace zw {

QString SystemShortMonthName(int month) { return QLocale::system().monthName(month, QLocale::ShortFormat); }

QString FormatDateTimePattern(const QString& pattern, double value, const MonthNameSource& monthName) {
  // Far beyond any calendar date (and not representable as a day count).
  if (!std::isfinite(value) || std::fabs(value) > 1e9) return QString();
  long long days, ms;
  SplitFormatterValue(value, days, ms);
  const QDate date = QDate(1899, 12, 30).addDays(days);
  const int hour = int(ms / 3600000), minute = int(ms / 60000 % 60), second = int(ms / 1000 % 60),
            milli = int(ms % 1000);
  const bool twelveHour = pattern.contains(QLatin1String("am/pm"), Qt::CaseInsensitive);
  auto two = [](int v) { return QString::number(v).rightJustified(2, u'0'); };

  QString out;
  const int n = int(pattern.size());
  auto startsWith = [&](int i, const char* tok) {
    return pattern.mid(i, int(qstrlen(tok))).compare(QLatin1String(tok), Qt::CaseInsensitive) == 0;
  };
  for (int i = 0; i < n;) {
    if (pattern[i] == u'"') {
      int end = pattern.indexOf(u'"', i + 1);
      if (end < 0) end = n;
      out += pattern.mid(i + 1, end - i - 1);
      i = end + 1;
    } else if (startsWith(i, "am/pm")) {
      out += hour < 12 ? QStringLiteral("am") : QStringLiteral("pm");
      i += 5;
    } else if (startsWith(i, "yyyy")) {
      out += QString::number(date.year()).rightJustified(4, u'0');
      i += 4;
    } else if (startsWith(i, "yy")) {
      out += two(date.year() % 100);
      i += 2;
    } else if (startsWith(i, "mmm")) {
      out += monthName ? monthName(date.month()) : two(date.month());
      i += 3;
    } else if (startsWith(i, "mm")) {
      out += two(date.month());
      i += 2;
    } else if (startsWith(i, "dd")) {
      out += two(date.day());
      i += 2;
    } else if (startsWith(i, "hh") || startsWith(i, "h")) {
      int h = hour;
      if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
      const bool lead = startsWith(i, "hh");
      out += lead ? two(h) : QString::number(h);
      i += lead ? 2 : 1;
    } else if (startsWith(i, "nn")) {
      out += two(minute);
      i += 2;
    } else if (startsWith(i, "ss")) {
      out += two(second);
      i += 2;
    } else if (startsWith(i, "zz")) {
      out += QString::number(milli).rightJustified(3, u'0');
      i += 2;
    } else {
      out += pattern[i];
      ++i;
    }
  }
  return out;
}

}  // namespace zw
