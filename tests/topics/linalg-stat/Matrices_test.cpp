// The matrix topics without their windows: inversion, multiplication and
// pseudo-inverses, against Eigen in extended precision.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <random>

#include "common/TextMeasurer.h"
#include "tests/topics/linalg-stat/LinalgTestBase.h"
#include "topics/linalg-stat/MatInv.h"
#include "topics/linalg-stat/MatMul.h"
#include "topics/linalg-stat/Pseudo.h"

namespace zw {
namespace {

using EMat = Eigen::Matrix<long double, Eigen::Dynamic, Eigen::Dynamic>;
using Rows = MatrixRows;
using Matrices = LinalgCompute;

Matrix mat(const Rows& rows) { return MatrixOf(rows); }

EMat toEigen(const Matrix& m, int r, int c) {
  EMat e(r, c);
  for (int i = 0; i < r; ++i)
    for (int j = 0; j < c; ++j) e(i, j) = m[i + 1][j + 1];
  return e;
}

Matrix randomMatrix(std::mt19937& gen, int r, int c) {
  std::uniform_real_distribution<double> d(-5, 5);
  Matrix m{};
  for (int i = 1; i <= r; ++i)
    for (int j = 1; j <= c; ++j) m[i][j] = d(gen);
  return m;
}

void expectNear(const Matrix& got, const EMat& want, long double tolerance, const std::string& what) {
  for (int i = 0; i < want.rows(); ++i)
    for (int j = 0; j < want.cols(); ++j)
      EXPECT_NEAR(got[i + 1][j + 1], want(i, j), tolerance * (1 + std::fabs(want(i, j)))) << what << " " << i << "," << j;
}

TEST_F(Matrices, InversionMemo) {
  const Matrix a = mat({{2, 1}, {1, 1}});
  const MatInvResult r = ComputeMatInv(a, 2);
  EXPECT_EQ(MatInvMemoLines(a, 2, r),
            QStringList({"", "Matrix: ", "", "  ⎛  2  1  ⎞", "  ⎝  1  1  ⎠", "", "Inverse Matrix: ", "",
                         "  ⎛  1 -1  ⎞", "  ⎝ -1  2  ⎠", "", "Ordnung = 2,  Rang = 2,  Determinante = 1"}));
  const Matrix s = mat({{1, 2}, {2, 4}});
  EXPECT_EQ(MatInvMemoLines(s, 2, ComputeMatInv(s, 2)).mid(5),
            QStringList({"", "Matrix nicht invertierbar", "Ordnung = 2,  Rang = 1,  Determinante = 0"}));
}

TEST_F(Matrices, InversionDecidesOnceFromTheRank) {
  struct Case {
    Rows rows;
    int rank;
  };
  const Case cases[] = {
      {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 0},
      // Singular in decimals: no inverse with entries near 1e16, and the
      // determinant agrees with the rank.
      {{{0.1L, 0.2L, 0.3L}, {0.4L, 0.5L, 0.6L}, {0.7L, 0.8L, 0.9L}}, 2},
      {{{1e-7L, 0, 0, 0}, {0, 1e-7L, 0, 0}, {0, 0, 1e-7L, 0}, {0, 0, 0, 1e-7L}}, 4},
  };
  for (const Case& c : cases) {
    const int n = static_cast<int>(c.rows.size());
    const MatInvResult r = ComputeMatInv(mat(c.rows), n);
    EXPECT_EQ(r.rank, c.rank) << n;
    EXPECT_EQ(r.invertible, c.rank == n) << n;
    EXPECT_EQ(r.det == 0, c.rank < n) << n;
  }
  std::mt19937 gen(21);
  for (int n : {2, 3, 10, 25, 30}) {
    const Matrix a = randomMatrix(gen, n, n);
    const MatInvResult r = ComputeMatInv(a, n);
    ASSERT_TRUE(r.invertible) << n;
    const EMat e = toEigen(a, n, n);
    expectNear(r.inverse, e.inverse(), 1e-13L, "inverse " + std::to_string(n));
    EXPECT_NEAR(r.det, e.determinant(), 1e-14L * std::fabs(e.determinant())) << n;
  }
}

TEST_F(Matrices, Multiplication) {
  const Matrix c = ComputeMatMul(mat({{1, 2}, {3, 4}}), mat({{5, 6}, {7, 8}}), 2, 2, 2);
  EXPECT_EQ(c, mat({{19, 22}, {43, 50}}));
  const Matrix a = mat({{1, 2, 3}, {4, 5, 6}});
  const Matrix b = mat({{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}});
  const QStringList lines = MatMulMemoLines(a, b, ComputeMatMul(a, b, 2, 3, 4), 2, 3, 4);
  EXPECT_EQ(lines, QStringList({"", "1. Matrix", "", "  ⎛  1  2  3  ⎞", "  ⎝  4  5  6  ⎠", "", "2. Matrix", "",
                                "  ⎛  1  0  0  1  ⎞", "  ⎜  0  1  0  1  ⎟", "  ⎝  0  0  1  1  ⎠", "",
                                "Produktmatrix", "", "  ⎛  1  2  3   6  ⎞", "  ⎝  4  5  6  15  ⎠"}));
  std::mt19937 gen(4);
  for (int n : {10, 25}) {
    const Matrix x = randomMatrix(gen, n, n - 3), y = randomMatrix(gen, n - 3, n - 1);
    expectNear(ComputeMatMul(x, y, n, n - 3, n - 1), toEigen(x, n, n - 3) * toEigen(y, n - 3, n - 1), 1e-16L,
               "product " + std::to_string(n));
  }
}

TEST_F(Matrices, PseudoInversesOfWideTallAndSquareMatrices) {
  const Matrix wide = mat({{1, 0, 0}, {0, 1, 0}});
  const PseudoResult w = ComputePseudo(wide, 2, 3);
  EXPECT_FALSE(w.leftExists);
  ASSERT_TRUE(w.rightExists);
  EXPECT_EQ(w.right, mat({{1, 0}, {0, 1}, {0, 0}}));
  EXPECT_EQ(w.copied(), &w.right);

  const Matrix tall = mat({{1, 0}, {0, 1}, {0, 0}});
  const PseudoResult t = ComputePseudo(tall, 3, 2);
  ASSERT_TRUE(t.leftExists);
  EXPECT_FALSE(t.rightExists);
  EXPECT_EQ(t.left, mat({{1, 0, 0}, {0, 1, 0}}));
  EXPECT_EQ(t.copied(), &t.left);

  const PseudoResult z = ComputePseudo(Matrix{}, 3, 3);
  EXPECT_FALSE(z.leftExists || z.rightExists);
  EXPECT_EQ(z.copied(), nullptr);

  std::mt19937 gen(8);
  for (auto [n, m] : {std::pair{3, 3}, {7, 4}, {4, 7}, {30, 25}, {25, 30 - 5}}) {
    const Matrix a = randomMatrix(gen, n, m);
    const PseudoResult r = ComputePseudo(a, n, m);
    const EMat pinv = toEigen(a, n, m).completeOrthogonalDecomposition().pseudoInverse();
    const std::string what = std::to_string(n) + "x" + std::to_string(m);
    EXPECT_EQ(r.leftExists, n >= m) << what;
    EXPECT_EQ(r.rightExists, n <= m) << what;
    if (r.leftExists) expectNear(r.left, pinv, 1e-12L, "left " + what);
    if (r.rightExists) expectNear(r.right, pinv, 1e-12L, "right " + what);
  }
}

TEST_F(Matrices, PseudoMemo) {
  const FixedWidthMeasurer font(10);
  const QStringList lines = PseudoMemoLines(mat({{1, 0, 0}, {0, 1, 0}}), 2, 3,
                                            ComputePseudo(mat({{1, 0, 0}, {0, 1, 0}}), 2, 3), font);
  EXPECT_EQ(lines.mid(0, 3), QStringList({"", "Matrix A", QString(8, QChar(0x00AF))}));
  EXPECT_TRUE(lines.contains(QStringLiteral("A\u1D40\u00B7 A nicht invertierbar")));
  EXPECT_TRUE(lines.contains(QStringLiteral("( A \u00B7 A\u1D40 )\u1428\u00B9")));
  EXPECT_TRUE(lines.contains(QStringLiteral("Rechtsinverse:  A\u1D40 \u00B7 ( A \u00B7 A\u1D40 )\u1428\u00B9")));
  EXPECT_FALSE(lines.join(' ').contains(QStringLiteral("Linksinverse")));
  // The right inverse (3 × 2) closes the memo.
  EXPECT_EQ(lines.mid(lines.size() - 4),
            QStringList({"  ⎛  1  0  ⎞", "  ⎜  0  1  ⎟", "  ⎝  0  0  ⎠", ""}));
}

}  // namespace
}  // namespace zw
