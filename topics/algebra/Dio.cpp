#include "topics/algebra/Dio.h"

#include <algorithm>
#include <string>

#include "kernel/Format.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// ----- texts of the topic's page (registered here; move to the explicit list at merge)
constexpr TextItem kDioDe[] = {{1, u"Berechnet werden die ganzzahligen Lösungen der Gleichung"}, {2, u"ganzzahlig"}};
constexpr TextItem kDioEn[] = {{1, u"Computes the integer solutions of the equation"}, {2, u"integer"}};
constexpr TextItem kDioFr[] = {{1, u"Calcule les solutions entières de l'équation"}, {2, u"entiers"}};
// -----

using i128 = __int128;

i128 abs128(i128 v) { return v < 0 ? -v : v; }

struct Euclid {
  i128 g, x, y;  // x·Q + y·P = g
};

// Truncating division; the sign of g follows the arithmetic.
Euclid extendedEuclid(i128 Q, i128 P) {
  const i128 q = Q / P, r = Q - q * P;
  if (r == 0) return {P, 0, 1};
  const Euclid e = extendedEuclid(P, r);
  return {e.g, e.y, e.x - q * e.y};
}

// x·B + y·A = g with x > 0 (A > 0).
Euclid normalizeSolution(i128 A, i128 B) {
  Euclid e = extendedEuclid(B, A);
  if (e.x <= 0) {  // as often A added to x (and B taken from y) as it takes
    const i128 k = -e.x / A + 1;
    e.x += k * A;
    e.y -= k * B;
  }
  return e;
}

// x > m: the remainder; x < m: x itself; x = m: 0.
i128 floatMod(i128 x, i128 m) { return x < m ? x : (x == m ? 0 : x % m); }

// Whole numbers as the kernel writes them below 10^15, exact digits beyond
// (where an extended real would no longer hold every digit).
std::u16string numberText(i128 v) {
  const i128 a = abs128(v);
  if (a < static_cast<i128>(1'000'000'000'000'000)) return FormatReal(15, static_cast<Extended>(a));
  std::u16string s;
  for (i128 r = a; r != 0; r /= 10) s.insert(s.begin(), static_cast<char16_t>(u'0' + static_cast<int>(r % 10)));
  return s;
}

// c + f·t without multiplication signs: "4 - 5t", "- t", "0".
QString linearText(i128 c, i128 f) {
  std::u16string s;
  bool written = false;
  const i128 parts[2] = {c, f};
  for (int k = 0; k < 2; ++k) {
    const i128 v = parts[k];
    if (v == 0) continue;
    if (v < 0)
      s += u" - ";
    else if (written)
      s += u" + ";
    if (!(k == 1 && abs128(v) == 1)) s += numberText(v);
    if (k == 1) s += u't';
    written = true;
  }
  return written ? QString::fromStdU16String(s).trimmed() : QStringLiteral("0");
}

}  // namespace

DioSolution SolveDio(std::int64_t a, std::int64_t b, std::int64_t c) {
  DioSolution s;
  using K = DioSolution::Kind;
  if (a == 0 && b == 0) {
    s.kind = c == 0 ? K::AllPairs : K::None;
    return s;
  }
  if (b == 0) {  // x fixed when -c/a is whole
    if (c % a != 0) return s;
    s = {K::OneParameter, -c / a, 0, 0, 1};
    return s;
  }
  if (a == 0) {  // y fixed
    if (c % b != 0) return s;
    s = {K::OneParameter, 0, 1, -c / b, 0};
    return s;
  }
  // E3·x - E1·y = E2 with E1 > 0.
  i128 E1 = -static_cast<i128>(b), E2 = -static_cast<i128>(c), E3 = a;
  if (E1 < 0) {
    E1 = -E1;
    E2 = -E2;
    E3 = -E3;
  }
  const Euclid e = normalizeSolution(E1, E3);
  const i128 q = E2 / e.g;
  if (E2 - q * e.g != 0) return s;
  const i128 xs = E1 / e.g;
  i128 x0 = floatMod(e.x * q, xs);  // |X·q| <= 10^30
  i128 product = 0;
  // Only where E3·x0 would leave 128 bits is x0 taken modulo |xs| first: the
  // same set of solutions with another start.
  if (__builtin_mul_overflow(E3, x0, &product)) {
    x0 %= abs128(xs);
    product = E3 * x0;
  }
  s.kind = K::OneParameter;
  s.x0 = x0;
  s.xs = xs;
  s.y0 = (product - E2) / E1;
  s.ys = E3 / e.g;
  return s;
}

QString DioEquationLine(std::int64_t a, std::int64_t b, std::int64_t c) {
  return QString::fromStdU16String(FormatReal(15, static_cast<Extended>(a)) + u"·x" +
                                   FormatTerm(15, static_cast<Extended>(b)) + u"·y" +
                                   FormatTerm(15, static_cast<Extended>(c)) + u" = 0 ;   x,y ") +
         GetText(IDio, 2);
}

QString DioSolutionLine(const DioSolution& s) {
  switch (s.kind) {
    case DioSolution::Kind::None: return QStringLiteral("L = { }");
    case DioSolution::Kind::AllPairs: return QStringLiteral("L = { ( t | s ) }");
    case DioSolution::Kind::OneParameter: break;
  }
  return QStringLiteral("L = { ( ") + linearText(s.x0, s.xs) + QStringLiteral(" | ") + linearText(s.y0, s.ys) +
         QStringLiteral(" ) }");
}

// The texts of the topic's page; called by the area's registration.
void RegisterDioTexts() {
  static const TextPageRegistration regDe{IDio, TextLanguage::German, kDioDe};
  static const TextPageRegistration regEn{IDio, TextLanguage::English, kDioEn};
  static const TextPageRegistration regFr{IDio, TextLanguage::French, kDioFr};
}

}  // namespace zw
