#include "topics/space/CoordSystems.h"

#include <algorithm>

#include "kernel/Angle.h"
#include "kernel/Format.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

std::array<Extended, 3> FromCartesian(CoordSystem system, const TVec3& p) {
  std::array<Extended, 3> c{p.x, p.y, p.z};
  if (system == CoordSystem::Spherical) CartesianToSpherical(c[0], c[1], c[2], p.x, p.y, p.z);
  if (system == CoordSystem::Cylindrical) CartesianToPolar(c[0], c[1], c[2], p.x, p.y, p.z);
  return c;
}

TVec3 ToCartesian(CoordSystem system, const std::array<Extended, 3>& c) {
  TVec3 p{c[0], c[1], c[2]};
  if (system == CoordSystem::Spherical) SphericalToCartesian(p.x, p.y, p.z, c[0], c[1], c[2]);
  if (system == CoordSystem::Cylindrical) PolarToCartesian(p.x, p.y, p.z, c[0], c[1], c[2]);
  return p;
}

std::array<QString, 3> SystemCaptions(CoordSystem system) {
  switch (system) {
    case CoordSystem::Spherical:
      return {"r = ", QString::fromUtf16(u"φ = "), QString::fromUtf16(u"θ = ")};
    case CoordSystem::Cylindrical:
      return {QString::fromUtf16(u"ρ = "), QString::fromUtf16(u"φ = "), "z = "};
    default:
      return {"x = ", "y = ", "z = "};
  }
}

QStringList CoordBlockLines(const TVec3& p) {
  const auto f = [](Extended v) { return Q(FormatReal(6, v)); };
  const QString unit = Q(AngleUnitSymbol());
  const auto s = FromCartesian(CoordSystem::Spherical, p);
  const auto z = FromCartesian(CoordSystem::Cylindrical, p);
  const QString columns[3][4] = {
      {"  " + GetText(IKoSys, 3), "   x = " + f(p.x), "   y = " + f(p.y), "   z = " + f(p.z)},
      {"  " + GetText(IKoSys, 4), "  r = " + f(s[0]), QString::fromUtf16(u"  φ = ") + f(s[1]) + unit,
       QString::fromUtf16(u"  θ = ") + f(s[2]) + unit},
      {"  " + GetText(IKoSys, 5), QString::fromUtf16(u"   ρ = ") + f(z[0]),
       QString::fromUtf16(u"   φ = ") + f(z[1]) + unit, "   z = " + f(z[2])},
  };
  QStringList lines{QString()};
  qsizetype widths[3] = {};
  for (int c = 0; c < 3; ++c)
    for (const QString& e : columns[c]) widths[c] = std::max(widths[c], e.size() + 3);
  for (int row = 0; row < 4; ++row) {
    QString line;
    for (int c = 0; c < 3; ++c) line += columns[c][row].leftJustified(widths[c]);
    lines << line;
  }
  return lines;
}

namespace {
constexpr TextItem kDe[] = {
    {1, u"Umwandlungen zwischen kartesischen Koordinaten, Polarkoordinaten und Zylinderkoordinaten."},
    {2, u"Koordinaten"}, {3, u"kartesisch"}, {4, u"polar"}, {5, u"zylinderisch"},
};
constexpr TextItem kEn[] = {
    {1, u"Transformation between Cartesian coordinates, polar coordinates and cylindrical coordinates."},
    {2, u"Coordinates"}, {3, u"Cartesian"}, {4, u"polar"}, {5, u"cylindrical"},
};
constexpr TextItem kFr[] = {
    {1, u"Conversions entre coordonnées cartésiennes, coordonnées polaires et coordonnées cylindriques."},
    {2, u"Coordonnées"}, {3, u"cartésiennes"}, {4, u"polaires"}, {5, u"cylindriques"},
};
}  // namespace

void RegisterCoordSystemsTexts() {
  static const TextPageRegistration regs[] = {
      {IKoSys, TextLanguage::German, kDe}, {IKoSys, TextLanguage::English, kEn}, {IKoSys, TextLanguage::French, kFr}};
  (void)regs;
}

}  // namespace zw
