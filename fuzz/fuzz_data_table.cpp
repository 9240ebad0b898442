// Fuzz target for the data-table reader: any bytes give one of the import's
// result codes (or the column-count error), never a crash or a huge
// allocation, and a failed import leaves the object's pairs as they were.
// Build and run (clang's libFuzzer):
//   clang++ -std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
//     fuzz/fuzz_data_table.cpp numerics/*.cpp common/StringHelpers.cpp common/MathHelpers.cpp common/XmlTagReader.cpp \
//     kernel/Random.cpp -lz -o build-fuzz/fuzz_data_table
//   build-fuzz/fuzz_data_table -max_total_time=60 -max_len=4096 -rss_limit_mb=2048
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "numerics/CurveFit.h"
#include "numerics/NumComponent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/zw_fuzz_table_" + std::to_string(getpid()) + ".asc";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  zw::TCurveFit fit;
  fit.EnterStatValue(1, 2);
  fit.EnterStatValue(3, 4);
  std::int32_t code = 0;
  try {
    code = fit.ImportASC(path);
  } catch (const zw::EZwMath2Error&) {
    code = 1000;
  }
  const bool known = code == 0 || code == -7 || code == 1000 || (code >= 250 && code <= 255);
  if (!known) std::abort();
  if (code != 0 && (fit.NumData() != 2 || fit.DataX(2) != 3)) std::abort();
  return 0;
}
