// Circle tangents: the four tasks and their special positions.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/CalcFailure.h"
#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "topics/plane/Tang.h"

namespace zw {
namespace {

class TangComputeTest : public ::testing::Test {
protected:
  void SetUp() override { resetShellState(); }
  TangResult solve(TangInput in) { return SolveTangents(in, font); }
  FixedWidthMeasurer font{10};
};

// The line a·x + b·y = c is the expected one up to a factor.
void ExpectLine(const TDrei& l, double a, double b, double c) {
  const double k = std::fabs(a) > std::fabs(b) ? double(l.a) / a : double(l.b) / b;
  EXPECT_NEAR(double(l.a), k * a, 1e-12);
  EXPECT_NEAR(double(l.b), k * b, 1e-12);
  EXPECT_NEAR(double(l.c), k * c, 1e-12);
}

bool Has(const QStringList& lines, const QString& s) { return lines.join('\n').contains(s); }

TEST_F(TangComputeTest, TangentAtAPoint) {
  const TangResult r = solve({.task = 1, .m = {0, 0}, .q = {3, 4}});
  EXPECT_EQ(r.r, 5);
  ExpectLine(r.polare, 3, 4, 25);
  EXPECT_TRUE(Has(r.memo, "Tangente an k in B"));
}

TEST_F(TangComputeTest, TangentsFromAPoint) {
  const TangResult on = solve({.task = 2, .m = {0, 0}, .r = 5, .q = {5, 0}});
  EXPECT_EQ(on.task, 1);  // P on k: the tangent at P
  ExpectLine(on.polare, 1, 0, 5);
  const TangResult out = solve({.task = 2, .m = {0, 0}, .r = 5, .q = {13, 0}});
  EXPECT_EQ(out.position, 1);
  EXPECT_NEAR(double(out.s[1].x), 25.0 / 13, 1e-15);
  EXPECT_NEAR(double(std::fabs(out.s[1].y)), 60.0 / 13, 1e-15);
  EXPECT_NEAR(double(out.s[1].y + out.s[2].y), 0, 1e-15);
  EXPECT_TRUE(out.shown[1] && out.shown[2]);
  const TangResult in = solve({.task = 2, .m = {0, 0}, .r = 5, .q = {1, 1}});
  EXPECT_EQ(in.position, -1);
  EXPECT_FALSE(in.shown[1]);
  EXPECT_TRUE(Has(in.memo, "P liegt innerhalb von k"));
  EXPECT_TRUE(Has(in.memo, "Polare"));
}

TEST_F(TangComputeTest, TangentsParallelToALine) {
  const TangResult r = solve({.task = 3, .m = {0, 0}, .r = 2, .g = {0, 1, 0}});
  ExpectLine(r.lot, 1, 0, 0);
  const double c1 = double(r.t[1].c / r.t[1].b), c2 = double(r.t[2].c / r.t[2].b);
  EXPECT_NEAR(std::fabs(c1), 2, 1e-15);
  EXPECT_NEAR(c1 + c2, 0, 1e-15);
  EXPECT_NEAR(double(r.t[1].a), 0, 1e-15);
}

TEST_F(TangComputeTest, CommonTangentsOfTwoCircles) {
  const TangResult apart = solve({.task = 4, .m = {0, 0}, .r = 1, .q = {5, 0}, .r2 = 3});
  EXPECT_EQ(apart.r, 3);  // exchanged: k1 is the larger circle
  EXPECT_EQ(apart.position, 3);
  EXPECT_TRUE(apart.shown[1] && apart.shown[2] && apart.shown[3] && apart.shown[4]);
  EXPECT_TRUE(Has(apart.memo, "Äußere Tangenten"));
  // Each tangent touches both circles.
  for (int j = 1; j <= 4; ++j) {
    const TDrei& t = apart.t[std::size_t(j)];
    const double n = std::hypot(double(t.a), double(t.b));
    EXPECT_NEAR(std::fabs(double(t.a * 5 - t.c)) / n, 3, 1e-12) << j;
    EXPECT_NEAR(std::fabs(double(-t.c)) / n, 1, 1e-12) << j;
  }
  const TangResult touching = solve({.task = 4, .m = {0, 0}, .r = 2, .q = {5, 0}, .r2 = 3});
  EXPECT_EQ(touching.position, 2);
  EXPECT_TRUE(Has(touching.memo, "B₅(2|0)")) << touching.memo.join('\n').toStdString();
  EXPECT_FALSE(touching.shown[4]);
  const TangResult nested = solve({.task = 4, .m = {0, 0}, .r = 5, .q = {1, 0}, .r2 = 1});
  EXPECT_EQ(nested.position, -1);
  EXPECT_TRUE(Has(nested.memo, "k2 liegt ganz in k1"));
  const TangResult equal = solve({.task = 4, .m = {0, 0}, .r = 1, .q = {4, 0}, .r2 = 1});
  ExpectLine(equal.t[1], 0, 1, equal.t[1].c / equal.t[1].b);
  EXPECT_NEAR(std::fabs(double(equal.t[1].c / equal.t[1].b)), 1, 1e-15);
}

TEST_F(TangComputeTest, Failures) {
  struct Case {
    TangInput in;
    int message;
  } cases[] = {
      {{.task = 3, .m = {0, 0}, .r = 1, .g = {0, 0, 1}}, 10},
      {{.task = 2, .m = {1, 1}, .r = 1, .q = {1, 1}}, 5},
      {{.task = 4, .m = {1, 1}, .r = 2, .q = {1, 1}, .r2 = 2}, 52},
      {{.task = 1, .m = {1, 1}, .q = {1, 1}}, 5},
  };
  for (const Case& c : cases) {
    int got = -1;
    try {
      solve(c.in);
    } catch (const CalcFailure& e) {
      got = e.message();
    }
    EXPECT_EQ(got, c.message);
  }
}

}  // namespace
}  // namespace zw
