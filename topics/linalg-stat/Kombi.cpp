#include "topics/linalg-stat/Kombi.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "common/TextMeasurer.h"
#include "kernel/Format.h"
#include "kernel/TextPadding.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/KombiTables.h"

namespace zw {

namespace {

constexpr TextItem kKombiDe[] = {
    {1, u"Berechnet werden die Anzahlen aller k-Auswahlen aus einer n-elementigen Mengen."},
    {2, u"Geordnete Auswahl ohne Wiederh."},
    {3, u"Geordnete Auswahl mit  Wiederh."},
    {4, u"Ungeordnete Ausw. ohne Wiederh."},
    {5, u"Ungeordnete Ausw. mit  Wiederh."},
    {6, u"Permutationen von k"},
};
constexpr TextItem kKombiEn[] = {
    {1, u"The number of arrangements and combinations of k out of n elements are calculated."},
    {2, u"Arrangements without repetit."},
    {3, u"Arrangements with repetitions"},
    {4, u"Combinations without repetit."},
    {5, u"Combinations with repetitions"},
    {6, u"Permutations of k"},
};
constexpr TextItem kKombiFr[] = {
    {1, u"Calcule le nombre de tous les choix de k éléments parmi un ensemble de n éléments."},
    {2, u"Arrangements sans répétition"},
    {3, u"Arrangements avec répétition"},
    {4, u"Combinaisons sans répétition"},
    {5, u"Combinaisons avec répétition"},
    {6, u"Permutations de k"},
};

using Kind = KombiCount::Kind;

// From here on a count is written as "overflow".
constexpr Extended kOverflowFrom = 1e18L;
// Products of at most this many factors are multiplied out as written.
constexpr std::int64_t kLoopLimit = 100000;

Extended lnMax() {
  static const Extended v = std::log(LDBL_MAX);
  return v;
}

KombiCount valueCount(Extended v) {
  if (!std::isfinite(v)) return {Kind::OutOfRange, 0};
  if (std::fabs(v) >= kOverflowFrom) return {Kind::Overflow, v};
  return {Kind::Value, v};
}

// A count known to be 10^18 or more, by the logarithm of its magnitude.
KombiCount hugeCount(Extended lnMagnitude) {
  return {lnMagnitude > lnMax() ? Kind::OutOfRange : Kind::Overflow, 0};
}

// A count given by the logarithm of its magnitude and its sign.
KombiCount countFromLog(Extended lnMagnitude, int sign) {
  if (lnMagnitude >= std::log(kOverflowFrom) + 1) return hugeCount(lnMagnitude);
  return valueCount(sign * std::exp(lnMagnitude));
}

// ln Γ(x + t) − ln Γ(x) for x > 0, x + t > 0. For a large x and a moderate t
// by Stirling's series with the large parts combined, so that nothing
// cancels: the difference of two log-gammas near 3e16 would keep only two
// decimals.
Extended lnGammaRatio(Extended x, Extended t) {
  if (x >= 1e5L && std::fabs(t) <= 1e3L) {
    const auto series = [](Extended z) {
      const Extended z2 = 1 / (z * z);
      return (1.0L / 12 - z2 * (1.0L / 360 - z2 * (1.0L / 1260 - z2 / 1680))) / z;
    };
    return (x - 0.5L) * std::log1p(t / x) + t * std::log(x + t) - t + series(x + t) - series(x);
  }
  return std::lgamma(x + t) - std::lgamma(x);
}

// The number of rounds of a loop from 1 while the counter is at most k.
std::int64_t roundsUpTo(Extended k) { return k >= 1 ? static_cast<std::int64_t>(std::floor(k)) : 0; }

bool isWhole(Extended x) { return std::floor(x) == x; }

// a!/(b!·c!) (c = 0: a!/b!) of whole numbers within the factorial table:
// two or three correctly rounded factorials, so a count below 10^18 comes out
// within a quarter of its whole value and rounds to it exactly.
bool fromTable(Extended a, Extended b, Extended c, KombiCount& out) {
  const auto fits = [](Extended x) { return x >= 0 && x < kombi::FactorialTableSize && isWhole(x); };
  if (!fits(a) || !fits(b) || !fits(c)) return false;
  const auto F = [](Extended x) { return kombi::Factorials[static_cast<int>(x)]; };
  const Extended v = F(a) / (F(b) * F(c));
  out = v >= kOverflowFrom ? KombiCount{Kind::Overflow, 0} : KombiCount{Kind::Value, std::nearbyint(v)};
  return true;
}

// C(r + K, K) = Π (r + j) / j for j = 1..K, r ≥ 0: every factor is at least
// 1, so once the product reaches 10^18 it can only grow. A whole r takes the
// shorter of the two symmetric products.
KombiCount risingBinomial(Extended r, std::int64_t K) {
  if (KombiCount c; fromTable(r + static_cast<Extended>(K), r, static_cast<Extended>(K), c)) return c;
  Extended other = r;
  std::int64_t rounds = K;
  if (isWhole(r) && r < static_cast<Extended>(K)) {
    other = static_cast<Extended>(K);
    rounds = static_cast<std::int64_t>(r);
  }
  const auto lnValue = [&] {
    return lnGammaRatio(static_cast<Extended>(K) + 1, r) - std::lgamma(r + 1);
  };
  if (rounds > kLoopLimit) return countFromLog(lnValue(), 1);
  if (isWhole(other)) {
    // Whole numbers exactly: (other + j)·C(other + j − 1, j − 1) stays below
    // 2^128 while the count is below 10^18.
    const auto o = static_cast<unsigned __int128>(other);
    unsigned __int128 c = 1;
    for (std::int64_t j = 1; j <= rounds; ++j) {
      c = c * (o + static_cast<unsigned __int128>(j)) / static_cast<unsigned __int128>(j);
      if (c >= static_cast<unsigned __int128>(1000000000000000000ULL)) return hugeCount(lnValue());
    }
    return valueCount(static_cast<Extended>(c));
  }
  Extended c = 1;
  for (std::int64_t j = 1; j <= rounds; ++j) {
    c = (other + static_cast<Extended>(j)) * c / static_cast<Extended>(j);
    if (c >= kOverflowFrom) return hugeCount(lnValue());
  }
  return valueCount(c);
}

// n!/(n − k)! = Π (s + j) for j = 0..K − 1 with s = n − k + 1 ≥ 1: the
// factors grow, so the product passes 10^18 within twenty rounds or ends.
KombiCount orderedWithout(Extended n, Extended k) {
  if (n < k) return {Kind::Undefined, 0};
  const std::int64_t K = roundsUpTo(k);
  if (KombiCount c; isWhole(k) && fromTable(n, n - static_cast<Extended>(K), 0, c)) return c;
  const Extended s = n - k + 1;
  Extended c = 1;
  for (std::int64_t j = 0; j < K; ++j) {
    c *= s + static_cast<Extended>(j);
    if (c >= kOverflowFrom) return hugeCount(lnGammaRatio(s, static_cast<Extended>(K)));
  }
  return valueCount(c);
}

// n^⌊k⌋ by squaring: exact for whole numbers while the result fits.
KombiCount power(Extended n, Extended k) {
  std::uint64_t e = static_cast<std::uint64_t>(roundsUpTo(k));
  const bool negative = n < 0 && (e & 1) != 0;
  Extended base = std::fabs(n), c = 1;
  while (e != 0) {
    if (e & 1) c *= base;
    e >>= 1;
    if (e != 0) base *= base;
    if (!std::isfinite(c) || !std::isfinite(base)) return {Kind::OutOfRange, 0};
  }
  return valueCount(negative ? -c : c);
}

KombiCount unorderedWithout(Extended n, Extended k) {
  if (n < k) return {Kind::Undefined, 0};
  const std::int64_t K = roundsUpTo(k);
  return risingBinomial(n - static_cast<Extended>(K), K);
}

// Π (n − 1 + d) / d for d = 1..K.
KombiCount unorderedWith(Extended n, Extended k) {
  const std::int64_t K = roundsUpTo(k);
  if (K == 0) return valueCount(1);
  if (n >= 1) return risingBinomial(n - 1, K);
  const Extended m = -n;
  const int alternating = K % 2 ? -1 : 1;
  if (isWhole(m)) {
    // A factor 0 at d = m + 1; before it (−1)^K · C(m, K).
    if (static_cast<Extended>(K) > m) return valueCount(0);
    KombiCount c = risingBinomial(m - static_cast<Extended>(K), K);
    c.value *= alternating;
    return c;
  }
  if (static_cast<Extended>(K) <= m) {
    // Every factor negative: (−1)^K · C(m, K) of the real m.
    KombiCount c = risingBinomial(m - static_cast<Extended>(K), K);
    c.value *= alternating;
    return c;
  }
  if (K <= kLoopLimit && m <= 1000) {
    Extended c = 1;
    for (std::int64_t d = 1; d <= K; ++d) c = (n - 1 + static_cast<Extended>(d)) * c / static_cast<Extended>(d);
    return valueCount(c);
  }
  if (n > 0) {
    // 0 < n < 1: Γ(n + K) / (Γ(n)·K!), every factor between 0 and 1.
    return countFromLog(lnGammaRatio(static_cast<Extended>(K) + 1, n - 1) - std::lgamma(n), 1);
  }
  // n < 0 and K > −n: |Γ(n + K)| / (|Γ(n)|·K!) with the reflection
  // |Γ(n)| = π / (|sin πm|·Γ(1 + m)); the first ⌈m⌉ factors are negative.
  const Extended frac = m - std::floor(m);
  const Extended lnC = std::lgamma(static_cast<Extended>(K) - m) -
                       lnGammaRatio(1 + m, static_cast<Extended>(K) - m) +
                       std::log(std::sin(M_PIl * frac)) - std::log(M_PIl);
  const auto negatives = static_cast<std::int64_t>(std::ceil(m));
  return countFromLog(lnC, negatives % 2 ? -1 : 1);
}

// k!: beyond 20! every count is at least 10^18.
KombiCount factorial(Extended k) {
  const std::int64_t K = roundsUpTo(k);
  if (K > 20) return hugeCount(std::lgamma(static_cast<Extended>(K) + 1));
  return valueCount(kombi::Factorials[K]);
}

QString q(const std::u16string& s) { return QString::fromStdU16String(s); }

}  // namespace

KombiResult ComputeKombi(Extended n, Extended k) {
  return {orderedWithout(n, k), power(n, k), unorderedWithout(n, k), unorderedWith(n, k), factorial(k)};
}

QString KombiCountText(const KombiCount& count) {
  switch (count.kind) {
    case Kind::Value: return q(FormatGrouped(count.value));
    case Kind::Overflow: return QStringLiteral("overflow");
    case Kind::OutOfRange: return GetMessageText(44);
    case Kind::Undefined: return GetMessageText(42);
  }
  return {};
}

QStringList KombiMemoLines(Extended n, Extended k, const KombiResult& r, const TextMeasurer& font) {
  std::u16string labels[5];
  int widest = 0;
  for (int i = 0; i < 5; ++i) {
    labels[i] = GetText(IKombi, 2 + i).toStdU16String();
    widest = std::max(widest, font.textWidth(labels[i]));
  }
  const std::u16string reference = BlanksCoveringWidth(font, widest);
  const auto line = [&](int i, const KombiCount& c) {
    return q(PadRightToWidth(font, reference, labels[i])) + QStringLiteral(" = ") + KombiCountText(c);
  };
  const std::u16string bang = std::u16string(u"k") + ksym::ThinSpace + u"!";
  return {QString(),
          QStringLiteral("n = ") + q(FormatReal(15, n)),
          QStringLiteral("k = ") + q(FormatReal(15, k)),
          QString(),
          line(0, r.orderedWithout),
          line(1, r.orderedWith),
          line(2, r.unorderedWithout),
          line(3, r.unorderedWith),
          QString(),
          q(PadBetweenToWidth(font, reference, labels[4] + u" :", bang)) + QStringLiteral(" = ") +
              KombiCountText(r.permutations)};
}

void RegisterKombiTexts() {
  static const TextPageRegistration de{IKombi, TextLanguage::German, kKombiDe};
  static const TextPageRegistration en{IKombi, TextLanguage::English, kKombiEn};
  static const TextPageRegistration fr{IKombi, TextLanguage::French, kKombiFr};
}

}  // namespace zw
