#include "topics/linalg-stat/LinKom.h"

#include "kernel/Format.h"
#include "kernel/Matrix.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/MatrixKit.h"

namespace zw {

namespace {

constexpr TextItem kLinKomDe[] = {
    {1, u"Das Programm bestimmt die Linearkombination eines Vektors aus drei linear unabhängigen Vektoren."},
    {2, u"Die Vektoren sind linear abhängig"},
    {3, u"Lösung :"},
};
constexpr TextItem kLinKomEn[] = {
    {1, u"The linear combination of a vector out of three linearly independent vectors is determined."},
    {2, u"The vectors are linearly dependent"},
    {3, u"Solution :"},
};
constexpr TextItem kLinKomFr[] = {
    {1, u"Détermine la combinaison linéaire d'un vecteur à partir de trois vecteurs linéairement indépendants."},
    {2, u"Les vecteurs sont linéairement dépendants"},
    {3, u"Solution :"},
};

QString q(const std::u16string& s) { return QString::fromStdU16String(s); }

}  // namespace

LinKomResult ComputeLinKom(const TVec3& u, const TVec3& v, const TVec3& w, const TVec3& d) {
  const Matrix m = ColumnsMatrix(u, v, w);
  // One decision for the matrix, as for inversion: a rank below 3 means
  // dependent vectors, however small the rounding left the last pivot.
  LinKomResult r;
  int rank = 0;
  Extended det = 0;
  MatrixRankDet(m, 3, rank, det);
  if (rank < 3) return r;
  Matrix inverse{};
  MatrixInverse(m, 3, inverse);
  const Extended rhs[3] = {d.x, d.y, d.z};
  Extended x[3] = {};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) x[i] += inverse[i + 1][j + 1] * rhs[j];
  r.independent = true;
  r.a = x[0];
  r.b = x[1];
  r.c = x[2];
  return r;
}

QStringList LinKomMemoLines(const TVec3& u, const TVec3& v, const TVec3& w, const TVec3& d, const LinKomResult& r) {
  const auto cu = ColumnVectorLines(u), cv = ColumnVectorLines(v), cw = ColumnVectorLines(w),
             cd = ColumnVectorLines(d);
  QStringList lines{
      QString(),
      QStringLiteral("    ") + cu[0] + QStringLiteral("     ") + cv[0] + QStringLiteral("     ") + cw[0] +
          QStringLiteral("   ") + cd[0],
      QStringLiteral("  a\u00B7") + cu[1] + QStringLiteral(" + b\u00B7") + cv[1] + QStringLiteral(" + c\u00B7") +
          cw[1] + QStringLiteral(" = ") + cd[1],
      QStringLiteral("    ") + cu[2] + QStringLiteral("     ") + cv[2] + QStringLiteral("     ") + cw[2] +
          QStringLiteral("   ") + cd[2],
      QString()};
  if (!r.independent) return lines << GetText(ILinKom, 2);
  return lines << GetText(ILinKom, 3)
               << QStringLiteral("  a = ") + q(FormatReal(8, r.a)) + QStringLiteral("  b = ") + q(FormatReal(8, r.b)) +
                      QStringLiteral("  c = ") + q(FormatReal(8, r.c));
}

void RegisterLinKomTexts() {
  static const TextPageRegistration de{ILinKom, TextLanguage::German, kLinKomDe};
  static const TextPageRegistration en{ILinKom, TextLanguage::English, kLinKomEn};
  static const TextPageRegistration fr{ILinKom, TextLanguage::French, kLinKomFr};
}

}  // namespace zw
