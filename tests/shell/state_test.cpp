#include "shell/State.h"
#include <gtest/gtest.h>

TEST(ShellState, ResetRestoresInitialValues) {
  zw::shellState().LanguageKind = 2;
  zw::resetShellState();
  EXPECT_EQ(zw::shellState().LanguageKind, 0);
  EXPECT_EQ(zw::shellState().LanguageNames[2], QString::fromUtf8("Français"));
}
