#pragma once
// Lining up texts of different pixel widths in a proportional font: blanks,
// and for the last part of a blank a thin space, so that texts end at the
// same pixel. Widths come from a TextMeasurer of the font the text will be
// shown in. The shell's QString forms (shell/kit/Symbols.h) wrap these.
#include <string>
#include <string_view>

#include "common/TextMeasurer.h"

namespace zw {

// The filler that makes a text of width textWidth as wide as one of width
// referenceWidth: (difference div blank width) blanks, and one thin space
// when the rest is at least as wide as a thin space. Nothing for a text as
// wide or wider; nothing from a blank of width 0 or less, and no thin space
// when it has no width.
struct PixelPad {
  int blanks = 0;
  bool thin = false;
};
PixelPad PixelPadFor(const TextMeasurer& font, int referenceWidth, int textWidth);

// text padded to the width of reference. The thin space stands next to the
// text: after the blanks on the left, before them on the right.
std::u16string PadLeftToWidth(const TextMeasurer& font, std::u16string_view reference,
                              std::u16string_view text);
std::u16string PadRightToWidth(const TextMeasurer& font, std::u16string_view reference,
                               std::u16string_view text);
// n − n div 2 blanks and the thin space in front, n div 2 blanks behind.
std::u16string PadCenterToWidth(const TextMeasurer& font, std::u16string_view reference,
                                std::u16string_view text);
// a and b with the pad between them, so that a + pad + b is as wide as reference.
std::u16string PadBetweenToWidth(const TextMeasurer& font, std::u16string_view reference,
                                 std::u16string_view a, std::u16string_view b);

// width div blank width + 1 blanks: room for a text of that width. Empty
// when a blank has no width.
std::u16string BlanksCoveringWidth(const TextMeasurer& font, int width);
// Em dashes as wide as width, rounded down; empty when an em dash has no width.
std::u16string EmDashesForWidth(const TextMeasurer& font, int width);

}  // namespace zw
