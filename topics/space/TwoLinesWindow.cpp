#include "topics/space/TwoLinesWindow.h"

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
const char* const kKeys[12] = {"px", "py", "pz", "ux", "uy", "uz", "qx", "qy", "qz", "vx", "vy", "vz"};

TopicConfig TwoLinesConfig() {
  TopicConfig c = SpaceConfig(true);
  c.check = InputCheck::OneBoxPerField;
  return c;
}
}  // namespace

TFXGer3d::TFXGer3d(QWidget* owner) : SpaceWindow(owner, ClassName, TwoLinesConfig()) {
  QWidget* box = inputArea();
  for (QLabel*& p : panels_) p = new QLabel(box);
  for (int i = 0; i < 12; ++i) {
    edits_[i] = new QLineEdit(box);
    fields().addField(QString::fromLatin1(kKeys[i]), edits_[i], u'e');
  }
  for (int k = 0; k < 2; ++k) {
    buttons_[k] = new QPushButton(box);
    connect(buttons_[k], &QPushButton::clicked, this, guardedSlot([this, k] {
              const std::size_t o = static_cast<std::size_t>(6 * k);
              const std::array<QLineEdit*, 6> line{edits_[o],     edits_[o + 1], edits_[o + 2],
                                                   edits_[o + 3], edits_[o + 4], edits_[o + 5]};
              FillLineFromTwoPoints(*this, line, DirectionFrom::BToA, k == 0 ? 10 : 11, edits_[0]);
            }));
  }
  addView(SceneRebuild::EveryLayout);
  initTopic();
}

void TFXGer3d::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  const int left = m.ColLeft[1];
  const int step = m.RowTop[2] - m.RowTop[1];
  PlaceParamLineInput(panels_[0], panels_[1], panels_[2], edits_[0], edits_[1], edits_[2], edits_[3], edits_[4],
                      edits_[5], canvas, QStringLiteral("g"), QStringLiteral("r"), left, m.RowTop[1]);
  PlaceParamLineInput(panels_[3], panels_[4], panels_[5], edits_[6], edits_[7], edits_[8], edits_[9], edits_[10],
                      edits_[11], canvas, QStringLiteral("h"), QStringLiteral("s"), left,
                      edits_[2]->geometry().top() + 2 * step);
  for (int k = 0; k < 2; ++k) {
    const QRect u = edits_[static_cast<std::size_t>(6 * k + 3)]->geometry();
    PlaceTextButton(buttons_[k], u.right() + 1 + ScalePixels(8), u.top(), GetText(IXGer3d, 2 + k));
  }
}

void TFXGer3d::compute() {
  const auto vec = [this](int i) {
    return TVec3{fields().value(QString::fromLatin1(kKeys[i])), fields().value(QString::fromLatin1(kKeys[i + 1])),
                 fields().value(QString::fromLatin1(kKeys[i + 2]))};
  };
  SpaceLinesResult r = ComputeTwoLines(vec(0), vec(3), vec(6), vec(9));
  setMemoLines(TwoLinesMemoLines(r, FontTextMeasurer(memoFont())));
  result_ = std::move(r);
  sceneChanged();
}

bool TFXGer3d::buildScene(TRot3D& view) {
  if (!result_) return false;
  const SpaceLinesResult& r = *result_;
  const SceneFrame f = SceneFrameFor(view.height(), TwoLinesExtent(r));
  const ScenePen p1 = SettingsPen(1), p2 = SettingsPen(2), p3 = SettingsPen(3);
  DrawLineInBox3D(view, p1.color, p1.width, r.p, r.u, f.size, f.scale);
  DrawLineInBox3D(view, p2.color, p2.width, r.q, r.v, f.size, f.scale);
  if (!r.parallel) {
    if (r.d == 0) MarkPoint3D(view, p3.color, r.f1, f.scale);
    else DrawSegment3D(view, p3.color, p3.width, r.f1, r.f2, f.scale);
  }
  InitView3D(view, f.size);
  view.MakeVisible();
  view.SetViewAngles(100, 0, 240);
  return true;
}

void TFXGer3d::forgetScene() { result_.reset(); }

QWidget* TFXGer3d::failureFocus() const { return edits_[0]; }

}  // namespace zw
