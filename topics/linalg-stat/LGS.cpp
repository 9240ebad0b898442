#include "topics/linalg-stat/LGS.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

constexpr TextItem kLgsDe[] = {
    {1, u"Berechnet wird die Lösung eines linearen Gleichungssystems der Form"},
};
constexpr TextItem kLgsEn[] = {
    {1, u"The solution of a system of linear equations is calculated."},
};
constexpr TextItem kLgsFr[] = {
    {1, u"Calcule la solution d'un système d'équations linéaires de la forme"},
};

// Entries that a row subtraction brings below this become exactly 0.
constexpr Extended kZero = 1e-14L;
constexpr Extended kScale14 = 1e14L;

// Factors and divisors are applied as doubles: the elimination's rounding
// steps, which keep printed results such as 0,9999999999999998 at bay only
// together with the 15-digit output.
Extended asDouble(Extended x) { return static_cast<double>(x); }

// The working matrix of one elimination. perm[c] names the variable whose
// coefficients column c holds (a local, so eliminations never share state).
//
// err bounds the rounding error each entry carries (a running error bound:
// the input's own rounding, the factors rounded to double, every product and
// difference). A result within its bound of 0 may be an exact 0 and is made
// one: with double factors, a dependent row of a system with coefficients
// near 20 keeps noise of a few 1e-14, which the absolute limit alone would
// read as "0 = 5e-14", no solution.
struct Elimination {
  Matrix m;
  // An estimate: double is precise enough, and cheaper.
  std::array<std::array<double, VektorSize + 1>, VektorSize + 1> err;
  int n = 0;
  std::array<int, VektorSize + 1> perm{};
  // Whether every entry of a row has met the zero limit (rows move with it).
  std::array<bool, VektorSize + 1> limited{};

  static constexpr double kLongUnit = LDBL_EPSILON;       // one long double rounding, generously
  static constexpr double kDoubleUnit = DBL_EPSILON / 2;  // rounding to double

