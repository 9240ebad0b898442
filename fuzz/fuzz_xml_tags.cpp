// Fuzz target for the tag reader of the matrix files: the stream and the file
// variant must read the same tags from the same bytes, every call must make
// progress until the end, and the attribute reader must cope with any text.
// Build and run (clang's libFuzzer):
//   clang++ -std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
//     fuzz/fuzz_xml_tags.cpp common/XmlTagReader.cpp common/StringHelpers.cpp -o build-fuzz/fuzz_xml_tags
//   build-fuzz/fuzz_xml_tags -max_total_time=60 -max_len=4096
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "common/XmlTagReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr std::u16string_view tags[] = {u"numcols", u"numrows", u"cell", u"matrix", u"/matrix", u"invalidtag"};
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  std::FILE* f = fmemopen(const_cast<char*>(bytes.data()), bytes.size() ? bytes.size() : 1, "rb");
  if (!f) return 0;
  if (bytes.empty()) std::fgetc(f);  // an empty input: the file is at its end as well
  std::u16string a1, c1, a2, c2;
  for (size_t calls = 0; calls <= size + 1; ++calls) {
    const int t1 = zw::ReadXMLTagFromStream(in, tags, a1, c1);
    const int t2 = zw::ReadXMLTagFromFile(f, tags, a2, c2);
    if (t1 != t2 || a1 != a2 || c1 != c2) std::abort();
    (void)zw::ReadAttributeValue(a1, u"col");
    if (in.eof()) break;
  }
  if (!in.eof()) std::abort();  // every call consumes at least one byte
  std::fclose(f);
  return 0;
}
