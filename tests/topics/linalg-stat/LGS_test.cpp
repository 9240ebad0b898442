#include "topics/linalg-stat/LGS.h"

#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "kernel/Evaluator.h"
#include "kernel/KernelState.h"
#include "tests/topics/linalg-stat/LinalgTestBase.h"

namespace zw {
namespace {

using Rows = MatrixRows;
using boost::multiprecision::cpp_rational;
using Lgs = LinalgCompute;

// The augmented system of the rows (coefficients, then the right side).
Matrix system(const Rows& rows) { return MatrixOf(rows); }

TEST_F(Lgs, WorkedSystems) {
  struct Case {
    Rows rows;
    std::u16string text;
    LgsOutcome outcome;
  };
  const Case cases[] = {
      {{{2, 1, 3}, {1, -1, 0}}, u"L = { ( 1; 1)}", LgsOutcome::Unique},
      // Noise such as 0,9999999999999998 does not show at 15 digits.
      {{{1, 1, 1, 6}, {1, -1, 2, 5}, {2, 1, -1, 1}}, u"L = { ( 1; 2; 3)}", LgsOutcome::Unique},
      // The constant part is always written, also 0; a coefficient −1 is "-t".
      {{{1, 1, 1, 1}, {1, 1, 2, 2}, {2, 2, 3, 3}}, u"L = { ( 0-t; t; 1 ) | t \u0404 R }", LgsOutcome::Parametric},
      {{{1, 2, 3, 4}, {2, 4, 6, 8}, {3, 6, 9, 12}}, u"L = { ( 4-2s-3t; s; t ) | s,t \u0404 R }",
       LgsOutcome::Parametric},
      // x1 absent: two column swaps that form a cycle.
      {{{0, 1, 1, 1}, {0, 1, 2, 2}, {0, 0, 0, 0}}, u"L = { ( t; 0; 1 ) | t \u0404 R }", LgsOutcome::Parametric},
      {{{1, 1, 1}, {1, 1, 2}}, u"L = { }", LgsOutcome::None},
      {{{0, 0, 0}, {0, 0, 0}}, u"", LgsOutcome::Universal},
      // ±0,5 on a parameter, a zero coefficient leaves no trace.
      {{{2, -1, 0, 4}, {0, 0, 0, 0}, {0, 0, 1, 1}}, u"L = { ( 2+0,5t; t; 1 ) | t \u0404 R }",
       LgsOutcome::Parametric},
      {{{2, 1, 0, 4}, {0, 0, 0, 0}, {0, 0, 1, 1}}, u"L = { ( 2-0,5t; t; 1 ) | t \u0404 R }", LgsOutcome::Parametric},
      // A row without coefficients above a row with one.
      {{{0, 0, 5}, {0, 1, 1}}, u"L = { }", LgsOutcome::None},
      {{{0, 0, 0}, {0, 1, 1}}, u"L = { ( t; 1 ) | t \u0404 R }", LgsOutcome::Parametric},
      {{{0, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 1, 3}}, u"L = { ( 3-s-t; s; t ) | s,t \u0404 R }",
       LgsOutcome::Parametric},
      // A dependent row whose elimination leaves rounding noise of 5e-14 on
      // its right side: still consistent.
      {{{-12, 17, 5, 0}, {-4, 5, -7, -32}, {-17, 24, 6, -4}}, u"L = { ( 68-18t; 48-13t; t ) | t \u0404 R }",
       LgsOutcome::Parametric},
      // All coefficients 0 and right sides that round to 0 (not exactly 0).
      {{{0, 0, 0, 1e-16L}, {0, 0, 0, 0}, {0, 0, 0, -1e-15L}}, u"", LgsOutcome::Universal},
      // Six free variables: the dimension note; a contradiction still wins.
      {{{1, 1, 1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2, 2, 2}, {}, {}, {}, {}, {}},
       u"L = { (  Dimension > 5 }", LgsOutcome::Wide},
      {{{1, 1, 1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2, 2, 3}, {}, {}, {}, {}, {}}, u"L = { }", LgsOutcome::None},
  };
  for (const Case& c : cases) {
    const int n = static_cast<int>(c.rows.size());
    const LgsSolution s = SolveLGS(system(c.rows), n);
    EXPECT_EQ(s.text, c.text) << n << " " << QString::fromStdU16String(c.text).toStdString();
    EXPECT_EQ(s.outcome, c.outcome) << QString::fromStdU16String(c.text).toStdString();
  }
}

TEST_F(Lgs, EchelonFormsKeepTheVariablesInTheirColumns) {
  const LgsSolution s = SolveLGS(system({{0, 1, 1, 1}, {0, 1, 2, 2}, {0, 0, 0, 0}}), 3);
  const Rows ref = {{0, 1, 1, 1}, {0, 0, 1, 1}, {0, 0, 0, 0}};
  const Rows rref = {{0, 1, 0, 0}, {0, 0, 1, 1}, {0, 0, 0, 0}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 4; ++j) {
      EXPECT_EQ(s.ref[i][j], ref[i - 1][j - 1]) << i << " " << j;
      EXPECT_EQ(s.rref[i][j], rref[i - 1][j - 1]) << i << " " << j;
    }
  // A tie in the pivot search keeps the upper row.
  const LgsSolution tie = SolveLGS(system({{1, 1, 3}, {-1, 1, 1}}), 2);
  EXPECT_EQ(tie.ref[1][1], 1);
  EXPECT_EQ(tie.ref[1][3], 3);
  EXPECT_EQ(tie.ref[2][2], 2);
  // The all-zero system writes neither form.
  const LgsSolution zero = SolveLGS(system({{0, 0, 0}, {0, 0, 0}}), 2);
  EXPECT_EQ(zero.ref, Matrix{});
  EXPECT_EQ(zero.rref, Matrix{});
}

TEST_F(Lgs, Round14AndCoefficientTexts) {
  const std::pair<Extended, Extended> rounded[] = {
      {1, 1}, {0.99999999999999998L, 1}, {0.4e-14L, 0}, {-1.4e-14L, 0}, {-2.3e-14L, -1e-14L}, {0.6e-14L, 1e-14L}};
  for (const auto& [x, r] : rounded) EXPECT_NEAR(Round14(x), r, 1e-30L) << static_cast<double>(x);
  const std::pair<double, std::u16string> terms[] = {
      {0, u""}, {1, u"t"}, {-1, u"-t"}, {-2.5, u"-2,5t"}, {0.5, u"0,5t"}, {1e-15, u""},
      {1.0 / 3, u"0,333333333t"}, {1234567891.0, u"1,23456789E9t"}};
  for (const auto& [x, t] : terms) EXPECT_EQ(FormatCoefficient(u"t", x), t) << x;
  EXPECT_EQ(FormatSignedCoefficient(u"t", 0.5), u"+0,5t");
  EXPECT_EQ(FormatSignedCoefficient(u"t", 1), u"+t");
  EXPECT_EQ(FormatSignedCoefficient(u"t", -1), u"-t");
  EXPECT_EQ(FormatSignedCoefficient(u"t", 1e-15), u"");
}

TEST_F(Lgs, MemoLinesWithBothEchelonForms) {
  const Matrix A = system({{2, 1, 3}, {1, -1, 0}});
  const LgsSolution s = SolveLGS(A, 2);
  EXPECT_EQ(LgsMemoLines(A, 2, s, false, false),
            QStringList({"", "    2·x1 + 1·x2 =    3", "    1·x1 - 1·x2 =    0", "", "L = { ( 1; 1)}"}));
  const QStringList both = LgsMemoLines(A, 2, s, true, true);
  EXPECT_EQ(both, QStringList({"", "    2·x1 + 1·x2 =    3", "    1·x1 - 1·x2 =    0", "", "ref(A) :",
                               "  2    1 |     3", "  0 -1,5 |  -1,5", "", "rref(A) :", "  1  0 |   1",
                               "  0  1 |   1", "", "L = { ( 1; 1)}"}));
  const Matrix zero{};
  EXPECT_EQ(LgsMemoLines(zero, 2, SolveLGS(zero, 2), true, false).last(), "allgemeingültig");
}

// ----- the exact oracle -------------------------------------------------

struct Exact {
  int rankA = 0, rankAb = 0;
  std::vector<cpp_rational> particular;           // a solution when consistent
  std::vector<std::vector<cpp_rational>> kernel;  // a basis of A·x = 0
};

// Reduced row echelon form of [A|b] in rationals.
Exact exactSolve(const std::vector<std::vector<long long>>& rows, int n) {
  std::vector<std::vector<cpp_rational>> m(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    for (int j = 0; j <= n; ++j) m[i].push_back(cpp_rational(rows[i][j]));
  std::vector<int> pivotCol;
  int r = 0;
  for (int c = 0; c <= n && r < n; ++c) {
    int p = -1;
    for (int i = r; i < n; ++i)
      if (m[i][c] != 0) {
        p = i;
        break;
      }
    if (p < 0) continue;
    std::swap(m[p], m[r]);
    const cpp_rational piv = m[r][c];
    for (auto& v : m[r]) v /= piv;
    for (int i = 0; i < n; ++i)
      if (i != r && m[i][c] != 0) {
        const cpp_rational f = m[i][c];
        for (int j = 0; j <= n; ++j) m[i][j] -= f * m[r][j];
      }
    pivotCol.push_back(c);
    ++r;
  }
  Exact e;
  e.rankAb = r;
  e.rankA = r;
  if (!pivotCol.empty() && pivotCol.back() == n) --e.rankA;
  e.particular.assign(static_cast<std::size_t>(n), 0);
  std::vector<bool> isPivot(static_cast<std::size_t>(n), false);
  for (int k = 0; k < e.rankA; ++k) {
    e.particular[pivotCol[k]] = m[k][n];
    isPivot[pivotCol[k]] = true;
  }
  for (int f = 0; f < n; ++f) {
    if (isPivot[f]) continue;
    std::vector<cpp_rational> v(static_cast<std::size_t>(n), 0);
    v[f] = 1;
    for (int k = 0; k < e.rankA; ++k) v[pivotCol[k]] = -m[k][f];
    e.kernel.push_back(v);
  }
  return e;
}

// The entries of "L = { ( e1; e2 ) | s,t Є R }" with the parameters set to
// `value`, read back by the evaluator.
std::vector<Extended> readBack(const std::u16string& text, int n, Extended value) {
  const std::size_t open = text.find(u"( ");
  std::size_t close = text.find(u" )");
  if (close == std::u16string::npos) close = text.find(u")}");
  std::u16string body = text.substr(open + 2, close - open - 2);
  std::vector<Extended> x;
  std::size_t start = 0;
  for (int k = 0; k < n; ++k) {
    const std::size_t end = k + 1 < n ? body.find(u"; ", start) : body.size();
    std::u16string term;
    for (char16_t c : body.substr(start, end - start)) {
      if (c == u'p' || c == u'q' || c == u'r' || c == u's' || c == u't') {
        const bool factor = !term.empty() && ((term.back() >= u'0' && term.back() <= u'9') || term.back() == u')');
        const std::string v = std::to_string(static_cast<double>(value));
        term += (factor ? u"*(" : u"(") + std::u16string(v.begin(), v.end()) + u")";
      } else {
        term += c;
      }
    }
    Extended y = 0;
    std::int32_t err = 0;
    EvaluateFormula(term, y, err, 0);
    EXPECT_EQ(err, 0) << QString::fromStdU16String(term).toStdString();
    x.push_back(y);
    start = end + 2;
  }
  return x;
}

int parameterCount(const std::u16string& text) {
  const std::size_t bar = text.find(u"| ");
  if (bar == std::u16string::npos) return 0;
  int count = 0;
  for (std::size_t i = bar; i < text.size(); ++i)
    if (text[i] >= u'p' && text[i] <= u't') ++count;
  return count;
}

TEST_F(Lgs, AgreesWithExactEliminationOnRandomSystems) {
  kernelState().RegionalDecimalSeparator = u'.';
  std::mt19937 gen(2024);
  std::uniform_int_distribution<int> small(-4, 4);
  for (int trial = 0; trial < 1500; ++trial) {
    const int n = 2 + trial % 5;  // 2..6
    const int rank = std::uniform_int_distribution<int>(0, n)(gen);
    // A = L·R of the chosen rank; b in the column space or anywhere.
    std::vector<std::vector<long long>> L(n, std::vector<long long>(rank)), R(rank, std::vector<long long>(n));
    for (auto& row : L)
      for (auto& v : row) v = small(gen);
    for (auto& row : R)
      for (auto& v : row) v = small(gen);
    std::vector<std::vector<long long>> rows(n, std::vector<long long>(n + 1, 0));
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        for (int k = 0; k < rank; ++k) rows[i][j] += L[i][k] * R[k][j];
    const bool inSpan = trial % 3 != 0;
    std::vector<long long> x0(n);
    for (auto& v : x0) v = small(gen);
    for (int i = 0; i < n; ++i) {
      if (inSpan)
        for (int j = 0; j < n; ++j) rows[i][n] += rows[i][j] * x0[j];
      else
        rows[i][n] = small(gen);
    }
    // Every other system in tenths, which binary cannot hold exactly.
    const Extended unit = trial % 2 ? 10 : 1;
    Matrix A{};
    for (int i = 0; i < n; ++i)
      for (int j = 0; j <= n; ++j) A[i + 1][j + 1] = static_cast<Extended>(rows[i][j]) / unit;

    const Exact exact = exactSolve(rows, n);
    const LgsSolution s = SolveLGS(A, n);
    std::string what = "trial " + std::to_string(trial) + ": " + QString::fromStdU16String(s.text).toStdString();
    for (const auto& row : rows) {
      what += "\n";
      for (long long v : row) what += std::to_string(v) + " ";
    }
    const bool consistent = exact.rankA == exact.rankAb;
    if (!consistent) {
      EXPECT_EQ(s.outcome, LgsOutcome::None) << what;
      continue;
    }
    if (exact.rankAb == 0) {
      EXPECT_EQ(s.outcome, LgsOutcome::Universal) << what;
      continue;
    }
    ASSERT_TRUE(s.outcome == LgsOutcome::Unique || s.outcome == LgsOutcome::Parametric) << what;
    EXPECT_EQ(parameterCount(s.text), n - exact.rankA) << what;
    for (Extended value : {0.0L, 1.0L}) {
      const std::vector<Extended> x = readBack(s.text, n, value);
      // Coefficients of parameters show nine digits.
      for (int i = 0; i < n; ++i) {
        Extended lhs = 0, scale = 1;
        for (int j = 0; j < n; ++j) {
          lhs += A[i + 1][j + 1] * x[j];
          scale += std::fabs(A[i + 1][j + 1]) * (1 + std::fabs(x[j]));
        }
        EXPECT_NEAR(lhs, A[i + 1][n + 1], 1e-7L * scale) << what << " row " << i << " value " << value;
      }
    }
    // ref and rref hold variable k in column k: every solution satisfies
    // them, and the rows with a coefficient count the rank.
    for (const Matrix* form : {&s.ref, &s.rref}) {
      int withCoefficient = 0;
      for (int i = 1; i <= n; ++i) {
        // Relative to the terms: the double factors keep about 12 digits
        // of an ill-conditioned system.
        Extended lhs = 0, scale = 1 + std::fabs((*form)[i][n + 1]);
        bool any = false;
        for (int j = 1; j <= n; ++j) {
          const Extended xj = exact.particular[j - 1].convert_to<long double>();
          lhs += (*form)[i][j] * xj;
          scale += std::fabs((*form)[i][j]) * (1 + std::fabs(xj));
          any = any || (*form)[i][j] != 0;
        }
        withCoefficient += any;
        EXPECT_NEAR(lhs, (*form)[i][n + 1], 1e-9L * scale) << what << " row " << i;
        for (const auto& k : exact.kernel) {
          Extended v = 0;
          for (int j = 1; j <= n; ++j) v += (*form)[i][j] * k[j - 1].convert_to<long double>();
          EXPECT_NEAR(v, 0, 1e-9L * scale) << what << " row " << i;
        }
      }
      EXPECT_EQ(withCoefficient, exact.rankA) << what;
    }
  }
}

}  // namespace
}  // namespace zw
