#include "topics/linalg-stat/Stat.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "charts/VIrada.h"
#include "kernel/CalcFailure.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "numerics/SampleStats.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

constexpr TextItem kStatDe[] = {
    {1, u"Bestimmt werden Mittelwert, Median, Standardabweichung und Varianz einer Liste von Messwerten sowie das "
        u"zugehörige Säulendiagramm."},
    {2, u"Zulässige Trennzeichen sind   ;   \\  und Leerzeichen."},
    {3, u"Klassenbreite"},
    {4, u" Farbe"},
    {20, u"Daten:"},
    {21, u"Anzahl der Daten"},
    {22, u"Maximum"},
    {23, u"Minimum"},
    {24, u"Mittelwert"},
    {25, u"Zentralwert"},
    {26, u"Varianz"},
    {27, u"Standardabweichung"},
};
constexpr TextItem kStatEn[] = {
    {1, u"Mean, median, standard deviation and variance of a sample and the corresponding histogram is calculated."},
    {2, u"Allowed delimiters are   ;   \\  and spaces."},
    {3, u"Class length"},
    {4, u" Color"},
    {20, u"Dates:"},
    {21, u"Number of dates"},
    {22, u"Maximum"},
    {23, u"Minimum"},
    {24, u"Mean"},
    {25, u"Median"},
    {26, u"Variance"},
    {27, u"Standard deviation"},
};
constexpr TextItem kStatFr[] = {
    {1, u"Calcule la moyenne, la médiane, l'écart type et la variance d'une liste de mesures ainsi que "
        u"l'histogramme correspondant."},
    {2, u"Séparateurs admis :   ;   \\  et espaces."},
    {3, u"Largeur de classe"},
    {4, u" Couleur"},
    {20, u"Données :"},
    {21, u"Nombre de données"},
    {22, u"Maximum"},
    {23, u"Minimum"},
    {24, u"Moyenne"},
    {25, u"Médiane"},
    {26, u"Variance"},
    {27, u"Écart type"},
};

bool IsDelimiter(char16_t c) { return c == u' ' || c == u';' || c == u'\\'; }

std::u16string Trimmed(const std::u16string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && s[a] <= u' ') ++a;
  while (b > a && s[b - 1] <= u' ') --b;
  return s.substr(a, b - a);
}

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

// The class of v by the rounded bounds: the estimate from the division,
// moved by one where rounding put v across a bound. lower[k] is class k's
// rounded lower bound (index 0 unused).
int ClassOf(double v, double min, double width, const std::vector<double>& lower) {
  const int classes = int(lower.size()) - 1;
  const double r = RoundSignificant6(v);
  int k = int(std::floor((long double)(r - min) / width)) + 1;
  k = std::clamp(k, 1, classes);
  while (k > 1 && r < lower[std::size_t(k)]) --k;
  while (k < classes && r >= lower[std::size_t(k + 1)]) ++k;
  return k;
}

// The same class without rounding v: rounding to six digits moves v by at
// most 5e-6 of its size, so a v farther than 1e-5 of its size from both
// bounds of the class found for it compares with every rounded bound as its
// rounded value would. Only values in that band are rounded. Needs bounds
// that never fall (checked by the caller).
int ClassOfNearby(double v, double min, double width, const std::vector<double>& lower) {
  if (!std::isfinite(v)) return ClassOf(v, min, width, lower);
  const int classes = int(lower.size()) - 1;
  const double x = std::clamp((long double)(v - min) / width, -1.0L, (long double)classes);
  int k = std::clamp(int(std::floor(x)) + 1, 1, classes);
  while (k > 1 && v < lower[std::size_t(k)]) --k;
  while (k < classes && v >= lower[std::size_t(k + 1)]) ++k;
  const double band = 1e-5 * std::fabs(v);
  const bool clear = (k == 1 || std::fabs(v - lower[std::size_t(k)]) > band) &&
                     (k == classes || std::fabs(v - lower[std::size_t(k + 1)]) > band);
  return clear ? k : ClassOf(v, min, width, lower);
}

// The Log10 of the class-row prefix, with 0 for a value that has none.
double Log10OrZero(double x) { return x > 0 ? std::log10(x) : 0.0; }

}  // namespace

double RoundSignificant6(double x) {
  if (x == 0 || !std::isfinite(x)) return x;
  const long double a = std::fabs((long double)x);
  const int e = int(std::floor(std::log10(a)));
  const long double scale = std::pow(10.0L, 5 - e);
  long double r = std::nearbyint(a * scale) / scale;
  return double(x < 0 ? -r : r);
}

std::vector<double> ReadStatValues(const std::vector<std::u16string>& lines) {
  std::vector<double> values;
  for (const std::u16string& raw : lines) {
    const std::u16string line = Trimmed(raw);
    std::size_t i = 0;
    while (i < line.size()) {
      std::size_t j = i;
      while (j < line.size() && !IsDelimiter(line[j])) ++j;
      std::u16string token = line.substr(i, j - i);
      i = j + 1;
      if (token.empty()) continue;
      if (const auto dot = token.find(u'.'); dot != std::u16string::npos) token[dot] = u',';
      Extended x = 0;
      std::int32_t ok = 0;
      ReadValue(token, x, u'e', ok);
      if (!ok) throw InputRejected(StatListKey);
      values.push_back(double(x));
    }
  }
  if (values.empty()) throw InputRejected(StatListKey, msg::TooFewData);
  return values;
}

