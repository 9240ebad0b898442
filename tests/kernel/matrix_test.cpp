#include "kernel/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <random>
#include <vector>

#include <Eigen/Dense>

#include "kernel/CalcFailure.h"

using namespace zw;

namespace {

using Rows = std::vector<std::vector<long double>>;
using EMat = Eigen::Matrix<long double, Eigen::Dynamic, Eigen::Dynamic>;

Matrix mat(const Rows& rows) {
  Matrix m{};
  for (size_t i = 0; i < rows.size(); ++i)
    for (size_t j = 0; j < rows[i].size(); ++j) m[i + 1][j + 1] = rows[i][j];
  return m;
}

Vektor vec(std::initializer_list<long double> v) {
  Vektor r{};
  int i = 1;
  for (long double x : v) r[i++] = x;
  return r;
}

EMat toEigen(const Matrix& m, int r, int c) {
  EMat e(r, c);
  for (int i = 0; i < r; ++i)
    for (int j = 0; j < c; ++j) e(i, j) = m[i + 1][j + 1];
  return e;
}

// Random integer matrix of the given rank: (n × r)·(r × n) with small entries.
Matrix randomOfRank(std::mt19937& gen, int n, int rank) {
  std::uniform_int_distribution<int> d(-4, 4);
  EMat a(n, rank), b(rank, n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < rank; ++j) a(i, j) = d(gen);
  for (int i = 0; i < rank; ++i)
    for (int j = 0; j < n; ++j) b(i, j) = d(gen);
  const EMat p = a * b;
  Matrix m{};
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) m[i + 1][j + 1] = p(i, j);
  return m;
}

}  // namespace

TEST(GaussSolve, StatusFromRanks) {
  struct Case {
    Rows A;
    std::initializer_list<long double> b;
    int status;
  };
  const Case cases[] = {
      {{{1, 1}, {1, -1}}, {2, 0}, 1},
      {{{1, 1}, {2, 2}}, {1, 2}, -1},
      {{{1, 1}, {2, 2}}, {1, 3}, 0},
      {{{0}}, {0}, -1},
      {{{0}}, {1}, 0},
      // y = 1 and 2y = 2 are the same line: a zero pivot column is a free
      // variable, not a contradiction.
      {{{0, 1}, {0, 2}}, {1, 2}, -1},
      {{{0, 1}, {0, 2}}, {1, 3}, 0},
      // zero first column, consistent only when the later rows agree
      {{{0, 1, 1}, {0, 2, 2}, {0, 0, 1}}, {2, 4, 1}, -1},
      {{{0, 1, 1}, {0, 2, 2}, {0, 0, 1}}, {2, 5, 1}, 0},
      {{{1, 2, 3}, {2, 4, 6}, {1, 0, 1}}, {1, 2, 5}, -1},
  };
  for (const Case& c : cases) {
    Vektor x = vec({7, 7, 7});
    int status = 99;
    GaussSolve(mat(c.A), vec(c.b), static_cast<int>(c.A.size()), x, status);
    EXPECT_EQ(status, c.status) << "rows " << c.A.size() << " b0 " << *c.b.begin();
    if (status != 1) {
      EXPECT_EQ(x, vec({7, 7, 7})) << "x must stay unwritten";
    }
  }
  Vektor x{};
  int status = 0;
  GaussSolve(mat({{1, 1}, {1, -1}}), vec({2, 0}), 2, x, status);
  EXPECT_EQ(x[1], 1);
  EXPECT_EQ(x[2], 1);
}

TEST(GaussSolve, AgreesWithEigenOnRegularSystems) {
  std::mt19937 gen(11);
  std::uniform_real_distribution<double> d(-10, 10);
  for (int n : {1, 2, 3, 5, 12, 30}) {
    Matrix A{};
    Vektor b{};
    for (int i = 1; i <= n; ++i) {
      b[i] = d(gen);
      for (int j = 1; j <= n; ++j) A[i][j] = d(gen);
    }
    Vektor x{};
    int status = 0;
    GaussSolve(A, b, n, x, status);
    ASSERT_EQ(status, 1) << n;
    Eigen::Matrix<long double, Eigen::Dynamic, 1> eb(n);
    for (int i = 0; i < n; ++i) eb(i) = b[i + 1];
    const Eigen::Matrix<long double, Eigen::Dynamic, 1> ex = toEigen(A, n, n).fullPivLu().solve(eb);
    for (int i = 0; i < n; ++i) EXPECT_NEAR(x[i + 1], ex(i), 1e-12) << n;
  }
}

