#include "topics/algebra/PrimeRun.h"

#include "kernel/Format.h"

namespace zw {

QString DefaultNumberText(long long n) {
  return QString::fromStdU16String(FormatReal(15, static_cast<Extended>(n)));
}

}  // namespace zw