  // Only the system's block is copied: nothing outside it is ever read.
  Elimination(const Matrix& A, int order) : n(order) {
    for (int c = 0; c <= VektorSize; ++c) perm[static_cast<std::size_t>(c)] = c;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n + 1; ++j) {
        m[i][j] = A[i][j];
        err[i][j] = static_cast<double>(std::fabs(A[i][j])) * kLongUnit;
      }
  }

  Extended relativeError(int i, int j) const { return m[i][j] == 0 ? 0 : err[i][j] / std::fabs(m[i][j]); }

  // Row a −= f · row b, where f stands for an exact factor within a relative
  // error fRel of it;
  // results below the zero limit or within their error bound of 0 become 0,
  // and the pivot column b of row a exactly 0.
  void subtractRow(int a, int b, Extended f, Extended fRel) {
    // Left of the pivot column row b holds exact zeros: there row a only
    // meets the zero limit, and so does all of it for a factor 0. An entry
    // met once stays within the limit until a subtraction changes it (which
    // applies the limit), so each row is met in full only the first time.
    if (!limited[static_cast<std::size_t>(a)]) {
      const int last = f == 0 ? n + 1 : b - 1;
      for (int j = 1; j <= last; ++j)
        if (std::fabs(m[a][j]) < kZero) m[a][j] = err[a][j] = 0;
      limited[static_cast<std::size_t>(a)] = true;
    }
    if (f != 0) {
      // The error of a product is the factor's (rel) and its own rounding;
      // that of the difference is at most one rounding of the product's size
      // wherever the two nearly cancel, the only place it matters.
      const double fAbs = static_cast<double>(std::fabs(f)), rel = static_cast<double>(fRel) + 2 * kLongUnit;
      for (int j = b + 1; j <= n + 1; ++j) {
        const Extended p = m[b][j] * f;
        const Extended v = m[a][j] - p;
        const double e = err[a][j] + fAbs * err[b][j] + static_cast<double>(std::fabs(p)) * rel;
        const bool zero = std::fabs(v) < kZero || std::fabs(v) <= 2 * e;
        m[a][j] = zero ? 0 : v;
        err[a][j] = zero ? 0 : e;
      }
    }
    m[a][b] = 0;
    err[a][b] = 0;
  }

  // Clears m[i][col] with the pivot row p: the factor m[i][col] / m[p][col]
  // (forward pass) or m[i][col] (backward pass, the pivot being 1), rounded
  // to double.
  void eliminate(int i, int p, int col, bool byPivot) {
    const Extended f = asDouble(byPivot ? m[i][col] / m[p][col] : m[i][col]);
    // The pivot's own error; in the backward pass also its distance from 1.
    Extended rel = relativeError(i, col) + relativeError(p, col) + kDoubleUnit + kLongUnit;
    if (!byPivot) rel += std::fabs(1 - m[p][col]);
    subtractRow(i, p, f, rel);
  }

  void swapRows(int a, int b) {
    std::swap(m[a], m[b]);
    std::swap(err[a], err[b]);
    std::swap(limited[static_cast<std::size_t>(a)], limited[static_cast<std::size_t>(b)]);
  }

  // The row with the largest |m[i][a]| for i ≥ a (ties keep the upper row)
  // becomes row a; a pivot below the zero limit counts as 0.
  void pivotRow(int a) {
    int p = a;
    for (int i = a + 1; i <= n; ++i)
      if (std::fabs(m[i][a]) > std::fabs(m[p][a])) p = i;
    if (p != a) swapRows(p, a);
    if (std::fabs(m[a][a]) < kZero) m[a][a] = 0;
  }

  bool hasCoefficient(int row, int from) const {
    for (int j = from; j <= n; ++j)
      if (m[row][j] != 0) return true;
    return false;
  }

  void swapColumns(int a, int b) {
    if (a == b) return;
    for (int i = 1; i <= n; ++i) {
      std::swap(m[i][a], m[i][b]);
      std::swap(err[i][a], err[i][b]);
    }
    std::swap(perm[static_cast<std::size_t>(a)], perm[static_cast<std::size_t>(b)]);
  }

  void eliminateColumn(int a) {
    pivotRow(a);
    // Every row without a coefficient must end below the rows with a pivot,
    // where the solution set looks for them: an empty row a changes places
    // with the first lower row that still has a coefficient.
    if (m[a][a] == 0 && !hasCoefficient(a, a)) {
      for (int i = a + 1; i <= n; ++i)
        if (hasCoefficient(i, a)) {
          swapRows(i, a);
          if (std::fabs(m[a][a]) < kZero) m[a][a] = 0;
          break;
        }
    }
    for (int i = a + 1; i <= n; ++i) {
      if (m[a][a] == 0) {
        // Column a is empty in rows a..n: the largest coefficient of row a
        // (never the right side) moves into column a.
        int c = a;
        for (int j = a + 1; j <= n; ++j)
          if (std::fabs(m[a][j]) > std::fabs(m[a][c])) c = j;
        swapColumns(a, c);
      }
      if (m[a][a] != 0) eliminate(i, a, a, true);
    }
  }

  void forward() {
    for (int a = 1; a <= n - 1; ++a) eliminateColumn(a);
  }

  // Row a divided by its pivot rounded to double.
  void dividePivotRow(int a) {
    const Extended d = asDouble(m[a][a]);
    const Extended dRel = relativeError(a, a) + kDoubleUnit;
    for (int j = 1; j <= n + 1; ++j) {
      m[a][j] /= d;
      err[a][j] = static_cast<double>(err[a][j] / std::fabs(d) + std::fabs(m[a][j]) * (dRel + kLongUnit));
    }
  }

  void backward() {
    for (int a = n; a >= 1; --a) {
      if (m[a][a] == 0) continue;
      dividePivotRow(a);
      for (int i = a - 1; i >= 1; --i) eliminate(i, a, a, false);
    }
    // Pivots that the double factors left near 1 come closer to 1.
    for (int a = n; a >= 1; --a)
      if (m[a][a] != 0) dividePivotRow(a);
  }

  // The block into r with variable k in column k.
  void toVariableOrder(Matrix& r) const {
    for (int c = 1; c <= n; ++c)
      for (int i = 1; i <= n; ++i) r[i][perm[static_cast<std::size_t>(c)]] = m[i][c];
    for (int i = 1; i <= n; ++i) r[i][n + 1] = m[i][n + 1];
  }
};

