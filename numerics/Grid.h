#pragma once
// The dense cell store shared by TMatrix and TIntMatrix: Elem[Col, Row],
// column first, both from 1, kept column by column. Reads outside give 0,
// writes outside are dropped. Operations that write cells go through the
// derived class's SetElem, so a matrix that keeps its cells elsewhere (the
// sparse integer matrix) still sees every write. Bulk operations fire one
// OnChange at their end; inside a TDeferChanges scope every notification is
// held and one fires when the scope closes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iosfwd>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "numerics/LaneCRC.h"
#include "numerics/NumComponent.h"
#include "numerics/SampleStats.h"
#include "numerics/Vector.h"

namespace zw {

// Clips lo..hi (ordered) to 1..count; false when nothing of it is inside.
inline bool ClipRange(std::int32_t& lo, std::int32_t& hi, std::int32_t count) {
  if (lo > hi) std::swap(lo, hi);
  if (hi < 1 || lo > count) return false;
  lo = std::max(lo, 1);
  hi = std::min(hi, count);
  return true;
}

template <class Derived, class T>
class TGridT : public TNumComponent {
public:
  using Acc = std::conditional_t<std::is_integral_v<T>, std::int64_t, double>;
  using Vec = std::conditional_t<std::is_integral_v<T>, TIntVector, TVector>;

  // Holds the notifications of a grid while it is filled; one OnChange fires
  // at the end (when anything changed).
  class TDeferChanges {
  public:
    explicit TDeferChanges(TGridT& grid) : grid_(grid) { grid_.beginDeferChanges(); }
    ~TDeferChanges() { grid_.endDeferChanges(); }
    TDeferChanges(const TDeferChanges&) = delete;
    TDeferChanges& operator=(const TDeferChanges&) = delete;

  private:
    TGridT& grid_;
  };

  TSortExchgEvent OnSortExchange;

  std::int32_t NrOfColumns() const { return FNCol; }
  std::int32_t NrOfRows() const { return FNRow; }
  const std::string& DataID() const { return FDataID; }
  void SetDataID(const std::string& id) { FDataID = id; }

  T Elem(std::int32_t Col, std::int32_t Row) const {
    return inside(Col, Row) ? Mat[static_cast<std::size_t>(Col - 1)][static_cast<std::size_t>(Row - 1)]
                            : T{};
  }
  void SetElem(std::int32_t Col, std::int32_t Row, T value) {
    if (!inside(Col, Row)) return;
    Mat[static_cast<std::size_t>(Col - 1)][static_cast<std::size_t>(Row - 1)] = value;
    Changed();
  }

  void Fill(T value) {
    if (!hasDense()) return;
    for (auto& col : Mat) std::fill(col.begin(), col.end(), value);
    Changed();
  }

  void CopyFrom(const Derived* MatSource, std::int32_t SourceColLo, std::int32_t SourceRowLo,
                std::int32_t SourceColHi, std::int32_t SourceRowHi, std::int32_t DestCol,
                std::int32_t DestRow) {
    if (!MatSource) return;
    const auto [c0, c1] = ClampRange(SourceColLo, SourceColHi, MatSource->NrOfColumns());
    const auto [r0, r1] = ClampRange(SourceRowLo, SourceRowHi, MatSource->NrOfRows());
    for (std::int32_t c = c0; c <= c1; ++c)
      for (std::int32_t r = r0; r <= r1; ++r)
        setThrough(std::int64_t{c} + DestCol - c0, std::int64_t{r} + DestRow - r0,
                   MatSource->Elem(c, r));
    Changed();
  }

  // The vector is filled with 0 first and never resized; the range is cut to
  // its length.
  void CopyRowToVec(Vec* DestVec, std::int32_t Row, std::int32_t FirstCol, std::int32_t LastCol) const {
    copyLineToVec(DestVec, true, Row, FirstCol, LastCol);
  }
  void CopyColToVec(Vec* DestVec, std::int32_t Col, std::int32_t FirstRow, std::int32_t LastRow) const {
    copyLineToVec(DestVec, false, Col, FirstRow, LastRow);
  }

  bool Subtract(const Derived* MatB) { return addDense(MatB, -1); }

