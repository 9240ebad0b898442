#include "topics/linalg-stat/Distributions.h"

#include <algorithm>
#include <cmath>

#include "charts/VIrada.h"
#include "kernel/Format.h"
#include "kernel/FormatFixed.h"
#include "shell/Settings.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

using LD = long double;

// The task texts, one line each as the panel shows them.
constexpr TextItem kBinDe[] = {
    {1, u"Berechnet werden die Wahrscheinlichkeiten P(X=k) einer binomialverteilten Zufallsgröße X\n"
        u"bei n Versuchen mit der Trefferwahrscheinlichkeit p, dazu die kumulierten Wahrscheinlichkeiten\n"
        u"P(0 \u2264 X \u2264 k) und die Wahrscheinlichkeit des Intervalls von k-min bis k-max.\n"
        u"Leere Felder: k-min = 1, k-max = n."},
};
constexpr TextItem kBinEn[] = {
    {1, u"Calculates the probabilities P(X=k) of a binomially distributed random variable X\n"
        u"for n trials with the probability of success p, the cumulative probabilities\n"
        u"P(0 \u2264 X \u2264 k) and the probability of the interval from k-min to k-max.\n"
        u"Empty fields: k-min = 1, k-max = n."},
};
constexpr TextItem kBinFr[] = {
    {1, u"Calcule les probabilités P(X=k) d'une variable aléatoire X de loi binomiale\n"
        u"pour n épreuves de probabilité de succès p, les probabilités cumulées\n"
        u"P(0 \u2264 X \u2264 k) et la probabilité de l'intervalle de k-min à k-max.\n"
        u"Champs vides : k-min = 1, k-max = n."},
};
constexpr TextItem kHypDe[] = {
    {1, u"Berechnet werden die Wahrscheinlichkeiten P(X=k) einer hypergeometrisch verteilten Zufallsgröße X,\n\n"
        u"dazu die kumulierten Wahrscheinlichkeiten P(0 \u2264 X \u2264 k)\n"
        u"und die Wahrscheinlichkeit des Intervalls von k-min bis k-max.\n"
        u"Leere Felder: k-min = 0, k-max = n.\n\n"
        u"Gezogen werden n aus m, davon r Treffer. Beachten Sie, dass r<m und n<m."},
};
constexpr TextItem kHypEn[] = {
    {1, u"Calculates the probabilities P(X=k) of a hypergeometrically distributed random variable X,\n\n"
        u"the cumulative probabilities P(0 \u2264 X \u2264 k)\n"
        u"and the probability of the interval from k-min to k-max.\n"
        u"Empty fields: k-min = 0, k-max = n.\n\n"
        u"n are drawn from m, of which r are hits. Note that r<m and n<m."},
};
constexpr TextItem kHypFr[] = {
    {1, u"Calcule les probabilités P(X=k) d'une variable aléatoire X de loi hypergéométrique,\n\n"
        u"les probabilités cumulées P(0 \u2264 X \u2264 k)\n"
        u"et la probabilité de l'intervalle de k-min à k-max.\n"
        u"Champs vides : k-min = 0, k-max = n.\n\n"
        u"On tire n parmi m, dont r succès. Notez que r<m et n<m."},
};

// ln(k!) − ((k + ½)·ln k − k + ½·ln 2π): the error of Stirling's formula,
// from its series for large k, where the difference would cancel.
LD StirlingError(LD k) {
  if (k <= 15) {
    const LD halfLog2Pi = 0.918938533204672741780329736405617639861L;
    return std::lgamma(k + 1) - (k + 0.5L) * std::log(k) + k - halfLog2Pi;
  }
  const LD s0 = 1.0L / 12, s1 = 1.0L / 360, s2 = 1.0L / 1260, s3 = 1.0L / 1680, s4 = 1.0L / 1188, s5 = 691.0L / 360360;
  const LD kk = k * k;
  return (s0 - (s1 - (s2 - (s3 - (s4 - s5 / kk) / kk) / kk) / kk) / kk) / k;
}

// x·ln(x / np) + np − x without the cancellation near x = np.
LD Deviance(LD x, LD np) {
  if (std::fabs(x - np) < 0.1L * (x + np)) {
    LD v = (x - np) / (x + np);
    LD s = (x - np) * v, ej = 2 * x * v;
    const LD v2 = v * v;
    for (int j = 1; j < 1000; ++j) {
      ej *= v2;
      const LD s1 = s + ej / (2 * j + 1);
      if (s1 == s) return s1;
      s = s1;
    }
    return s;
  }
  return x * std::log(x / np) + np - x;
}