bool StatIsOutlier(const StatResult& r, double v) {
  return v <= r.q1 - 1.5 * r.iqr || v >= r.q3 + 1.5 * r.iqr;
}

StatResult ComputeStatistics(const std::vector<double>& values, double width) {
  StatResult r;
  r.n = int(values.size());
  r.width = width;
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  r.min = *lo;
  r.max = *hi;
  if (!(width > 0) || !std::isfinite(width)) throw InputRejected(StatWidthKey);
  const long double span = ((long double)r.max - r.min) / width;
  if (span >= StatMaxClasses) throw InputRejected(StatWidthKey);
  // Two passes in extended precision: the one-pass sums cancel for values
  // far from 0 with a small spread.
  long double sum = 0;
  for (double v : values) sum += v;
  const long double mean = sum / r.n;
  long double q = 0, c = 0;
  for (double v : values) {
    q += (v - mean) * (v - mean);
    c += v - mean;
  }
  r.mean = double(mean);
  r.s = r.n >= 2 ? double(std::sqrt((q - c * c / r.n) / (r.n - 1))) : 0.0;
  stats::Quartiles(values, r.q1, r.q2, r.q3);
  r.iqr = r.q3 - r.q1;
  r.leftWhisker = r.q1;
  r.rightWhisker = r.q3;
  for (double v : values) {
    if (v < r.leftWhisker && v > r.q1 - 1.5 * r.iqr) r.leftWhisker = v;
    if (v > r.rightWhisker && v < r.q3 + 1.5 * r.iqr) r.rightWhisker = v;
  }
  // Up to and including the class that holds the maximum. Each class's
  // lower bound is rounded once here, not once per value.
  const double top = RoundSignificant6(r.max);
  auto roundedBound = [&](int k) { return RoundSignificant6(double((long double)k * width + r.min)); };
  std::vector<double> lower{0.0, roundedBound(0)};
  for (double next = roundedBound(1); next <= top; next = roundedBound(int(lower.size()) - 1)) lower.push_back(next);
  const int classes = int(lower.size()) - 1;
  r.classes.resize(std::size_t(classes));
  for (int k = 1; k <= classes; ++k) {
    StatClass& cl = r.classes[std::size_t(k - 1)];
    cl.lo = double((long double)(k - 1) * width + r.min);
    cl.hi = double((long double)k * width + r.min);
  }
  const bool rising = std::is_sorted(lower.begin() + 1, lower.end());
  for (double v : values) {
    const int k = rising ? ClassOfNearby(v, r.min, width, lower) : ClassOf(v, r.min, width, lower);
    ++r.classes[std::size_t(k - 1)].count;
  }
  return r;
}

QStringList StatMemoLines(const std::vector<std::u16string>& lines, const StatResult& r, const TextMeasurer& font) {
  QStringList out;
  out << GetText(IStat, 20);
  for (const std::u16string& l : lines) {
    QString t = Q(Trimmed(l));
    if (t.isEmpty()) continue;
    out << t.replace(QLatin1Char('.'), QLatin1Char(','));
  }
  QString widest;
  int widestWidth = -1;
  for (int item = 21; item <= 27; ++item) {
    const QString t = GetText(IStat, item);
    const int w = font.textWidth(t.toStdU16String());
    if (w > widestWidth) widestWidth = w, widest = t;
  }
  const QString column = BlankWidthOf(font, widest) + QStringLiteral(" ") + QStringLiteral("     ");
  auto row = [&](int item, const QString& symbol, const QString& value) {
    return PadBetweenToWidth(font, column, GetText(IStat, item), symbol) + QStringLiteral(" = ") + value;
  };
  auto f8 = [](double x) { return Q(FormatReal(8, x)); };
  out << QString();
  out << row(21, QStringLiteral("n"), QString::number(r.n));
  out << row(22, QStringLiteral("max"), f8(r.max));
  out << row(23, QStringLiteral("min"), f8(r.min));
  out << row(24, QStringLiteral("x\u0305"), f8(r.mean));
  out << row(25, QStringLiteral("c"), f8(r.q2));
  out << row(26, QStringLiteral("s\u00B2"), f8(double((long double)r.s * r.s)));
  out << row(27, QStringLiteral("s"), f8(r.s));
  out << QStringLiteral(" ");
  const QString d10 = EmDash().repeated(10), d4 = EmDash().repeated(4), d6 = EmDash().repeated(6);
  out << PadCenterToWidth(font, d10, QStringLiteral("x")) + QStringLiteral("   ") +
             PadCenterToWidth(font, d4, QStringLiteral("H")) + QStringLiteral("   ") +
             PadCenterToWidth(font, d6, QStringLiteral("h"));
  out << d10 + QStringLiteral("   ") + d4 + QStringLiteral("   ") + d6;
  for (const StatClass& c : r.classes) {
    const QString prefix = Log10OrZero(c.hi) > Log10OrZero(c.lo) ? QStringLiteral("  ") : QString();
    const QString range = prefix + Q(FormatReal(7, c.lo)) + QStringLiteral(" ") + LessEqualSign() +
                          QStringLiteral(" x < ") + Q(FormatReal(7, c.hi));
    out << PadCenterToWidth(font, d10, range) + QStringLiteral("    ") +
               PadCenterToWidth(font, d4, Q(FormatReal(6, c.count))) + QStringLiteral("    ") +
               PadRightToWidth(font, d6, Q(FormatReal(6, double(c.count) / r.n)));
  }
  out << QString() << QStringLiteral("Boxplot:");
  out << QStringLiteral("Q") + SubScriptDigits(1) + QStringLiteral("=") + f8(r.q1) + QStringLiteral(";   Q") +
             SubScriptDigits(2) + QStringLiteral("=") + f8(r.q2) + QStringLiteral(";   Q") + SubScriptDigits(3) +
             QStringLiteral("=") + f8(r.q3) + QStringLiteral(";   IQR=") + f8(r.iqr);
  out << QStringLiteral("Left whisker=") + f8(r.leftWhisker) + QStringLiteral(";   Right whisker=") +
             f8(r.rightWhisker);
  return out;
}

