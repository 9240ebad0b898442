#pragma once
// Qt-free value types shared by the chart library and the numeric components.
#include <vector>

namespace zw {

struct TPointDouble {
  double X = 0;
  double Y = 0;
};
using TPDblArray = std::vector<TPointDouble>;

}  // namespace zw