TEST(Determinant, WorkedCasesAndCutOff) {
  Matrix swapped{};
  for (int i = 1; i <= 4; ++i) swapped[i][i] = 1;
  std::swap(swapped[1], swapped[2]);
  EXPECT_EQ(Determinant(swapped, 4), -1);
  Matrix zeroColumn = mat({{1, 0, 2, 3}, {4, 0, 5, 6}, {7, 0, 8, 9}, {1, 0, 1, 1}});
  EXPECT_EQ(Determinant(zeroColumn, 4), 0);
  // Orders 2 and 3 are exact products, no cut-off; order 4 cuts below 1e-12.
  EXPECT_EQ(Determinant(mat({{1e-7L, 0}, {0, 1e-7L}}), 2), 1e-14L);
  EXPECT_EQ(Determinant(mat({{1e-4L, 0, 0}, {0, 1e-4L, 0}, {0, 0, 1e-5L}}), 3), 1e-4L * 1e-4L * 1e-5L);
  EXPECT_EQ(Determinant(mat({{1e-5L, 0, 0, 0}, {0, 1e-4L, 0, 0}, {0, 0, 1e-4L, 0}, {0, 0, 0, 1}}), 4), 0);
}

TEST(Determinant, AgreesWithEigen) {
  std::mt19937 gen(5);
  std::uniform_real_distribution<double> d(-3, 3);
  for (int n = 2; n <= 9; ++n) {
    Matrix A{};
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) A[i][j] = d(gen);
    const long double expected = toEigen(A, n, n).determinant();
    EXPECT_NEAR(Determinant(A, n), expected, 1e-14L * std::max(1.0L, std::fabs(expected))) << n;
  }
}

TEST(MatrixRank, EchelonForm) {
  struct Case {
    Rows A;
    int rank;
  };
  const Case cases[] = {
      {{{2, 1, 0}, {1, 3, 1}, {0, 1, 4}}, 3},
      {{{1, 2, 3}, {4, 5, 6}, {5, 7, 9}}, 2},
      {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 0},
      {{{0, 0}, {1, 0}}, 1},
      {{{1, 0, 0}, {0, 0, 0}, {0, 1, 0}}, 2},
      {{{0, 1}, {0, 0}}, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatrixRank(mat(c.A), static_cast<int>(c.A.size())), c.rank) << c.A.size() << " " << c.rank;
}

TEST(MatrixRank, AgreesWithEigenOnLowRankMatrices) {
  std::mt19937 gen(3);
  for (int n : {4, 6, 9, 15, 30})
    for (int r = 0; r <= n; r += std::max(1, n / 4)) {
      const Matrix A = randomOfRank(gen, n, r);
      Eigen::FullPivLU<EMat> lu(toEigen(A, n, n));
      EXPECT_EQ(MatrixRank(A, n), lu.rank()) << n << " " << r;
    }
}

TEST(MatrixInverse, WorkedCasesAndEigen) {
  Matrix B{};
  MatrixInverse(mat({{2, 0}, {0, 4}}), 2, B);
  EXPECT_EQ(B[1][1], 0.5);
  EXPECT_EQ(B[2][2], 0.25);
  EXPECT_EQ(B[1][2], 0);
  MatrixInverse(mat({{0, 1}, {1, 0}}), 2, B);
  EXPECT_EQ(B[1][2], 1);
  EXPECT_EQ(B[2][1], 1);
  EXPECT_EQ(B[1][1], 0);

  std::mt19937 gen(9);
  std::uniform_real_distribution<double> d(-5, 5);
  for (int n : {3, 7, 30}) {
    Matrix A{};
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) A[i][j] = d(gen);
    Matrix inv{};
    inv[30][30] = 42;  // outside the block of n < 30: kept
    MatrixInverse(A, n, inv);
    const EMat expected = toEigen(A, n, n).inverse();
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) EXPECT_NEAR(inv[i + 1][j + 1], expected(i, j), 1e-12) << n;
    if (n < 30) {
      EXPECT_EQ(inv[30][30], 42);
    }
  }
}