StatPicture MakeStatPicture(const std::vector<double>& values, const StatResult& r) {
  StatPicture p;
  p.width = r.width;
  p.n = r.n;
  p.mean = r.mean;
  p.q1 = r.q1;
  p.q2 = r.q2;
  p.q3 = r.q3;
  p.iqr = r.iqr;
  p.values = values;
  // Floor, not truncation: a negative minimum keeps its bar.
  p.lo = double(std::floor((long double)r.min / r.width) * r.width);
  p.hi = double((std::trunc((long double)r.max / r.width) + 1) * r.width);
  const int classes = int(std::nearbyint(((long double)p.hi - p.lo) / r.width));
  p.counts.assign(std::size_t(std::max(classes, 1)), 0);
  for (double v : values) {
    const long double k = std::floor(((long double)v - p.lo) / r.width);
    if (k >= 0 && k < (long double)p.counts.size()) ++p.counts[std::size_t(k)];
  }
  p.maxCount = *std::max_element(p.counts.begin(), p.counts.end());
  return p;
}

void StatPictureRange(const StatPicture& p, double& xLo, double& yLo, double& xHi, double& yHi) {
  xLo = p.lo - 2 * p.width;
  xHi = p.hi + 2 * p.width;
  yHi = p.n > 0 ? p.maxCount * 125.0 / p.n : 1.0;
  if (!(yHi > 0)) yHi = 1;
  yLo = yHi / -3;
}

void DrawStatPicture(TVIrada& chart, const StatPicture& p, const GraphPens& pens, int depth, int angle,
                     bool coloured) {
  const int m = int(p.counts.size());
  auto bar = [&](int k) {
    const int count = p.counts[std::size_t(k - 1)];
    chart.setFillColor(coloured ? pens.color[std::size_t(k % 12 + 1)] : TColor(0xFFFFFF));
    if (count == 0) return;
    const double l = p.lo + (k - 1) * p.width;
    chart.Bar3D(l - 0.4 * p.width, 0, l + 0.4 * p.width, count * 100.0 / p.n, depth, angle);
  };
  chart.setDataColor(TColor(0));
  if (angle < 90)
    for (int k = 1; k <= m; ++k) bar(k);
  else
    for (int k = m; k >= 1; --k) bar(k);
  const double R = chart.Layers().Y(1).RangeLow();
  const double y1 = R / 3, y2 = R * 3 / 4, e = (y1 + y2) / 2, g = std::fabs(y1 - y2) / 8;
  chart.MoveTo(p.q1, y1);
  chart.DrawTo(p.q3, y1);
  chart.DrawTo(p.q3, y2);
  chart.DrawTo(p.q1, y2);
  chart.DrawTo(p.q1, y1);
  chart.Line(p.q2, y1, p.q2, y2);
  chart.Line(p.mean, e - g, p.mean, e + g);
  chart.Text(p.mean, e, 8, QStringLiteral("+"));
  double lif = p.q1, rif = p.q3;
  for (double v : p.values) {
    if (v <= p.q1 - 1.5 * p.iqr || v >= p.q3 + 1.5 * p.iqr) {
      chart.Text(v, e, 8, QStringLiteral("o"));
      continue;
    }
    lif = std::min(lif, v);
    rif = std::max(rif, v);
  }
  chart.Line(lif, e, p.q1, e);
  chart.Line(rif, e, p.q3, e);
  chart.Line(lif, (y1 + e) / 2, lif, (y2 + e) / 2);
  chart.Line(rif, (y1 + e) / 2, rif, (y2 + e) / 2);
}

void RegisterStatTexts() {
  static const TextPageRegistration de{IStat, TextLanguage::German, kStatDe};
  static const TextPageRegistration en{IStat, TextLanguage::English, kStatEn};
  static const TextPageRegistration fr{IStat, TextLanguage::French, kStatFr};
}

}  // namespace zw
