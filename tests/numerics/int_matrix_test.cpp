#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/numerics/change_counter.h"
#include "numerics/IntMatrix.h"

namespace zw {
namespace {

using Elements = std::vector<std::tuple<int, int, int>>;

Elements List(const TIntMatrix& m) {
  Elements out;
  for (const auto& e : m.SparseElements()) out.emplace_back(e.colidx, e.rowidx, e.value);
  return out;
}

TEST(IntMatrix, DenseResizeOnlyForANewShape) {
  TIntMatrix m;
  ChangeCounter n(m);
  EXPECT_FALSE(m.IsSparse());
  EXPECT_FALSE(m.Resize(1, 1));
  EXPECT_FALSE(m.Resize(0, 4));
  EXPECT_EQ(n.changes, 0);
  EXPECT_TRUE(m.Resize(2, 3));
  EXPECT_EQ(n.changes, 1);
  m.SetElem(2, 3, 7);
  m.SetElem(3, 3, 7);
  EXPECT_EQ(m.Elem(2, 3), 7);
  EXPECT_EQ(m.Elem(3, 3), 0);
  EXPECT_EQ(n.changes, 2);
}

TEST(IntMatrix, SparseStoresGrowTheMatrix) {
  auto m = TIntMatrix::CreateSparse(0);
  EXPECT_TRUE(m->IsSparse());
  EXPECT_EQ(m->AllocBy(), 1);
  EXPECT_EQ(m->NumAllocated(), 1);
  EXPECT_EQ(m->NrOfColumns(), 0);
  EXPECT_EQ(m->SparseLowCol(), 2147483647);
  EXPECT_EQ(m->SparseHighCol(), 1);
  ChangeCounter n(*m);
  m->SetElem(2, 5, 7);
  m->SetElem(1, 9, 3);
  EXPECT_EQ(List(*m), (Elements{{1, 9, 3}, {2, 5, 7}}));
  EXPECT_EQ(m->NumAllocated(), 2);
  EXPECT_EQ(std::make_tuple(m->SparseLowCol(), m->SparseHighCol(), m->SparseLowRow(), m->SparseHighRow()),
            std::make_tuple(1, 2, 5, 9));
  EXPECT_EQ(m->NrOfColumns(), 2);
  EXPECT_EQ(m->NrOfRows(), 9);
  EXPECT_EQ(m->Elem(1, 5), 0);
  EXPECT_EQ(m->Elem(2, 5), 7);
  EXPECT_EQ(m->Elem(3, 5), 0);
  m->SetElem(1, 7, 4);
  EXPECT_EQ(m->NumAllocated(), 3);
  m->SetElem(1, 7, 0);  // storing 0 keeps the element
  EXPECT_EQ(m->SparseNumElem(), 3);
  EXPECT_EQ(m->NumAllocated(), 3);
  EXPECT_EQ(n.changes, 4);

  // Resize drops what lies beyond and fires nothing.
  n.changes = 0;
  EXPECT_FALSE(m->Resize(1, 9));
  EXPECT_EQ(List(*m), (Elements{{1, 7, 0}, {1, 9, 3}}));
  EXPECT_EQ(m->SparseHighCol(), 1);
  EXPECT_EQ(n.changes, 0);

  m->SparseToArray();
  EXPECT_FALSE(m->IsSparse());
  EXPECT_EQ(m->NrOfColumns(), 1);
  EXPECT_EQ(m->NrOfRows(), 9);
  EXPECT_EQ(m->Elem(1, 9), 3);
  EXPECT_EQ(m->NumAllocated(), 0);
  EXPECT_EQ(n.changes, 0);
}

TEST(IntMatrix, ConversionsBothWays) {
  TIntMatrix d;
  d.Resize(2, 2);
  d.SetElem(1, 2, 4);
  d.SetElem(2, 1, 5);
  ChangeCounter n(d);
  d.ArrayToSparse(2);
  EXPECT_EQ(List(d), (Elements{{1, 2, 4}, {2, 1, 5}}));
  EXPECT_EQ(d.NrOfColumns(), 2);
  EXPECT_EQ(d.NrOfRows(), 2);
  // Four cells visited with a step of 2: the slots grew once before the
  // third cell.
  EXPECT_EQ(d.NumAllocated(), 4);
  EXPECT_EQ(n.changes, 0);

  auto empty = TIntMatrix::CreateSparse(5);
  empty->SparseToArray();
  EXPECT_EQ(empty->NrOfColumns(), 1);
  EXPECT_EQ(empty->NrOfRows(), 1);
  EXPECT_EQ(empty->Elem(1, 1), 0);

  // Cells below 1 are kept in sparse form but have no dense cell.
  auto odd = TIntMatrix::CreateSparse(1);
  odd->SetElem(0, 2, 8);
  odd->SetElem(-3, -3, 8);
  odd->SetElem(2, 1, 6);
  EXPECT_EQ(odd->Elem(-3, -3), 8);
  odd->SparseToArray();
  EXPECT_EQ(odd->NrOfColumns(), 2);
  EXPECT_EQ(odd->NrOfRows(), 2);
  EXPECT_EQ(odd->Sum(1, 1, 2, 2), 6);
}

TEST(IntMatrix, SparseTransposeFillCloneAdd) {
  auto m = TIntMatrix::CreateSparse(3);
  m->SetElem(2, 5, 7);
  m->SetElem(1, 9, 3);
  ChangeCounter n(*m);
  EXPECT_TRUE(m->Transpose());
  EXPECT_EQ(List(*m), (Elements{{5, 2, 7}, {9, 1, 3}}));
  EXPECT_EQ(m->NrOfColumns(), 9);
  EXPECT_EQ(m->NrOfRows(), 2);
  EXPECT_EQ(m->Elem(9, 1), 3);
  EXPECT_EQ(n.changes, 1);

  auto copy = TIntMatrix::CreateSparse(1);
  copy->Clone(m.get());
  EXPECT_EQ(List(*copy), List(*m));
  EXPECT_EQ(copy->AllocBy(), 3);
  EXPECT_EQ(copy->NumAllocated(), m->NumAllocated());
  TIntMatrix dense;
  dense.Clone(m.get());  // modes differ: nothing
  EXPECT_EQ(dense.NrOfColumns(), 1);
  m->Clone(&dense);
  EXPECT_EQ(m->SparseNumElem(), 2);

  // Dense plus sparse: only when the sparse one fits.
  dense.Resize(9, 2);
  EXPECT_TRUE(dense.Add(m.get()));
  EXPECT_EQ(dense.Elem(5, 2), 7);
  EXPECT_EQ(dense.Elem(9, 1), 3);
  TIntMatrix small;
  small.Resize(8, 2);
  EXPECT_FALSE(small.Add(m.get()));
  EXPECT_EQ(small.Elem(5, 2), 0);
  EXPECT_FALSE(m->Add(&dense));

  m->Fill(4);
  EXPECT_EQ(List(*m), (Elements{{5, 2, 4}, {9, 1, 4}}));
  m->Fill(0);
  EXPECT_EQ(m->SparseNumElem(), 0);
  EXPECT_EQ(m->NumAllocated(), 3);
  EXPECT_EQ(m->SparseHighCol(), 1);
  EXPECT_EQ(m->NrOfColumns(), 9);

  // Trace: stored diagonal elements when the bounds are square.
  auto t = TIntMatrix::CreateSparse(1);
  t->SetElem(1, 1, 2);
  t->SetElem(3, 3, 5);
  t->SetElem(1, 3, 9);
  EXPECT_EQ(t->Trace(), 7);
  t->SetElem(4, 1, 1);
  EXPECT_EQ(t->Trace(), 0);
}

TEST(IntMatrix, DenseOnlyOperationsLeaveASparseMatrixAlone) {
  auto m = TIntMatrix::CreateSparse(1);
  m->SetElem(1, 1, 3);
  m->SetElem(2, 2, 1);
  const auto before = List(*m);
  std::int32_t c = -1, r = -1;
  m->Find(0, 0, 0, 0, 3, c, r);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(m->FindInSortedColumn(1, true, 3), 0);
  m->SortRows(1, true, 1, 1, 2, 2);
  m->MirrorColumns();
  m->ExchangeRows(1, 2);
  m->SMult(5);
  EXPECT_FALSE(m->Subtract(m.get()));
  TIntMatrix res;
  res.Resize(2, 2);
  EXPECT_FALSE(m->Multiply(m.get(), &res));
  EXPECT_EQ(m->CRCofData(), "");
  EXPECT_EQ(List(*m), before);
}

TEST(IntMatrix, DenseArithmeticIsDefinedOnOverflow) {
  TIntMatrix a, b, res;
  a.Resize(2, 1);
  a.SetElem(1, 1, 65536);
  a.SetElem(2, 1, 65536);
  b.Resize(1, 2);
  b.SetElem(1, 1, 65536);
  b.SetElem(1, 2, 65536);
  // 2 * 2^32 keeps its low 32 bits: 0.
  EXPECT_TRUE(a.Multiply(&b, &res));
  EXPECT_EQ(res.Elem(1, 1), 0);
  TIntMatrix c;
  c.Resize(2, 1);
  c.Fill(2147483647);
  EXPECT_EQ(c.Trace(), 0);
  c.Resize(1, 1);
  c.SMult(2);
  EXPECT_EQ(c.Elem(1, 1), -2);
  TIntMatrix d;
  d.Resize(2, 2);
  d.SetElem(1, 1, 4);
  d.SetElem(2, 1, 1);
  d.SetElem(1, 2, 2);
  d.SetElem(2, 2, 3);
  d.SortCols(1, true, 1, 1, 2, 2);
  EXPECT_EQ(d.Elem(1, 1), 1);
  EXPECT_EQ(d.Elem(1, 2), 3);
  EXPECT_EQ(d.FindInSortedColumn(1, true, 2), 2);  // 1 and 3 equally near: the upper row
  TIntMatrix e;
  e.Clone(&d);
  EXPECT_EQ(e.Elem(2, 2), 2);
  EXPECT_TRUE(e.Add(&d));
  EXPECT_EQ(e.Elem(2, 2), 4);
}

}  // namespace
}  // namespace zw
