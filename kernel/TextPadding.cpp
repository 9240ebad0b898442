#include "kernel/TextPadding.h"

#include <algorithm>

#include "kernel/TextSigns.h"

namespace zw {

namespace {

std::u16string blanks(int n) { return std::u16string(static_cast<size_t>(std::max(0, n)), u' '); }

std::u16string thin(const PixelPad& pad) { return pad.thin ? std::u16string(ksym::ThinSpace) : std::u16string(); }

PixelPad padFor(const TextMeasurer& font, std::u16string_view reference, std::u16string_view text) {
  return PixelPadFor(font, font.textWidth(reference), font.textWidth(text));
}

}  // namespace

PixelPad PixelPadFor(const TextMeasurer& font, int referenceWidth, int textWidth) {
  const int wb = font.textWidth(u" ");
  if (wb <= 0) return {};
  const int wt = font.textWidth(ksym::ThinSpace);
  const int diff = referenceWidth - textWidth;
  PixelPad pad;
  pad.blanks = diff > 0 ? diff / wb : 0;
  // A thin space of no width would pad nothing, so it is never added.
  pad.thin = wt > 0 && diff - pad.blanks * wb >= wt;
  return pad;
}

std::u16string PadLeftToWidth(const TextMeasurer& font, std::u16string_view reference,
                              std::u16string_view text) {
  const PixelPad pad = padFor(font, reference, text);
  return blanks(pad.blanks) + thin(pad) + std::u16string(text);
}

std::u16string PadRightToWidth(const TextMeasurer& font, std::u16string_view reference,
                               std::u16string_view text) {
  const PixelPad pad = padFor(font, reference, text);
  return std::u16string(text) + thin(pad) + blanks(pad.blanks);
}

std::u16string PadCenterToWidth(const TextMeasurer& font, std::u16string_view reference,
                                std::u16string_view text) {
  const PixelPad pad = padFor(font, reference, text);
  return blanks(pad.blanks - pad.blanks / 2) + thin(pad) + std::u16string(text) + blanks(pad.blanks / 2);
}

std::u16string PadBetweenToWidth(const TextMeasurer& font, std::u16string_view reference,
                                 std::u16string_view a, std::u16string_view b) {
  // Measured as one text, so that the pair is measured as it will be shown.
  const std::u16string joined = std::u16string(a) + std::u16string(b);
  const PixelPad pad = padFor(font, reference, joined);
  return std::u16string(a) + blanks(pad.blanks) + thin(pad) + std::u16string(b);
}

std::u16string BlanksCoveringWidth(const TextMeasurer& font, int width) {
  const int wb = font.textWidth(u" ");
  if (wb <= 0) return {};
  return blanks(std::max(0, width) / wb + 1);
}

std::u16string EmDashesForWidth(const TextMeasurer& font, int width) {
  const int we = font.textWidth(ksym::EmDash);
  if (we <= 0) return {};
  std::u16string bar;
  for (int i = width / we; i > 0; --i) bar += ksym::EmDash;
  return bar;
}

}  // namespace zw
