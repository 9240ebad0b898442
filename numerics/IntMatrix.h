#pragma once
// TIntMatrix: the 32-bit integer grid, held either densely (the shared grid
// store) or sparsely as a list of stored cells sorted by (column, row). A
// sparse matrix accepts a write to any cell and grows: its counts follow the
// highest column and row stored. Storing 0 keeps the element. Operations
// that need the dense cells give their "no storage" result on a sparse matrix
// (convert it with SparseToArray first).
#include <cstdint>
#include <memory>
#include <vector>

#include <span>

#include "numerics/Grid.h"
#include "numerics/SlotList.h"

namespace zw {

struct TSpMatElemInt {
  std::int32_t colidx = 0;
  std::int32_t rowidx = 0;
  std::int32_t value = 0;
};

class TIntMatrix : public TGridT<TIntMatrix, std::int32_t> {
public:
  using Base = TGridT<TIntMatrix, std::int32_t>;
  struct Sparse {
    std::int32_t AllocBy = 1;
  };

  TIntMatrix() = default;  // dense, 1 x 1 holding 0
  explicit TIntMatrix(Sparse s);
  static std::unique_ptr<TIntMatrix> CreateSparse(std::int32_t AllocBy) {
    return std::make_unique<TIntMatrix>(Sparse{AllocBy});
  }

  std::int32_t Elem(std::int32_t Col, std::int32_t Row) const;
  void SetElem(std::int32_t Col, std::int32_t Row, std::int32_t value);

  // Dense: only a new shape with both counts above 0 (True, OnChange).
  // Sparse: drops the elements beyond the new counts, returns False and
  // notifies nothing.
  bool Resize(std::int32_t Nc, std::int32_t Nr);
  void SetNrOfColumns(std::int32_t value) { Resize(value < 1 ? 1 : value, FNRow); }
  void SetNrOfRows(std::int32_t value) { Resize(FNCol, value < 1 ? 1 : value); }

  bool IsSparse() const { return FIsSparse; }
  void SparseToArray();
  void ArrayToSparse(std::int32_t AllocBy);

  // Only between two matrices of the same mode.
  void Clone(const TIntMatrix* MatSource);
  void Fill(std::int32_t value);
  bool Transpose();
  // Dense Self plus a dense matrix of its shape or a sparse one that fits.
  bool Add(const TIntMatrix* MatB);
  std::int64_t Trace() const;
  void MinMax(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol, std::int32_t HighRow,
              std::int32_t& Minimum, std::int32_t& Maximum) const;
  std::int64_t Sum(std::int32_t LoC, std::int32_t LoR, std::int32_t HiC, std::int32_t HiR) const;
  bool HasCells() const { return FIsSparse ? FNCol > 0 && FNRow > 0 : Base::HasCells(); }

  // The sparse bookkeeping (logical slot counts and bounds).
  std::int32_t NumAllocated() const { return FNumAllocated; }
  std::int32_t AllocBy() const { return FAllocBy; }
  std::int32_t SparseNumElem() const { return static_cast<std::int32_t>(SpMat.size()); }
  std::int32_t SparseLowCol() const { return FSparseLowCol; }
  std::int32_t SparseHighCol() const { return FSparseHighCol; }
  std::int32_t SparseLowRow() const { return FSparseLowRow; }
  std::int32_t SparseHighRow() const { return FSparseHighRow; }
  std::span<const TSpMatElemInt> SparseElements() const { return {SpMat.begin(), SpMat.end()}; }

  // The sparse text file: a signature, the element count and the bounds in
  // aligned columns, then "[col,row]=value" per element. A dense matrix
  // writes "this matrix is not a sparse matrix" and gives False.
  bool StoreSparseMat(const std::string& FileName) const;
  // Merges the elements of a sparse file into the matrix (dense: only those
  // inside the shape). True when the announced count of element lines came
  // and every line held "="; the elements read stay either way.
  bool LoadSparseMat(const std::string& FileName);

private:
  bool FIsSparse = false;
  std::int32_t FNumAllocated = 0;
  std::int32_t FAllocBy = 1;
  std::int32_t FSparseLowCol = 2147483647, FSparseHighCol = 1;
  std::int32_t FSparseLowRow = 2147483647, FSparseHighRow = 1;
  TSlotList<TSpMatElemInt> SpMat;  // the used slots

  void emptyBounds();
  void widenBounds(std::int32_t c, std::int32_t r);
  bool storedInRect(const TSpMatElemInt& e, std::int32_t LoC, std::int32_t LoR, std::int32_t HiC,
                    std::int32_t HiR) const;
};

}  // namespace zw