// C(n, x)·p^x·q^(n−x), q = 1 − p, accurate in relative terms for every n
// an extended real holds.
LD BinomialTerm(LD x, LD n, LD p, LD q) {
  if (p == 0) return x == 0 ? 1 : 0;
  if (q == 0) return x == n ? 1 : 0;
  if (x < 0 || x > n) return 0;
  if (x == 0) {
    if (n == 0) return 1;
    return std::exp(p < 0.1L ? -Deviance(n, n * q) - n * p : n * std::log(q));
  }
  if (x == n) return std::exp(q < 0.1L ? -Deviance(n, n * p) - n * q : n * std::log(p));
  const LD lc = StirlingError(n) - StirlingError(x) - StirlingError(n - x) - Deviance(x, n * p) -
                Deviance(n - x, n * q);
  const LD twoPi = 6.283185307179586476925286766559005768394L;
  return std::exp(lc - 0.5L * std::log(twoPi * x * (1 - x / n)));
}

// Fills p[lo .. hi] outwards from start by the ratios of neighbours:
// up(k) = P(k + 1) / P(k), down(k) = P(k − 1) / P(k).
template <class Up, class Down>
void FillFrom(std::vector<double>& p, std::int64_t lo, std::int64_t hi, std::int64_t start, LD value, Up up,
              Down down) {
  p[std::size_t(start)] = double(value);
  LD v = value;
  for (std::int64_t k = start; k < hi && v != 0; ++k) {
    v *= up(LD(k));
    p[std::size_t(k + 1)] = double(v);
  }
  v = value;
  for (std::int64_t k = start; k > lo && v != 0; --k) {
    v *= down(LD(k));
    p[std::size_t(k - 1)] = double(v);
  }
}

void FindMode(DistributionTable& t) {
  t.mode = 0;
  for (std::size_t k = 1; k < t.p.size(); ++k)
    if (t.p[k] > t.p[std::size_t(t.mode)]) t.mode = std::int64_t(k);
}

QString PText(double x) { return QString::fromStdU16String(FormatFixed(10, 8, x)); }

// The text of x with 8 decimals is that of 0: far below 5e-9 without
// writing it.
bool ShowsAsZero(double x, const QString& zero) { return std::fabs(x) < 4e-9 || PText(x) == zero; }

QString Centred(const QString& text, int width) {
  return QString::fromStdU16String(PadCenter(text.toStdU16String(), width));
}

}  // namespace

DistributionTable BinomialTable(std::int64_t n, double p) {
  if (n < 1 || n > DistMaxN) throw InputRejected(DistNKey);
  if (!(p >= 0 && p <= 1)) throw InputRejected(DistPKey);
  DistributionTable t;
  t.p.assign(std::size_t(n + 1), 0.0);
  const LD P = p, Q = 1 - P, N = LD(n);
  const std::int64_t start = std::min<std::int64_t>(n, std::int64_t(std::floor((N + 1) * P)));
  FillFrom(
      t.p, 0, n, start, BinomialTerm(LD(start), N, P, Q), [&](LD k) { return (N - k) / (k + 1) * (P / Q); },
      [&](LD k) { return k / (N - k + 1) * (Q / P); });
  FindMode(t);
  return t;
}

DistributionTable HypergeometricTable(std::int64_t n, std::int64_t m, std::int64_t r) {
  if (n < 1 || n > DistMaxN) throw InputRejected(DistNKey);
  if (m > DistMaxM) throw InputRejected(DistMKey);
  if (n >= m) throw InputRejected(DistMKey);
  if (r < 0 || r >= m) throw InputRejected(DistRKey);
  DistributionTable t;
  t.p.assign(std::size_t(n + 1), 0.0);
  const std::int64_t lo = std::max<std::int64_t>(0, n + r - m), hi = std::min(n, r);
  const auto mode = std::int64_t((__int128(r + 1) * (n + 1)) / (m + 2));
  const std::int64_t start = std::clamp(mode, lo, hi);
  // C(r, k)·C(m − r, n − k) / C(m, n) as three binomial terms of the same
  // p = n / m, whose powers cancel.
  const LD N = LD(n), M = LD(m), R = LD(r), B = M - R, P = N / M, Q = (M - N) / M, K = LD(start);
  const LD value = BinomialTerm(K, R, P, Q) * BinomialTerm(N - K, B, P, Q) / BinomialTerm(N, M, P, Q);
  FillFrom(
      t.p, lo, hi, start, value, [&](LD k) { return (N - k) * (R - k) / ((k + 1) * (B - N + k + 1)); },
      [&](LD k) { return k * (B - N + k) / ((N - k + 1) * (R - k + 1)); });
  FindMode(t);
  return t;
}

