#include "topics/space/EbeneWindow.h"

#include "charts/Rot3D.h"
#include "shell/Fonts.h"

namespace zw {

TFEbene::TFEbene(QWidget* owner) : SpaceWindow(owner, ClassName, true) {
  addPointGrid(3);
  addView(SceneRebuild::EveryLayout, true);
  initTopic();
}

void TFEbene::compute() {
  failAtFirstCell([this] {
    const std::vector<TVec3> p = gridPoints();
    plane_ = PlaneThroughThreePoints(p[0], p[1], p[2]);
  });
  sceneChanged();
  setMemoLines(EbeneMemoLines(*plane_, FontTextMeasurer(memoFont())));
}

bool TFEbene::buildScene(TRot3D& view) {
  if (!plane_) return false;
  const SceneFrame f = SceneFrameFor(view.height(), EbeneExtent(*plane_));
  const ScenePen plane = RunningPen(1), marks = RunningPen(2);
  for (const TVec3& p : EbeneTraceMarks(plane_->n, EbeneExtent(*plane_))) MarkPoint3D(view, marks.color, p, f.scale);
  DrawPlaneInBox3D(view, plane_->n, plane.color, f.size, f.scale, plane.width);
  InitView3D(view, f.size);
  return true;
}

}  // namespace zw