  void SMult(T Scalar) {
    if (!hasDense()) return;
    for (auto& col : Mat)
      for (T& v : col) v = ScaledCell(v, Scalar);
    Changed();
  }

  // MatRes (already shaped: columns of MatB, rows of Self) := Self * MatB.
  // The products are formed first, so MatRes may be Self or MatB. Integer
  // sums are formed in 64 bits and their low 32 bits stored.
  bool Multiply(const Derived* MatB, Derived* MatRes) {
    if (!MatB || !MatRes || !hasDense() || !MatB->hasDense() || !MatRes->hasDense()) return false;
    if (FNCol != MatB->FNRow || MatRes->FNCol != MatB->FNCol || MatRes->FNRow != FNRow) return false;
    std::vector<std::vector<Acc>> product(static_cast<std::size_t>(MatB->FNCol),
                                          std::vector<Acc>(static_cast<std::size_t>(FNRow)));
    for (std::size_t j = 0; j < product.size(); ++j)
      for (std::size_t k = 0; k < static_cast<std::size_t>(FNCol); ++k) {
        const Acc b = MatB->Mat[j][k];
        for (std::size_t i = 0; i < static_cast<std::size_t>(FNRow); ++i) {
          if constexpr (std::is_integral_v<T>)
            product[j][i] = static_cast<Acc>(static_cast<std::uint64_t>(product[j][i]) +
                                             static_cast<std::uint64_t>(Mat[k][i] * b));
          else
            product[j][i] += Mat[k][i] * b;
        }
      }
    for (std::size_t j = 0; j < product.size(); ++j)
      for (std::size_t i = 0; i < product[j].size(); ++i) {
        const T v = std::is_integral_v<T> ? static_cast<T>(WrapInt32(static_cast<std::int64_t>(product[j][i])))
                                          : static_cast<T>(product[j][i]);
        MatRes->SetElem(static_cast<std::int32_t>(j + 1), static_cast<std::int32_t>(i + 1), v);
      }
    Changed();
    return true;
  }

  Acc Trace() const {
    if (!hasDense() || FNCol != FNRow) return 0;
    Acc s = 0;
    for (std::int32_t i = 1; i <= FNCol; ++i) s += Elem(i, i);
    return s;
  }

  // Nearest cell, visited column by column (ties: the first visited); a pair
  // of zero bounds means all columns (rows). 0, 0 without storage.
  void Find(std::int32_t LowCol, std::int32_t HighCol, std::int32_t LowRow, std::int32_t HighRow,
            T Value, std::int32_t& ColIx, std::int32_t& RowIx) const {
    ColIx = RowIx = 0;
    if (!hasDense()) return;
    auto [c0, c1] = ClampRange(LowCol, HighCol, FNCol);
    auto [r0, r1] = ClampRange(LowRow, HighRow, FNRow);
    if (LowCol == 0 && HighCol == 0) c0 = 1, c1 = FNCol;
    if (LowRow == 0 && HighRow == 0) r0 = 1, r1 = FNRow;
    double best = 1.7e308;
    for (std::int32_t c = c0; c <= c1; ++c)
      for (std::int32_t r = r0; r <= r1; ++r) {
        const double d = distance(Elem(c, r), Value);
        if (d < best) {
          best = d;
          ColIx = c;
          RowIx = r;
        }
      }
  }

  // Binary search in a sorted column (the rule of the vectors); 0 when the
  // column does not exist.
  std::int32_t FindInSortedColumn(std::int32_t Col, bool ColIsAscending, T Value) const {
    if (!hasDense() || Col < 1 || Col > FNCol) return 0;
    std::int32_t lo = 1, hi = FNRow;
    while (hi - lo >= 2) {
      const std::int32_t mid = (lo + hi) / 2;
      const T m = Elem(Col, mid);
      if (m == Value) return mid;
      if (ColIsAscending ? Value > m : Value < m)
        lo = mid;
      else
        hi = mid;
    }
    return distance(Elem(Col, lo), Value) < distance(Elem(Col, hi), Value) ? lo : hi;
  }

