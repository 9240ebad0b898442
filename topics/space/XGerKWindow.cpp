#include "topics/space/XGerKWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "charts/Rot3D.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {
const char* const kKeys[10] = {"x", "y", "z", "r", "px", "py", "pz", "ux", "uy", "uz"};
const char* const kNames[10] = {"Edit21", "Edit22", "Edit23", "Edit24", "EDitpx",
                                "Editpy", "Editpz", "Editux", "Edituy", "Edituz"};
}  // namespace

TFXGerK::TFXGerK(QWidget* owner) : SpaceWindow(owner, ClassName, true) {
  for (int i = 0; i < 10; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QString::fromLatin1(kNames[i]));
    fields().addField(QString::fromLatin1(kKeys[i]), e, i == 3 ? u'p' : u'e');
  }
  for (auto& p : panels_) p = new QLabel(inputArea());
  btnGetAB_ = new QPushButton(inputArea());
  btnGetAB_->setObjectName(QStringLiteral("BtnGetAB"));
  connect(btnGetAB_, &QPushButton::clicked, this, guardedSlot([this] {
            FillLineFromTwoPoints(*this, lineEdits(), DirectionFrom::AToB, 10, edits_[4], runTwoPointDialog);
          }));
  addView(SceneRebuild::ComputeAndPage);
  initTopic();
}

std::array<QLineEdit*, 6> TFXGerK::lineEdits() const {
  return {edits_[4], edits_[5], edits_[6], edits_[7], edits_[8], edits_[9]};
}

QWidget* TFXGerK::failureFocus() const { return edits_[4]; }

void TFXGerK::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  PlaceTwoValueInput(panels_[0], panels_[1], edits_[0], edits_[1], edits_[2], edits_[3], canvas,
                     QStringLiteral("K : M( "), QStringLiteral(" )       r = "), m.ColLeft[1], m.RowTop[1]);
  PlaceParamLineInput(panels_[2], panels_[3], panels_[4], edits_[4], edits_[5], edits_[6], edits_[7], edits_[8],
                      edits_[9], canvas, QStringLiteral("g"), QStringLiteral("t"), m.ColLeft[1], m.RowTop[3]);
  // In the radius's column, beside the line's middle row (never over the line).
  const int left = std::max(edits_[3]->x(), edits_[8]->geometry().right() + ScalePixels(16));
  PlaceTextButton(btnGetAB_, left, edits_[8]->y(), QStringLiteral("g ") + GetText(IXGerK, 2));
}

void TFXGerK::compute() {
  const auto& f = fields();
  Scene s;
  s.in = {{f.value("x"), f.value("y"), f.value("z")},
          f.value("r"),
          {f.value("px"), f.value("py"), f.value("pz")},
          {f.value("ux"), f.value("uy"), f.value("uz")}};
  s.res = IntersectLineSphere(s.in);
  scene_ = s;
  sceneChanged();
  setMemoLines(XGerKMemoLines(s.in, s.res, FontTextMeasurer(memoFont())));
}

bool TFXGerK::buildScene(TRot3D& view) {
  if (!scene_) return false;
  const LineAndSphere& in = scene_->in;
  const LineAndSphereResult& res = scene_->res;
  const SceneFrame f = SceneFrameFor(view.height(), SpheresExtent({{in.m, in.r}}));
  DrawSphere3D(view, in.m, SettingsPen(1).color, in.r, f.scale, 1);
  const ScenePen line = SettingsPen(2), marks = SettingsPen(3);
  DrawLineInBox3D(view, line.color, line.width, in.p, in.u, f.size, f.scale);
  MarkPoint3D(view, marks.color, res.s1, f.scale);
  if (res.d > 0) MarkPoint3D(view, marks.color, res.s2, f.scale);
  InitView3D(view, f.size);
  return true;
}

}  // namespace zw
