#include "kernel/KernelState.h"
#include <gtest/gtest.h>

TEST(KernelState, ResetRestoresRadians) {
  zw::kernelState().AngleMode = 0;
  zw::kernelState().reset();
  EXPECT_EQ(zw::kernelState().AngleMode, 1);
}
