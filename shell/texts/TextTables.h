#pragma once
// The shell's built-in text rows: one row per (page, item) with the German,
// English and French text. An empty text means that the language lacks the
// pair (no built-in text is empty), so the lookup falls back to English.
#include "shell/texts/Texts.h"

#include <span>
#include <string_view>

namespace zw::texts_detail {

struct BuiltInRow {
  TTextIndex page;
  int item;
  std::u16string_view de, en, fr;
};

// Titles of every page, the shell's own and shared pages, the messages and the
// pairs that a language lacks on purpose. Sorted by page, then item.
std::span<const BuiltInRow> builtInRows();

}  // namespace zw::texts_detail
