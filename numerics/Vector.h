#pragma once
// Vectors of doubles (TVector) and of 32-bit integers (TIntVector), numbered
// from 1. Reads outside the range give 0 and writes outside it are dropped;
// range arguments are clamped into 1..NrOfElem and ordered. Changing
// operations fire OnChange (per element written through SetElem, and once
// at the end of the bulk operations); ShuffleElems fires nothing.
#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "numerics/NumComponent.h"

namespace zw {

// Integer cells wrap like 32-bit two's-complement registers (defined here,
// unlike signed overflow in C++).
inline std::int32_t WrapInt32(std::int64_t v) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

// a + sign * b and a * s in the cell type (integers wrap).
template <class T>
T SummedCell(T a, T b, int sign) {
  if constexpr (std::is_integral_v<T>)
    return WrapInt32(std::int64_t{a} + sign * std::int64_t{b});
  else
    return a + sign * b;
}
template <class T>
T ScaledCell(T a, T s) {
  if constexpr (std::is_integral_v<T>)
    return WrapInt32(std::int64_t{a} * s);
  else
    return a * s;
}

// Comb sort of the positions first..last (first < last): the gap starts at
// last - first and shrinks by 1.3 per pass; passes run until a pass with gap
// 1 exchanged nothing. outOfOrder(i, j) and exchange(i, j) take positions.
template <class OutOfOrder, class Exchange>
void CombSortPositions(std::int32_t first, std::int32_t last, OutOfOrder outOfOrder, Exchange exchange) {
  std::int32_t gap = last - first;
  bool exchanged;
  do {
    gap = std::max<std::int32_t>(1, static_cast<std::int32_t>(gap / 1.3));
    exchanged = false;
    for (std::int32_t i = first; i + gap <= last; ++i)
      if (outOfOrder(i, i + gap)) {
        exchange(i, i + gap);
        exchanged = true;
      }
  } while (gap != 1 || exchanged);
}

// Clamps both bounds into 1..count and orders them.
inline std::pair<std::int32_t, std::int32_t> ClampRange(std::int32_t lo, std::int32_t hi,
                                                        std::int32_t count) {
  auto clamp = [count](std::int32_t v) { return v < 1 ? 1 : (v > count ? count : v); };
  lo = clamp(lo);
  hi = clamp(hi);
  if (lo > hi) std::swap(lo, hi);
  return {lo, hi};
}

template <class T>
class TVectorT : public TNumComponent {
public:
  // Sums and products of integer vectors are returned in 64 bits.
  using Acc = std::conditional_t<std::is_integral_v<T>, std::int64_t, double>;

  TVectorT();

  TSortExchgEvent OnSortExchange;

  std::int32_t NrOfElem() const { return static_cast<std::int32_t>(FVec.size()); }
  void SetNrOfElem(std::int32_t value);
  bool IsEmpty() const { return FIsEmpty; }

  T Elem(std::int32_t i) const {
    return i >= 1 && i <= NrOfElem() ? FVec[static_cast<std::size_t>(i - 1)] : T{};
  }
  void SetElem(std::int32_t i, T value);

  bool Resize(std::int32_t NE);
  void Clear();
  void Fill(T value);
  void Clone(const TVectorT* VecSource);
  void CopyFrom(const TVectorT* VecSource, std::int32_t SourceElemLo, std::int32_t SourceElemHi,
                std::int32_t DestElem);
  void Add(const TVectorT* OtherVec);
  void Subtract(const TVectorT* OtherVec);
  void SMult(T scalar);
  Acc DotProduct(const TVectorT* OtherVec) const;
  Acc Correlate(const TVectorT* OtherVec, std::int32_t ElemShift) const;
  double Leng() const;

  // Nearest element (ties: the lower number); both bounds 0 search all.
  std::int32_t Find(std::int32_t LowElem, std::int32_t HighElem, T value) const;
  // Binary search in a sorted vector; without an exact hit the nearer of the
  // last two candidates (ties: the upper one).
  std::int32_t FindInSortedVector(bool Ascending, T Value) const;
  void SortElems(bool Ascending, std::int32_t RangeFirst, std::int32_t RangeLast);
  void Mirror();
  void ShuffleElems();
  std::string CRCofData() const;

  // The text file: line 1 "first last", then one number per line. Reads the
  // two bounds, resizes to `last` when asked (a size beyond 2^26 elements is
  // refused), then stores elements first..last through the setter when the
  // vector holds them; an unreadable number leaves its element unchanged.
  // False when the file cannot be read, the header is bad or the vector is
  // too short.
  bool LoadFromFile(const std::string& FileName, bool AdjustVectorSize);

