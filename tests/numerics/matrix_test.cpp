#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <optional>
#include <random>
#include <tuple>
#include <vector>

#include "kernel/CalcFailure.h"
#include "tests/numerics/change_counter.h"
#include "numerics/Matrix.h"

namespace zw {
namespace {

// Rows as given, so fixtures read like the matrices they are.
void SetRows(TMatrix& m, const std::vector<std::vector<double>>& rows) {
  m.Resize(static_cast<std::int32_t>(rows[0].size()), static_cast<std::int32_t>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      m.SetElem(static_cast<std::int32_t>(c + 1), static_cast<std::int32_t>(r + 1), rows[r][c]);
}

std::vector<std::vector<double>> Rows(const TMatrix& m) {
  std::vector<std::vector<double>> rows(static_cast<std::size_t>(m.NrOfRows()));
  for (std::int32_t r = 1; r <= m.NrOfRows(); ++r)
    for (std::int32_t c = 1; c <= m.NrOfColumns(); ++c) rows[r - 1].push_back(m.Elem(c, r));
  return rows;
}

TEST(Matrix, AccessAndResize) {
  TMatrix m;
  ChangeCounter n(m);
  EXPECT_EQ(m.NrOfColumns(), 1);
  EXPECT_EQ(m.NrOfRows(), 1);
  for (auto [c, r] : std::vector<std::pair<int, int>>{{0, 1}, {2, 1}, {1, 0}, {1, 2}}) {
    m.SetElem(c, r, 9);
    EXPECT_EQ(m.Elem(c, r), 0);
  }
  EXPECT_EQ(n.changes, 0);

  SetRows(m, {{1, 2}, {3, 4}, {5, 6}});  // 2 columns, 3 rows
  n.changes = 0;
  EXPECT_TRUE(m.Resize(3, 2));
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{1, 2, 0}, {3, 4, 0}}));
  EXPECT_TRUE(m.Resize(3, 2));  // the same shape still notifies
  EXPECT_EQ(n.changes, 2);
  m.SetNrOfColumns(0);
  EXPECT_EQ(m.NrOfColumns(), 1);
  m.SetNrOfRows(-4);
  EXPECT_EQ(m.NrOfRows(), 1);
  m.Name = "Grid";
  try {
    m.Resize(-1, 3);
    FAIL();
  } catch (const EZwMatrixError& e) {
    EXPECT_STREQ(e.what(), "Component \"Grid\": not enough memory on heap");
  }
  EXPECT_EQ(m.NrOfRows(), 1);
  EXPECT_THROW(m.Resize(2000000000, 2000000000), EZwMatrixError);
  EXPECT_EQ(m.NrOfColumns(), 1);
  EXPECT_EQ(m.Elem(1, 1), 1);

  // An empty matrix: no cells, no storage results.
  m.Resize(0, 3);
  EXPECT_EQ(m.Elem(1, 1), 0);
  m.Fill(3);
  EXPECT_EQ(m.Trace(), 0);
  EXPECT_FALSE(m.Invert());
  EXPECT_EQ(m.Determinant(), 0);
  std::int32_t c = -1, r = -1;
  m.Find(0, 0, 0, 0, 1, c, r);
  EXPECT_EQ(c, 0);
}

