#pragma once
// TMatrix: a grid of doubles (see Grid.h for the shared rules) with the
// linear algebra of the library: LU decomposition (Crout, implicit partial
// pivoting), determinant, inversion, distance matrices between rows,
// standardising and centring.
#include <array>
#include <cstdint>

#include "numerics/Grid.h"

namespace zw {

enum class TDistMode : std::uint8_t { dmJaccard, dmManhattan, dmEuclid, dmEuclidSqr, dmDice, dmUserDef };
inline constexpr std::array<const char*, 6> DistModeNames = {
    "Jaccard coefficient", "Manhattan", "Euclidean", "squared Euclidean", "Dice coefficient",
    "user defined"};

class TMatrix;
// Distance is 0 on entry.
using TOnCalcDistanceEvent =
    std::function<void(TMatrix& Sender, std::int32_t Row1, std::int32_t Row2, double& Distance)>;

class TMatrix : public TGridT<TMatrix, double> {
public:
  TMatrix() = default;

  TOnCalcDistanceEvent OnCalcDistance;

  // Field width and decimals of the text-file form.
  static constexpr std::int32_t PrecisWidth = 15;
  static constexpr std::int32_t PrecisDecimals = -1;

  // Always reallocates and notifies, also for the current shape; a count of
  // 0 leaves no cells, a negative count is an error.
  bool Resize(std::int32_t Nc, std::int32_t Nr);
  void SetNrOfColumns(std::int32_t value) { Resize(value < 1 ? 1 : value, FNRow); }
  void SetNrOfRows(std::int32_t value) { Resize(FNCol, value < 1 ? 1 : value); }

  void Clone(const TMatrix* MatSource);
  void CopyFromVec(const TVector* VecSource, std::int32_t Source1stElem,
                   std::int32_t SourceLastElem, std::int32_t DestCol, std::int32_t DestRow);
  bool Transpose();
  bool Add(const TMatrix* MatB) { return addDense(MatB, 1); }

  // Self (square) = permuted MatL * MatU, MatL unit lower triangular. False
  // for a non-square matrix, a zero row or a pivot below 1e-100.
  bool LUdecomposition(TMatrix* MatL, TMatrix* MatU);
  // 0 for a non-square or singular matrix.
  double Determinant();
  // In place; False (the matrix unchanged) for a non-square or singular one.
  bool Invert();
  // Distances between rows into the square DMat of order NrOfRows: 0, or -1
  // (DMat not square), -2 (wrong order). Jaccard and Dice of two zero rows
  // divide by zero: CalcFailure, DMat untouched.
  std::int32_t CalcDistMat(TDistMode Mode, TMatrix* DMat);

  void StandardizeColumns(TVector* Means, TVector* StdDevs);
  void StandardizeRows(TVector* Means, TVector* StdDevs);
  void MeanCenterColumns(TVector* Means);
  void MeanCenterRows(TVector* Means);

  // The rectangle is used as given (cells outside read 0): columns LoX..HiX
  // outer, rows LoY..HiY inner.
  bool Histogram(std::int32_t LoX, std::int32_t LoY, std::int32_t HiX, std::int32_t HiY,
                 double FirstBin, double LastBin, double BinWidth, TIntVector& Histo,
                 std::int32_t& Underflow, std::int32_t& Overflow, std::int32_t& MaxCnt) const;

private:
  double luSign_ = 1;
  std::vector<double> rowMajorCopy() const;
  void standardize(bool columns, bool scale, TVector* Means, TVector* StdDevs);
};

}  // namespace zw
