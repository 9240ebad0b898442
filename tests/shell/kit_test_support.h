#pragma once
// Tests of the form kit start from the initial shell state at zoom 100 (or
// the zoom they name) and leave it that way.
#include <gtest/gtest.h>

#include "shell/Metrics.h"
#include "shell/State.h"

namespace zw::test {

inline void resetToZoom(int zoom) {
  resetShellState();
  applyZoom(zoom);
}

class KitTest : public ::testing::Test {
protected:
  void SetUp() override { resetToZoom(100); }
  void TearDown() override { resetToZoom(100); }
};

class KitZoomTest : public ::testing::TestWithParam<int> {
protected:
  void SetUp() override { resetToZoom(GetParam()); }
  void TearDown() override { resetToZoom(100); }
};

}  // namespace zw::test
