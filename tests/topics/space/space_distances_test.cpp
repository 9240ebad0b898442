// Line and plane, the three distances, distances on the sphere (the angle
// parser on both separators, the central angle against the haversine form)
// and the coordinate conversions in all three units.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "shell/State.h"
#include "topics/space/CoordSystems.h"
#include "topics/space/Distances.h"
#include "topics/space/LinePlane.h"
#include "topics/space/SphereDistance.h"

namespace zw {
namespace {

class SpaceComputations : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u'.';
  }
  static int failure(const std::function<void()>& f) {
    try {
      f();
    } catch (const CalcFailure& e) {
      return e.message();
    }
    return 0;
  }
};

TEST_F(SpaceComputations, LineAndPlane) {
  const FixedWidthMeasurer font;
  {
    const LinePlaneResult r = ComputeLinePlane({0, 0, 1, 0}, {0, 0, 1}, {1, 0, 1});
    EXPECT_FALSE(r.parallel);
    EXPECT_NEAR(static_cast<double>(r.point.x), -1, 1e-18);
    EXPECT_NEAR(static_cast<double>(r.angle), 45, 1e-12);
    const QStringList expected = {"Ebene E :", QString(9, QChar(0xAF)), "  E : z = 0", "", "Gerade g :",
                                  QString(10, QChar(0xAF)), "      ->  ⎛ 0 ⎞     ⎛ 1 ⎞", "  g : x = ⎜ 0 ⎟ + r·⎜ 0 ⎟",
                                  "          ⎝ 1 ⎠     ⎝ 1 ⎠", "", "Schnittpunkt von E und g :",
                                  QString(26, QChar(0xAF)), "  S(-1|0|0)", "", "Schnittwinkel von E und g :",
                                  QString(27, QChar(0xAF)), "  α = 45°"};
    EXPECT_EQ(LinePlaneMemoLines(r, font), expected);
  }
  struct Parallel {
    TVec3 p;
    Extended d;
    QStringList tail;
  } parallels[] = {
      {{0, 0, 3}, 3, {"Ebene und Gerade sind parallel", QString(30, QChar(0xAF)), "  d(g,E) = 3"}},
      {{0, 0, -3}, -3, {"Ebene und Gerade sind parallel", QString(30, QChar(0xAF)), "  d(g,E) = -3"}},
      {{1, 2, 0}, 0, {"Die Gerade liegt in der Ebene", QString(29, QChar(0xAF))}},
  };
  for (const Parallel& c : parallels) {
    const LinePlaneResult r = ComputeLinePlane({0, 0, 1, 0}, c.p, {1, 1, 0});
    EXPECT_TRUE(r.parallel);
    EXPECT_EQ(r.d, c.d);
    EXPECT_EQ(LinePlaneMemoLines(r, font).mid(10), c.tail);
  }
  // Perpendicular, and the sign of u does not change the angle.
  EXPECT_NEAR(static_cast<double>(ComputeLinePlane({1, 2, 2, 1}, {}, {1, 2, 2}).angle), 90, 1e-12);
  EXPECT_EQ(ComputeLinePlane({1, 1, 0, 1}, {}, {1, 0, 1}).angle, ComputeLinePlane({1, 1, 0, 1}, {}, {-1, 0, -1}).angle);
  EXPECT_EQ(failure([] { ComputeLinePlane({0, 0, 0, 5}, {}, {1, 0, 0}); }), 18);
  EXPECT_EQ(failure([] { ComputeLinePlane({0, 0, 0, 0}, {}, {0, 0, 0}); }), 18);  // the plane first
  EXPECT_EQ(failure([] { ComputeLinePlane({1, 0, 0, 0}, {}, {0, 0, 0}); }), 10);
}

