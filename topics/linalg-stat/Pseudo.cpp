#include "topics/linalg-stat/Pseudo.h"

#include <functional>

#include "common/TextMeasurer.h"
#include "kernel/Matrix.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/MatrixKit.h"

namespace zw {

namespace {

constexpr TextItem kPseudoDe[] = {
    {1, u"Von einer Matrix, deren Zeilen oder Spalten linear unabängig sind, werden die Pseudoinversen berechnet."},
    {2, u"Zeilen"},
    {3, u"Spalten"},
    {4, u"Matrix"},
    {5, u"nicht invertierbar"},
    {6, u"Pseudoinverse"},
    {7, u"Linksinverse"},
    {8, u"Rechtsinverse"},
    {9, u"Pseudoinverse kopieren"},
    {10, u"Pseudoinverse exportieren"},
};
constexpr TextItem kPseudoEn[] = {
    {1, u"To a matrix whose rows or columns are linearly independent the pseudo inverse are calculated."},
    {2, u"Rows"},
    {3, u"Columns"},
    {4, u"Matrix"},
    {5, u"singular"},
    {6, u"Pseudo Inverse"},
    {7, u"Left Inverse"},
    {8, u"Right Inverse"},
    {9, u"Copy pseudo inverse"},
    {10, u"Export pseudo inverse"},
};
constexpr TextItem kPseudoFr[] = {
    {1, u"Calcule les pseudo-inverses d'une matrice dont les lignes ou les colonnes sont linéairement "
        u"indépendantes."},
    {2, u"Lignes"},
    {3, u"Colonnes"},
    {4, u"Matrice"},
    {5, u"non inversible"},
    {6, u"Pseudo-inverse"},
    {7, u"Inverse à gauche"},
    {8, u"Inverse à droite"},
    {9, u"Copier la pseudo-inverse"},
    {10, u"Exporter la pseudo-inverse"},
};

// "ᵀ", the superscript minus "ᐨ" and "¹" of the headings.
const QString kT = QStringLiteral("\u1D40");
const QString kInv = QStringLiteral("\u1428\u00B9");

// The product's inverse when the product has full rank.
bool invert(const Matrix& p, int order, Matrix& inverse) {
  int rank = 0;
  Extended det = 0;
  MatrixRankDet(p, order, rank, det);
  if (rank < order) return false;
  MatrixInverse(p, order, inverse);
  return true;
}

}  // namespace

PseudoResult ComputePseudo(const Matrix& a, int n, int m) {
  PseudoResult r;
  Matrix t{};
  MatrixClearCopy(a, n, m, t);  // Aᵀ, m × n
  MatrixMultiply(t, a, m, n, m, r.AtA);
  if ((r.leftExists = invert(r.AtA, m, r.AtAInverse))) MatrixMultiply(r.AtAInverse, t, m, m, n, r.left);
  MatrixMultiply(a, t, n, m, n, r.AAt);
  if ((r.rightExists = invert(r.AAt, n, r.AAtInverse))) MatrixMultiply(t, r.AAtInverse, m, n, n, r.right);
  return r;
}

QStringList PseudoMemoLines(const Matrix& a, int n, int m, const PseudoResult& r, const TextMeasurer& font) {
  QStringList lines{QString()};
  const auto heading = [&](const QString& text) { lines << UnderlineText(font, text).split(QStringLiteral("\r\n")); };
  const auto matrix = [&](const Matrix& x, int rows, int cols) { lines << MatrixMemoLines(x, rows, cols) << QString(); };
  const QString notInvertible = u' ' + GetText(IPseudo, 5);

  heading(GetText(IPseudo, 4) + QStringLiteral(" A"));
  matrix(a, n, m);

  // One product, its inverse and the pseudo-inverse built on it; without an
  // inverse the product's heading and "nicht invertierbar" (an empty line
  // after it only for the first product).
  const auto part = [&](const QString& product, const Matrix& p, int order, bool exists, const Matrix& inverse,
                        const std::function<QString(const QString&)>& pseudoHeading, const Matrix& pseudo,
                        bool emptyLineAfterNote) {
    heading(product);
    matrix(p, order, order);
    if (!exists) {
      lines << product + notInvertible;
      if (emptyLineAfterNote) lines << QString();
      return;
    }
    const QString inverseHeading = QStringLiteral("( ") + product + QStringLiteral(" )") + kInv;
    heading(inverseHeading);
    matrix(inverse, order, order);
    heading(pseudoHeading(inverseHeading));
    matrix(pseudo, m, n);
  };
  part(QStringLiteral("A") + kT + QStringLiteral("\u00B7 A"), r.AtA, m, r.leftExists, r.AtAInverse,
       [](const QString& inv) {
         return GetText(IPseudo, 7) + QStringLiteral(":  ") + inv + QStringLiteral("\u00B7 A") + kT + QStringLiteral(" :");
       },
       r.left, true);
  part(QStringLiteral("A \u00B7 A") + kT, r.AAt, n, r.rightExists, r.AAtInverse,
       [](const QString& inv) { return GetText(IPseudo, 8) + QStringLiteral(":  A") + kT + QStringLiteral(" \u00B7 ") + inv; },
       r.right, false);
  return lines;
}

void RegisterPseudoTexts() {
  static const TextPageRegistration de{IPseudo, TextLanguage::German, kPseudoDe};
  static const TextPageRegistration en{IPseudo, TextLanguage::English, kPseudoEn};
  static const TextPageRegistration fr{IPseudo, TextLanguage::French, kPseudoFr};
}

}  // namespace zw
