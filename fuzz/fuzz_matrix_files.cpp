// Fuzz target for the vector and matrix file readers: the text files, the
// binary stream, the XML element (stream and open file alike) and the sparse
// text file, plus the number scanners. Any bytes must give a result, never a
// crash, a hang or a huge allocation; a refused shape leaves the matrix as it
// was, the stream and the file XML readers agree, and the scanners stay in
// their ranges.
// Build and run (clang's libFuzzer):
//   clang++ -std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
//     fuzz/fuzz_matrix_files.cpp numerics/*.cpp common/StringHelpers.cpp common/MathHelpers.cpp common/XmlTagReader.cpp \
//     kernel/Random.cpp -lz -o build-fuzz/fuzz_matfiles
//   build-fuzz/fuzz_matfiles -max_total_time=60 -max_len=4096 -rss_limit_mb=4096 -malloc_limit_mb=1024
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "numerics/IntMatrix.h"
#include "numerics/Matrix.h"
#include "numerics/NumberText.h"
#include "numerics/Vector.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zw;
  static const std::string path = "/tmp/zw_fuzz_matfiles_" + std::to_string(getpid()) + ".txt";
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);

  for (bool adjust : {false, true}) {
    TVector v;
    v.Resize(3);
    v.LoadFromFile(path, adjust);
    Check(v.NrOfElem() >= 1 && v.NrOfElem() <= kMaxFileCells);
    TIntVector iv;
    iv.LoadFromFile(path, adjust);
    Check(iv.NrOfElem() >= 1 && iv.NrOfElem() <= kMaxFileCells);

    TMatrix m;
    m.Resize(2, 2);
    m.LoadFromFile(path, adjust);
    Check(static_cast<std::int64_t>(m.NrOfColumns()) * m.NrOfRows() <= kMaxFileCells);
    TIntMatrix im;
    im.LoadFromFile(path, adjust);

    std::istringstream s1(bytes);
    TMatrix sm;
    sm.LoadFromStream(&s1, adjust);
    Check(static_cast<std::int64_t>(sm.NrOfColumns()) * sm.NrOfRows() <= kMaxFileCells);
    std::istringstream s2(bytes);
    TIntMatrix sim;
    sim.LoadFromStream(&s2, adjust);
  }

  // XML: the stream and the file reader give the same matrix; without a
  // qualifying element nothing changes.
  for (const char* id : {"", "a"}) {
    std::istringstream in(bytes);
    TMatrix a;
    a.SetElem(1, 1, 5);
    const bool okA = a.ReadFromXMLStream(in, id);
    TMatrix b;
    b.SetElem(1, 1, 5);
    const bool okB = b.LoadFromXMLFile(path, id);
    Check(okA == okB && a.NrOfColumns() == b.NrOfColumns() && a.NrOfRows() == b.NrOfRows());
    Check(a.DataID() == b.DataID());
    // The checksum copies the cells: only for matrices of moderate size.
    if (static_cast<std::int64_t>(a.NrOfColumns()) * a.NrOfRows() <= 1000000) Check(a.CRCofData() == b.CRCofData());
    Check(static_cast<std::int64_t>(a.NrOfColumns()) * a.NrOfRows() <= kMaxFileCells);
    auto sp = TIntMatrix::CreateSparse(4);
    std::istringstream in2(bytes);
    sp->ReadFromXMLStream(in2, id);
  }

  auto sp = TIntMatrix::CreateSparse(2);
  sp->LoadSparseMat(path);
  TIntMatrix dense;
  dense.Resize(3, 3);
  dense.LoadSparseMat(path);
  Check(dense.NrOfColumns() == 3 && dense.NrOfRows() == 3);

  for (std::int32_t start : {1, 2, 5}) {
    std::int32_t p = start;
    (void)ScanInteger(bytes, p);
    Check(p >= 1);
    for (int mode : {1, 2, 3}) {
      p = start;
      const double r = ScanReal(bytes, true, mode, p);
      Check(!std::isnan(r) && r >= -1.7e308 && r <= 1.7e308 && p >= start);
    }
  }
  return 0;
}
