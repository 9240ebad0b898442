#include "topics/linalg-stat/Verhulst.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "shell/State.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"
#include "topics/linalg-stat/Regr.h"

namespace zw {
namespace {

class VerhulstCompute : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u',';
    RegisterVerhulstTexts();
    RegisterRegrTexts();
  }
  void TearDown() override { kernelState().reset(); }
};

QString Dmy(std::chrono::year_month_day d) {
  return QStringLiteral("%1.%2.%3")
      .arg(unsigned(d.day()), 2, 10, QLatin1Char('0'))
      .arg(unsigned(d.month()), 2, 10, QLatin1Char('0'))
      .arg(int(d.year()));
}

TEST_F(VerhulstCompute, RoundTripOnGeneratedLogisticData) {
  const Extended S = 1000, f0 = 20, k = 0.0008;
  std::vector<TVec2> p;
  for (int t = 0; t <= 12; ++t)
    p.push_back({Extended(t), f0 * S / (f0 + (S - f0) * std::exp(-S * k * t))});
  const VerhulstFit f = FitVerhulst(p, S, 1);
  EXPECT_NEAR(double(f.f0), double(f0), 1e-9);
  EXPECT_NEAR(double(f.k), double(k), 1e-14);
  EXPECT_NEAR(double(f.r2), 1, 1e-12);
  // The inflection point lies at half the limit, with the maximum rate there.
  EXPECT_NEAR(double(f.yw), double(S / 2), 1e-9);
  EXPECT_NEAR(double(VerhulstSlope(f, f.xw)), double(f.mw), 1e-9);
  EXPECT_NEAR(double(VerhulstModel(f, 3)), double(p[3].y), 1e-9);
  EXPECT_LT(f.k4, 0);
}

TEST_F(VerhulstCompute, PartExampleAndFailures) {
  const std::vector<TVec2> p = {{0, 10}, {1, 18}, {2, 31}, {3, 50}, {4, 73}};
  const VerhulstFit f = FitVerhulst(p, 200, 1);
  EXPECT_GT(f.r2, 0.99);
  const QString clip = VerhulstClipboardText(f);
  EXPECT_TRUE(clip.contains(QStringLiteral("*exp(-"))) << clip.toStdString();
  EXPECT_TRUE(clip.endsWith(QStringLiteral("*x) )")));
  EXPECT_EQ(clip.count(QLatin1Char('/')), 1);
  for (Extended S : {60.0L, 0.0L, -5.0L}) {
    try {
      FitVerhulst(p, S, 1);
      ADD_FAILURE() << double(S);
    } catch (const CalcFailure& e) {
      EXPECT_EQ(e.message(), msg::ImproperData);
    }
  }
  EXPECT_THROW(FitVerhulst({{0, 0}, {1, 2}, {2, 3}}, 100, 1), CalcFailure);
  EXPECT_THROW(FitVerhulst({{1, 1}, {1, 2}, {1, 3}}, 100, 1), CalcFailure);
}

TEST_F(VerhulstCompute, MemoLines) {
  const VerhulstFit f = FitVerhulst({{0, 10}, {1, 18}, {2, 31}, {3, 50}, {4, 73}}, 200, 1);
  const QStringList m = VerhulstMemoLines(f, QStringLiteral("\"\\DEMO.CSV\""), FixedWidthMeasurer());
  ASSERT_EQ(m.size(), 17);
  EXPECT_EQ(m[0], QStringLiteral("Daten aus: \"\\DEMO.CSV\""));
  EXPECT_TRUE(m[2].endsWith(QStringLiteral("Sättigungsgrenze: 200")));
  EXPECT_TRUE(m[3].endsWith(QStringLiteral("Dunkelziffer: 1")));
  EXPECT_TRUE(m[6].contains(QStringLiteral("\u0192(t) = ")));
  EXPECT_TRUE(m[9].startsWith(QStringLiteral("Wendepunkt W(")));
  EXPECT_TRUE(m[11].startsWith(QStringLiteral("Maximale Wachstumsrate  \u0192'(xw) = ")));
  EXPECT_EQ(m[13], QStringLiteral("5 Werte "));
}

TEST_F(VerhulstCompute, ValueTableDatesStartAndSteps) {
  const VerhulstFit f = FitVerhulst({{0, 10}, {1, 18}, {2, 31}, {3, 50}, {4, 73}}, 200, 1);
  VerhulstTable t;
  t.from = 0, t.to = 3, t.step = 1.5, t.day1 = u"15.03.2020";
  const FixedWidthMeasurer font;
  QStringList rows = VerhulstValueTable(f, t, Dmy, font, "s");
  // Head: fraction (3), empty, head, rule; from 0 starts at the step: 1,5 and 3.
  ASSERT_EQ(rows.size(), 6 + 2);
  EXPECT_TRUE(rows[6].contains(QStringLiteral("15.03.2020")));  // t = 1.5 truncates to day 1
  EXPECT_TRUE(rows[7].contains(QStringLiteral("17.03.2020")));
  t.from = 1, t.to = 2.5, t.step = 1.5;
  rows = VerhulstValueTable(f, t, Dmy, font, "s");
  ASSERT_EQ(rows.size(), 8);
  EXPECT_TRUE(rows[6].contains(QStringLiteral("15.03.2020")));
  EXPECT_TRUE(rows[7].contains(QStringLiteral("16.03.2020")));
  // At least one row; no date column content without a date.
  t.from = 5, t.to = 1, t.day1 = u"kein Datum";
  rows = VerhulstValueTable(f, t, Dmy, font, "s");
  ASSERT_EQ(rows.size(), 7);
  EXPECT_FALSE(rows[6].contains(QLatin1Char('.')));
  // Rounded: whole numbers padded with zeros where a separator shows.
  t.from = 1, t.to = 1, t.round = true, t.digits = 5;
  rows = VerhulstValueTable(f, t, Dmy, font, "s");
  EXPECT_TRUE(rows[6].contains(QStringLiteral(" 18")) || rows[6].contains(QStringLiteral(" 17")))
      << rows[6].toStdString();
  for (Extended step : {0.0L, -1.0L, 1e-12L}) {
    t.step = step, t.to = 100;
    EXPECT_THROW(VerhulstValueTable(f, t, Dmy, font, "s"), InputRejected);
  }
}

}  // namespace
}  // namespace zw
