#pragma once
// The desktop's clipboard as the kernel's plain-text clipboard, for the
// routines that copy coefficient rows between grids.
#include "kernel/PolyText.h"

namespace zw {

class SystemTextClipboard : public TextClipboard {
public:
  bool hasText() const override;
  std::u16string text() const override;
  void setText(const std::u16string& text) override;
};

}  // namespace zw
