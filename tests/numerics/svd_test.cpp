#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <random>

#include "numerics/Svd.h"

namespace zw {
namespace {

Eigen::MatrixXd ToEigen(const TMatrix& m) {
  Eigen::MatrixXd e(m.NrOfRows(), m.NrOfColumns());
  for (int r = 0; r < m.NrOfRows(); ++r)
    for (int c = 0; c < m.NrOfColumns(); ++c) e(r, c) = m.Elem(c + 1, r + 1);
  return e;
}

void FromEigen(const Eigen::MatrixXd& e, TMatrix& m) {
  m.Resize(static_cast<int>(e.cols()), static_cast<int>(e.rows()));
  for (int r = 0; r < e.rows(); ++r)
    for (int c = 0; c < e.cols(); ++c) m.SetElem(c + 1, r + 1, e(r, c));
}


TEST(Svd, DecompositionReproducesTheMatrix) {
  std::mt19937 rng(2);
  std::uniform_real_distribution<double> u(-5, 5);
  for (auto [rows, cols] : std::vector<std::pair<int, int>>{{1, 1}, {3, 2}, {6, 6}, {20, 7}, {50, 12}, {2, 5}}) {
    Eigen::MatrixXd a(rows, cols);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) a(r, c) = u(rng);
    TMatrix m, v;
    TVector w;
    FromEigen(a, m);
    ASSERT_TRUE(SvdDecompose(m, v, w));
    const Eigen::MatrixXd U = ToEigen(m), V = ToEigen(v);
    Eigen::VectorXd W(cols);
    for (int j = 0; j < cols; ++j) {
      W(j) = w.Elem(j + 1);
      EXPECT_GE(W(j), 0);
    }
    EXPECT_LT((U * W.asDiagonal() * V.transpose() - a).norm(), 1e-12 * (1 + a.norm())) << rows << "x" << cols;
    EXPECT_LT((V.transpose() * V - Eigen::MatrixXd::Identity(cols, cols)).norm(), 1e-12);
    // The singular values are Eigen's, in some order.
    std::vector<double> ours(W.data(), W.data() + cols);
    const Eigen::VectorXd ref = Eigen::JacobiSVD<Eigen::MatrixXd>(a).singularValues();
    std::sort(ours.rbegin(), ours.rend());
    for (int j = 0; j < ref.size(); ++j) EXPECT_NEAR(ours[j], ref(j), 1e-12 * (1 + ref(0)));
  }
}

TEST(Svd, LeastSquaresCases) {
  // y = a x + b through (1, 1), (2, 2), (3, 3).
  TMatrix a;
  a.Resize(2, 3);
  for (int r = 1; r <= 3; ++r) {
    a.SetElem(1, r, r);
    a.SetElem(2, r, 1);
  }
  TVector b, x, errors;
  b.Resize(3);
  for (int r = 1; r <= 3; ++r) b.SetElem(r, r);
  bool deficient = true;
  ASSERT_TRUE(SvdLeastSquares(a, b, x, deficient, &errors));
  EXPECT_FALSE(deficient);
  EXPECT_NEAR(x.Elem(1), 1, 1e-14);
  EXPECT_NEAR(x.Elem(2), 0, 1e-14);
  // Unit data errors: the slope's standard error is 1/sqrt(Sxx) = 1/sqrt(2).
  EXPECT_NEAR(errors.Elem(1), 1 / std::sqrt(2.0), 1e-12);

  // Two equal columns: deficient, equal coefficients (minimum norm).
  TMatrix twin;
  twin.Resize(2, 3);
  for (int r = 1; r <= 3; ++r) twin.SetElem(1, r, r), twin.SetElem(2, r, r);
  ASSERT_TRUE(SvdLeastSquares(twin, b, x, deficient, nullptr));
  EXPECT_TRUE(deficient);
  EXPECT_NEAR(x.Elem(1), 0.5, 1e-12);
  EXPECT_NEAR(x.Elem(2), 0.5, 1e-12);

  // A zero matrix: rank 0, solution 0.
  TMatrix zero;
  zero.Resize(2, 3);
  ASSERT_TRUE(SvdLeastSquares(zero, b, x, deficient, &errors));
  EXPECT_TRUE(deficient);
  EXPECT_EQ(x.Elem(1), 0);
  EXPECT_EQ(x.Elem(2), 0);

  // Fewer rows than unknowns: the minimum-norm solution, as Eigen's.
  Eigen::MatrixXd shortA(2, 4);
  shortA << 1, 2, 3, 4, 0, 1, 0, 1;
  Eigen::VectorXd rhs(2);
  rhs << 3, 1;
  TMatrix s;
  FromEigen(shortA, s);
  TVector sb;
  sb.Resize(2);
  sb.SetElem(1, 3);
  sb.SetElem(2, 1);
  ASSERT_TRUE(SvdLeastSquares(s, sb, x, deficient, nullptr));
  const Eigen::VectorXd ref = shortA.completeOrthogonalDecomposition().solve(rhs);
  ASSERT_EQ(x.NrOfElem(), 4);
  for (int j = 0; j < 4; ++j) EXPECT_NEAR(x.Elem(j + 1), ref(j), 1e-12);
}

TEST(Svd, LeastSquaresAgainstEigen) {
  std::mt19937 rng(8);
  std::normal_distribution<double> g(0, 1);
  Eigen::MatrixXd a(200, 6);
  Eigen::VectorXd y(200);
  for (int r = 0; r < 200; ++r) {
    for (int c = 0; c < 6; ++c) a(r, c) = g(rng);
    y(r) = g(rng);
  }
  TMatrix m;
  FromEigen(a, m);
  TVector b, x;
  b.Resize(200);
  for (int r = 0; r < 200; ++r) b.SetElem(r + 1, y(r));
  bool deficient = true;
  TVector errors;
  ASSERT_TRUE(SvdLeastSquares(m, b, x, deficient, &errors));
  EXPECT_FALSE(deficient);
  const Eigen::VectorXd ref = a.jacobiSvd(Eigen::ComputeThinU | Eigen::ComputeThinV).solve(y);
  for (int j = 0; j < 6; ++j) EXPECT_NEAR(x.Elem(j + 1), ref(j), 1e-12);
  // Standard errors for unit data errors: the diagonal of (A^T A)^-1.
  const Eigen::MatrixXd cov = (a.transpose() * a).inverse();
  for (int j = 0; j < 6; ++j) EXPECT_NEAR(errors.Elem(j + 1), std::sqrt(cov(j, j)), 1e-12);

  // A tall design with two equal columns: deficient, minimum-norm solution.
  a.col(5) = a.col(1);
  FromEigen(a, m);
  ASSERT_TRUE(SvdLeastSquares(m, b, x, deficient, nullptr));
  EXPECT_TRUE(deficient);
  const Eigen::VectorXd minNorm = a.completeOrthogonalDecomposition().solve(y);
  for (int j = 0; j < 6; ++j) EXPECT_NEAR(x.Elem(j + 1), minNorm(j), 1e-12);
  EXPECT_NEAR(x.Elem(2), x.Elem(6), 1e-12);
}

}  // namespace
}  // namespace zw