  // Orders rows LowRow..HighRow by column SortColIx, moving the cells of
  // columns LowCol..HighCol (and the key) with them. A key outside the
  // matrix does nothing; a column range partly outside is clipped.
  void SortRows(std::int32_t SortColIx, bool Ascending, std::int32_t LowCol, std::int32_t LowRow,
                std::int32_t HighCol, std::int32_t HighRow) {
    combSortLines(true, SortColIx, Ascending, LowCol, LowRow, HighCol, HighRow);
  }
  // Orders columns LowCol..HighCol by row SortRowIx, moving rows LowRow..HighRow.
  void SortCols(std::int32_t SortRowIx, bool Ascending, std::int32_t LowCol, std::int32_t LowRow,
                std::int32_t HighCol, std::int32_t HighRow) {
    combSortLines(false, SortRowIx, Ascending, LowCol, LowRow, HighCol, HighRow);
  }

  void MirrorColumns() {
    if (!hasDense()) return;
    std::reverse(Mat.begin(), Mat.end());
    Changed();
  }
  void MirrorRows() {
    if (!hasDense()) return;
    for (auto& col : Mat) std::reverse(col.begin(), col.end());
    Changed();
  }
  // Numbers outside the matrix do nothing.
  void ExchangeColumns(std::int32_t c1, std::int32_t c2) {
    if (!hasDense() || c1 < 1 || c2 < 1 || c1 > FNCol || c2 > FNCol) return;
    std::swap(Mat[static_cast<std::size_t>(c1 - 1)], Mat[static_cast<std::size_t>(c2 - 1)]);
    Changed();
  }
  void ExchangeRows(std::int32_t r1, std::int32_t r2) {
    if (!hasDense() || r1 < 1 || r2 < 1 || r1 > FNRow || r2 > FNRow) return;
    for (auto& col : Mat) std::swap(col[static_cast<std::size_t>(r1 - 1)], col[static_cast<std::size_t>(r2 - 1)]);
    Changed();
  }

  // Lane checksums over the cells column by column ("" without storage).
  std::string CRCofData() const {
    if (!hasDense()) return {};
    std::vector<T> cells;
    for (const auto& col : Mat) cells.insert(cells.end(), col.begin(), col.end());
    return LaneCRC(cells);
  }

  // Statistics over the clamped rectangle. MinMax starts from the first cell
  // of the rectangle; without storage the start values stay.
  void MinMax(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol, std::int32_t HighRow,
              T& Minimum, T& Maximum) const {
    Minimum = noStorageMin();
    Maximum = -noStorageMin();
    if (!hasDense()) return;
    const auto [c0, c1] = ClampRange(LowCol, HighCol, FNCol);
    const auto [r0, r1] = ClampRange(LowRow, HighRow, FNRow);
    Minimum = Maximum = Elem(c0, r0);
    for (std::int32_t c = c0; c <= c1; ++c) {
      const auto& col = Mat[static_cast<std::size_t>(c - 1)];
      for (std::int32_t r = r0; r <= r1; ++r) {
        const T v = col[static_cast<std::size_t>(r - 1)];
        if (v < Minimum) Minimum = v;
        if (v > Maximum) Maximum = v;
      }
    }
  }
  Acc Sum(std::int32_t LoC, std::int32_t LoR, std::int32_t HiC, std::int32_t HiR) const {
    Acc s = 0;
    if (hasDense())
      for (T v : cells<T>(LoC, LoR, HiC, HiR)) s += v;
    return s;
  }
  void MeanVar(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol, std::int32_t HighRow,
               double& Mean, double& Variance) const {
    if (self().HasCells()) stats::MeanVar(cells<double>(LowCol, LowRow, HighCol, HighRow), Mean, Variance);
  }
  double GeometricMean(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol,
                       std::int32_t HighRow) const {
    if (!hasDense()) return 0;
    return stats::GeometricMean<EZwMatrixError>(*this, cells<double>(LowCol, LowRow, HighCol, HighRow));
  }
  double HarmonicMean(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol,
                      std::int32_t HighRow) const {
    if (!hasDense()) return 0;
    return stats::HarmonicMean<EZwMatrixError>(*this, cells<double>(LowCol, LowRow, HighCol, HighRow));
  }
  // Unlike the vectors, from two values on (one value: both 0).
  void SkewKurt(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol, std::int32_t HighRow,
                double& Skewness, double& Kurtosis) const {
    Skewness = Kurtosis = 0;
    if (self().HasCells())
      stats::SkewKurt(cells<double>(LowCol, LowRow, HighCol, HighRow), 1, Skewness, Kurtosis);
  }
  void SkewKurtSample(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol,
                      std::int32_t HighRow, double& Skewness, double& Kurtosis) const {
    Skewness = Kurtosis = 0;
    if (self().HasCells())
      stats::SkewKurtSample(cells<double>(LowCol, LowRow, HighCol, HighRow), 1, Skewness, Kurtosis);
  }
  bool Quartiles(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol, std::int32_t HighRow,
                 double& Q1, double& Q2, double& Q3) const {
    Q1 = Q2 = Q3 = 0;
    if (!hasDense()) return false;
    stats::Quartiles(cells<T>(LowCol, LowRow, HighCol, HighRow), Q1, Q2, Q3);
    return true;
  }
  double Percentile(double prob, std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol,
                    std::int32_t HighRow) const {
    if (!hasDense()) return 0;
    return stats::Percentile(cells<T>(LowCol, LowRow, HighCol, HighRow), prob);
  }