  // Statistics over the clamped range.
  void MinMax(std::int32_t LowElem, std::int32_t HighElem, T& Minimum, T& Maximum) const;
  Acc Sum(std::int32_t LowElem, std::int32_t HighElem) const;
  void MeanVar(std::int32_t LowElem, std::int32_t HighElem, double& Mean, double& Variance) const;
  double GeometricMean(std::int32_t LowElem, std::int32_t HighElem) const;
  double HarmonicMean(std::int32_t LowElem, std::int32_t HighElem) const;
  // Zero below four values.
  void SkewKurt(std::int32_t LowElem, std::int32_t HighElem, double& Skewness,
                double& Kurtosis) const;
  void SkewKurtSample(std::int32_t LowElem, std::int32_t HighElem, double& Skewness,
                      double& Kurtosis) const;
  T Mode(std::int32_t LowElem, std::int32_t HighElem) const;
  bool Quartiles(std::int32_t LowElem, std::int32_t HighElem, double& Q1, double& Q2,
                 double& Q3) const;
  // prob in percent, clamped into 0..100.
  double Percentile(double prob, std::int32_t LowElem, std::int32_t HighElem) const;

protected:
  std::vector<T> FVec;
  bool FIsEmpty = true;

  std::vector<T> copyRange(std::int32_t lo, std::int32_t hi) const;
  // Writes the clamped range, each element as format gives it.
  template <class Format>
  bool storeText(std::int32_t FirstElem, std::int32_t LastElem, const std::string& FileName, Format format) const;
  std::vector<double> realRange(std::int32_t lo, std::int32_t hi) const;
  void addScaled(const TVectorT* other, int sign);
};

class TIntVector;

class TVector : public TVectorT<double> {
public:
  // Scales the vector to length x; a vector of length 0 is an error.
  void SetLeng(double x);

  // Classes of width BinWidth from FirstBin (element numbers used as given);
  // Histo is resized to the class count and cleared. False (nothing touched)
  // for more than 500 classes or an unusable class width.
  bool Histogram(std::int32_t FirstElem, std::int32_t LastElem, double FirstBin, double LastBin,
                 double BinWidth, TIntVector& Histo, std::int32_t& Underflow,
                 std::int32_t& Overflow, std::int32_t& MaxCnt) const;

  // Writes elements FirstElem..LastElem (ordered, clamped) as a text file.
  // Precision (limited to -2..20): -1 and -2 give the exponent form with 5
  // and 18 significant digits, 0..20 that many decimals. False only when
  // the file cannot be created.
  bool StoreOnFile(std::int32_t FirstElem, std::int32_t LastElem, std::int32_t Precision,
                   const std::string& FileName) const;
};

class TIntVector : public TVectorT<std::int32_t> {
public:
  // As TVector's, the elements in decimal.
  bool StoreOnFile(std::int32_t FirstElem, std::int32_t LastElem, const std::string& FileName) const;
};

extern template class TVectorT<double>;
extern template class TVectorT<std::int32_t>;

// Counts v into Histo (shared by the vector and matrix histograms).
class THistogramCounter {
public:
  THistogramCounter(double firstBin, double lastBin, double binWidth, std::int32_t classes,
                    TIntVector& histo, std::int32_t& underflow, std::int32_t& overflow,
                    std::int32_t& maxCnt);
  void Count(double v);

private:
  double first_, last_, width_;
  std::int32_t classes_;
  TIntVector& histo_;
  std::int32_t& under_;
  std::int32_t& over_;
  std::int32_t& max_;
};

// Sets up a histogram: the class count, Histo resized and cleared, the
// counters 0. False (nothing touched) when the classes are unusable.
bool StartHistogram(double firstBin, double lastBin, double binWidth, TIntVector& histo,
                    std::int32_t& underflow, std::int32_t& overflow, std::int32_t& maxCnt,
                    std::int32_t& classes);

// A whole histogram: visit(count) calls count(v) for every value in order.
template <class Visit>
bool FillHistogram(double firstBin, double lastBin, double binWidth, TIntVector& histo,
                   std::int32_t& underflow, std::int32_t& overflow, std::int32_t& maxCnt,
                   Visit visit) {
  std::int32_t classes = 0;
  if (!StartHistogram(firstBin, lastBin, binWidth, histo, underflow, overflow, maxCnt, classes))
    return false;
  THistogramCounter counter(firstBin, lastBin, binWidth, classes, histo, underflow, overflow, maxCnt);
  visit([&counter](double v) { counter.Count(v); });
  return true;
}

}  // namespace zw
