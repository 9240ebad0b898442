#include "topics/space/SpaceText.h"

#include "kernel/FormatGeometry.h"
#include "shell/texts/Texts.h"

namespace zw {

ColumnLines ColumnOf(const TVec3& v) {
  std::u16string a, b, c;
  FormatColumnVector(a, b, c, v.x, v.y, v.z);
  return {Q(a), Q(b), Q(c)};
}

}  // namespace zw
