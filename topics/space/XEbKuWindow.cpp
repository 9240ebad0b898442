#include "topics/space/XEbKuWindow.h"

#include <QLabel>
#include <algorithm>
#include <QLineEdit>
#include <QPushButton>

#include "charts/Rot3D.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {
// The plane's four fields first: they take the focus.
const char* const kKeys[8] = {"a", "b", "c", "d", "x", "y", "z", "r"};
const char* const kNames[8] = {"Edit11", "Edit12", "Edit13", "Edit14", "Edit21", "Edit22", "Edit23", "Edit24"};
}  // namespace

TFXEbKu::TFXEbKu(QWidget* owner) : SpaceWindow(owner, ClassName, true) {
  for (int i = 0; i < 8; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QString::fromLatin1(kNames[i]));
    fields().addField(QString::fromLatin1(kKeys[i]), e, u'e');
  }
  for (auto& p : panels_) p = new QLabel(inputArea());
  btn1_ = new QPushButton(inputArea());
  btn1_->setObjectName(QStringLiteral("Btn1"));
  btn2_ = new QPushButton(inputArea());
  btn2_->setObjectName(QStringLiteral("Btn2"));
  connect(btn1_, &QPushButton::clicked, this, guardedSlot([this] {
            FillPlaneFromThreePoints(*this, planeEdits(), edits_[0], runThreePointDialog);
          }));
  connect(btn2_, &QPushButton::clicked, this, guardedSlot([this] {
            FillPlaneFromVectorEquation(*this, planeEdits(), edits_[0], runVectorDialog);
          }));
  addView(SceneRebuild::EveryLayout);
  initTopic();
}

void TFXEbKu::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  PlaceTwoValueInput(panels_[0], panels_[1], edits_[4], edits_[5], edits_[6], edits_[7], canvas,
                     QStringLiteral("K :  M ( "), QStringLiteral(" )    r =  "), m.ColLeft[1], m.RowTop[1]);
  PlacePlaneInput(panels_[2], panels_[3], panels_[4], panels_[5], edits_[0], edits_[1], edits_[2], edits_[3], canvas,
                  QStringLiteral("E : "), m.ColLeft[1], m.RowTop[3]);
  PlaceTextButton(btn1_, edits_[0]->x(), m.RowTop[4], QStringLiteral("E ") + GetText(IXEbKu, 11));
  PlaceTextButton(btn2_, std::max(edits_[1]->x(), btn1_->geometry().right() + ScalePixels(8)), m.RowTop[4],
                  QStringLiteral("E ") + GetText(IXEbKu, 12));
}

void TFXEbKu::compute() {
  const auto& f = fields();
  Scene s;
  s.in = {{f.value("a"), f.value("b"), f.value("c"), f.value("d")},
          {f.value("x"), f.value("y"), f.value("z")},
          f.value("r")};
  s.res = IntersectPlaneSphere(s.in);
  scene_ = s;
  sceneChanged();
  setMemoLines(XEbKuMemoLines(s.in, s.res, FontTextMeasurer(memoFont())));
}

bool TFXEbKu::buildScene(TRot3D& view) {
  if (!scene_) return false;
  const PlaneAndSphere& in = scene_->in;
  const PlaneAndSphereResult& res = scene_->res;
  const SceneFrame f = SceneFrameFor(view.height(), SpheresExtent({{in.m, in.r}}));
  DrawSphere3D(view, in.m, SettingsPen(1).color, in.r, f.scale, 1);
  const ScenePen plane = SettingsPen(2), cut = SettingsPen(3);
  DrawPlaneInBox3D(view, in.e, plane.color, f.size, f.scale, plane.width);
  if (res.r == 0)
    MarkPoint3D(view, cut.color, res.m, f.scale);
  else
    DrawCircle3D(view, cut.color, cut.width, res.m, res.r, {in.e.x, in.e.y, in.e.z}, f.scale);
  InitView3D(view, f.size);
  return true;
}

}  // namespace zw
