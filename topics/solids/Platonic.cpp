#include "topics/solids/Platonic.h"

#include <cmath>
#include <numbers>

#include "kernel/BasicMath.h"
#include "topics/solids/SolidKit.h"

namespace zw {

namespace {

constexpr Extended Pi = std::numbers::pi_v<long double>;

// One quantity: from the edge a, and the edge from it. `q` holds what is
// known so far (the icosahedron's h2 is twice its ru).
struct Row {
  int index;
  Extended (*fromA)(Extended a, const Quantities& q);
  Extended (*aFrom)(Extended x);
};

Extended r3() { return sqrtl(3.0L); }
Extended r5() { return sqrtl(5.0L); }
Extended r6() { return sqrtl(6.0L); }
Extended r2() { return sqrtl(2.0L); }

// The tables list the quantities in the order they are computed.
constexpr Row kTetra[] = {
    {1, [](Extended a, const Quantities&) { return r3() * (a / 2); }, [](Extended x) { return x * 2 / r3(); }},
    {2, [](Extended a, const Quantities&) { return r6() * (a / 3); }, [](Extended x) { return x * 3 / r6(); }},
    {3, [](Extended a, const Quantities&) { return r6() * (a / 4); }, [](Extended x) { return x * 4 / r6(); }},
    {4, [](Extended a, const Quantities&) { return r6() * (a / 12); }, [](Extended x) { return x * 12 / r6(); }},
    {5, [](Extended a, const Quantities&) { return r2() * (a * a * a / 12); },
     [](Extended x) { return CubeRoot(x * 12 / r2()); }},
    {6, [](Extended a, const Quantities&) { return a * a * r3(); }, [](Extended x) { return sqrtl(x / r3()); }},
};
constexpr Row kHexa[] = {
    {1, [](Extended a, const Quantities&) { return r2() * a; }, [](Extended x) { return x / r2(); }},
    {2, [](Extended a, const Quantities&) { return r3() * a; }, [](Extended x) { return x / r3(); }},
    {3, [](Extended a, const Quantities&) { return r3() * (a / 2); }, [](Extended x) { return x * 2 / r3(); }},
    {4, [](Extended a, const Quantities&) { return a / 2; }, [](Extended x) { return x * 2; }},
    {5, [](Extended a, const Quantities&) { return a * a * a; }, [](Extended x) { return CubeRoot(x); }},
    {6, [](Extended a, const Quantities&) { return a * a * 6; }, [](Extended x) { return sqrtl(x / 6); }},
};
constexpr Row kOkta[] = {
    {1, [](Extended a, const Quantities&) { return r3() * (a / 2); }, [](Extended x) { return x * 2 / r3(); }},
    {2, [](Extended a, const Quantities&) { return r2() * a; }, [](Extended x) { return x / r2(); }},
    {3, [](Extended a, const Quantities&) { return r2() * (a / 2); }, [](Extended x) { return x * 2 / r2(); }},
    {4, [](Extended a, const Quantities&) { return r6() * (a / 6); }, [](Extended x) { return x * 6 / r6(); }},
    {5, [](Extended a, const Quantities&) { return r2() * (a * a * a / 3); },
     [](Extended x) { return CubeRoot(x * 3 / r2()); }},
    {6, [](Extended a, const Quantities&) { return a * a * 2 * r3(); }, [](Extended x) { return sqrtl(x / sqrtl(12)); }},
};
constexpr Row kDodeka[] = {
    {1, [](Extended a, const Quantities&) { return sinl(0.3L * Pi) * (a * 2); },
     [](Extended x) { return x / (sinl(0.3L * Pi) * 2); }},
    {2, [](Extended a, const Quantities&) { return a / (TanRad(Pi / 10) * 2); },
     [](Extended x) { return TanRad(Pi / 10) * (x * 2); }},
    {3, [](Extended a, const Quantities&) { return a * 0.25L * r3() * (r5() + 1); },
     [](Extended x) { return x * 4 / ((r5() + 1) * r3()); }},
    {4, [](Extended a, const Quantities&) { return sqrtl(r5() * 4.4L + 10) * (a * 0.25L); },
     [](Extended x) { return x * 4 / sqrtl(r5() * 4.4L + 10); }},
    {5, [](Extended a, const Quantities&) { return a * 0.25L * a * a * (r5() * 7 + 15); },
     [](Extended x) { return CubeRoot(x * 4 / (r5() * 7 + 15)); }},
    {6, [](Extended a, const Quantities&) { return sqrtl(r5() * 90 + 225) * a * a; },
     [](Extended x) { return sqrtl(x / sqrtl(r5() * 90 + 225)); }},
};
// sqrt(sqrt5 + 10 + sqrt5), the factor of the icosahedron's circumradius.
Extended ikosaRoot() { return sqrtl(r5() + 10 + r5()); }
constexpr Row kIkosa[] = {
    {1, [](Extended a, const Quantities&) { return r3() * (a / 2); }, [](Extended x) { return x * 2 / r3(); }},
    {3, [](Extended a, const Quantities&) { return ikosaRoot() * (a / 4); },
     [](Extended x) { return x * 4 / ikosaRoot(); }},
    {2, [](Extended, const Quantities& q) { return q[3] + q[3]; }, [](Extended x) { return x * 2 / ikosaRoot(); }},
    {4, [](Extended a, const Quantities&) { return a / 12 * r3() * (r5() + 3); },
     [](Extended x) { return x * 12 / ((r5() + 3) * r3()); }},
    {5, [](Extended a, const Quantities&) { return a * a * a / 12 * (r5() * 5 + 15); },
     [](Extended x) { return CubeRoot(x * 12 / (r5() * 5 + 15)); }},
    {6, [](Extended a, const Quantities&) { return a * a * 5 * r3(); },
     [](Extended x) { return sqrtl(x / (r3() * 5)); }},
};

std::span<const Row> rowsOf(Platonic solid) {
  switch (solid) {
    case Platonic::Tetra: return kTetra;
    case Platonic::Hexa: return kHexa;
    case Platonic::Okta: return kOkta;
    case Platonic::Dodeka: return kDodeka;
    case Platonic::Ikosa: return kIkosa;
  }
  return kTetra;
}

}  // namespace

TTextIndex PlatonicPage(Platonic solid) {
  constexpr TTextIndex pages[] = {ITetra, IHexa, IOkta, IDodeka, IIkosa};
  return pages[static_cast<int>(solid)];
}

std::array<QString, 7> PlatonicKeys(Platonic solid) {
  const QString second = solid == Platonic::Hexa ? "d1" : solid == Platonic::Dodeka ? "d" : "h1";
  const QString third = solid == Platonic::Hexa ? "d2" : solid == Platonic::Dodeka ? "h" : "h2";
  return {"a", second, third, "ru", "ri", "V", "O"};
}

Quantities ComputePlatonic(Platonic solid, int given, Extended value) {
  Quantities q{};
  q[static_cast<std::size_t>(given)] = value;
  const std::span<const Row> rows = rowsOf(solid);
  if (given != 0)
    for (const Row& r : rows)
      if (r.index == given) q[0] = r.aFrom(value);
  for (const Row& r : rows) {
    Extended& x = q[static_cast<std::size_t>(r.index)];
    if (x == 0) x = r.fromA(q[0], q);
  }
  return q;
}

QStringList PlatonicMemoLines(Platonic solid, int given, const QString& typed, const Quantities& q,
                              const TextMeasurer& font) {
  const TTextIndex page = PlatonicPage(solid);
  std::array<QString, 7> names;
  for (int k = 0; k < 7; ++k) names[static_cast<std::size_t>(k)] = GetText(page, k + 2);
  const QString column = NameColumn(font, names);
  QStringList lines = MessageHeading(font, 26);
  lines << ResultLine(font, column, names[static_cast<std::size_t>(given)], typed) << QString();
  lines << MessageHeading(font, 27);
  for (int k = 0; k < 7; ++k)
    if (k != given) lines << ResultLine(font, column, names[static_cast<std::size_t>(k)], Real8(q[static_cast<std::size_t>(k)]));
  return lines;
}

WireFrame PlatonicWireFrame(Platonic solid) {
  const double phi = (std::sqrt(5.0) + 1) / 2, psi = 1 / phi;
  WireFrame w;
  auto edges = [&w](std::initializer_list<std::pair<int, int>> oneBased) {
    for (auto [i, j] : oneBased) w.edges.emplace_back(i - 1, j - 1);
  };
  switch (solid) {
    case Platonic::Tetra: {
      const double c = std::sqrt(3.0) / 2, t = std::sqrt(2.0 / 3);
      w.vertices = {{-1, c, -t}, {1, c, -t}, {0, -c, -t}, {0, c / 3, t}};
      edges({{1, 2}, {2, 3}, {3, 1}, {1, 4}, {2, 4}, {3, 4}});
      break;
    }
    case Platonic::Hexa:
      w.vertices = {{1, 1, 1}, {1, -1, 1}, {-1, -1, 1}, {-1, 1, 1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}};
      edges({{1, 2}, {2, 3}, {3, 4}, {4, 1}, {5, 6}, {6, 7}, {7, 8}, {8, 5}, {1, 5}, {2, 6}, {3, 7}, {4, 8}});
      break;
    case Platonic::Okta: {
      const double s = std::sqrt(2.0);
      w.vertices = {{1, 1, 0}, {1, -1, 0}, {-1, -1, 0}, {-1, 1, 0}, {0, 0, s}, {0, 0, -s}};
      edges({{1, 2}, {2, 3}, {3, 4}, {4, 1}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {1, 6}, {2, 6}, {3, 6}, {4, 6}});
      break;
    }
    case Platonic::Dodeka:
      w.vertices = {{1, 1, 1},      {-1, 1, 1},     {-1, -1, 1},     {1, -1, 1},      {1, 1, -1},
                    {-1, 1, -1},    {-1, -1, -1},   {1, -1, -1},     {psi, 0, phi},   {-psi, 0, phi},
                    {psi, 0, -phi}, {-psi, 0, -phi}, {0, phi, -psi}, {0, phi, psi},   {0, -phi, -psi},
                    {0, -phi, psi}, {phi, -psi, 0}, {phi, psi, 0},   {-phi, -psi, 0}, {-phi, psi, 0}};
      edges({{9, 10},  {1, 9},   {2, 10},  {3, 10},  {4, 9},   {11, 12}, {5, 11},  {6, 12},  {7, 12},  {8, 11},
             {13, 14}, {1, 14},  {2, 14},  {5, 13},  {6, 13},  {15, 16}, {4, 16},  {3, 16},  {8, 15},  {7, 15},
             {17, 18}, {1, 18},  {5, 18},  {4, 17},  {8, 17},  {19, 20}, {2, 20},  {6, 20},  {3, 19},  {7, 19}});
      break;
    case Platonic::Ikosa:
      w.vertices = {{0, phi, 1},  {0, phi, -1},  {0, -phi, 1}, {0, -phi, -1}, {1, 0, phi},  {1, 0, -phi},
                    {-1, 0, phi}, {-1, 0, -phi}, {phi, 1, 0},  {phi, -1, 0},  {-phi, 1, 0}, {-phi, -1, 0}};
      edges({{1, 2},  {1, 5},  {1, 7},  {1, 9},  {1, 11}, {2, 6},  {2, 8},  {2, 9},  {2, 11}, {3, 4},
             {3, 5},  {3, 7},  {3, 10}, {3, 12}, {4, 6},  {4, 8},  {4, 10}, {4, 12}, {5, 7},  {5, 9},
             {5, 10}, {7, 11}, {7, 12}, {6, 8},  {6, 9},  {6, 10}, {8, 11}, {8, 12}, {9, 10}, {11, 12}});
      break;
  }
  return w;
}

}  // namespace zw
