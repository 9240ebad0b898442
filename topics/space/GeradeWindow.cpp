#include "topics/space/GeradeWindow.h"

#include "shell/Fonts.h"
#include "topics/space/Gerade.h"

namespace zw {

TFGerade::TFGerade(QWidget* owner) : SpaceWindow(owner, ClassName, false) {
  addPointGrid(2);
  initTopic();
}

void TFGerade::compute() {
  LineThroughPoints g;
  failAtFirstCell([&] {
    const std::vector<TVec3> p = gridPoints();
    g = LineThroughTwoPoints(p[0], p[1]);
  });
  setMemoLines(GeradeMemoLines(g, FontTextMeasurer(memoFont())));
}

}  // namespace zw
