#include "kernel/PastedLine.h"

namespace zw {

std::u16string SplitPastedLine(std::u16string_view line) {
  std::u16string kept;
  kept.reserve(line.size());
  for (char16_t c : line)
    if (c != u'|') kept += c;
  auto blankOrControl = [](char16_t c) { return c <= u' '; };
  size_t begin = 0, end = kept.size();
  while (begin < end && blankOrControl(kept[begin])) ++begin;
  while (end > begin && blankOrControl(kept[end - 1])) --end;
  std::u16string out;
  out.reserve(end - begin);
  bool inBlanks = false;
  for (size_t i = begin; i < end; ++i) {
    const char16_t c = kept[i];
    if (c == u' ') {
      if (!inBlanks) out += u';';
      inBlanks = true;
    } else {
      out += c;
      inBlanks = false;
    }
  }
  return out;
}

}  // namespace zw