TEST(MatrixInverse, SingularMatrixRaisesAndKeepsOutput) {
  for (const Rows& rows : {Rows{{1, 2}, {2, 4}}, Rows{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, Rows{{0, 0}, {0, 0}}}) {
    Matrix B{};
    B[1][1] = 3;
    EXPECT_THROW(MatrixInverse(mat(rows), static_cast<int>(rows.size()), B), CalcFailure);
    EXPECT_EQ(B[1][1], 3);
  }
}

TEST(MatrixRankDet, DecidesSingularityFromThePivots) {
  struct Case {
    Rows A;
    int rank;
    long double det;
  };
  const Case cases[] = {
      {{{2, 1}, {1, 1}}, 2, 1},
      {{{1, 2}, {2, 4}}, 1, 0},
      {{{0, 0}, {0, 0}}, 0, 0},
      {{{0, 1}, {1, 0}}, 2, -1},
      {{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}, 3, -3},
      // Singular in decimals, not quite in binary: the 3 × 3 product formula
      // leaves noise that would "invert" to entries near 1e16.
      {{{0.1L, 0.2L, 0.3L}, {0.4L, 0.5L, 0.6L}, {0.7L, 0.8L, 0.9L}}, 2, 0},
      {{{1.1L, 2.2L}, {3.3L, 6.6L}}, 1, 0},
      // Small but genuine pivots count, whatever an absolute cut would say.
      {{{1, 0}, {0, 1e-10L}}, 2, 1e-10L},
      {{{1e-7L, 0, 0, 0}, {0, 1e-7L, 0, 0}, {0, 0, 1e-7L, 0}, {0, 0, 0, 1e-7L}}, 4, 1e-28L},
      {{{1e-300L, 0}, {0, 1e-300L}}, 2, 1e-600L},
  };
  for (const Case& c : cases) {
    const int n = static_cast<int>(c.A.size());
    int rank = -1;
    long double det = 99;
    MatrixRankDet(mat(c.A), n, rank, det);
    EXPECT_EQ(rank, c.rank) << n << " " << c.A[0][0];
    if (c.det == 0) {
      EXPECT_EQ(det, 0) << n << " " << c.A[0][0];
    } else {
      EXPECT_NEAR(det, c.det, 1e-17L * std::fabs(c.det)) << n << " " << c.A[0][0];
    }
  }
}

TEST(MatrixRankDet, AgreesWithEigenAndWithTheInverse) {
  std::mt19937 gen(17);
  // Integer matrices of every rank, and decimal ones (entries with one
  // decimal, which binary cannot hold) of forced low rank.
  for (int n : {2, 3, 5, 10, 25, 30})
    for (int r = 0; r <= n; r += std::max(1, n / 5)) {
      for (bool decimal : {false, true}) {
        Matrix A = randomOfRank(gen, n, r);
        if (decimal)
          for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) A[i][j] /= 10;
        const EMat e = toEigen(A, n, n);
        int rank = -1;
        long double det = 99;
        MatrixRankDet(A, n, rank, det);
        EXPECT_EQ(rank, Eigen::FullPivLU<EMat>(e).rank()) << n << " " << r << " " << decimal;
        if (rank == n) {
          const long double expected = Eigen::PartialPivLU<EMat>(e).determinant();
          EXPECT_NEAR(det, expected, 1e-13L * std::fabs(expected)) << n << " " << r;
        } else {
          EXPECT_EQ(det, 0);
        }
        Matrix B{};
        bool inverted = true;
        try {
          MatrixInverse(A, n, B);
        } catch (const CalcFailure&) {
          inverted = false;
        }
        EXPECT_EQ(inverted, rank == n) << n << " " << r << " " << decimal;
      }
    }
}

TEST(MatrixMultiply, BlockProductAndTranspose) {
  Matrix T{};
  T[5][5] = 9;
  MatrixClearCopy(mat({{1, 2, 3}, {4, 5, 6}}), 2, 3, T);
  EXPECT_EQ(T, mat({{1, 4}, {2, 5}, {3, 6}}));

  Matrix C{};
  C[3][3] = 8;  // outside the m × p block: kept
  MatrixMultiply(mat({{1, 2, 3}, {4, 5, 6}}), mat({{1, 4}, {2, 5}, {3, 6}}), 2, 3, 2, C);
  EXPECT_EQ(C[1][1], 14);
  EXPECT_EQ(C[1][2], 32);
  EXPECT_EQ(C[2][1], 32);
  EXPECT_EQ(C[2][2], 77);
  EXPECT_EQ(C[3][3], 8);
  // Output may be an input.
  Matrix A = mat({{1, 1}, {0, 1}});
  MatrixMultiply(A, A, 2, 2, 2, A);
  EXPECT_EQ(A, mat({{1, 2}, {0, 1}}));
}
