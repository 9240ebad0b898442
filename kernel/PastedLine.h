#pragma once
// A line pasted into a grid, read tolerantly: it may come from a spreadsheet,
// from a memo of this program («| 1  2 |») or be typed by hand with blanks
// between the numbers.
#include <string>
#include <string_view>

namespace zw {

// The line as ";"-separated items: blanks and control characters off both
// ends, every "|" removed (and the ends trimmed again, so that the blanks
// next to a removed bar do not make empty items), each run of blanks turned
// into one ";". «| 1  2 |» and «1 2» give «1;2»; «1;2» stays as it is.
std::u16string SplitPastedLine(std::u16string_view line);

}  // namespace zw
