#pragma once
// What the solid tests share: German texts, "." as the decimal separator
// (as the tables of results are written), and the message of a failure.
#include <gtest/gtest.h>

#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "shell/State.h"

namespace zw {

class SolidsCompute : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u'.';
  }
  void TearDown() override {
    kernelState().reset();
    resetShellState();
  }
};

// The message `f` fails with, or 0 when it does not fail.
template <class F>
int FailureOf(F f) {
  try {
    f();
  } catch (const CalcFailure& e) {
    return e.message();
  }
  return 0;
}

}  // namespace zw
