#include "topics/space/LinePlaneWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "charts/Rot3D.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {
const char* const kKeys[10] = {"a", "b", "c", "d", "px", "py", "pz", "ux", "uy", "uz"};
// The view cube's half edge is fixed here.
constexpr Extended kSize = 200;

TopicConfig LinePlaneConfig() {
  TopicConfig c = SpaceConfig(true);
  c.check = InputCheck::OneBoxPerField;
  return c;
}
}  // namespace

TFXGerEb::TFXGerEb(QWidget* owner) : SpaceWindow(owner, ClassName, LinePlaneConfig()) {
  QWidget* box = inputArea();
  for (QLabel*& p : panels_) p = new QLabel(box);
  for (int i = 0; i < 10; ++i) {
    edits_[i] = new QLineEdit(box);
    fields().addField(QString::fromLatin1(kKeys[i]), edits_[i], u'e');
  }
  for (QPushButton*& b : buttons_) b = new QPushButton(box);
  const std::array<QLineEdit*, 4> plane{edits_[0], edits_[1], edits_[2], edits_[3]};
  const std::array<QLineEdit*, 6> line{edits_[4], edits_[5], edits_[6], edits_[7], edits_[8], edits_[9]};
  connect(buttons_[0], &QPushButton::clicked, this,
          guardedSlot([this, plane] { FillPlaneFromVectorEquation(*this, plane, edits_[0]); }));
  connect(buttons_[1], &QPushButton::clicked, this,
          guardedSlot([this, plane] { FillPlaneFromThreePoints(*this, plane, edits_[0]); }));
  connect(buttons_[2], &QPushButton::clicked, this, guardedSlot([this, line] {
            FillLineFromTwoPoints(*this, line, DirectionFrom::AToB, 10, edits_[0]);
          }));
  addView(SceneRebuild::EveryLayout);
  initTopic();
}

void TFXGerEb::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  const int left = m.ColLeft[1];
  const int step = m.RowTop[2] - m.RowTop[1];
  PlacePlaneInput(panels_[0], panels_[1], panels_[2], panels_[3], edits_[0], edits_[1], edits_[2], edits_[3],
                  canvas, QStringLiteral("E : "), left, m.RowTop[1]);
  PlaceParamLineInput(panels_[4], panels_[5], panels_[6], edits_[4], edits_[5], edits_[6], edits_[7], edits_[8],
                      edits_[9], canvas, QStringLiteral("g"), QStringLiteral("t"), left, m.RowTop[1] + 2 * step);
  // Three buttons side by side, together as wide as the plane row at least.
  const int rowWidth = edits_[3]->geometry().right() - panels_[0]->geometry().left();
  const FontTextMeasurer bold(fonts().BoldFont.font);
  int width = rowWidth / 3;
  for (int i = 0; i < 3; ++i) width = std::max(width, bold.width(GetText(IXGerEb, 2 + i)) + ScalePixels(12));
  const int top = edits_[6]->geometry().top() + 2 * step;
  for (int i = 0; i < 3; ++i)
    SetControlTextBoundsBold(buttons_[i], left + i * width, top, width - ScalePixels(2), m.RowHeight,
                             GetText(IXGerEb, 2 + i));
}

void TFXGerEb::compute() {
  const auto value = [this](int i) { return fields().value(QString::fromLatin1(kKeys[i])); };
  LinePlaneResult r = ComputeLinePlane({value(0), value(1), value(2), value(3)}, {value(4), value(5), value(6)},
                                       {value(7), value(8), value(9)});
  setMemoLines(LinePlaneMemoLines(r, FontTextMeasurer(memoFont())));
  result_ = std::move(r);
  sceneChanged();
}

bool TFXGerEb::buildScene(TRot3D& view) {
  // Before any computation every value is 0: the origin is marked.
  const LinePlaneResult r = result_.value_or(LinePlaneResult{});
  const Extended scale = kSize / LinePlaneExtent(r);
  const ScenePen p1 = SettingsPen(1), p2 = SettingsPen(2), p3 = SettingsPen(3);
  DrawPlaneInBox3D(view, r.plane, p1.color, kSize, scale, p1.width);
  DrawLineInBox3D(view, p2.color, p2.width, r.p, r.u, kSize, scale);
  if (!r.parallel) MarkPoint3D(view, p3.color, r.point, scale);
  InitView3D(view, kSize);
  return true;
}

void TFXGerEb::forgetScene() { result_.reset(); }

QWidget* TFXGerEb::failureFocus() const { return edits_[4]; }

}  // namespace zw
