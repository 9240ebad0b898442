// The sampling of the surface-plot topic without a window.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/KernelState.h"
#include "numerics/Matrix.h"
#include "topics/analysis/Surface.h"

namespace zw {
namespace {

TEST(SurfaceTerm, PutsTheAuxiliaryTermInOnce) {
  const struct {
    const char16_t *f, *u, *term;
  } cases[] = {
      {u"u^2", u"x + y", u"(x + y)^2"},
      {u"U*u", u"y", u"(y)*(y)"},
      {u"relu(u)", u"x", u"relu((x))"},  // the u of RELU stays
      {u"u", u"u+1", u"(u+1)"},          // the inserted text is not searched again
      {u"x*y", u"", u"x*y"},
  };
  for (const auto& c : cases) EXPECT_EQ(SurfaceTerm(c.f, c.u), c.term) << std::u16string(c.f).size();
}

TEST(SurfaceGrid, SizeAndSamplePositions) {
  const int positions[][2] = {{3, 10}, {5, 10}, {9, 10}, {10, 10}, {40, 40}, {99, 99}};
  for (const auto& p : positions) EXPECT_EQ(SurfaceGridSize(p[0]), p[1]);
  // Both ends are samples, so the surface lies over its labelled ranges.
  EXPECT_DOUBLE_EQ(SurfaceSample(-2, 2, 1, 40), -2);
  EXPECT_DOUBLE_EQ(SurfaceSample(-2, 2, 40, 40), 2);
  EXPECT_DOUBLE_EQ(SurfaceSample(-2, 2, 2, 5), -1);
  EXPECT_DOUBLE_EQ(SurfaceSample(1, 1, 3, 10), 3);  // a zero step becomes 1
}

TEST(SurfaceSamples, SaddleOverItsRanges) {
  const SurfaceRanges r{-2, 2, -2, 2, 0, 0};
  const SurfaceSamples s = SampleSurface(u"x^2 - y^2", r, 41, FormulaContext{});
  EXPECT_DOUBLE_EQ(s.zmin, -4);
  EXPECT_DOUBLE_EQ(s.zmax, 4);
  EXPECT_NEAR(s.at(1, 1), 0, 1e-12);           // (-2, -2)
  EXPECT_NEAR(s.at(21, 1), -4, 1e-12);         // (0, -2)
  EXPECT_NEAR(s.at(41, 21), 4, 1e-12);         // (2, 0)
  EXPECT_NEAR(s.at(31, 11), 1 - 1, 1e-12);     // (1, -1)
  EXPECT_DOUBLE_EQ(static_cast<double>(s.lastY), 2);
}

TEST(SurfaceSamples, FailedPointsRepeatTheLastGoodValueColumnByColumn) {
  // y = -1, 0, 1: sqrt(y) fails in row 1; column 2 row 1 repeats column 1 row 3.
  const SurfaceSamples s = SampleSurface(u"sqrt(y) + x", SurfaceRanges{0, 2, -1, 1, 0, 0}, 3, FormulaContext{});
  const double expected[3][3] = {{0, 0, 1}, {1, 1, 2}, {2, 2, 3}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) EXPECT_NEAR(s.at(i, j), expected[i - 1][j - 1], 1e-12) << i << "," << j;
  // A value beyond the double range counts as failed too.
  const SurfaceSamples big = SampleSurface(u"exp(1000*x)", SurfaceRanges{0, 1, 0, 1, 0, 0}, 3, FormulaContext{});
  EXPECT_TRUE(std::isfinite(big.zmax));
  EXPECT_DOUBLE_EQ(big.at(3, 1), big.at(2, 3));
}

// The run takes a whole row of a short term in one step and one point of a
// very long one; either way the samples are those of one pass.
TEST(SurfaceSamples, StepsFollowTheTermsLength) {
  const SurfaceRanges r{-2, 2, -2, 2, 0, 0};
  EXPECT_EQ(SurfaceRun(u"x^2 - y^2", r, 41, FormulaContext{}, {}).pointsPerStep(), 41u);
  std::u16string longTerm;
  while (longTerm.size() < 30000) longTerm += u"x*y+";
  longTerm += u"0";
  EXPECT_EQ(SurfaceRun(longTerm, r, 41, FormulaContext{}, {}).pointsPerStep(), 1u);
  const SurfaceSamples s = SampleSurface(longTerm, r, 11, FormulaContext{});
  EXPECT_NEAR(s.at(1, 1), 7500 * 4.0, 1e-6);  // 7,500 times x*y at (-2, -2)
  EXPECT_NEAR(s.at(11, 1), 7500 * -4.0, 1e-6);
}

TEST(SurfaceSamples, TheValueRangeAlwaysHoldsZero) {
  const SurfaceSamples up = SampleSurface(u"x + 10", SurfaceRanges{0, 1, 0, 1, 0, 0}, 10, FormulaContext{});
  EXPECT_EQ(up.zmin, 0);
  EXPECT_DOUBLE_EQ(up.zmax, 11);
  const SurfaceSamples none = SampleSurface(u"ln(-1)", SurfaceRanges{0, 1, 0, 1, 0, 0}, 10, FormulaContext{});
  EXPECT_EQ(none.zmin, 0);
  EXPECT_EQ(none.zmax, 0);
  EXPECT_EQ(none.at(10, 10), 0);
}

TEST(SurfaceFill, OneNotificationAndFormulaYKeepsTheLastY) {
  kernelState().reset();
  TMatrix grid;
  int notifications = 0;
  grid.OnChange = [&](TNumComponent&) { ++notifications; };
  const SurfaceSamples s = FillGrid(grid, u"x*y", SurfaceRanges{-1, 1, -3, 3, 0, 0}, 12);
  EXPECT_EQ(notifications, 1);
  EXPECT_EQ(grid.NrOfColumns(), 12);
  EXPECT_EQ(grid.NrOfRows(), 12);
  EXPECT_DOUBLE_EQ(grid.Elem(12, 1), s.at(12, 1));
  EXPECT_NEAR(grid.Elem(12, 1), -3, 1e-12);
  EXPECT_EQ(static_cast<double>(kernelState().FormulaY), 3);
}

TEST(SurfaceInput, FirstBadFieldOrTheRanges) {
  using F = SurfaceField;
  const struct {
    std::array<std::u16string, SurfaceFieldCount> texts;
    F bad;
  } cases[] = {
      {{u"x^2-y^2", u"", u"-2", u"2", u"-2", u"2", u"-4", u"4"}, F::None},
      {{u"relu(u)*x", u"y", u"", u"", u"", u"", u"", u""}, F::None},  // blank ranges read as 0
      {{u"  ", u"", u"-2", u"2", u"-2", u"2", u"-4", u"4"}, F::F},
      {{u"x+", u"", u"-2", u"2", u"-2", u"2", u"-4", u"4"}, F::F},
      {{u"u*2", u"", u"-2", u"2", u"-2", u"2", u"-4", u"4"}, F::F},   // "()" is no term
      {{u"x", u"y)", u"-2", u"2", u"-2", u"2", u"-4", u"4"}, F::U},
      {{u"x", u"", u"abc", u"x+", u"-2", u"2", u"-4", u"4"}, F::X1},  // the first of two
      {{u"x", u"", u"-2", u"2", u"-2", u"2", u"-4", u"1/0"}, F::Z2},
      {{u"x", u"", u"-2", u"2", u"-2", u"2e16", u"-4", u"4"}, F::Y2},  // beyond 1e15
      // u in every place would make a term beyond MaxBuiltTermLength.
      {{std::u16string(10000, u'u'), std::u16string(20, u'1'), u"-2", u"2", u"-2", u"2", u"-4", u"4"}, F::U},
  };
  for (const auto& c : cases) {
    SurfaceRanges r;
    EXPECT_EQ(CheckSurfaceInput(c.texts, r), c.bad) << static_cast<int>(c.bad);
  }
  SurfaceRanges r;
  ASSERT_EQ(CheckSurfaceInput({u"x", u"", u"-pi", u"2", u"-1", u"1,5", u"-4", u"4"}, r), F::None);
  EXPECT_NEAR(static_cast<double>(r.x1), -M_PI, 1e-15);
  EXPECT_DOUBLE_EQ(static_cast<double>(r.y2), 1.5);
}

}  // namespace
}  // namespace zw