// Reads the reduced matrix from the last row upward. entries[c] is the text
// of the variable that column c holds.
struct SolutionSet {
  LgsOutcome outcome = LgsOutcome::None;
  std::vector<std::u16string> entries;  // 1..n
  std::u16string tail;
};

SolutionSet readSolutionSet(const Elimination& e) {
  const Matrix& m = e.m;
  const int n = e.n;
  SolutionSet s;
  s.entries.resize(static_cast<std::size_t>(n) + 1);
  if (Round14(m[n][n]) == 1) {
    for (int i = 1; i <= n; ++i) s.entries[static_cast<std::size_t>(i)] = FormatGeneral(15, m[i][n + 1]);
    s.tail = u")";
    s.outcome = LgsOutcome::Unique;
    return s;
  }
  static const std::u16string kNames[5] = {u"p", u"q", u"r", u"s", u"t"};
  for (int k = 1; k <= n; ++k) {
    // Row n − k + 1 has no coefficient left: 0 = its right side.
    if (Round14(m[n - k + 1][n + 1]) != 0) {
      s.outcome = LgsOutcome::None;
      return s;
    }
    if (k == n) break;  // no row with a pivot at all
    if (Round14(m[n - k][n - k]) != 1) continue;
    if (k > 5) {
      s.outcome = LgsOutcome::Wide;
      return s;
    }
    // k free variables in the columns n − k + 1..n, named by the last k of p..t.
    const std::u16string* names = kNames + (5 - k);
    for (int i = 1; i <= n - k; ++i) {
      std::u16string t = FormatGeneral(15, m[i][n + 1]);
      for (int f = 0; f < k; ++f)
        t += FormatSignedCoefficient(names[f], static_cast<double>(-m[i][n - k + 1 + f]));
      s.entries[static_cast<std::size_t>(i)] = t;
    }
    std::u16string joined;
    for (int f = 0; f < k; ++f) {
      s.entries[static_cast<std::size_t>(n - k + 1 + f)] = names[f];
      joined += (f > 0 ? u"," : u"") + names[f];
    }
    s.tail = u" ) | " + joined + u" " + ksym::ElementSign + u" R ";
    s.outcome = LgsOutcome::Parametric;
    return s;
  }
  // Every coefficient is 0 and every right side rounds to 0.
  s.outcome = LgsOutcome::Universal;
  return s;
}

QString q(const std::u16string& s) { return QString::fromStdU16String(s); }

// "·x3": the variable's part of a term.
std::u16string variableName(int c) {
  const std::string digits = std::to_string(c);
  return std::u16string(ksym::MulDotSign) + u"x" + std::u16string(digits.begin(), digits.end());
}

// The rows of ref(A) or rref(A): each value right-aligned in its column,
// " | " before the right side.
void addEchelonLines(QStringList& lines, const Matrix& r, int n) {
  std::vector<int> width(static_cast<std::size_t>(n) + 2, 0);
  for (int c = 1; c <= n + 1; ++c)
    for (int i = 1; i <= n; ++i)
      width[static_cast<std::size_t>(c)] =
          std::max(width[static_cast<std::size_t>(c)], static_cast<int>(FormatReal(8, std::fabs(r[i][c])).size()) + 2);
  for (int i = 1; i <= n; ++i) {
    std::u16string line;
    for (int c = 1; c <= n; ++c) line += PadLeft(FormatReal(8, r[i][c]), width[static_cast<std::size_t>(c)]);
    line += u" | " + PadLeft(FormatReal(8, r[i][n + 1]), width[static_cast<std::size_t>(n) + 1]);
    lines << q(line);
  }
}

}  // namespace

Extended Round14(Extended x) { return std::trunc(x * kScale14 + 0.5L) / kScale14; }

