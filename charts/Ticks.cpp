#include "charts/Ticks.h"

#include <QStringList>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zw {

void NiceTickStep(int Count, long double Low, long double High, long double& FirstTick, long double& Step,
                  std::uint16_t& SubDiv) {
  if (Low == High) {
    FirstTick = Low;
    Step = 0;
    SubDiv = 1;
    return;
  }
  const int dir = High > Low ? 1 : -1;
  if (Count <= 0) {
    // The step follows the direction, so a reversed range still ends.
    Step = dir;
    FirstTick = std::trunc(Low) - dir;
    while (dir * (Low - FirstTick) > 0.001L * std::fabs(Step)) FirstTick += Step;
    SubDiv = std::fabs(High - Low) > 10 ? 1 : 5;
    return;
  }
  long double g = std::log10(std::fabs(High - Low) / Count);
  long double h = g - std::trunc(g);
  if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
    h = 0;
    g = std::nearbyint(g);
  }
  if (g < 0 && h != 0) g -= 1;
  if (h < 0) h += 1;
  const long double L2 = std::log10(2.0L), L5 = std::log10(5.0L);
  int mantissa;
  if (h < L2 + 1e-10L) {
    mantissa = 1;
    SubDiv = 5;
  } else if (h < L5 + 1e-10L) {
    mantissa = 2;
    SubDiv = 4;
  } else {
    mantissa = 5;
    SubDiv = 5;
  }
  Step = dir * mantissa * std::pow(10.0L, std::trunc(g));
  FirstTick = (std::trunc(Low / Step) - 1) * Step;
  while (dir * (Low - FirstTick) > 0.001L * std::fabs(Step)) FirstTick += Step;
}

int DecimalPlacesFor(int dp, double High, double Low) {
  if (dp != -2 && dp != -3) return dp;
  const double d = std::fabs(High - Low);
  if (d >= 1000000 || d <= 0.0001) return -1;
  if (d >= 100) return 0;
  return 2 - int(std::nearbyint(std::log(d) / 2.5));
}

int LogDecimalPlacesFor(int dp, double High, double Low) {
  if (dp != -2) return dp;
  const double hi = std::max(High, Low), lo = std::min(High, Low);
  if (hi - lo >= 1000000 || hi - lo <= 0.0001) return -1;
  if (lo >= 1) return 0;
  return 1 - int(std::nearbyint(std::log10(std::fabs(lo))));
}

QString FormatTickNumber(int dec, double v) {
  char buf[400];
  if (dec >= 0) {
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, dec);
    return QString::fromLatin1(buf, int(r.ptr - buf));
  }
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 1);
  QString s = QString::fromLatin1(buf, int(r.ptr - buf));  // "1.3e+04"
  const int e = int(s.indexOf(u'e'));
  QString mant = s.left(e), exp = s.mid(e + 1);
  const QChar expSign = exp[0];
  QString digits = exp.mid(1);
  while (digits.size() < 2) digits.prepend(u'0');
  QString out = QString(v < 0 ? u'-' : u' ') + mant + u'E' + expSign + digits;
  if (digits.size() > 2) out.fill(u'*');
  return out;
}

QString UserTickItem(const QString& userText, int index) {
  if (userText.isEmpty()) return {};
  const QStringList items = userText.split(u'|');
  if (index < 1) index = 1;
  return index <= items.size() ? items[index - 1] : items.back();
}

QString JoinInscript(const QString& label, const QString& inscript) {
  if (label.isEmpty() || inscript.isEmpty()) return label;
  const int amp = int(inscript.indexOf(u'&'));
  if (amp < 0) return inscript + label;
  return inscript.left(amp) + label + inscript.mid(amp + 1);
}

}  // namespace zw
