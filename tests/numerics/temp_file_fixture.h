#pragma once
// A test with its own file in the temporary folder, removed afterwards.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zw {

class TempFileTest : public ::testing::Test {
protected:
  TempFileTest(const std::string& stem, const std::string& extension)
      : path((std::filesystem::temp_directory_path() /
              (stem + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + extension))
                 .string()) {}
  void TearDown() override { std::remove(path.c_str()); }
  void Write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  std::string Read() {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::string path;
};

}  // namespace zw
