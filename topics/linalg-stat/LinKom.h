#pragma once
// A vector d of space as a linear combination a·u + b·v + c·w of three
// vectors, callable without a window: the coefficients or the note that the
// vectors are linearly dependent, and the memo lines.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

struct LinKomResult {
  bool independent = false;  // u, v, w span space: the coefficients are unique
  Extended a = 0, b = 0, c = 0;
};

LinKomResult ComputeLinKom(const TVec3& u, const TVec3& v, const TVec3& w, const TVec3& d);
QStringList LinKomMemoLines(const TVec3& u, const TVec3& v, const TVec3& w, const TVec3& d, const LinKomResult& result);

void RegisterLinKomTexts();

}  // namespace zw
