#include "topics/space/Kugel2Window.h"

#include "shell/Fonts.h"
#include "topics/space/Kugel2.h"

namespace zw {

TFKugel2::TFKugel2(QWidget* owner) : SpaceWindow(owner, ClassName, false) {
  addPointGrid(4);
  initTopic();
}

void TFKugel2::compute() {
  SphereThroughPoints k;
  failAtFirstCell([&] {
    const std::vector<TVec3> p = gridPoints();
    k = SphereThroughFourPoints({p[0], p[1], p[2], p[3]});
  });
  setMemoLines(Kugel2MemoLines(k, FontTextMeasurer(memoFont())));
}

}  // namespace zw
