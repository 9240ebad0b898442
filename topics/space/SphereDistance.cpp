#include "topics/space/SphereDistance.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "kernel/Angle.h"
#include "kernel/BasicMath.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// A decimal number with "," or "." as separator, blanks around it allowed.
std::optional<Extended> ParseNumber(std::u16string_view part) {
  while (!part.empty() && IsBlank(part.front())) part.remove_prefix(1);
  while (!part.empty() && IsBlank(part.back())) part.remove_suffix(1);
  std::string s;
  for (char16_t c : part) {
    if (c == u',') c = u'.';
    if (c > 127) return std::nullopt;
    s += static_cast<char>(c);
  }
  std::size_t start = (!s.empty() && s[0] == '+') ? 1 : 0;
  if (start < s.size() && s[start] == '-' && start == 1) return std::nullopt;  // "+-"
  if (start == s.size()) return std::nullopt;
  long double v = 0;
  const char* first = s.data() + start;
  const char* last = s.data() + s.size();
  const auto [end, ec] = std::from_chars(first, last, v, std::chars_format::general);
  // Beyond a double's range the number is refused as every other field refuses it.
  if (ec != std::errc() || end != last || !std::isfinite(static_cast<double>(v))) return std::nullopt;
  return static_cast<Extended>(v);
}

// FormatReal with a decimal point whatever the separator.
QString Dec(Extended x) { return Q(FormatReal(8, x)).replace(QLatin1Char(','), QLatin1Char('.')); }

QString Dms(Extended x, const QString& positive, const QString& negative) {
  int d = 0, m = 0;
  Extended s = 0;
  DegToDMS(d, m, s, std::fabs(x));
  return QString::number(d) + QString::fromUtf16(u"°") + QString::number(m) + "'" + Dec(s) + "\"" +
         (x >= 0 ? positive : negative);
}

TVec3 Position(Extended r, const SpherePoint& p) {
  return {r * CosDeg(p.latitude) * CosDeg(p.longitude), r * CosDeg(p.latitude) * SinDeg(p.longitude),
          r * SinDeg(p.latitude)};
}

}  // namespace