TEST(Matrix, CopiesNotifyPerCellAndOnceMore) {
  TMatrix src, dst;
  SetRows(src, {{1, 2, 3}, {4, 5, 6}});
  ChangeCounter n(dst);
  dst.Clone(&src);
  EXPECT_EQ(Rows(dst), Rows(src));
  EXPECT_EQ(n.changes, 1 + 6 + 1);

  n.changes = 0;
  dst.CopyFrom(&src, 3, 2, 2, 1, 2, 2);  // source columns 2..3, rows 1..2 to [2.., 2..]
  EXPECT_EQ(Rows(dst), (std::vector<std::vector<double>>{{1, 2, 3}, {4, 2, 3}}));
  EXPECT_EQ(n.changes, 2 + 1);  // two cells inside, the rest dropped

  TVector v;
  v.Resize(3);
  for (int i = 1; i <= 3; ++i) v.SetElem(i, 10 * i);
  n.changes = 0;
  dst.CopyFromVec(&v, 2, 3, 1, 2);
  EXPECT_EQ(Rows(dst), (std::vector<std::vector<double>>{{1, 2, 3}, {20, 2, 3}}));
  EXPECT_EQ(n.changes, 2);

  TVector row;
  row.Resize(2);
  src.CopyRowToVec(&row, 9, 1, 3);  // row clamped to 2, cut to two elements
  EXPECT_EQ(row.Elem(1), 4);
  EXPECT_EQ(row.Elem(2), 5);
  TVector col;
  col.Resize(4);
  col.Fill(7);
  src.CopyColToVec(&col, 3, 0, 5);
  EXPECT_EQ(col.Elem(1), 3);
  EXPECT_EQ(col.Elem(2), 6);
  EXPECT_EQ(col.Elem(3), 0);
}

TEST(Matrix, TransposeArithmeticAndProduct) {
  TMatrix m, b, res;
  SetRows(m, {{1, 2}, {3, 4}, {5, 6}});
  EXPECT_TRUE(m.Transpose());
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{1, 3, 5}, {2, 4, 6}}));
  SetRows(b, {{1, 0}, {0, 1}, {1, 1}});
  res.Resize(1, 1);
  res.SetElem(1, 1, 42);
  EXPECT_FALSE(m.Multiply(&b, &res));  // MatRes of the wrong shape stays
  EXPECT_EQ(Rows(res), (std::vector<std::vector<double>>{{42}}));
  res.Resize(2, 2);
  ChangeCounter nRes(res), nSelf(m);
  EXPECT_TRUE(m.Multiply(&b, &res));
  EXPECT_EQ(Rows(res), (std::vector<std::vector<double>>{{6, 8}, {8, 10}}));
  EXPECT_EQ(nRes.changes, 4);
  EXPECT_EQ(nSelf.changes, 1);

  // A square product into one of its inputs gives the true product.
  TMatrix a, a2;
  SetRows(a, {{1, 2}, {3, 4}});
  SetRows(a2, {{1, 2}, {3, 4}});
  EXPECT_TRUE(a.Multiply(&a2, &a));
  EXPECT_EQ(Rows(a), (std::vector<std::vector<double>>{{7, 10}, {15, 22}}));

  EXPECT_FALSE(a.Add(&b));
  EXPECT_TRUE(a.Subtract(&a2));
  EXPECT_EQ(Rows(a), (std::vector<std::vector<double>>{{6, 8}, {12, 18}}));
  a.SMult(0.5);
  EXPECT_EQ(a.Trace(), 3 + 9);
  EXPECT_EQ(b.Trace(), 0);
}