QStringList DistributionMemoLines(const QString& head, const DistributionTable& t, std::int64_t kmin,
                                  std::int64_t kmax, const QString& equals) {
  const QString le = QString::fromStdU16String(ksym::LessEqualSign);
  const QString dashes8 = QString::fromStdU16String(ksym::EmDash).repeated(8);
  const QString dashes12 = QString::fromStdU16String(ksym::EmDash).repeated(12);
  const QString dashLine = QStringLiteral("  ") + dashes8 + QStringLiteral("  ") + dashes12 + QStringLiteral("  ") + dashes12;
  QStringList out;
  out << head << QString();
  out << QStringLiteral("  ") + Centred(QStringLiteral("k"), 8) + QStringLiteral("  ") +
             Centred(QStringLiteral("P(X=k)"), 12) + QStringLiteral("  ") +
             Centred(QStringLiteral("P(0 ") + le + QStringLiteral(" X ") + le + QStringLiteral(" k)"), 12);
  out << dashLine;
  const QString zero = PText(0);
  LD sum = 0, interval = 0;
  const std::int64_t last = std::min<std::int64_t>(kmax, std::int64_t(t.p.size()) - 1);
  for (std::int64_t k = 0; k <= last; ++k) {
    const double v = t.p[std::size_t(k)];
    sum += v;
    if (k < kmin) continue;
    interval += v;
    if (ShowsAsZero(v, zero)) continue;
    out << QStringLiteral("  ") + Centred(QString::fromStdU16String(FormatReal(8, LD(k))), 8) +
               QStringLiteral("  ") + Centred(PText(v), 12) + QStringLiteral("  ") + Centred(PText(double(sum)), 12);
  }
  out << dashLine;
  const QString caption = QStringLiteral("P(") + QString::number(kmin) + QStringLiteral(" ") + le +
                          QStringLiteral(" k ") + le + QStringLiteral(" ") + QString::number(kmax) + equals;
  out << QStringLiteral("  ") + QString::fromStdU16String(PadRight(caption.toStdU16String(), 25)) +
             QString::fromStdU16String(PadRight(PText(double(interval)).toStdU16String(), 10));
  return out;
}

double DistributionChartTop(const DistributionTable& t) {
  return t.p.empty() ? 1.0 : 1.5 * t.p[std::size_t(t.mode)];
}

void DrawDistributionBars(TVIrada& chart, const DistributionTable& t, std::int64_t kmin, std::int64_t kmax,
                          int depth, int angle, bool coloured) {
  const std::int64_t first = std::max<std::int64_t>(kmin, 0);
  const std::int64_t last = std::min<std::int64_t>(kmax, std::int64_t(t.p.size()) - 1);
  chart.setDataColor(TColor(0));
  // Drawing position i of k counts every k of the range, drawn or not.
  auto bar = [&](std::int64_t k, std::int64_t i) {
    const double v = t.p[std::size_t(k)];
    if (!(v > 0.00001)) return;
    chart.setFillColor(coloured ? TColor(PaletteColor(int((i - 1) % 48) + 1)) : TColor(0xFFFFFF));
    chart.Bar3D(double(k) - 0.4, 0, double(k) + 0.4, v, depth, angle);
  };
  if (angle < 90)
    for (std::int64_t k = first; k <= last; ++k) bar(k, k - kmin + 1);
  else
    for (std::int64_t k = last; k >= first; --k) bar(k, kmax - k + 1);
}

void RegisterDistributionTexts() {
  static const TextPageRegistration binDe{IBinVer, TextLanguage::German, kBinDe};
  static const TextPageRegistration binEn{IBinVer, TextLanguage::English, kBinEn};
  static const TextPageRegistration binFr{IBinVer, TextLanguage::French, kBinFr};
  static const TextPageRegistration hypDe{IHypVer, TextLanguage::German, kHypDe};
  static const TextPageRegistration hypEn{IHypVer, TextLanguage::English, kHypEn};
  static const TextPageRegistration hypFr{IHypVer, TextLanguage::French, kHypFr};
}

}  // namespace zw