  // Every cell can be read through Elem (dense: the shape is not empty).
  bool HasCells() const { return hasDense(); }

  // ---- files and streams (MatrixFiles.cpp) ----
  // Cells are written from the rectangle LoC..HiC x LoR..HiR: reversed pairs
  // exchanged, low bounds below 1 raised to 1, high bounds cut to the counts.
  // Loaders read the rectangle a file gives; with Adjust... the matrix takes
  // its high bounds as counts (refused beyond 2^26 cells), else it must hold
  // them. Cells go through the setter (OnChange per cell and once at the end).

  // Text: "LoR HiR", "LoC HiC", then one line per row, each cell followed by a
  // blank (reals in the 15-character exponent form). False only when the
  // file cannot be created.
  bool StoreOnFile(std::int32_t LoC, std::int32_t LoR, std::int32_t HiC, std::int32_t HiR,
                   const std::string& FileName) const;
  // An unreadable number leaves its cell unchanged.
  bool LoadFromFile(const std::string& FileName, bool AdjustMatrixSize);

  // Binary: the bounds LoR, HiR, LoC, HiC, then the cells row by row, all as
  // 10-byte extended reals (TMatrix) or 4-byte integers (TIntMatrix), at the
  // stream's position. Without OutStream the data go to a new memory stream,
  // which is returned to the caller.
  std::unique_ptr<std::stringstream> SaveToStream(std::ostream* OutStream, std::int32_t LoC, std::int32_t LoR,
                                                  std::int32_t HiC, std::int32_t HiR) const;
  // False without a stream, for bounds that cannot be read or are not whole
  // numbers, a matrix that does not hold them, and a cell that cannot be read.
  bool LoadFromStream(std::istream* InStream, bool AdjustMatrixSize);

  // XML: a <matrix> element with its counts and one <cell> per non-zero cell,
  // row by row, CR LF lines; the id is DataID, or the matrix's own when empty.
  void WriteToXMLStream(std::ostream& OutStream, bool CreateHeader, const std::string& DataID) const;
  void WriteToOpenXMLFile(std::FILE* F, bool CreateHeader, const std::string& DataID) const;
  // With the header line; failures to create or write the file throw.
  void SaveAsXMLFile(const std::string& FName, const std::string& DataID) const;
  // Reads the first matrix element whose id is DataID (any, when empty; ids
  // compare lower-cased), takes its id as DataID and its counts as shape.
  // False (the cells unchanged) when none qualifies, for unusable counts and
  // for input that ends before "</matrix>".
  bool ReadFromXMLStream(std::istream& InStream, const std::string& DataID);
  bool ReadFromOpenXMLFile(std::FILE* F, const std::string& DataID);
  bool LoadFromXMLFile(const std::string& FName, const std::string& DataID);

protected:
  TGridT() { reshape(1, 1); }

