#include "topics/space/XKugelWindow.h"

#include <QLabel>
#include <QLineEdit>

#include "charts/Rot3D.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"

namespace zw {

namespace {
const char* const kKeys[8] = {"x1", "y1", "z1", "r1", "x2", "y2", "z2", "r2"};
}

TFXKugel::TFXKugel(QWidget* owner) : SpaceWindow(owner, ClassName, true) {
  for (int i = 0; i < 8; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("Edit%1%2").arg(i / 4 + 1).arg(i % 4 + 1));
    fields().addField(QString::fromLatin1(kKeys[i]), e, i % 4 == 3 ? u'p' : u'e');
  }
  for (auto& p : panels_) p = new QLabel(inputArea());
  addView(SceneRebuild::EveryLayout);
  initTopic();
}

void TFXKugel::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  for (int k = 0; k < 2; ++k) {
    const std::size_t i = std::size_t(4 * k);
    PlaceTwoValueInput(panels_[std::size_t(2 * k)], panels_[std::size_t(2 * k + 1)], edits_[i], edits_[i + 1],
                       edits_[i + 2], edits_[i + 3], canvas, QStringLiteral("K%1 :  M%1 ( ").arg(k + 1),
                       QStringLiteral(" )    r%1 =  ").arg(k + 1), metrics().ColLeft[1],
                       metrics().RowTop[std::size_t(1 + k)]);
  }
}

void TFXKugel::compute() {
  const auto& f = fields();
  const TwoSpheres k{{f.value("x1"), f.value("y1"), f.value("z1")},
                     {f.value("x2"), f.value("y2"), f.value("z2")},
                     f.value("r1"),
                     f.value("r2")};
  result_ = IntersectSpheres(k);
  sceneChanged();
  setMemoLines(XKugelMemoLines(*result_, FontTextMeasurer(memoFont())));
}

void BuildTwoSpheresScene(TRot3D& view, const TwoSpheresResult& res, const ScenePen& sphere1,
                          const ScenePen& sphere2, const ScenePen& circle) {
  const TwoSpheres& k = res.k;
  const SceneFrame f = SceneFrameFor(view.height(), SpheresExtent({{k.m1, k.r1}, {k.m2, k.r2}}));
  DrawSphere3D(view, k.m1, sphere1.color, k.r1, f.scale, 1);
  DrawSphere3D(view, k.m2, sphere2.color, k.r2, f.scale, 1);
  DrawCircle3D(view, circle.color, circle.width, res.m, res.r, {res.n.x, res.n.y, res.n.z}, f.scale);
  InitView3D(view, f.size);
}

bool TFXKugel::buildScene(TRot3D& view) {
  if (!result_) return false;
  BuildTwoSpheresScene(view, *result_, SettingsPen(1), SettingsPen(2), SettingsPen(3));
  return true;
}

}  // namespace zw
