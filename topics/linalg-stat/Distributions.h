#pragma once
// The binomial and hypergeometric distributions, callable without a window:
// the table of P(X = k) over the whole range of k, the results memo with its
// cumulative and interval sums, and the 3D bars of the chart page.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace zw {

class TVIrada;

// Keys of the fields a refusal names.
inline constexpr char DistNKey[] = "n";
inline constexpr char DistPKey[] = "p";
inline constexpr char DistMKey[] = "m";
inline constexpr char DistRKey[] = "r";
inline constexpr char DistKMinKey[] = "kmin";
inline constexpr char DistKMaxKey[] = "kmax";

// The largest number of trials or draws: the table holds n + 1 values.
inline constexpr std::int64_t DistMaxN = 1'000'000;
// The largest population of the hypergeometric distribution.
inline constexpr std::int64_t DistMaxM = 1'000'000'000'000'000;

struct DistributionTable {
  std::vector<double> p;   // P(X = k) at index k, k = 0 .. n
  std::int64_t mode = 0;   // the smallest k with the largest stored P(X = k)
};

// P(X = k) for k = 0 .. n trials with success probability p. The value at
// the mode comes from its logarithm (Stirling's differences, so n up to
// DistMaxN keeps full precision), the others by the ratio of neighbours
// outwards from it, so nothing overflows or underflows on the way.
// Throws InputRejected on n outside 1 .. DistMaxN or p outside [0, 1].
DistributionTable BinomialTable(std::int64_t n, double p);

// P(X = k) hits among n drawn without replacement from m items of which r
// are hits, over the whole support max(0, n + r − m) .. min(n, r); 0 outside
// it. Requires n < m (else InputRejected on m) and 0 ≤ r < m (else on r);
// also refuses n outside 1 .. DistMaxN and m above DistMaxM.
DistributionTable HypergeometricTable(std::int64_t n, std::int64_t m, std::int64_t r);

// The memo: the head line, the table of the k from kmin to kmax whose value
// does not show as 0 with 8 decimals (the cumulative sum runs from k = 0),
// and the interval sum. `equals` closes the interval caption (") =" or
// ") = ").
QStringList DistributionMemoLines(const QString& head, const DistributionTable& t, std::int64_t kmin,
                                  std::int64_t kmax, const QString& equals);

// The y range's top: 1.5 times the largest value.
double DistributionChartTop(const DistributionTable& t);

// Bars k = kmin .. kmax (back to front from an angle of 90° on), each with
// the palette colour of its drawing position or white; values up to 0.00001
// are not drawn but keep their colour position.
void DrawDistributionBars(TVIrada& chart, const DistributionTable& t, std::int64_t kmin, std::int64_t kmax,
                          int depth, int angle, bool coloured);

void RegisterDistributionTexts();

}  // namespace zw