std::u16string FormatCoefficient(const std::u16string& name, double x) {
  x = static_cast<double>(std::trunc(static_cast<Extended>(x) * kScale14) / kScale14);
  if (x == 0) return {};
  if (x == 1) return name;
  if (x == -1) return u"-" + name;
  return FormatGeneral(9, x) + name;
}

std::u16string FormatSignedCoefficient(const std::u16string& name, double x) {
  std::u16string t = FormatCoefficient(name, x);
  if (x > 0 && !t.empty()) return u"+" + t;
  return t;
}

LgsSolution SolveLGS(const Matrix& A, int n) {
  if (n < 1 || n + 1 > VektorSize) throw CalcFailure(msg::InvalidInput, "system size");
  LgsSolution result;
  bool allZero = true;
  for (int i = 1; i <= n && allZero; ++i)
    for (int j = 1; j <= n + 1; ++j)
      if (A[i][j] != 0) {
        allZero = false;
        break;
      }
  if (allZero) return result;  // Universal, ref and rref zero

  Elimination e(A, n);
  e.forward();
  e.toVariableOrder(result.ref);
  e.backward();
  e.toVariableOrder(result.rref);

  const SolutionSet s = readSolutionSet(e);
  result.outcome = s.outcome;
  switch (s.outcome) {
    case LgsOutcome::Universal:
      break;
    case LgsOutcome::None:
      result.text = u"L = { }";
      break;
    case LgsOutcome::Wide:
      result.text = u"L = { (  Dimension > 5 }";
      break;
    case LgsOutcome::Unique:
    case LgsOutcome::Parametric: {
      // The columns' entries in the order x1..xn.
      std::array<int, VektorSize + 1> columnOf{};
      for (int c = 1; c <= n; ++c) columnOf[static_cast<std::size_t>(e.perm[static_cast<std::size_t>(c)])] = c;
      std::u16string t = u"L = { ( ";
      for (int k = 1; k <= n; ++k) {
        t += s.entries[static_cast<std::size_t>(columnOf[static_cast<std::size_t>(k)])];
        if (k < n) t += u"; ";
      }
      result.text = t + s.tail + u"}";
      break;
    }
  }
  return result;
}

QStringList LgsMemoLines(const Matrix& A, int n, const LgsSolution& solution, bool showRef, bool showRref) {
  QStringList lines{QString()};
  // Column widths: the longest magnitude of a column and its "·xc".
  std::vector<int> width(static_cast<std::size_t>(n) + 2, 0);
  for (int c = 1; c <= n + 1; ++c) {
    int w = 0;
    for (int r = 1; r <= n; ++r) w = std::max(w, static_cast<int>(FormatReal(8, std::fabs(A[r][c])).size()));
    width[static_cast<std::size_t>(c)] = w + static_cast<int>(variableName(c).size());
  }
  for (int r = 1; r <= n; ++r) {
    std::u16string line = PadLeft(FormatReal(8, A[r][1]) + variableName(1), width[1] + 4);
    for (int c = 2; c <= n; ++c)
      line += (A[r][c] < 0 ? u" - " : u" + ") +
              PadLeft(FormatReal(8, std::fabs(A[r][c])) + variableName(c), width[static_cast<std::size_t>(c)]);
    line += u" = " + PadLeft(FormatReal(8, A[r][n + 1]), width[static_cast<std::size_t>(n) + 1]);
    lines << q(line);
  }
  if (showRef) {
    lines << QString() << QStringLiteral("ref(A) :");
    addEchelonLines(lines, solution.ref, n);
  }
  if (showRref) {
    lines << QString() << QStringLiteral("rref(A) :");
    addEchelonLines(lines, solution.rref, n);
  }
  lines << QString()
        << (solution.outcome == LgsOutcome::Universal ? GetMessageText(37) : q(solution.text));
  return lines;
}

void RegisterLgsTexts() {
  static const TextPageRegistration de{ILGS, TextLanguage::German, kLgsDe};
  static const TextPageRegistration en{ILGS, TextLanguage::English, kLgsEn};
  static const TextPageRegistration fr{ILGS, TextLanguage::French, kLgsFr};
}

}  // namespace zw
