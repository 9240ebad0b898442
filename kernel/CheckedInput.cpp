#include "kernel/CheckedInput.h"

#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Evaluator.h"

namespace zw {

namespace {
bool whole(Extended x) { return std::trunc(x) == x; }

void reject(InputReactions& ui, int pageIndex) {
  ui.showPage(pageIndex);
  ui.showError(msg::InvalidInput);
}
}  // namespace

std::u16string TrimInput(const std::u16string& text) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] <= u' ') ++b;
  while (e > b && text[e - 1] <= u' ') --e;
  return text.substr(b, e - b);
}

void ReadValue(const std::u16string& text, Extended& x, char16_t kind, std::int32_t& ok) {
  ok = 1;
  std::u16string t = TrimInput(text);
  if (t.empty()) {
    x = 0;
  } else {
    std::int32_t err = 0;
    EvaluateFormula(t, x, err, 0);
    if (err > 0) ok = 0;
  }
  if (ok == 1) {
    bool pass = true;
    switch (kind) {
      case u'B': pass = whole(x) && x <= 500; break;
      case u'M': pass = whole(x) && x >= 2 && x <= 20; break;
      case u'N': pass = whole(x) && x >= 0; break;
      case u'P': pass = x >= 0; break;
      case u'Z': pass = whole(x); break;
      case u'i': x = x >= 0 ? std::trunc(x + 0.5L) : -std::trunc(0.5L - x); break;
      case u'n': pass = whole(x) && x > 0; break;
      case u'p': pass = x > 0; break;
      case u'r': pass = std::fabs(x) <= 90; break;
      default: break;
    }
    if (!pass) ok = 0;
  }
  if (!(std::fabs(x) <= 1e15L)) ok = 0;
}

std::u16string LongestAcceptedNumber(char16_t kind, char16_t separator) {
  const std::u16string fraction = u"99999999999999" + std::u16string(1, separator) + u"9";
  switch (kind) {
    case 0: return {};
    case u'M': return u"20";
    case u'n':
    case u'N': return u"1000000000000000";
    case u'B':
    case u'Z': return u"-999999999999999";
    case u'p':
    case u'P': return fraction;
    case u'r': return u"-89" + std::u16string(1, separator) + u"9999999999999";
    default: return u'-' + fraction;
  }
}

void ReadEditValue(const std::u16string& text, Extended& x, char16_t kind, InputReactions& ui,
                   int pageIndex, std::int32_t& ok) {
  std::int32_t accepted = 0;
  ReadValue(text, x, kind, accepted);
  if (accepted) return;
  reject(ui, pageIndex);
  ui.focusEdit();
  ok = 0;
}

void ReadGridValues(const GridCells& grid, InputReactions& ui, int pageIndex, std::int32_t& ok) {
  ok = 1;
  for (int c = 1; c < grid.columnCount(); ++c) {
    for (int r = 1; r < grid.rowCount(); ++r) {
      Extended x = 0;
      std::int32_t accepted = 0;
      ReadValue(grid.cell(c, r), x, u'f', accepted);
      if (accepted) continue;
      reject(ui, pageIndex);
      ui.editGridCell(c, r);
      ok = 0;
    }
  }
}

void EvalToInt64(const std::u16string& text, std::int64_t& n, std::int32_t& ok) {
  n = 0;
  ok = 0;
  std::u16string t = TrimInput(text);
  Extended x = 0;
  if (!t.empty()) {
    std::int32_t err = 0;
    EvaluateFormula(t, x, err, 0);
    if (err != 0) return;
  }
  Extended r = std::nearbyint(x);
  // The 64-bit range is [-2^63, 2^63); both bounds are exact in extended reals.
  if (!(r >= -9223372036854775808.0L && r < 9223372036854775808.0L)) return;
  n = static_cast<std::int64_t>(r);
  ok = 1;
}

}  // namespace zw
