#include "numerics/IntMatrix.h"

#include <algorithm>

namespace zw {

namespace {

bool Before(const TSpMatElemInt& e, std::int32_t c, std::int32_t r) {
  return e.colidx < c || (e.colidx == c && e.rowidx < r);
}

}  // namespace

TIntMatrix::TIntMatrix(Sparse s) {
  Mat.clear();
  FNCol = FNRow = 0;
  FIsSparse = true;
  FAllocBy = std::max(s.AllocBy, 1);
  FNumAllocated = FAllocBy;
  Allocating<EZwMatrixError>(tail::NoHeap, [&] { SpMat.reserve(static_cast<std::size_t>(FAllocBy)); });
}

void TIntMatrix::emptyBounds() {
  FSparseLowCol = FSparseLowRow = 2147483647;
  FSparseHighCol = FSparseHighRow = 1;
}

void TIntMatrix::widenBounds(std::int32_t c, std::int32_t r) {
  FSparseLowCol = std::min(FSparseLowCol, c);
  FSparseHighCol = std::max(FSparseHighCol, c);
  FSparseLowRow = std::min(FSparseLowRow, r);
  FSparseHighRow = std::max(FSparseHighRow, r);
}

std::int32_t TIntMatrix::Elem(std::int32_t Col, std::int32_t Row) const {
  if (!FIsSparse) return Base::Elem(Col, Row);
  if (Col < FSparseLowCol || Col > FSparseHighCol || Row < FSparseLowRow || Row > FSparseHighRow)
    return 0;
  const auto it = std::lower_bound(SpMat.begin(), SpMat.end(), std::pair{Col, Row},
                                   [](const TSpMatElemInt& e, const std::pair<std::int32_t, std::int32_t>& k) {
                                     return Before(e, k.first, k.second);
                                   });
  return it != SpMat.end() && it->colidx == Col && it->rowidx == Row ? it->value : 0;
}

void TIntMatrix::SetElem(std::int32_t Col, std::int32_t Row, std::int32_t value) {
  if (!FIsSparse) {
    Base::SetElem(Col, Row, value);
    return;
  }
  // Stores in column order append: look at the end before searching.
  const auto it = SpMat.empty() || Before(SpMat.back(), Col, Row)
                      ? SpMat.end()
                      : std::lower_bound(SpMat.begin(), SpMat.end(), std::pair{Col, Row},
                                         [](const TSpMatElemInt& e, const std::pair<std::int32_t, std::int32_t>& k) {
                                           return Before(e, k.first, k.second);
                                         });
  if (it != SpMat.end() && it->colidx == Col && it->rowidx == Row) {
    it->value = value;
  } else {
    const auto at = it - SpMat.begin();
    // The slot count grows in steps of AllocBy; the real storage geometrically.
    Allocating<EZwMatrixError>(tail::NoHeap, [&] { SpMat.insert(static_cast<std::size_t>(at), {Col, Row, value}); });
    if (static_cast<std::int64_t>(SpMat.size()) > FNumAllocated) FNumAllocated += FAllocBy;
    widenBounds(Col, Row);
    FNCol = FSparseHighCol;
    FNRow = FSparseHighRow;
  }
  Changed();
}

bool TIntMatrix::Resize(std::int32_t Nc, std::int32_t Nr) {
  if (FIsSparse) {
    FNCol = Nc;
    FNRow = Nr;
    FSparseHighCol = std::min(FSparseHighCol, Nc);
    FSparseHighRow = std::min(FSparseHighRow, Nr);
    FSparseLowCol = std::min(FSparseLowCol, FSparseHighCol);
    FSparseLowRow = std::min(FSparseLowRow, FSparseHighRow);
    SpMat.eraseIf([&](const TSpMatElemInt& e) { return e.colidx > Nc || e.rowidx > Nr; });
    return false;
  }
  if ((Nc == FNCol && Nr == FNRow) || Nc < 1 || Nr < 1) return false;
  reshape(Nc, Nr);
  Changed();
  return true;
}

void TIntMatrix::SparseToArray() {
  if (!FIsSparse) return;
  reshape(FSparseHighCol, FSparseHighRow);  // from no cells: all 0
  for (const auto& e : SpMat)
    if (e.colidx >= 1 && e.rowidx >= 1)  // the high bounds hold every other one
      Mat[static_cast<std::size_t>(e.colidx - 1)][static_cast<std::size_t>(e.rowidx - 1)] = e.value;
  FIsSparse = false;
  SpMat.release();
  FNumAllocated = 0;
}

void TIntMatrix::ArrayToSparse(std::int32_t AllocBy) {
  if (FIsSparse) return;
  TSlotList<TSpMatElemInt> list;
  std::int32_t allocBy = AllocBy <= 0 ? 1 : AllocBy;
  std::int32_t allocated = allocBy;
  Allocating<EZwMatrixError>(tail::NoHeap, [&] {
    for (std::int32_t c = 1; c <= FNCol; ++c)
      for (std::int32_t r = 1; r <= FNRow; ++r) {
        if (static_cast<std::int64_t>(list.size()) == allocated) allocated += allocBy;
        if (const std::int32_t v = Mat[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)]; v != 0)
          list.push_back({c, r, v});
      }
  });
  FIsSparse = true;
  FAllocBy = allocBy;
  FNumAllocated = allocated;
  SpMat = std::move(list);
  emptyBounds();
  for (const auto& e : SpMat) widenBounds(e.colidx, e.rowidx);
  Mat.clear();
  Mat.shrink_to_fit();
}

