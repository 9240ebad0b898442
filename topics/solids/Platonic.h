#pragma once
// The five Platonic solids, callable without a window: from one of seven
// quantities the edge a, from a all the others, the memo lines, and the
// vertex and edge tables of the wire frames.
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

#include "shell/texts/Texts.h"
#include "topics/solids/SolidKit.h"

namespace zw {

class TextMeasurer;

enum class Platonic { Tetra, Hexa, Okta, Dodeka, Ikosa };

// The solid's text page; its items 2 to 8 caption the seven quantities.
TTextIndex PlatonicPage(Platonic solid);
// The worksheet keys of the seven quantities, in edit order.
std::array<QString, 7> PlatonicKeys(Platonic solid);

// All seven quantities from quantity `given` (0 the edge a ... 6 the
// surface O) with the value `value` > 0. The given quantity keeps its value.
Quantities ComputePlatonic(Platonic solid, int given, Extended value);

// The memo: "Gegeben:", the given quantity with the text as typed, then
// "Ergebnisse:" and the six others; names from the current language.
QStringList PlatonicMemoLines(Platonic solid, int given, const QString& typed, const Quantities& q,
                              const TextMeasurer& font);

struct WireFrame {
  std::vector<std::array<double, 3>> vertices;
  std::vector<std::pair<int, int>> edges;  // indexes into vertices, in drawing order
};
// The wire frame: edge 2, the dodecahedron's 2/φ.
WireFrame PlatonicWireFrame(Platonic solid);

}  // namespace zw
