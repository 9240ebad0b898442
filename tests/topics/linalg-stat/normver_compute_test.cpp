#include "topics/linalg-stat/NormVer.h"

#include <gsl/gsl_cdf.h>
#include <gsl/gsl_randist.h>
#include <gtest/gtest.h>

#include <cmath>

#include "charts/VIrada.h"
#include "kernel/KernelState.h"
#include "shell/State.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

class NormVerCompute : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u',';
  }
  void TearDown() override { kernelState().reset(); }
  const FixedWidthMeasurer memo_;
};

TEST_F(NormVerCompute, DefaultsSpanFourSigmaWithAStepOfAtLeastATenth) {
  struct Case {
    Extended mu, sigma, from, to, step;
  } cases[] = {{0, 1, -4, 4, 0.25L}, {2, 0.1L, 1.6L, 2.4L, 2.5L}, {0, 2.5L, -10, 10, 0.1L}, {0, 10, -40, 40, 0.1L},
               {-3, 0.5L, -5, -1, 0.5L}};
  for (const Case& c : cases) {
    const NormalRange r = NormalDefaults(c.mu, c.sigma);
    EXPECT_NEAR(double(r.from), double(c.from), 1e-15);
    EXPECT_NEAR(double(r.to), double(c.to), 1e-15);
    EXPECT_NEAR(double(r.step), double(c.step), 1e-15);
  }
  for (const Extended sigma : {0.0L, -1.0L, Extended(NAN), Extended(INFINITY)}) {
    try {
      NormalDefaults(0, sigma);
      ADD_FAILURE() << double(sigma);
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), NormSigmaKey);
    }
  }
}

TEST_F(NormVerCompute, StandardTableEndsBeforeItsEndPoint) {
  const QStringList t = NormalTableLines(QStringLiteral(" 0 "), QStringLiteral("1"), 0, 1, NormalDefaults(0, 1), 6, memo_);
  ASSERT_EQ(t.size(), 4 + 32);  // x = −4 … 3.75
  EXPECT_EQ(t[0], QStringLiteral("   \u03BC = 0 ,   \u03C3 = 1"));
  // The gap is the run of blanks covering two blanks' width, the columns
  // those covering six dashes (here 3 and 7 blanks).
  const QString dashes(6, QChar(0x2014));
  EXPECT_EQ(t[3], QStringLiteral("  ") + dashes + QStringLiteral("   ") + dashes + QStringLiteral("   ") + dashes);
  // The row x = 0: φ(0) = 1/√(2π), Φ(0) = 1/2.
  EXPECT_EQ(t[4 + 16], QStringLiteral("   0         0,398942   0,500000"));
  EXPECT_TRUE(t.last().startsWith(QStringLiteral("   3,75      0,000353"))) << t.last().toStdString();
}

TEST_F(NormVerCompute, TableValuesAgreeWithGsl) {
  const Extended mu = 1.5L, sigma = 2;
  NormalRange r{-6, 9, 0.5L};
  const QStringList t = NormalTableLines(QStringLiteral("1,5"), QStringLiteral("2"), mu, sigma, r, 8, memo_);
  ASSERT_EQ(t.size(), 4 + 30);
  for (int i = 0; i < 30; ++i) {
    const double x = -6 + 0.5 * i;
    QStringList cells = t[4 + i].split(u' ', Qt::SkipEmptyParts);
    ASSERT_EQ(cells.size(), 3) << t[4 + i].toStdString();
    const double phi = cells[1].replace(u',', u'.').toDouble(), Phi = cells[2].replace(u',', u'.').toDouble();
    EXPECT_NEAR(phi, gsl_ran_gaussian_pdf(x - 1.5, 2), 0.6e-8) << x;
    // The kernel's erf is good to about 2.4e-7; erf counts as 1 beyond z = 4.
    EXPECT_NEAR(Phi, gsl_cdf_gaussian_P(x - 1.5, 2), 3e-7) << x;
  }
}

TEST_F(NormVerCompute, BadStepsAreRefused) {
  struct Case {
    NormalRange r;
  } cases[] = {{{-4, 4, 0}}, {{-4, 4, -0.25L}}, {{-4, 4, 1e-12L}}, {{0, 1e6L, 1}}, {{1e30L, 2e30L, 1}},
               {{-4, 4, Extended(NAN)}}};
  for (const Case& c : cases) {
    try {
      NormalTableLines(QString(), QString(), 0, 1, c.r, 6, memo_);
      ADD_FAILURE() << double(c.r.step);
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), NormStepKey);
    }
  }
  // A reversed range is empty, not refused; 100,000 rows are allowed.
  EXPECT_EQ(NormalTableLines(QString(), QString(), 0, 1, {4, -4, 1}, 6, memo_).size(), 4);
  EXPECT_EQ(NormalTableLines(QString(), QString(), 0, 1, {0, 100000, 1}, 3, memo_).size(), 4 + 100000);
}

TEST_F(NormVerCompute, CurvesHaveOnePointPerPixelColumn) {
  TVIrada chart;
  chart.resize(400, 300);
  chart.Layers().X(1).setRangeLow(-4);
  chart.Layers().X(1).setRangeHigh(4);
  chart.Layers().Y(1).setRangeLow(0);
  chart.Layers().Y(1).setRangeHigh(1);
  GraphPens pens;
  pens.color[1] = 0x0000FF;
  pens.color[2] = 0x00FF00;
  pens.width = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  DrawNormalCurves(chart, 0, 1, pens);
  const int columns = chart.width() - chart.MarginRight() - chart.MarginLeft() + 1;
  int draws[3] = {0, 0, 0};
  double maxPhi = 0;
  for (const TrcChartItem& it : chart.DisplayList().items()) {
    if (it.ItemKind != TrcItem::tkLineto) continue;
    ++draws[it.Color == 0x0000FF ? 1 : 2];
    if (it.Color == 0x0000FF) maxPhi = std::max(maxPhi, it.y);
  }
  EXPECT_EQ(draws[1], columns);
  EXPECT_EQ(draws[2], columns);
  EXPECT_NEAR(maxPhi, 0.3989, 2e-3);
}

TEST_F(NormVerCompute, FormulaPicturesAreDrawn) {
  for (int which : {0, 1}) {
    const QImage a = NormalFormulaPicture(which, 16), b = NormalFormulaPicture(which, 32);
    EXPECT_GT(a.width(), a.height());
    EXPECT_GT(b.height(), a.height());
    bool ink = false;
    for (int y = 0; y < a.height() && !ink; ++y)
      for (int x = 0; x < a.width() && !ink; ++x) ink = qAlpha(a.pixel(x, y)) > 0;
    EXPECT_TRUE(ink) << which;
  }
}

}  // namespace
}  // namespace zw