std::optional<Extended> ParseAngle(const std::u16string& input) {
  std::u16string_view text(input);
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const Extended sign = (!text.empty() && (text.back() == u'S' || text.back() == u'W')) ? -1 : 1;
  const std::size_t npos = std::u16string_view::npos;
  const std::size_t a = text.find(u'°'), b = text.find(u'\''), c = text.find(u'"');
  Extended parts[3] = {0, 0, 0};
  const auto take = [&](int k, std::size_t from, std::size_t to) {
    if (to < from) return false;
    const auto v = ParseNumber(text.substr(from, to - from));
    if (!v) return false;
    parts[k] = *v;
    return true;
  };
  if (a == npos && b == npos && c == npos) {
    if (!take(0, 0, text.size())) return std::nullopt;
  }
  if (a != npos && !take(0, 0, a)) return std::nullopt;
  if (b != npos && !take(1, a == npos ? 0 : a + 1, b)) return std::nullopt;
  if (c != npos) {
    std::size_t m = 0;
    if (a != npos) m = a + 1;
    if (b != npos) m = std::max(m, b + 1);
    if (!take(2, m, c)) return std::nullopt;
  }
  const Extended value = (parts[0] + parts[1] / 60 + parts[2] / 3600) * sign;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

SphereDistanceResult ComputeSphereDistance(Extended radius, const SpherePoint& p1, const SpherePoint& p2) {
  SphereDistanceResult r;
  r.a = Position(radius, p1);
  r.b = Position(radius, p2);
  // Rounding can carry a·b/r² just past ±1 for equal or antipodal points.
  const Extended c = (r.a.x * r.b.x + r.a.y * r.b.y + r.a.z * r.b.z) / (radius * radius);
  r.angle = ArcCosRad(std::clamp(c, Extended(-1), Extended(1)));
  r.distance = radius * r.angle;
  return r;
}

QStringList SphereDistanceMemoLines(Extended radius, const SpherePoint& p1, const SpherePoint& p2,
                                    const SphereDistanceResult& r, const TextMeasurer& font) {
  const int w = static_cast<int>(std::max(p1.name.size(), p2.name.size()));
  const QString n1 = p1.name.rightJustified(w), n2 = p2.name.rightJustified(w);
  QStringList lines;
  AppendHeading(lines, font, GetText(IAbstGPS, 2));
  lines << "   r = " + Q(FormatReal(8, radius)) << QString();
  AppendHeading(lines, font, GetText(IAbstGPS, 7));
  lines << n1 + Dec(p1.latitude) + ", " + Dec(p1.longitude) << n2 + Dec(p2.latitude) + ", " + Dec(p2.longitude)
        << QString();
  AppendHeading(lines, font, GetText(IAbstGPS, 8));
  lines << n1 + Dms(p1.latitude, "N", "S") + ", " + Dms(p1.longitude, "E", "W")
        << n2 + Dms(p2.latitude, "N", "S") + ", " + Dms(p2.longitude, "E", "W") << QString();
  AppendHeading(lines, font, GetText(IAbstGPS, 9));
  const auto polar = [radius](const SpherePoint& p) {
    return "(" + Q(FormatReal(8, radius)) + "|" + Q(FormatReal(8, p.longitude)) + QString::fromUtf16(u"°|") +
           Q(FormatReal(8, p.latitude)) + QString::fromUtf16(u"°)");
  };
  lines << n1 + polar(p1) << n2 + polar(p2) << QString();
  AppendHeading(lines, font, GetText(IAbstGPS, 10));
  const auto cart = [](const TVec3& v) {
    return "(" + Q(FormatReal(8, v.x)) + "|" + Q(FormatReal(8, v.y)) + "|" + Q(FormatReal(8, v.z)) + ")";
  };
  lines << n1 + cart(r.a) << n2 + cart(r.b) << QString();
  AppendHeading(lines, font, GetText(IAbstGPS, 11));
  const ColumnLines a = ColumnOf(r.a), b = ColumnOf(r.b);
  lines << "   ->  " + a.top + "   ->  " + b.top << "   a = " + a.middle + "   b = " + b.middle
        << "       " + a.bottom + "       " + b.bottom << QString();
  AppendHeading(lines, font, GetText(IAbstGPS, 13));
  lines << "               ->  ->" << QString::fromUtf16(u"   α = arccos( a · b / r² ) ")
        << "     = " + Q(FormatReal(8, r.angle)) + " [rad] = " + Q(FormatReal(8, RadToDeg(r.angle))) +
               QString::fromUtf16(u"°")
        << QString();
  AppendHeading(lines, font, GetText(IAbstGPS, 12));
  lines << QString::fromUtf16(u"   d = r · α [rad] = ") + Q(FormatReal(8, r.distance));
  return lines;
}

namespace {
constexpr TextItem kDe[] = {
    {1, u"Berechnet wird die Entfernung zwischen zwei Punkten auf einer Kugel"},
    {2, u"Radius der Kugel"}, {3, u"Longitude"}, {4, u"Latitude"}, {5, u"1. Punkt"}, {6, u"2. Punkt"},
    {7, u"GPS dezimal"}, {8, u"GPS dms"}, {9, u"Polarkoordinaten"}, {10, u"Kartesische Koordinaten"},
    {11, u"Ortsvektoren"}, {12, u"Entfernung"}, {13, u"Zentriwinkel"},
};
constexpr TextItem kEn[] = {
    {1, u"The distance between two points on a sphere is calculated"},
    {2, u"Radius of the sphere"}, {3, u"Longitude"}, {4, u"Latitude"}, {5, u"1. Point"}, {6, u"2. Point"},
    {7, u"GPS decimal"}, {8, u"GPS dms"}, {9, u"Polar coordinates"}, {10, u"Cartesian coordinates"},
    {11, u"Position vectors"}, {12, u"Distance"}, {13, u"Central angle"},
};
constexpr TextItem kFr[] = {
    {1, u"Le programme calcule la distance entre deux points d'une sphère"},
    {2, u"Rayon de la sphère"}, {3, u"Longitude"}, {4, u"Latitude"}, {5, u"1er point"}, {6, u"2e point"},
    {7, u"GPS décimal"}, {8, u"GPS dms"}, {9, u"Coordonnées polaires"}, {10, u"Coordonnées cartésiennes"},
    {11, u"Vecteurs position"}, {12, u"Distance"}, {13, u"Angle au centre"},
};
}  // namespace

void RegisterSphereDistanceTexts() {
  static const TextPageRegistration regs[] = {
      {IAbstGPS, TextLanguage::German, kDe}, {IAbstGPS, TextLanguage::English, kEn},
      {IAbstGPS, TextLanguage::French, kFr}};
  (void)regs;
}

}  // namespace zw