TEST_F(SpaceComputations, Distances) {
  const FixedWidthMeasurer font;
  const QString pp = QString(29, QChar(0xAF)), pg = QString(26, QChar(0xAF));
  EXPECT_EQ(PointPointMemoLines({"0", "0", "0"}, {"1", "2", "2"}, {0, 0, 0}, {1, 2, 2}, font),
            (QStringList{"Gegeben A(0|0|0), B(1|2|2)", "", "Entfernung zwischen A und B :", pp, "  d(A,B) = √9 = 3"}));
  // Typed as given (a term, an empty field), computed with the values.
  EXPECT_EQ(PointPointMemoLines({"", "1/3", ""}, {"", "1/3", ""}, {0, 1.0L / 3, 0}, {0, 1.0L / 3, 0}, font),
            (QStringList{"Gegeben A(|1/3|), B(|1/3|)", "", "Entfernung zwischen A und B :", pp, "  d(A,B) = √0 = 0"}));
  EXPECT_EQ(PointLineMemoLines({"1", "1", "1"}, {1, 1, 1}, {0, 0, 0}, {1, 0, 0}, font),
            (QStringList{"Gegeben P(1|1|1)", "", "    ->  ⎛ 0 ⎞     ⎛ 1 ⎞", "g : x = ⎜ 0 ⎟ + s·⎜ 0 ⎟",
                         "        ⎝ 0 ⎠     ⎝ 0 ⎠", "", "Abstand zwischen P und g :", pg, "  d(P,g) = 1.4142136"}));
  // Neither the sign nor the length of v changes it.
  EXPECT_EQ(PointLineMemoLines({}, {1, 1, 1}, {0, 0, 0}, {-3, 0, 0}, font).back(), "  d(P,g) = 1.4142136");
  struct Plane {
    TVec3 p;
    TVec4 e;
    const char* equation;
    const char* distance;
  } planes[] = {{{0, 0, 5}, {0, 0, 1, 2}, "E : z = 2", "  d(P,E) = 3 / √1 = 3"},
                {{0, 0, -1}, {0, 0, 1, 2}, "E : z = 2", "  d(P,E) = -3 / √1 = -3"},
                {{3, 0, 0}, {2, 0, 0, 0}, "E : x = 0", "  d(P,E) = 6 / √4 = 3"}};
  for (const Plane& c : planes) {
    const QStringList lines = PointPlaneMemoLines({"a", "b", "c"}, c.p, c.e, font);
    EXPECT_EQ(lines, (QStringList{"Gegeben P(a|b|c)", "", QString::fromUtf8(c.equation), "",
                                  "Abstand zwischen P und E :", pg, QString::fromUtf8(c.distance)}));
  }
  EXPECT_EQ(failure([&] { PointLineMemoLines({}, {1, 1, 1}, {0, 0, 0}, {0, 0, 0}, font); }), 10);
  EXPECT_EQ(failure([&] { PointPlaneMemoLines({}, {1, 1, 1}, {0, 0, 0, 4}, font); }), 18);
}

TEST_F(SpaceComputations, ParseAngle) {
  struct Case {
    const char16_t* text;
    std::optional<Extended> value;
  } cases[] = {
      {u"52°31'12\"N", 52.52L},
      {u"13°24'18\"E", 13.405L},
      {u"33°52'S", -(33 + 52.0L / 60)},
      {u"-0.1278", -0.1278L},
      {u"-0,1278", -0.1278L},
      {u"10°30'", 10.5L},
      {u"10,5", 10.5L},
      {u"10.5", 10.5L},
      {u" 30' ", 0.5L},
      {u"10.5°S", -10.5L},
      {u"10.5°W", -10.5L},
      {u"10°0'36\"", 10.01L},
      {u"12.5S", std::nullopt},
      {u"", std::nullopt},
      {u"°", std::nullopt},
      {u"°30'", std::nullopt},
      {u"abc", std::nullopt},
      {u"1e999", std::nullopt},
      {u"1.2.3", std::nullopt},
      {u"12x°", std::nullopt},
      {u"10\x01", std::nullopt},
  };
  for (const char16_t sep : {u'.', u','}) {
    kernelState().RegionalDecimalSeparator = sep;
    for (const Case& c : cases) {
      const auto v = ParseAngle(c.text);
      ASSERT_EQ(v.has_value(), c.value.has_value()) << QString::fromStdU16String(c.text).toStdString();
      if (v) {
        EXPECT_NEAR(static_cast<double>(*v), static_cast<double>(*c.value), 1e-15);
      }
    }
  }
  EXPECT_FALSE(ParseAngle(std::u16string(10000, u'9')).has_value());
}

