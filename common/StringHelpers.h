#pragma once
// String helpers shared by the chart library and the numeric components
// (Qt-free): fixed-width number text, character replacement, blank
// trimming, a quoted-token scanner and the tag reader of the HTML label.
// Positions are counted in UTF-16 units, from 1 as in the tag reader's callers.
#include <span>
#include <string>
#include <string_view>

namespace zw {

// X as text. Decimals >= 0: fixed with that many decimals, right-aligned in a
// field of |Width| characters (longer when needed). Decimals == -2: exponential
// form in a field of |Width| + 2 with a two-digit exponent; an exponent of 100
// or more fills the text with "*". Other negative Decimals: exponential form
// of field |Width| with four exponent digits. Width < 0 pads with zeros
// behind the sign. "." is the decimal point whatever the locale.
void FormatFixedWidth(int Width, int Decimals, std::string& S, long double X);
std::string FormatFixedWidth(int Width, int Decimals, long double X);

std::u16string ReplaceChar(std::u16string_view S, char16_t Old, char16_t New);
// Only U+0020 counts as a blank.
std::u16string TrimBlanks(std::u16string_view S);

enum class TQuotedStrState { vsStart, vs1stQuote, vsQuote, vsNormal, vsEnd };

// Feeds one character to the token scanner; true when Ch ended a token (which
// is then in Token; the caller clears it before the next one).
bool ScanQuotedStr(char16_t Ch, char16_t QuoteChar, std::u16string& Token, TQuotedStrState& State);

// Reads the next tag of Text from Pos (1-based). Returns the index of the tag
// in Tags (from 0), or Count when none of the first Count entries matches.
// TagEnd ends on the ">" (or the last character); Attributes is the trimmed
// text after the first blank of the tag.
int ReadTagFromText(std::u16string_view Text, int& Pos, int& TagEnd, bool& IsEndTag,
                    std::u16string& Attributes, int Count, std::span<const std::u16string_view> Tags);

}  // namespace zw
