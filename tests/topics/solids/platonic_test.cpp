// The Platonic solids: the formula tables both ways, the memo, the rule of
// one given quantity, and the wire frames.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "common/TextMeasurer.h"
#include "kernel/Format.h"
#include "tests/topics/solids/SolidsTestKit.h"
#include "topics/frame/InputCheck.h"
#include "topics/solids/Platonic.h"

namespace zw {
namespace {

QString Fmt(Extended x) { return QString::fromStdU16String(FormatReal(8, x)); }

struct Table {
  Platonic solid;
  const char* values[7];  // a = 1 and the six others, as printed
};

const Table kTables[] = {
    {Platonic::Tetra, {"1", "0.8660254", "0.81649658", "0.61237244", "0.20412415", "0.11785113", "1.7320508"}},
    {Platonic::Hexa, {"1", "1.4142136", "1.7320508", "0.8660254", "0.5", "1", "6"}},
    {Platonic::Okta, {"1", "0.8660254", "1.4142136", "0.70710678", "0.40824829", "0.47140452", "3.4641016"}},
    {Platonic::Dodeka, {"1", "1.618034", "1.5388418", "1.4012585", "1.1135164", "7.663119", "20.645729"}},
    {Platonic::Ikosa, {"1", "0.8660254", "1.902113", "0.95105652", "0.75576131", "2.181695", "8.660254"}},
};

using PlatonicCompute = SolidsCompute;

TEST_F(PlatonicCompute, EveryQuantityAloneGivesBackTheEdgeAndTheOthers) {
  for (const Table& t : kTables) {
    const Quantities fromEdge = ComputePlatonic(t.solid, 0, 1);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(Fmt(fromEdge[k]), t.values[k]) << int(t.solid) << " k=" << k;
    for (int given = 1; given < 7; ++given) {
      const Quantities q = ComputePlatonic(t.solid, given, fromEdge[given]);
      for (int k = 0; k < 7; ++k)
        EXPECT_NEAR(double(q[k]), double(fromEdge[k]), 1e-15 * double(fromEdge[k]))
            << int(t.solid) << " given " << given << " k=" << k;
    }
  }
  // The cube of volume 8.
  const Quantities cube = ComputePlatonic(Platonic::Hexa, 5, 8);
  const char* want[7] = {"2", "2.8284271", "3.4641016", "1.7320508", "1", "8", "24"};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(Fmt(cube[k]), want[k]) << k;
}

TEST_F(PlatonicCompute, MemoShowsTheTextAsTypedAndTheNamesInOneColumn) {
  const FixedWidthMeasurer font(10);
  const Quantities q = ComputePlatonic(Platonic::Tetra, 0, 6);
  const QStringList lines = PlatonicMemoLines(Platonic::Tetra, 0, "2*3", q, font);
  // The widest name, "Umkugelradius ru", is 16 characters: every name ends at 19.
  const QStringList want{
      "Gegeben:",
      QString(8, QChar(0xAF)),
      "            Kante a = 2*3",
      "",
      "Ergebnisse:",
      QString(11, QChar(0xAF)),
      "     Flächenhöhe h1 = 5.1961524",
      "        Raumhöhe h2 = 4.8989795",
      "   Umkugelradius ru = 3.6742346",
      "   Inkugelradius ri = 1.2247449",
      "          Volumen V = 25.455844",
      "       Oberfläche O = 62.353829",
  };
  EXPECT_EQ(lines, want);
}

TEST_F(PlatonicCompute, ExactlyOneQuantityMustBeGiven) {
  // What each read left (values) and which reads failed (bad).
  struct Case {
    const char* what;
    std::vector<Extended> values;
    std::vector<int> bad;
    int message, focus, given;
  } cases[] = {
      {"one", {0, 0, 3, 0, 0, 0, 0}, {}, 0, -1, 2},
      {"none", {0, 0, 0, 0, 0, 0, 0}, {}, 3, -1, -1},
      {"a negative number alone is none", {0, -2, 0, 0, 0, 0, 0}, {1}, 3, -1, -1},
      {"two", {1, 0, 0, 0, 0, 0, 1}, {}, 4, -1, 6},
      {"one and a failed read", {0, -2, 0, 3, 0, 0, 0}, {1}, 22, 1, 3},
      {"one and two failed reads: the first keeps the focus", {0, 0, 0, 3, 0, -1, -1}, {5, 6}, 22, 5, 3},
      {"too large counts as given", {0, 0, 0, 2e15L, 0, 0, 5}, {3}, 4, -1, 6},
  };
  for (const Case& c : cases) {
    const CountVerdict v = JudgeCount(FieldReading{c.values, c.bad}, 7, 1);
    EXPECT_EQ(v.message, c.message) << c.what;
    EXPECT_EQ(v.focus, c.focus) << c.what;
    EXPECT_EQ(v.last, c.given) << c.what;
  }
}

TEST_F(PlatonicCompute, WireFramesHaveTheirEdgesAllOfOneLength) {
  const double psi = 2 / (std::sqrt(5.0) + 1);
  struct Case { Platonic solid; std::size_t vertices, edges; double length; } cases[] = {
      {Platonic::Tetra, 4, 6, 2},   {Platonic::Hexa, 8, 12, 2},  {Platonic::Okta, 6, 12, 2},
      {Platonic::Dodeka, 20, 30, 2 * psi}, {Platonic::Ikosa, 12, 30, 2},
  };
  for (const Case& c : cases) {
    const WireFrame w = PlatonicWireFrame(c.solid);
    EXPECT_EQ(w.vertices.size(), c.vertices);
    ASSERT_EQ(w.edges.size(), c.edges);
    std::set<std::pair<int, int>> distinct;
    for (auto [i, j] : w.edges) {
      const auto& a = w.vertices[i];
      const auto& b = w.vertices[j];
      EXPECT_NEAR(std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]), c.length, 1e-12) << int(c.solid);
      distinct.insert({std::min(i, j), std::max(i, j)});
    }
    EXPECT_EQ(distinct.size(), c.edges) << int(c.solid);
  }
}

}  // namespace
}  // namespace zw
