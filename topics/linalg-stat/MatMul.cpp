#include "topics/linalg-stat/MatMul.h"

#include "kernel/Matrix.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/MatrixKit.h"

namespace zw {

namespace {

constexpr TextItem kMatMulDe[] = {
    {1, u"Zu zwei Matrizen A1 und A2 wird die Produktmatrix berechnet."},
    {2, u"Zeilen"},
    {3, u"Spalten"},
    {5, u"1. Matrix"},
    {6, u"2. Matrix"},
    {7, u"Produktmatrix"},
    {8, u"Produktmatrix kopieren"},
    {9, u"Produktmatrix exportieren"},
};
constexpr TextItem kMatMulEn[] = {
    {1, u"Given two matrices A1 and A2 the product matrix is calculated."},
    {2, u"Rows"},
    {3, u"Columns"},
    {5, u"1st Matrix"},
    {6, u"2nd Matrix"},
    {7, u"Product Matrix"},
    {8, u"Copy product matrix"},
    {9, u"Export product matrix"},
};
constexpr TextItem kMatMulFr[] = {
    {1, u"Calcule le produit de deux matrices A1 et A2."},
    {2, u"Lignes"},
    {3, u"Colonnes"},
    {5, u"1re matrice"},
    {6, u"2e matrice"},
    {7, u"Matrice produit"},
    {8, u"Copier la matrice produit"},
    {9, u"Exporter la matrice produit"},
};

}  // namespace

Matrix ComputeMatMul(const Matrix& a, const Matrix& b, int nz, int mz, int lz) {
  Matrix c{};
  MatrixMultiply(a, b, nz, mz, lz, c);
  return c;
}

QStringList MatMulMemoLines(const Matrix& a, const Matrix& b, const Matrix& c, int nz, int mz, int lz) {
  QStringList lines{QString(), GetText(IMatMul, 5), QString()};
  lines << MatrixMemoLines(a, nz, mz) << QString() << GetText(IMatMul, 6) << QString();
  lines << MatrixMemoLines(b, mz, lz) << QString() << GetText(IMatMul, 7) << QString();
  lines << MatrixMemoLines(c, nz, lz);
  return lines;
}

void RegisterMatMulTexts() {
  static const TextPageRegistration de{IMatMul, TextLanguage::German, kMatMulDe};
  static const TextPageRegistration en{IMatMul, TextLanguage::English, kMatMulEn};
  static const TextPageRegistration fr{IMatMul, TextLanguage::French, kMatMulFr};
}

}  // namespace zw
