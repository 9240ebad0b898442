#pragma once
// What the computation tests of the linear algebra topics share: German
// texts, the regional decimal comma, and matrices written as rows.
#include <gtest/gtest.h>

#include <vector>

#include "kernel/KernelState.h"
#include "kernel/Types.h"
#include "shell/State.h"

namespace zw {

class LinalgCompute : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u',';  // groups of thousands with ".", shown as blanks
  }
  void TearDown() override { kernelState().reset(); }
};

using MatrixRows = std::vector<std::vector<Extended>>;

// Row i, column j of the rows at [i][j] (from 1); the rest 0.
inline Matrix MatrixOf(const MatrixRows& rows) {
  Matrix m{};
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (std::size_t j = 0; j < rows[i].size(); ++j) m[i + 1][j + 1] = rows[i][j];
  return m;
}

}  // namespace zw
