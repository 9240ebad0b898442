#include "shell/State.h"
#include <gtest/gtest.h>

TEST(ShellState, ResetRestoresInitialValues) {
  zw::shellState().LanguageKind = 2;
  zw::resetShellState();
  EXPECT_EQ(zw::shellState().LanguageKind, 0);
  EXPECT_EQ(zw::shellState().LanguageNames[2], QString::fromUtf8("Français"));
}

// The values other parts read before the settings are first read (or that
// nothing but a topic or the chart-settings dialog ever changes).
TEST(ShellState, StartsWithTheDocumentedInitialValues) {
  auto& s = zw::shellState();
  s.ChartResolution = 3;
  s.ChartGridOption = 0;
  s.ChartGridAuto = false;
  s.PrintScale = 2.5;
  s.RightToLeft = true;
  s.GraphColorValues[1] = 0xFF;
  zw::resetShellState();

  EXPECT_EQ(s.LanguageNumber, 0);
  EXPECT_EQ(s.DisplayedLanguageKind, 0);
  EXPECT_EQ(s.LanguageNames[0], "Deutsch");
  EXPECT_EQ(s.LanguageNames[1], "English");
  for (int i = 3; i <= 6; ++i) EXPECT_TRUE(s.LanguageNames[size_t(i)].isEmpty()) << i;
  EXPECT_FALSE(s.RightToLeft);
  EXPECT_FALSE(s.ChartLogX);
  EXPECT_FALSE(s.ChartLogY);
  EXPECT_EQ(s.ChartResolution, 1);
  EXPECT_EQ(s.ChartGridOption, 3);
  EXPECT_TRUE(s.ChartGridAuto);
  EXPECT_EQ(s.PrintScale, 1.0);
  EXPECT_FALSE(s.PrintBlackWhite);
  EXPECT_FALSE(s.ClipboardBlackWhite);
  EXPECT_EQ(zw::ShellState::ParametricSteps, 400);
  for (int i = 0; i <= 12; ++i) {
    EXPECT_EQ(s.GraphColorValues[size_t(i)], 0u) << i;  // black
    EXPECT_EQ(s.GraphWidthValues[size_t(i)], 0) << i;
  }
  EXPECT_FALSE(s.SeriesPlotFlag);
}