  std::int32_t FNCol = 0;
  std::int32_t FNRow = 0;
  std::string FDataID;
  std::vector<std::vector<T>> Mat;  // Mat[c - 1][r - 1] = Elem[c, r]

  Derived& self() { return static_cast<Derived&>(*this); }
  const Derived& self() const { return static_cast<const Derived&>(*this); }

  bool hasDense() const { return !Mat.empty() && FNRow > 0; }
  bool inside(std::int32_t c, std::int32_t r) const {
    return c >= 1 && c <= FNCol && r >= 1 && r <= FNRow && !Mat.empty();
  }

  static constexpr T noStorageMin() {
    if constexpr (std::is_integral_v<T>)
      return 2147483647;
    else
      return 1.7e38;
  }

  static double distance(T a, T b) {
    if constexpr (std::is_integral_v<T>)
      return static_cast<double>(std::llabs(static_cast<std::int64_t>(a) - b));
    else
      return std::fabs(a - b);
  }

  void setThrough(std::int64_t c, std::int64_t r, T v) {
    if (c >= 1 && r >= 1 && c <= 2147483647 && r <= 2147483647)
      self().SetElem(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r), v);
  }

  // New shape keeping the common cells (new cells 0). Either succeeds or
  // leaves the grid as it was ("not enough memory on heap"). Capacity grows
  // geometrically, so growing a column step by step stays linear.
  void reshape(std::int64_t nc, std::int64_t nr) {
    if (nc < 0 || nr < 0 || nc > 2147483647 || nr > 2147483647) Raise<EZwMatrixError>(tail::NoHeap);
    // A shape beyond the address space is refused before anything is tried.
    const unsigned __int128 bytes = static_cast<unsigned __int128>(nc) * static_cast<unsigned __int128>(nr) * sizeof(T) +
                                    static_cast<unsigned __int128>(nc) * sizeof(std::vector<T>);
    if (bytes > static_cast<unsigned __int128>(PTRDIFF_MAX)) Raise<EZwMatrixError>(tail::NoHeap);
    Allocating<EZwMatrixError>(tail::NoHeap, [&] {
      const auto cols = static_cast<std::size_t>(nc), rows = static_cast<std::size_t>(nr);
      // Reserve everything first: the resizes below then cannot fail.
      if (cols > Mat.capacity()) Mat.reserve(std::max(cols, Mat.capacity() * 2));
      std::vector<std::vector<T>> added;
      if (cols > Mat.size()) added.resize(cols - Mat.size());
      for (std::size_t c = 0; c < cols; ++c) {
        auto& col = c < Mat.size() ? Mat[c] : added[c - Mat.size()];
        if (rows > col.capacity()) col.reserve(c < Mat.size() ? std::max(rows, col.capacity() * 2) : rows);
      }
      for (auto& col : added) Mat.push_back(std::move(col));
      Mat.resize(cols);
      for (auto& col : Mat) col.resize(rows);
    });
    FNCol = static_cast<std::int32_t>(nc);
    FNRow = static_cast<std::int32_t>(nr);
  }

  void transposeDense() {
    std::vector<std::vector<T>> t = Allocating<EZwMatrixError>(tail::NoHeap, [&] {
      return std::vector<std::vector<T>>(static_cast<std::size_t>(FNRow),
                                         std::vector<T>(static_cast<std::size_t>(FNCol)));
    });
    for (std::size_t c = 0; c < Mat.size(); ++c)
      for (std::size_t r = 0; r < Mat[c].size(); ++r) t[r][c] = Mat[c][r];
    Mat = std::move(t);
    std::swap(FNCol, FNRow);
    Changed();
  }

  bool addDense(const Derived* MatB, int sign) {
    if (!MatB || !hasDense() || !MatB->hasDense() || MatB->FNCol != FNCol || MatB->FNRow != FNRow)
      return false;
    for (std::size_t c = 0; c < Mat.size(); ++c)
      for (std::size_t r = 0; r < Mat[c].size(); ++r) Mat[c][r] = SummedCell(Mat[c][r], MatB->Mat[c][r], sign);
    Changed();
    return true;
  }