void TIntMatrix::Clone(const TIntMatrix* MatSource) {
  if (!MatSource || MatSource == this || MatSource->FIsSparse != FIsSparse) return;
  if (!FIsSparse) {
    cloneDense(*MatSource);
    return;
  }
  Allocating<EZwMatrixError>(tail::NoHeap, [&] { SpMat = MatSource->SpMat; });
  FNumAllocated = MatSource->FNumAllocated;
  FAllocBy = MatSource->FAllocBy;
  FSparseLowCol = MatSource->FSparseLowCol;
  FSparseHighCol = MatSource->FSparseHighCol;
  FSparseLowRow = MatSource->FSparseLowRow;
  FSparseHighRow = MatSource->FSparseHighRow;
  FNCol = MatSource->FNCol;
  FNRow = MatSource->FNRow;
  Changed();
}

void TIntMatrix::Fill(std::int32_t value) {
  if (!FIsSparse) {
    Base::Fill(value);
    return;
  }
  if (value != 0) {
    for (auto& e : SpMat) e.value = value;
  } else {
    SpMat.clear();
    FNumAllocated = FAllocBy;
    emptyBounds();
  }
  Changed();
}

bool TIntMatrix::Transpose() {
  if (!FIsSparse) {
    transposeDense();
    return true;
  }
  for (auto& e : SpMat) std::swap(e.colidx, e.rowidx);
  std::swap(FSparseLowCol, FSparseLowRow);
  std::swap(FSparseHighCol, FSparseHighRow);
  std::swap(FNCol, FNRow);
  // Keys are unique, so any sort gives the one order.
  std::sort(SpMat.begin(), SpMat.end(),
            [](const TSpMatElemInt& a, const TSpMatElemInt& b) { return Before(a, b.colidx, b.rowidx); });
  Changed();
  return true;
}

bool TIntMatrix::Add(const TIntMatrix* MatB) {
  if (!MatB || FIsSparse) return false;
  if (!MatB->FIsSparse) return addDense(MatB, 1);
  if (!hasDense() || FNCol < MatB->FSparseHighCol || FNRow < MatB->FSparseHighRow) return false;
  for (const auto& e : MatB->SpMat)
    if (e.colidx >= 1 && e.rowidx >= 1) {
      auto& cell = Mat[static_cast<std::size_t>(e.colidx - 1)][static_cast<std::size_t>(e.rowidx - 1)];
      cell = WrapInt32(std::int64_t{cell} + e.value);
    }
  Changed();
  return true;
}

std::int64_t TIntMatrix::Trace() const {
  if (!FIsSparse) return Base::Trace();
  if (FSparseHighRow != FSparseHighCol) return 0;
  std::int64_t s = 0;
  for (const auto& e : SpMat)
    if (e.colidx == e.rowidx) s += e.value;
  return s;
}

bool TIntMatrix::storedInRect(const TSpMatElemInt& e, std::int32_t LoC, std::int32_t LoR,
                              std::int32_t HiC, std::int32_t HiR) const {
  if (LoC > HiC) std::swap(LoC, HiC);
  if (LoR > HiR) std::swap(LoR, HiR);
  return e.colidx >= LoC && e.colidx <= HiC && e.rowidx >= LoR && e.rowidx <= HiR;
}

void TIntMatrix::MinMax(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol,
                        std::int32_t HighRow, std::int32_t& Minimum, std::int32_t& Maximum) const {
  if (!FIsSparse) {
    Base::MinMax(LowCol, LowRow, HighCol, HighRow, Minimum, Maximum);
    return;
  }
  Minimum = 2147483647;
  Maximum = -2147483647;
  bool first = true;
  for (const auto& e : SpMat)
    if (storedInRect(e, LowCol, LowRow, HighCol, HighRow)) {
      if (first || e.value < Minimum) Minimum = e.value;
      if (first || e.value > Maximum) Maximum = e.value;
      first = false;
    }
}

std::int64_t TIntMatrix::Sum(std::int32_t LoC, std::int32_t LoR, std::int32_t HiC, std::int32_t HiR) const {
  if (!FIsSparse) return Base::Sum(LoC, LoR, HiC, HiR);
  std::int64_t s = 0;
  for (const auto& e : SpMat)
    if (storedInRect(e, LoC, LoR, HiC, HiR)) s += e.value;
  return s;
}

}  // namespace zw
