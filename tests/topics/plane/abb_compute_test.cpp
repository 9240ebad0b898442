// Mappings of polygons: every kind of mapping, chains, the editor's
// operations on the chain, the list and results texts and the worksheet
// fallbacks.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/CalcFailure.h"
#include "shell/State.h"
#include "shell/texts/Texts.h"
#include "topics/plane/Abb.h"

namespace zw {
namespace {

Mapping Make(int kind, std::array<Extended, 5> w, bool construction = false) { return {kind, w, construction}; }

TEST(AbbCompute, EveryKindOfMapping) {
  struct Case {
    const char* what;
    Mapping m;
    TVec2 in, out;
  };
  const Case cases[] = {
      {"translation", Make(MkTranslation, {1, 2}), {3, 4}, {4, 6}},
      {"reflection in y = x", Make(MkLineReflection, {0, 0, 1, 1}), {2, 0}, {0, 2}},
      {"reflection in a vertical axis", Make(MkLineReflection, {1, 0, 1, 5}), {0, 0}, {2, 0}},
      {"point reflection", Make(MkPointReflection, {1, 1}), {3, 0}, {-1, 2}},
      {"rotation by 90°", Make(MkRotation, {0, 0, 90}), {1, 0}, {0, 1}},
      {"rotation about a centre", Make(MkRotation, {1, 1, 180}), {2, 1}, {0, 1}},
      {"dilation", Make(MkDilation, {1, 1, 3}), {2, 2}, {4, 4}},
      {"dilation by 0", Make(MkDilation, {1, 2, 0}), {5, 7}, {1, 2}},
      {"shear below the axis", Make(MkShear, {0, 0, 1, 0, 45}), {0, -1}, {1, -1}},
      {"shear above the axis", Make(MkShear, {0, 0, 1, 0, 45}), {0, 1}, {-1, 1}},
      {"empty slot", Make(MkNone, {9, 9}), {3, 4}, {3, 4}},
  };
  for (const Case& c : cases) {
    const TVec2 r = ApplyMapping(c.m, c.in);
    EXPECT_NEAR(double(r.x), double(c.out.x), 1e-12) << c.what;
    EXPECT_NEAR(double(r.y), double(c.out.y), 1e-12) << c.what;
  }
}

TEST(AbbCompute, ChainAppliesEachToTheImageBefore) {
  MappingChain chain;
  chain.insert(1, Make(MkTranslation, {1, 2}));
  chain.insert(5, Make(MkPointReflection, {0, 0}));
  const auto images = RunMappings(chain, {{0, 0}, {1, 0}, {0, 1}});
  ASSERT_EQ(images.size(), 3u);
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_NEAR(double(images[2][c].x), double(-images[0][c].x - 1), 1e-12);
    EXPECT_NEAR(double(images[2][c].y), double(-images[0][c].y - 2), 1e-12);
  }
  resetShellState();
  const QStringList memo = MappingResults(chain, images);
  EXPECT_EQ(memo[0], GetText(IAbb, 301));
  EXPECT_EQ(memo[1], "A(0|0), B(1|0), C(0|1)");
  EXPECT_EQ(memo[3], "1. " + GetText(IAbb, 210) + ": dx=1, dy=2");
  EXPECT_EQ(memo[4], "A₁(1|2), B₁(2|2), C₁(1|3)");
  EXPECT_EQ(memo[6], "2. " + GetText(IAbb, 230) + ": Z(0|0)");
}

TEST(AbbCompute, RotationOfTheTriangle) {
  MappingChain chain;
  chain.insert(1, Make(MkRotation, {0, 0, 90}));
  const auto images = RunMappings(chain, {{0, 0}, {1, 0}, {0, 1}});
  EXPECT_NEAR(double(images[1][1].y), 1, 1e-12);
  EXPECT_NEAR(double(images[1][2].x), -1, 1e-12);
}

TEST(AbbCompute, EditorOperations) {
  const Mapping a = Make(MkTranslation, {1, 0}), b = Make(MkTranslation, {2, 0}), c = Make(MkTranslation, {3, 0});
  MappingChain chain;
  // Replace on an empty chain stores into slot 0, which is no part of the chain.
  chain.replace(1, a);
  EXPECT_EQ(chain.count(), 0);
  EXPECT_EQ(chain.at(0).w[0], 1);
  EXPECT_EQ(chain.insert(1, a), 1);   // append on an empty chain
  EXPECT_EQ(chain.insert(9, c), 2);   // past the end: append
  EXPECT_EQ(chain.insert(2, b), 2);   // before mapping 2
  EXPECT_EQ(chain.insert(0, c), 4);   // below 1: append
  ASSERT_EQ(chain.count(), 4);
  EXPECT_EQ(chain.at(1).w[0], 1);
  EXPECT_EQ(chain.at(2).w[0], 2);
  EXPECT_EQ(chain.at(3).w[0], 3);
  EXPECT_EQ(chain.editorSlot(7), 4);  // copy past the end shows the last
  chain.remove(2);                    // cut
  EXPECT_EQ(chain.count(), 3);
  EXPECT_EQ(chain.at(2).w[0], 3);
  EXPECT_EQ(chain.at(4).kind, MkNone);  // the freed slot is empty
  chain.replace(9, b);                  // past the end: the last
  EXPECT_EQ(chain.at(3).w[0], 2);
  chain.toggleConstruction(2);
  EXPECT_TRUE(chain.at(2).construction);
  chain.toggleConstruction(4);  // past the end: nothing
  EXPECT_FALSE(chain.at(4).construction);
  chain.remove(9);  // nothing
  EXPECT_EQ(chain.count(), 3);
}

TEST(AbbCompute, FullChain) {
  MappingChain chain;
  for (int i = 0; i < MaxMappings; ++i) chain.insert(i + 1, Make(MkRotation, {0, 0, 10}));
  int message = 0;
  try {
    chain.insert(1, Make(MkTranslation, {1, 1}));
  } catch (const CalcFailure& e) {
    message = e.message();
  }
  EXPECT_EQ(message, 4);
  EXPECT_EQ(chain.count(), MaxMappings);
  chain.replace(36, Make(MkTranslation, {5, 5}));  // replacing still works
  EXPECT_EQ(chain.at(36).kind, MkTranslation);
  const auto images = RunMappings(chain, {{1, 0}});
  EXPECT_EQ(images.size(), 37u);
  EXPECT_NEAR(double(images[35][0].x), std::cos(350 * M_PI / 180), 1e-12);
}

TEST(AbbCompute, ChainOutgrowingDoublesIsRefused) {
  MappingChain chain;
  for (int i = 0; i < 20; ++i) chain.insert(i + 1, Make(MkDilation, {0, 0, 1e15L}));
  EXPECT_NO_THROW(RunMappings(chain, {{1, 1}}));  // 1e300 still fits
  chain.insert(30, Make(MkDilation, {0, 0, 1e15L}));
  int message = 0;
  try {
    RunMappings(chain, {{1, 1}});
  } catch (const CalcFailure& e) {
    message = e.message();
  }
  EXPECT_EQ(message, 21);
}

TEST(AbbCompute, ListTexts) {
  resetShellState();
  EXPECT_EQ(MappingText(3, Make(MkRotation, {1, 2, 90})), "3. " + GetText(IAbb, 240) + ": Z(1ǀ2), α=90°");
  EXPECT_EQ(MappingText(1, Make(MkLineReflection, {1, 0, 1, 5}, true)),
            "1. " + GetText(IAbb, 220) + ": a=(PQ), P(1ǀ0), Q(1ǀ5)  🗹");
  EXPECT_EQ(MappingText(2, Make(MkDilation, {0.5, 1, 1.23456})), "2. " + GetText(IAbb, 250) + ": Z(0,5|1), k=1,2346");
  EXPECT_EQ(MappingText(4, Make(MkShear, {0, 0, 1, 0, 45})), "4. " + GetText(IAbb, 260) + ": a=(PQ), P(0ǀ0), Q(1ǀ0), α=45°");
  EXPECT_EQ(MappingText(5, Mapping{}), "5: " + QString(30, ' '));
}

TEST(AbbCompute, WorksheetFallbacks) {
  struct Case {
    const char* text;
    double value;
    int kind, count;
  };
  const Case cases[] = {
      {"2,5", 2.5, 0, 2}, {"2.5", 2.5, 0, 2}, {"abc", 0, 0, 0}, {"", 0, 0, 0},   {"4", 4, 4, 4},
      {"7", 7, 0, 7},     {"-1", -1, 0, 0},   {"99", 99, 0, 36}, {"1e999", 0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(double(ReadMappingValue(c.text)), c.value) << c.text;
    EXPECT_EQ(ReadMappingKind(c.text), c.kind) << c.text;
    EXPECT_EQ(ReadMappingCount(c.text), c.count) << c.text;
  }
  MappingChain chain;
  chain.setCount(99);
  EXPECT_EQ(chain.count(), 36);
}

}  // namespace
}  // namespace zw
