#include "topics/linalg-stat/VecProducts.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/TextMeasurer.h"
#include "kernel/BasicMath.h"
#include "kernel/Format.h"
#include "kernel/Geometry.h"
#include "kernel/Matrix.h"
#include "kernel/TextPadding.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"
#include "topics/linalg-stat/MatrixKit.h"

namespace zw {

namespace {

constexpr TextItem kSProdDe[] = {
    {1, u"Von zwei Vektoren werden das Skalarprodukt, ihre Längen und der eingeschlossene Winkel berechnet."},
    {2, u"Skalarprodukt der Vektoren"},
    {3, u"Länge des ersten Vektors"},
    {4, u"Länge des zweiten Vektors"},
    {5, u"eingeschlossener Winkel"},
};
constexpr TextItem kSProdEn[] = {
    {1, u"Given two vectors the scalar product, the length of the vectors and the included angle are calculated."},
    {2, u"Scalar product of the vectors"},
    {3, u"Length of the first vector"},
    {4, u"Length of the second vector"},
    {5, u"Included angle"},
};
constexpr TextItem kSProdFr[] = {
    {1, u"Calcule le produit scalaire de deux vecteurs, leurs longueurs et l'angle qu'ils forment."},
    {2, u"Produit scalaire des vecteurs"},
    {3, u"Longueur du premier vecteur"},
    {4, u"Longueur du second vecteur"},
    {5, u"Angle formé"},
};
constexpr TextItem kVProdDe[] = {{1, u"Von zwei Vektoren werden das Vektorprodukt und sein Betrag berechnet."}};
constexpr TextItem kVProdEn[] = {{1, u"Given two vectors the vector product and magnitude are calculated."}};
constexpr TextItem kVProdFr[] = {{1, u"Calcule le produit vectoriel de deux vecteurs et sa norme."}};
constexpr TextItem kSpatDe[] = {{1, u"Zu drei Vektoren wird das Spatprodukt berechnet."}};
constexpr TextItem kSpatEn[] = {{1, u"Given three vectors the mixed product is calculated."}};
constexpr TextItem kSpatFr[] = {{1, u"Calcule le produit mixte de trois vecteurs."}};

QString q(const std::u16string& s) { return QString::fromStdU16String(s); }
QString real(Extended x) { return q(FormatReal(8, x)); }

}  // namespace

QString LengthText(Extended sq) {
  const Extended l = std::sqrt(sq);
  QString s;
  if (std::trunc(l) != l && std::trunc(100 * sq) == 100 * sq)
    s = q(ksym::SqrtSign) + real(sq) + QStringLiteral(" = ");
  return s + real(l);
}

QStringList SProdMemoLines(const TVec3& a, const TVec3& b, const TextMeasurer& font) {
  QString labels[4];
  int widest = 0;
  for (int i = 0; i < 4; ++i) {
    labels[i] = GetText(ISProd, 2 + i);
    widest = std::max(widest, font.textWidth(labels[i].toStdU16String()));
  }
  // Room for the widest label, and for the angle's label with its "α".
  const std::u16string alpha = ksym::AlphaSign;
  widest = std::max(widest, font.textWidth(labels[3].toStdU16String()) + font.textWidth(alpha));
  const std::u16string reference = BlanksCoveringWidth(font, widest);
  const auto label = [&](int i) { return q(PadRightToWidth(font, reference, labels[i].toStdU16String())) + QStringLiteral(" = "); };

  const auto va = ColumnVectorLines(a), vb = ColumnVectorLines(b);
  QStringList lines{QString(),
                    QStringLiteral("   ->  ") + va[0] + QStringLiteral("   ->  ") + vb[0],
                    QStringLiteral("   a = ") + va[1] + QStringLiteral("   b = ") + vb[1],
                    QStringLiteral("       ") + va[2] + QStringLiteral("       ") + vb[2],
                    QString()};
  const Extended dot = Dot3(a, b);
  const Extended qa = Dot3(a, a), qb = Dot3(b, b);
  lines << label(0) + real(dot) << QString();
  lines << label(1) + LengthText(qa) << QString();
  lines << label(2) + LengthText(qb) << QString();
  const Extended la = std::sqrt(qa), lb = std::sqrt(qb);
  if (la * lb == 0) return lines;
  const Extended angle = ArcCosDeg(dot / (la * lb));  // a cosine a hair past ±1 counts as ±1
  lines << QString()
        << q(PadBetweenToWidth(font, reference, labels[3].toStdU16String(), alpha)) + QStringLiteral(" = ") +
               real(angle) + q(ksym::DegreeSign);
  return lines;
}

TVec3 CrossProduct(const TVec3& a, const TVec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

QStringList VProdMemoLines(const TVec3& a, const TVec3& b) {
  const TVec3 c = CrossProduct(a, b);
  const auto va = ColumnVectorLines(a), vb = ColumnVectorLines(b), vc = ColumnVectorLines(c);
  return {QString(),
          QStringLiteral("     ->  ") + va[0] + QStringLiteral("     ->  ") + vb[0],
          QStringLiteral("     a = ") + va[1] + QStringLiteral("     b = ") + vb[1],
          QStringLiteral("         ") + va[2] + QStringLiteral("         ") + vb[2],
          QString(),
          QStringLiteral(" ->  ->  ") + vc[0] + QStringLiteral("    ->  ->  "),
          QStringLiteral(" a x b = ") + vc[1] + QStringLiteral("   |a x b|= ") + LengthText(Dot3(c, c)),
          QStringLiteral("         ") + vc[2]};
}

Extended TripleProduct(const TVec3& a, const TVec3& b, const TVec3& c) {
  return Determinant(ColumnsMatrix(a, b, c), 3);
}

QStringList SpatMemoLines(const TVec3& a, const TVec3& b, const TVec3& c) {
  const auto va = ColumnVectorLines(a), vb = ColumnVectorLines(b), vc = ColumnVectorLines(c);
  return {QString(),
          QStringLiteral("  ->  ") + va[0] + QStringLiteral("     ->  ") + vb[0] + QStringLiteral("   ->  ") + vc[0],
          QStringLiteral("  a = ") + va[1] + QStringLiteral("     b = ") + vb[1] + QStringLiteral("   c = ") + vc[1],
          QStringLiteral("      ") + va[2] + QStringLiteral("         ") + vb[2] + QStringLiteral("       ") + vc[2],
          QString(),
          QStringLiteral("    ->  ->    ->  "),
          QStringLiteral("  ( a x b ) \u00B7 c = ") + real(TripleProduct(a, b, c))};
}

void RegisterVecProductTexts() {
  static const TextPageRegistration sde{ISProd, TextLanguage::German, kSProdDe};
  static const TextPageRegistration sen{ISProd, TextLanguage::English, kSProdEn};
  static const TextPageRegistration sfr{ISProd, TextLanguage::French, kSProdFr};
  static const TextPageRegistration vde{IVProd, TextLanguage::German, kVProdDe};
  static const TextPageRegistration ven{IVProd, TextLanguage::English, kVProdEn};
  static const TextPageRegistration vfr{IVProd, TextLanguage::French, kVProdFr};
  static const TextPageRegistration pde{ISpat, TextLanguage::German, kSpatDe};
  static const TextPageRegistration pen{ISpat, TextLanguage::English, kSpatEn};
  static const TextPageRegistration pfr{ISpat, TextLanguage::French, kSpatFr};
}

}  // namespace zw
