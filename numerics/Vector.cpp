#include "numerics/Vector.h"

#include <algorithm>
#include <cmath>

#include "numerics/LaneCRC.h"
#include "numerics/SampleStats.h"
#include "kernel/Random.h"

namespace zw {

namespace {

template <class T>
double Distance(T a, T b) {
  if constexpr (std::is_integral_v<T>)
    return static_cast<double>(std::llabs(static_cast<std::int64_t>(a) - b));
  else
    return std::fabs(a - b);
}

}  // namespace

template <class T>
TVectorT<T>::TVectorT() {
  Allocating<EZwVectorError>(tail::NoHeap, [&] { FVec.assign(1, T{}); });
}

template <class T>
void TVectorT<T>::SetNrOfElem(std::int32_t value) {
  if (value > 0 && value != NrOfElem()) Resize(value);
}

template <class T>
void TVectorT<T>::SetElem(std::int32_t i, T value) {
  if (i < 1 || i > NrOfElem()) return;
  FVec[static_cast<std::size_t>(i - 1)] = value;
  FIsEmpty = false;
  Changed();
}

template <class T>
bool TVectorT<T>::Resize(std::int32_t NE) {
  if (NE == NrOfElem()) return true;
  if (NE < 1) return false;
  Allocating<EZwVectorError>(tail::NoMemory, [&] { FVec.resize(static_cast<std::size_t>(NE)); });
  Changed();
  return true;
}

template <class T>
void TVectorT<T>::Clear() {
  std::fill(FVec.begin(), FVec.end(), T{});
  FIsEmpty = true;
  Changed();
}

template <class T>
void TVectorT<T>::Fill(T value) {
  std::fill(FVec.begin(), FVec.end(), value);
  FIsEmpty = false;
  Changed();
}

template <class T>
void TVectorT<T>::Clone(const TVectorT* VecSource) {
  if (!VecSource) return;
  Resize(VecSource->NrOfElem());
  for (std::int32_t i = 1; i <= VecSource->NrOfElem(); ++i) SetElem(i, VecSource->Elem(i));
  Changed();
}

template <class T>
void TVectorT<T>::CopyFrom(const TVectorT* VecSource, std::int32_t SourceElemLo,
                           std::int32_t SourceElemHi, std::int32_t DestElem) {
  if (!VecSource) return;
  const auto [lo, hi] = ClampRange(SourceElemLo, SourceElemHi, VecSource->NrOfElem());
  for (std::int32_t c = lo; c <= hi; ++c) {
    const std::int64_t dest = std::int64_t{c} + DestElem - lo;
    if (dest >= 1 && dest <= NrOfElem()) SetElem(static_cast<std::int32_t>(dest), VecSource->Elem(c));
  }
  Changed();
}

template <class T>
void TVectorT<T>::addScaled(const TVectorT* other, int sign) {
  if (!other) return;
  if (other->NrOfElem() != NrOfElem()) Raise<EZwVectorError>(tail::DifferentDims);
  for (std::size_t i = 0; i < FVec.size(); ++i) FVec[i] = SummedCell(FVec[i], other->FVec[i], sign);
  Changed();
}

template <class T>
void TVectorT<T>::Add(const TVectorT* OtherVec) {
  addScaled(OtherVec, 1);
}

template <class T>
void TVectorT<T>::Subtract(const TVectorT* OtherVec) {
  addScaled(OtherVec, -1);
}

template <class T>
void TVectorT<T>::SMult(T scalar) {
  for (T& v : FVec) v = ScaledCell(v, scalar);
  Changed();
}

template <class T>
typename TVectorT<T>::Acc TVectorT<T>::DotProduct(const TVectorT* OtherVec) const {
  if (!OtherVec) return 0;
  if (OtherVec->NrOfElem() != NrOfElem()) Raise<EZwVectorError>(tail::DifferentDims);
  return Correlate(OtherVec, 0);
}

template <class T>
typename TVectorT<T>::Acc TVectorT<T>::Correlate(const TVectorT* OtherVec,
                                                 std::int32_t ElemShift) const {
  if (!OtherVec) return 0;
  Acc sum = 0;
  for (std::int32_t i = 1; i <= NrOfElem(); ++i) {
    const std::int64_t j = std::int64_t{i} + ElemShift;
    if (j < 1 || j > OtherVec->NrOfElem()) continue;  // reads 0
    const Acc product = static_cast<Acc>(Elem(i)) * static_cast<Acc>(OtherVec->Elem(static_cast<std::int32_t>(j)));
    if constexpr (std::is_integral_v<T>)
      sum = static_cast<Acc>(static_cast<std::uint64_t>(sum) + static_cast<std::uint64_t>(product));
    else
      sum += product;
  }
  return sum;
}

template <class T>
double TVectorT<T>::Leng() const {
  double s = 0;
  for (T v : FVec) s += static_cast<double>(v) * static_cast<double>(v);
  return std::sqrt(s);
}

template <class T>
std::int32_t TVectorT<T>::Find(std::int32_t LowElem, std::int32_t HighElem, T value) const {
  std::int32_t lo = 1, hi = NrOfElem();
  if (LowElem != 0 || HighElem != 0) std::tie(lo, hi) = ClampRange(LowElem, HighElem, NrOfElem());
  double best = 1.7e308;
  std::int32_t where = 0;
  for (std::int32_t i = lo; i <= hi; ++i) {
    const double d = Distance(Elem(i), value);
    if (d < best) {
      best = d;
      where = i;
    }
  }
  return where;
}

template <class T>
std::int32_t TVectorT<T>::FindInSortedVector(bool Ascending, T Value) const {
  std::int32_t lo = 1, hi = NrOfElem();
  while (hi - lo >= 2) {
    const std::int32_t mid = (lo + hi) / 2;
    const T m = Elem(mid);
    if (m == Value) return mid;
    if (Ascending ? Value > m : Value < m)
      lo = mid;
    else
      hi = mid;
  }
  return Distance(Elem(lo), Value) < Distance(Elem(hi), Value) ? lo : hi;
}

template <class T>
void TVectorT<T>::SortElems(bool Ascending, std::int32_t RangeFirst, std::int32_t RangeLast) {
  const auto [first, last] = ClampRange(RangeFirst, RangeLast, NrOfElem());
  if (last - first < 1) return;
  auto at = [this](std::int32_t i) -> T& { return FVec[static_cast<std::size_t>(i - 1)]; };
  CombSortPositions(
      first, last, [&](std::int32_t i, std::int32_t j) { return Ascending ? at(i) > at(j) : at(i) < at(j); },
      [&](std::int32_t i, std::int32_t j) {
        std::swap(at(i), at(j));
        if (OnSortExchange) OnSortExchange(*this, 0, i, j, 0, 0);
      });
  Changed();
}

template <class T>
void TVectorT<T>::Mirror() {
  std::reverse(FVec.begin(), FVec.end());
  Changed();
}

template <class T>
void TVectorT<T>::ShuffleElems() {
  ReseedProgramRandomFromClock();
  const std::int32_t n = NrOfElem();
  for (std::int32_t k = 0; k < n; ++k) {
    const std::int32_t a = RandomBelow(n);
    const std::int32_t b = RandomBelow(n);
    std::swap(FVec[static_cast<std::size_t>(a)], FVec[static_cast<std::size_t>(b)]);
  }
}

template <class T>
std::string TVectorT<T>::CRCofData() const {
  return LaneCRC(FVec);
}

template <class T>
std::vector<T> TVectorT<T>::copyRange(std::int32_t lo, std::int32_t hi) const {
  const auto [a, b] = ClampRange(lo, hi, NrOfElem());
  return Allocating<EZwVectorError>(tail::NoHeap, [&, a = a, b = b] {
    return std::vector<T>(FVec.begin() + (a - 1), FVec.begin() + b);
  });
}

template <class T>
std::vector<double> TVectorT<T>::realRange(std::int32_t lo, std::int32_t hi) const {
  const auto [a, b] = ClampRange(lo, hi, NrOfElem());
  return Allocating<EZwVectorError>(tail::NoHeap, [&, a = a, b = b] {
    return std::vector<double>(FVec.begin() + (a - 1), FVec.begin() + b);
  });
}

template <class T>
void TVectorT<T>::MinMax(std::int32_t LowElem, std::int32_t HighElem, T& Minimum,
                         T& Maximum) const {
  const auto [lo, hi] = ClampRange(LowElem, HighElem, NrOfElem());
  Minimum = Maximum = Elem(lo);
  for (std::int32_t i = lo + 1; i <= hi; ++i) {
    const T v = Elem(i);
    if (v < Minimum) Minimum = v;
    if (v > Maximum) Maximum = v;
  }
}

template <class T>
typename TVectorT<T>::Acc TVectorT<T>::Sum(std::int32_t LowElem, std::int32_t HighElem) const {
  const auto [lo, hi] = ClampRange(LowElem, HighElem, NrOfElem());
  Acc s = 0;
  for (std::int32_t i = lo; i <= hi; ++i) s += Elem(i);
  return s;
}

template <class T>
void TVectorT<T>::MeanVar(std::int32_t LowElem, std::int32_t HighElem, double& Mean,
                          double& Variance) const {
  stats::MeanVar(realRange(LowElem, HighElem), Mean, Variance);
}

template <class T>
double TVectorT<T>::GeometricMean(std::int32_t LowElem, std::int32_t HighElem) const {
  return stats::GeometricMean<EZwVectorError>(*this, realRange(LowElem, HighElem));
}

template <class T>
double TVectorT<T>::HarmonicMean(std::int32_t LowElem, std::int32_t HighElem) const {
  return stats::HarmonicMean<EZwVectorError>(*this, realRange(LowElem, HighElem));
}

template <class T>
void TVectorT<T>::SkewKurt(std::int32_t LowElem, std::int32_t HighElem, double& Skewness,
                           double& Kurtosis) const {
  stats::SkewKurt(realRange(LowElem, HighElem), 4, Skewness, Kurtosis);
}

template <class T>
void TVectorT<T>::SkewKurtSample(std::int32_t LowElem, std::int32_t HighElem, double& Skewness,
                                 double& Kurtosis) const {
  stats::SkewKurtSample(realRange(LowElem, HighElem), 4, Skewness, Kurtosis);
}

template <class T>
T TVectorT<T>::Mode(std::int32_t LowElem, std::int32_t HighElem) const {
  return stats::Mode(copyRange(LowElem, HighElem));
}

template <class T>
bool TVectorT<T>::Quartiles(std::int32_t LowElem, std::int32_t HighElem, double& Q1, double& Q2,
                            double& Q3) const {
  stats::Quartiles(copyRange(LowElem, HighElem), Q1, Q2, Q3);
  return true;
}

template <class T>
double TVectorT<T>::Percentile(double prob, std::int32_t LowElem, std::int32_t HighElem) const {
  return stats::Percentile(copyRange(LowElem, HighElem), prob);
}

template class TVectorT<double>;
template class TVectorT<std::int32_t>;

void TVector::SetLeng(double x) {
  const double l = Leng();
  if (l == 0) Raise<EZwVectorError>(tail::ZeroLength);
  for (double& v : FVec) v *= x / l;
  Changed();
}

bool StartHistogram(double firstBin, double lastBin, double binWidth, TIntVector& histo,
                    std::int32_t& underflow, std::int32_t& overflow, std::int32_t& maxCnt,
                    std::int32_t& classes) {
  if (!stats::HistogramClasses(firstBin, lastBin, binWidth, classes)) return false;
  if (histo.NrOfElem() != classes) histo.Resize(classes);
  histo.Clear();
  underflow = overflow = maxCnt = 0;
  return true;
}

THistogramCounter::THistogramCounter(double firstBin, double lastBin, double binWidth,
                                     std::int32_t classes, TIntVector& histo,
                                     std::int32_t& underflow, std::int32_t& overflow,
                                     std::int32_t& maxCnt)
    : first_(firstBin), last_(lastBin), width_(binWidth), classes_(classes), histo_(histo),
      under_(underflow), over_(overflow), max_(maxCnt) {}

void THistogramCounter::Count(double v) {
  const std::int32_t b = stats::HistogramClassOf(v, first_, last_, width_, classes_);
  if (b == 0) {
    ++under_;
  } else if (b == -1) {
    ++over_;
  } else if (b > 0) {
    const std::int32_t n = histo_.Elem(b) + 1;
    histo_.SetElem(b, n);
    if (n > max_) max_ = n;
  }
}

bool TVector::Histogram(std::int32_t FirstElem, std::int32_t LastElem, double FirstBin,
                        double LastBin, double BinWidth, TIntVector& Histo,
                        std::int32_t& Underflow, std::int32_t& Overflow,
                        std::int32_t& MaxCnt) const {
  return FillHistogram(FirstBin, LastBin, BinWidth, Histo, Underflow, Overflow, MaxCnt, [&](auto count) {
    for (std::int64_t i = FirstElem; i <= LastElem; ++i) count(Elem(static_cast<std::int32_t>(i)));
  });
}

}  // namespace zw