TEST_F(SpaceComputations, CentralAngleMatchesTheHaversineForm) {
  struct Case {
    Extended lat1, lon1, lat2, lon2;
  } cases[] = {{52.52L, 13.405L, 48.8566L, 2.3522L}, {0, 0, 0, 180}, {10, 20, 10, 20}, {-33, 151, 33, -29},
               {90, 0, -90, 0}, {45, 45, -45, -135}};
  const long double pi = std::numbers::pi_v<long double>;
  for (const Case& c : cases) {
    const auto r = ComputeSphereDistance(6371, {"A", c.lat1, c.lon1}, {"B", c.lat2, c.lon2});
    const long double f1 = c.lat1 * pi / 180, f2 = c.lat2 * pi / 180, dl = (c.lon2 - c.lon1) * pi / 180;
    const long double h = std::pow(std::sin((f2 - f1) / 2), 2) + std::cos(f1) * std::cos(f2) * std::pow(std::sin(dl / 2), 2);
    const long double angle = 2 * std::asin(std::min(1.0L, std::sqrt(h)));
    // Near 0 the arccos form loses digits: compare there with its own scale.
    EXPECT_NEAR(static_cast<double>(r.angle), static_cast<double>(angle), angle < 1e-3L ? 1e-7 : 1e-15);
    EXPECT_EQ(r.distance, 6371 * r.angle);
  }
  const auto berlinParis = ComputeSphereDistance(6371, {"A", 52.52L, 13.405L}, {"B", 48.8566L, 2.3522L});
  EXPECT_NEAR(static_cast<double>(berlinParis.angle), 0.13773, 1e-5);
  EXPECT_NEAR(static_cast<double>(berlinParis.distance), 877.46, 0.01);
  const auto antipodal = ComputeSphereDistance(1, {"A", 0, 0}, {"B", 0, 180});
  EXPECT_EQ(antipodal.angle, std::numbers::pi_v<long double>);
  const QStringList lines = SphereDistanceMemoLines(6371, {"1. Punkt : ", 52.52L, 13.405L},
                                                    {"B: ", -33.8667L, -0.1278L}, berlinParis, FixedWidthMeasurer());
  ASSERT_EQ(lines.size(), 39);
  // Names right-aligned to the longer one; decimal points; no minus in the dms line.
  EXPECT_EQ(lines[6], "1. Punkt : 52.52, 13.405");
  EXPECT_EQ(lines[7], "        B: -33.8667, -0.1278");
  EXPECT_EQ(lines[12], "        B: 33°52'0.12\"S, 0°7'40.08\"W");
  EXPECT_EQ(lines[11], "1. Punkt : 52°31'12\"N, 13°24'18\"E");
  EXPECT_EQ(lines[17], "        B: (6371|-0.1278°|-33.8667°)");
  EXPECT_EQ(lines[34], "     = 0.13772772 [rad] = 7.8912173°");
  EXPECT_EQ(lines[38], "   d = r · α [rad] = 877.46333");
  // With "," as the separator the decimal and dms lines keep their points.
  kernelState().RegionalDecimalSeparator = u',';
  const QStringList comma = SphereDistanceMemoLines(6371, {"A", 52.52L, 13.405L}, {"B", 1, 2}, berlinParis,
                                                    FixedWidthMeasurer());
  EXPECT_EQ(comma[6], "A52.52, 13.405");
  EXPECT_EQ(comma[1 + 0], QString(16, QChar(0xAF)));
  EXPECT_EQ(comma[2], "   r = 6371");
}

TEST_F(SpaceComputations, CoordinateConversions) {
  struct Case {
    int mode;
    TVec3 p;
    std::array<Extended, 3> spherical, cylindrical;
  } cases[] = {
      {0, {1, 1, 0}, {std::sqrt(2.0L), 45, 0}, {std::sqrt(2.0L), 45, 0}},
      {0, {1, 0, -1}, {std::sqrt(2.0L), 0, 315}, {1, 0, -1}},
      {0, {0, 0, -2}, {-2, 0, 90}, {0, 0, -2}},
      {0, {0, 0, 0}, {0, 0, 90}, {0, 0, 0}},
      {1, {0, -1, 0}, {1, 3 * std::numbers::pi_v<long double> / 2, 0}, {1, 3 * std::numbers::pi_v<long double> / 2, 0}},
      {2, {-1, 0, 1}, {std::sqrt(2.0L), 200, 50}, {1, 200, 1}},
      {2, {0, 0, 3}, {3, 0, 100}, {0, 0, 3}},
  };
  for (const Case& c : cases) {
    kernelState().AngleMode = c.mode;
    const auto s = FromCartesian(CoordSystem::Spherical, c.p);
    const auto z = FromCartesian(CoordSystem::Cylindrical, c.p);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(static_cast<double>(s[i]), static_cast<double>(c.spherical[i]), 1e-15) << c.mode << " " << i;
      EXPECT_NEAR(static_cast<double>(z[i]), static_cast<double>(c.cylindrical[i]), 1e-15) << c.mode << " " << i;
    }
    // Back again.
    for (CoordSystem sys : {CoordSystem::Spherical, CoordSystem::Cylindrical}) {
      const TVec3 b = ToCartesian(sys, FromCartesian(sys, c.p));
      EXPECT_NEAR(static_cast<double>(b.x), static_cast<double>(c.p.x), 1e-15);
      EXPECT_NEAR(static_cast<double>(b.y), static_cast<double>(c.p.y), 1e-15);
      EXPECT_NEAR(static_cast<double>(b.z), static_cast<double>(c.p.z), 1e-15);
    }
  }
  kernelState().AngleMode = 0;
  EXPECT_EQ(CoordBlockLines({1, 1, 0}),
            (QStringList{"", "  kartesisch     polar           zylinderisch   ",
                         "   x = 1         r = 1.41421      ρ = 1.41421   ",
                         "   y = 1         φ = 45°          φ = 45°       ",
                         "   z = 0         θ = 0°           z = 0         "}));
  kernelState().AngleMode = 2;
  // On the z axis below the origin: r negative, θ a quarter turn.
  EXPECT_EQ(CoordBlockLines({0, 0, -2})[2].simplified(), "x = 0 r = -2 ρ = 0");
  EXPECT_EQ(CoordBlockLines({0, 0, -2})[4].simplified(), "z = -2 θ = 100gon z = -2");
}

}  // namespace
}  // namespace zw