TEST(Matrix, DeterminantAndInverse) {
  TMatrix m;
  SetRows(m, {{1, 2}, {3, 4}});
  EXPECT_DOUBLE_EQ(m.Determinant(), -2);
  SetRows(m, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}});
  EXPECT_EQ(m.Determinant(), 0);
  SetRows(m, {{1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(m.Determinant(), 0);

  SetRows(m, {{4, 7}, {2, 6}});
  ChangeCounter n(m);
  EXPECT_TRUE(m.Invert());
  EXPECT_EQ(n.changes, 1);
  const auto inv = Rows(m);
  EXPECT_NEAR(inv[0][0], 0.6, 1e-15);
  EXPECT_NEAR(inv[0][1], -0.7, 1e-15);
  EXPECT_NEAR(inv[1][0], -0.2, 1e-15);
  EXPECT_NEAR(inv[1][1], 0.4, 1e-15);

  // Singular: False and the matrix unchanged, the notification still fires.
  for (const auto& rows : std::vector<std::vector<std::vector<double>>>{{{1, 2}, {2, 4}}, {{1, 2}, {0, 0}}}) {
    SetRows(m, rows);
    n.changes = 0;
    EXPECT_FALSE(m.Invert());
    EXPECT_EQ(Rows(m), rows);
    EXPECT_EQ(n.changes, 1);
  }
  SetRows(m, {{1, 2, 3}});
  n.changes = 0;
  EXPECT_FALSE(m.Invert());
  EXPECT_EQ(n.changes, 0);
}

TEST(Matrix, LUFailures) {
  TMatrix m, l, u;
  SetRows(m, {{1, 2}, {0, 0}});
  ChangeCounter nl(l), nu(u);
  EXPECT_FALSE(m.LUdecomposition(&l, &u));  // a zero row: U holds the copy
  EXPECT_EQ(Rows(u), Rows(m));
  EXPECT_EQ(Rows(l), (std::vector<std::vector<double>>{{0, 0}, {0, 0}}));
  EXPECT_EQ(nl.changes, 1);
  EXPECT_EQ(nu.changes, 1);
  SetRows(m, {{1, 2}, {2, 4}});  // singular: a pivot below 1e-100
  EXPECT_FALSE(m.LUdecomposition(&l, &u));
  EXPECT_FALSE(m.LUdecomposition(&l, &l));
  EXPECT_FALSE(m.LUdecomposition(nullptr, &u));
  SetRows(m, {{1, 2, 3}});
  EXPECT_FALSE(m.LUdecomposition(&l, &u));
}

TEST(Matrix, LUAndInverseAgainstEigen) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> u(-10, 10);
  for (int size : {1, 2, 5, 12, 30}) {
    TMatrix m, l, up;
    Eigen::MatrixXd e(size, size);
    m.Resize(size, size);
    for (int r = 0; r < size; ++r)
      for (int c = 0; c < size; ++c) {
        e(r, c) = u(rng);
        m.SetElem(c + 1, r + 1, e(r, c));
      }
    ASSERT_TRUE(m.LUdecomposition(&l, &up));
    // L unit lower, U upper, L U = the rows of the matrix in some order.
    Eigen::MatrixXd L(size, size), U(size, size);
    for (int r = 0; r < size; ++r)
      for (int c = 0; c < size; ++c) {
        L(r, c) = l.Elem(c + 1, r + 1);
        U(r, c) = up.Elem(c + 1, r + 1);
        if (c > r) {
          EXPECT_EQ(L(r, c), 0);
        }
        if (c < r) {
          EXPECT_EQ(U(r, c), 0);
        }
      }
    for (int r = 0; r < size; ++r) EXPECT_EQ(L(r, r), 1);
    const Eigen::MatrixXd lu = L * U;
    std::vector<bool> used(static_cast<std::size_t>(size));
    for (int r = 0; r < size; ++r) {
      int match = -1;
      for (int k = 0; k < size; ++k)
        if (!used[k] && (lu.row(r) - e.row(k)).norm() < 1e-9 * (1 + e.row(k).norm())) match = k;
      ASSERT_GE(match, 0) << "row " << r << " of L U is no row of the matrix";
      used[match] = true;
    }
    const double det = e.determinant();
    EXPECT_NEAR(m.Determinant(), det, 1e-9 * std::fabs(det));
    ASSERT_TRUE(m.Invert());
    Eigen::MatrixXd inv(size, size);
    for (int r = 0; r < size; ++r)
      for (int c = 0; c < size; ++c) inv(r, c) = m.Elem(c + 1, r + 1);
    EXPECT_LT((e * inv - Eigen::MatrixXd::Identity(size, size)).norm(), 1e-9) << size;
  }
}

TEST(Matrix, DistanceMatrices) {
  TMatrix m, d;
  SetRows(m, {{0, 0}, {3, 4}});
  d.Resize(2, 2);
  EXPECT_EQ(m.CalcDistMat(TDistMode::dmEuclid, &d), 0);
  EXPECT_EQ(Rows(d), (std::vector<std::vector<double>>{{0, 5}, {5, 0}}));
  // (mode, distance between (1, 2, 0) and (2, 0, 2))
  SetRows(m, {{1, 2, 0}, {2, 0, 2}});
  const std::vector<std::pair<TDistMode, double>> cases = {
      {TDistMode::dmManhattan, 5}, {TDistMode::dmEuclidSqr, 9}, {TDistMode::dmEuclid, 3},
      {TDistMode::dmJaccard, 2.0 / (5 + 8 - 2)}, {TDistMode::dmDice, 4.0 / 13}, {TDistMode::dmUserDef, 0}};
  for (auto [mode, expected] : cases) {
    d.Fill(-1);
    EXPECT_EQ(m.CalcDistMat(mode, &d), 0);
    EXPECT_DOUBLE_EQ(d.Elem(1, 2), expected) << DistModeNames[static_cast<int>(mode)];
    EXPECT_DOUBLE_EQ(d.Elem(2, 1), expected);
    EXPECT_EQ(d.Elem(1, 1), 0);
  }
  m.OnCalcDistance = [](TMatrix&, std::int32_t r1, std::int32_t r2, double& dist) {
    EXPECT_EQ(dist, 0);
    dist = 10 * r1 + r2;
  };
  m.CalcDistMat(TDistMode::dmUserDef, &d);
  EXPECT_EQ(d.Elem(2, 1), 12);

  TMatrix wrong;
  wrong.Resize(3, 3);
  EXPECT_EQ(m.CalcDistMat(TDistMode::dmEuclid, &wrong), -2);
  wrong.Resize(3, 2);
  EXPECT_EQ(m.CalcDistMat(TDistMode::dmEuclid, &wrong), -1);

  // Two zero rows: the similarity measures divide by zero; DMat untouched.
  SetRows(m, {{0, 0}, {0, 0}, {1, 1}});
  d.Resize(3, 3);
  d.Fill(-1);
  for (TDistMode mode : {TDistMode::dmJaccard, TDistMode::dmDice}) {
    EXPECT_THROW(m.CalcDistMat(mode, &d), CalcFailure);
    EXPECT_EQ(d.Elem(1, 1), -1);
  }
}

TEST(Matrix, SortRowsAndColumns) {
  TMatrix m;
  SetRows(m, {{3, 30, 300}, {1, 10, 100}, {2, 20, 200}});
  std::vector<std::tuple<int, int, int, int, int>> events;
  m.OnSortExchange = [&](TNumComponent&, std::uint8_t what, std::int32_t i1, std::int32_t i2,
                         std::int32_t first, std::int32_t last) { events.emplace_back(what, i1, i2, first, last); };
  ChangeCounter n(m);
  m.SortRows(1, true, 2, 1, 2, 3);  // key column 1, moves column 2 (and the key)
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{1, 10, 300}, {2, 20, 100}, {3, 30, 200}}));
  ASSERT_FALSE(events.empty());
  for (const auto& [what, i1, i2, first, last] : events) {
    EXPECT_EQ(what, 2);
    EXPECT_LT(i1, i2);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 2);
  }
  EXPECT_EQ(n.changes, 1);

  events.clear();
  n.changes = 0;
  m.SortRows(5, true, 1, 1, 3, 3);   // key outside: nothing
  m.SortRows(1, true, 1, 2, 3, 2);   // one row: nothing
  m.SortCols(0, true, 1, 1, 3, 3);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(n.changes, 0);

  m.SortCols(1, false, 1, 1, 3, 9);  // rows clipped to 1..3, descending by row 1
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{300, 10, 1}, {100, 20, 2}, {200, 30, 3}}));
  for (const auto& [what, i1, i2, first, last] : events) {
    EXPECT_EQ(what, 1);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 3);
  }
}

