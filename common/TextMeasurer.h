#pragma once
// Pixel width of a text in some font. Windows pass one built on QFontMetrics
// of the target font; tests pass FixedWidthMeasurer so that padded and aligned
// lines can be compared exactly. Qt-free, so the kernel can use it too.
#include <map>
#include <string_view>

namespace zw {

class TextMeasurer {
public:
  virtual ~TextMeasurer() = default;
  virtual int textWidth(std::u16string_view text) const = 0;
};

// Every character is `defaultWidth` pixels wide unless listed in `widths`.
class FixedWidthMeasurer : public TextMeasurer {
public:
  explicit FixedWidthMeasurer(int defaultWidth = 10, std::map<char16_t, int> widths = {})
      : defaultWidth_(defaultWidth), widths_(std::move(widths)) {}
  int textWidth(std::u16string_view text) const override {
    int w = 0;
    for (char16_t c : text) {
      auto it = widths_.find(c);
      w += it == widths_.end() ? defaultWidth_ : it->second;
    }
    return w;
  }

private:
  int defaultWidth_;
  std::map<char16_t, int> widths_;
};

}  // namespace zw
