#include "topics/linalg-stat/MatInv.h"

#include "kernel/Format.h"
#include "kernel/Matrix.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/MatrixKit.h"

namespace zw {

namespace {

constexpr TextItem kMatInvDe[] = {
    {1, u"Von einer quadratischen Matrix wird die inverse Matrix berechnet."},
    {2, u"Zeilen und Spalten"},
    {3, u"Matrix"},
    {4, u"Inverse Matrix"},
    {5, u"Matrix nicht invertierbar"},
    {6, u"Ordnung"},
    {7, u"Rang"},
    {8, u"Determinante"},
    {9, u"Inverse Matrix kopieren"},
    {10, u"Inverse Matrix exportieren"},
};
constexpr TextItem kMatInvEn[] = {
    {1, u"A square matrix of order n is inverted."},
    {2, u"Rows and columns"},
    {3, u"Matrix"},
    {4, u"Inverse matrix"},
    {5, u"Singular matrix"},
    {6, u"Order"},
    {7, u"Rank"},
    {8, u"Determinant"},
    {9, u"Copy inverse matrix"},
    {10, u"Export inverse matrix"},
};
constexpr TextItem kMatInvFr[] = {
    {1, u"Calcule l'inverse d'une matrice carrée d'ordre n."},
    {2, u"Lignes et colonnes"},
    {3, u"Matrice"},
    {4, u"Matrice inverse"},
    {5, u"Matrice non inversible"},
    {6, u"Ordre"},
    {7, u"Rang"},
    {8, u"Déterminant"},
    {9, u"Copier la matrice inverse"},
    {10, u"Exporter la matrice inverse"},
};

QString real(Extended x) { return QString::fromStdU16String(FormatReal(8, x)); }

}  // namespace

MatInvResult ComputeMatInv(const Matrix& a, int n) {
  MatInvResult r;
  MatrixRankDet(a, n, r.rank, r.det);
  r.invertible = r.rank == n;
  if (r.invertible) MatrixInverse(a, n, r.inverse);
  return r;
}

QStringList MatInvMemoLines(const Matrix& a, int n, const MatInvResult& r) {
  QStringList lines{QString(), GetTextColon(IMatInv, 3), QString()};
  lines << MatrixMemoLines(a, n, n) << QString();
  if (r.invertible) {
    lines << GetTextColon(IMatInv, 4) << QString() << MatrixMemoLines(r.inverse, n, n) << QString();
  } else {
    lines << GetText(IMatInv, 5);
  }
  lines << GetTextEq(IMatInv, 6) + real(n) + QStringLiteral(",  ") + GetTextEq(IMatInv, 7) + real(r.rank) +
               QStringLiteral(",  ") + GetTextEq(IMatInv, 8) + real(r.det);
  return lines;
}

void RegisterMatInvTexts() {
  static const TextPageRegistration de{IMatInv, TextLanguage::German, kMatInvDe};
  static const TextPageRegistration en{IMatInv, TextLanguage::English, kMatInvEn};
  static const TextPageRegistration fr{IMatInv, TextLanguage::French, kMatInvFr};
}

}  // namespace zw