  // Source cells through the setter, then one notification.
  void cloneDense(const Derived& src) {
    self().Resize(src.NrOfColumns(), src.NrOfRows());
    for (std::int32_t c = 1; c <= src.NrOfColumns(); ++c)
      for (std::int32_t r = 1; r <= src.NrOfRows(); ++r) self().SetElem(c, r, src.Elem(c, r));
    Changed();
  }

  // The clamped rectangle column by column, read through the derived getter.
  template <class U>
  std::vector<U> cells(std::int32_t LoC, std::int32_t LoR, std::int32_t HiC, std::int32_t HiR) const {
    const auto [c0, c1] = ClampRange(LoC, HiC, FNCol);
    const auto [r0, r1] = ClampRange(LoR, HiR, FNRow);
    return Allocating<EZwMatrixError>(tail::NoHeap, [&, c0 = c0, c1 = c1, r0 = r0, r1 = r1] {
      std::vector<U> out;
      out.reserve(static_cast<std::size_t>(c1 - c0 + 1) * static_cast<std::size_t>(r1 - r0 + 1));
      for (std::int32_t c = c0; c <= c1; ++c)
        for (std::int32_t r = r0; r <= r1; ++r) out.push_back(static_cast<U>(self().Elem(c, r)));
      return out;
    });
  }

private:
  std::string xmlText(bool CreateHeader, const std::string& DataID) const;
  template <class ReadLine, class ReadTag>
  bool readXml(const std::string& DataID, ReadLine readLine, ReadTag readTag);

  void copyLineToVec(Vec* dest, bool row, std::int32_t line, std::int32_t first, std::int32_t last) const {
    if (!dest) return;
    auto [lo, hi] = ClampRange(first, last, row ? FNCol : FNRow);
    line = ClampRange(line, line, row ? FNRow : FNCol).first;
    hi = std::min<std::int32_t>(hi, lo + dest->NrOfElem() - 1);
    dest->Fill(0);
    for (std::int32_t k = lo; k <= hi; ++k) dest->SetElem(k - lo + 1, row ? self().Elem(k, line) : self().Elem(line, k));
  }

  // Comb sort of rows (byRows) or columns; the gap starts at the span of
  // the sorted range.
  void combSortLines(bool byRows, std::int32_t key, bool ascending, std::int32_t LowCol,
                     std::int32_t LowRow, std::int32_t HighCol, std::int32_t HighRow) {
    if (!hasDense()) return;
    std::int32_t lo, hi, mlo, mhi;  // sorted lines and the moved cross range
    if (byRows) {
      if (key < 1 || key > FNCol) return;
      std::tie(lo, hi) = ClampRange(LowRow, HighRow, FNRow);
      mlo = LowCol, mhi = HighCol;
      if (!ClipRange(mlo, mhi, FNCol)) mlo = 1, mhi = 0;
    } else {
      if (key < 1 || key > FNRow) return;
      std::tie(lo, hi) = ClampRange(LowCol, HighCol, FNCol);
      mlo = LowRow, mhi = HighRow;
      if (!ClipRange(mlo, mhi, FNRow)) mlo = 1, mhi = 0;
    }
    if (hi - lo < 1) return;
    auto keyOf = [&](std::int32_t line) { return byRows ? Elem(key, line) : Elem(line, key); };
    auto swapCell = [&](std::int32_t cross, std::int32_t a, std::int32_t b) {
      if (byRows)
        std::swap(Mat[cross - 1][a - 1], Mat[cross - 1][b - 1]);
      else
        std::swap(Mat[a - 1][cross - 1], Mat[b - 1][cross - 1]);
    };
    CombSortPositions(
        lo, hi,
        [&](std::int32_t i, std::int32_t j) { return ascending ? keyOf(i) > keyOf(j) : keyOf(i) < keyOf(j); },
        [&](std::int32_t i, std::int32_t j) {
          for (std::int32_t x = mlo; x <= mhi; ++x) swapCell(x, i, j);
          if (key < mlo || key > mhi) swapCell(key, i, j);
          if (OnSortExchange) OnSortExchange(*this, byRows ? 2 : 1, i, j, mlo, mhi);
        });
    Changed();
  }
};

}  // namespace zw
