// Pixel padding, em-dash bars, pasted-line splitting and script digits: the
// text helpers the kernel's memo texts and the shell's QString forms share.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>

#include "kernel/PastedLine.h"
#include "kernel/TextPadding.h"
#include "kernel/TextSigns.h"
#include "common/TextMeasurer.h"

namespace zw {
namespace {

// Letters 1 px, so a text of n letters is n px wide; blank, thin space and em
// dash as given.
FixedWidthMeasurer font(int blank, int thin, int emDash = 6) {
  return FixedWidthMeasurer(1, {{u' ', blank}, {u'\u2009', thin}, {u'\u2014', emDash}});
}

std::u16string letters(int n) { return std::u16string(static_cast<size_t>(n), u'a'); }

TEST(TextPadding, PadCountsBlanksAndThinSpace) {
  struct Case { int blank, thin, wr, wx, blanks; bool thinSpace; } cases[] = {
      {4, 2, 30, 19, 2, true},    // rest 3 >= 2
      {4, 2, 28, 19, 2, false},   // rest 1 < 2
      {4, 2, 30, 27, 0, true},    // no whole blank, but room for a thin space
      {4, 2, 30, 30, 0, false},   // as wide
      {4, 2, 30, 45, 0, false},   // wider: no pad, and no thin space from a negative rest
      {4, 0, 30, 19, 2, false},   // a thin space without width pads nothing
      {4, 0, 27, 19, 2, false},
      {4, -1, 30, 19, 2, false},
      {0, 2, 30, 19, 0, false},   // a blank without width pads nothing
      {-3, 2, 30, 19, 0, false},
  };
  for (const Case& c : cases) {
    const PixelPad pad = PixelPadFor(font(c.blank, c.thin), c.wr, c.wx);
    EXPECT_EQ(pad.blanks, c.blanks) << c.blank << " " << c.thin << " " << c.wr << " " << c.wx;
    EXPECT_EQ(pad.thin, c.thinSpace) << c.blank << " " << c.thin << " " << c.wr << " " << c.wx;
  }
}

TEST(TextPadding, ThinSpaceStandsNextToTheText) {
  const FixedWidthMeasurer m = font(4, 2);
  // Width 30 against 23: one blank and a thin space (rest 3).
  const std::u16string ref = letters(30), text = letters(23);
  EXPECT_EQ(PadLeftToWidth(m, ref, text), u" \u2009" + text);
  EXPECT_EQ(PadRightToWidth(m, ref, text), text + u"\u2009 ");
  EXPECT_EQ(PadBetweenToWidth(m, ref, letters(3), letters(20)), letters(3) + u" \u2009" + letters(20));
  // Five blanks: three and the thin space in front, two behind.
  EXPECT_EQ(PadCenterToWidth(m, ref, letters(7)), u"   \u2009" + letters(7) + u"  ");
  EXPECT_EQ(PadCenterToWidth(m, ref, letters(40)), letters(40));
  EXPECT_EQ(m.textWidth(PadRightToWidth(m, ref, text)), 29);  // within a pixel of the reference
}

TEST(TextPadding, BlanksAndEmDashesForAWidth) {
  struct Case { int blank, emDash, width; size_t blanks, dashes; } cases[] = {
      {4, 6, 0, 1, 0},   {4, 6, 9, 3, 1},  {4, 6, 12, 4, 2},  {4, 6, 5, 2, 0},
      {0, 0, 30, 0, 0},  {-1, -6, 30, 0, 0},
  };
  for (const Case& c : cases) {
    const FixedWidthMeasurer m = font(c.blank, 2, c.emDash);
    EXPECT_EQ(BlanksCoveringWidth(m, c.width), std::u16string(c.blanks, u' ')) << c.width;
    std::u16string bar;
    for (size_t i = 0; i < c.dashes; ++i) bar += u'\u2014';
    EXPECT_EQ(EmDashesForWidth(m, c.width), bar) << c.width;
  }
}

TEST(PastedLine, BarsAndBlankRunsBecomeSemicolons) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"| 1  2 |", u"1;2"},
      {u"1 2", u"1;2"},
      {u"1;2", u"1;2"},
      {u"\t 1   2    3 \r", u"1;2;3"},
      {u"|1|2|", u"12"},
      {u"| 2  0 -1 |;", u"2;0;-1;;"},  // the blank before ";" separates too
      {u"1\t2", u"1\t2"},  // inner tabs are left to the item splitting
      {u"", u""},
      {u"  |  ", u""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(SplitPastedLine(in), out);
}

TEST(ScriptDigits, DigitsAndMinus) {
  EXPECT_EQ(ksym::SupScriptDigits(1234567890), u"\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079\u2070");
  EXPECT_EQ(ksym::SubScriptDigits(1234567890), u"\u2081\u2082\u2083\u2084\u2085\u2086\u2087\u2088\u2089\u2080");
  EXPECT_EQ(ksym::SupScriptDigits(-2), u"\u207B\u00B2");
  EXPECT_EQ(ksym::SubScriptDigits(-30), u"\u208B\u2083\u2080");
  const std::u16string lowest = ksym::SupScriptDigits(std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(lowest.size(), 20u);  // minus and nineteen digits
  EXPECT_EQ(lowest.front(), u'\u207B');
}

}  // namespace
}  // namespace zw