TEST(Matrix, MirrorExchangeFind) {
  TMatrix m;
  SetRows(m, {{1, 2}, {3, 4}});
  m.MirrorColumns();
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{2, 1}, {4, 3}}));
  m.MirrorRows();
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{4, 3}, {2, 1}}));
  ChangeCounter n(m);
  m.ExchangeColumns(1, 3);
  m.ExchangeRows(0, 1);
  EXPECT_EQ(n.changes, 0);
  m.ExchangeRows(1, 2);
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{2, 1}, {4, 3}}));

  SetRows(m, {{1, 5}, {3, 7}});
  std::int32_t c, r;
  m.Find(0, 0, 0, 0, 2, c, r);  // 1 at [1,1] and 3 at [1,2] equally near
  EXPECT_EQ(c, 1);
  EXPECT_EQ(r, 1);
  m.Find(2, 2, 0, 0, 6, c, r);  // column 2 only: 5 then 7
  EXPECT_EQ(c, 2);
  EXPECT_EQ(r, 1);

  SetRows(m, {{1}, {2}, {4}, {8}});
  EXPECT_EQ(m.FindInSortedColumn(1, true, 3), 3);
  EXPECT_EQ(m.FindInSortedColumn(1, true, -5), 1);
  EXPECT_EQ(m.FindInSortedColumn(2, true, 3), 0);
}

TEST(Matrix, StandardizeAndCentre) {
  TMatrix m;
  SetRows(m, {{1, 10}, {2, 10}, {3, 40}});
  TVector means, sds;
  means.Resize(2);
  sds.Resize(1);  // too short: the second value is dropped
  ChangeCounter n(m);
  m.StandardizeColumns(&means, &sds);
  EXPECT_EQ(n.changes, 1);
  EXPECT_EQ(means.Elem(1), 2);
  EXPECT_EQ(means.Elem(2), 20);
  EXPECT_EQ(sds.Elem(1), 1);
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{-1, -10 / std::sqrt(300.0)}, {0, -10 / std::sqrt(300.0)}, {1, 20 / std::sqrt(300.0)}}));

  SetRows(m, {{1, 3}, {5, 5}});
  m.StandardizeRows(nullptr, nullptr);
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{-1 / std::sqrt(2.0), 1 / std::sqrt(2.0)}, {0, 0}}));
  SetRows(m, {{1, 3}, {5, 9}});
  m.MeanCenterRows(&means);
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{-1, 1}, {-2, 2}}));
  EXPECT_EQ(means.Elem(2), 7);
  m.MeanCenterColumns(nullptr);
  EXPECT_EQ(Rows(m), (std::vector<std::vector<double>>{{0.5, -0.5}, {-0.5, 0.5}}));
}

// The surface plot: a grid filled cell by cell while its handler rescans the
// whole grid for the colour scale; inside the deferral scope it rescans once.
TEST(Matrix, GridFilledAsTheSurfacePlotDoes) {
  for (bool deferred : {false, true}) {
    TMatrix grid;
    int rescans = 0;
    double low = 0, high = 0;
    grid.OnChange = [&](TNumComponent&) {
      ++rescans;
      grid.MinMax(1, 1, grid.NrOfColumns(), grid.NrOfRows(), low, high);
    };
    {
      std::optional<TMatrix::TDeferChanges> scope;
      if (deferred) scope.emplace(grid);
      grid.Resize(20, 15);
      for (int c = 1; c <= 20; ++c)
        for (int r = 1; r <= 15; ++r) grid.SetElem(c, r, std::sin(c * 0.3) * r - 5);
    }
    EXPECT_EQ(rescans, deferred ? 1 : 1 + 300);
    double mn, mx;
    grid.MinMax(1, 1, 20, 15, mn, mx);
    EXPECT_EQ(low, mn);
    EXPECT_EQ(high, mx);
    EXPECT_DOUBLE_EQ(grid.Elem(5, 15), std::sin(1.5) * 15 - 5);
  }
  TMatrix quiet;
  int changes = 0;
  quiet.OnChange = [&](TNumComponent&) { ++changes; };
  { TMatrix::TDeferChanges scope(quiet); }
  EXPECT_EQ(changes, 0);  // nothing changed, nothing fired
}

}  // namespace
}  // namespace zw
