#include "topics/space/TwoPlanesWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "charts/Rot3D.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {
const char* const kKeys[8] = {"a1", "b1", "c1", "d1", "a2", "b2", "c2", "d2"};
}  // namespace

TFXEbene::TFXEbene(QWidget* owner) : SpaceWindow(owner, ClassName, true) {
  QWidget* box = inputArea();
  for (int i = 0; i < 8; ++i) {
    panels_[i] = new QLabel(box);
    edits_[i] = new QLineEdit(box);
    fields().addField(QString::fromLatin1(kKeys[i]), edits_[i], u'e');
  }
  for (int i = 0; i < 4; ++i) buttons_[i] = new QPushButton(box);
  const auto threePoints = [this](int n) {
    return guardedSlot([this, n] { FillPlaneFromThreePoints(*this, plane(n), edits_[0]); });
  };
  const auto vectorEquation = [this](int n) {
    return guardedSlot([this, n] { FillPlaneFromVectorEquation(*this, plane(n), edits_[0]); });
  };
  connect(buttons_[0], &QPushButton::clicked, this, threePoints(0));
  connect(buttons_[1], &QPushButton::clicked, this, threePoints(1));
  connect(buttons_[2], &QPushButton::clicked, this, vectorEquation(0));
  connect(buttons_[3], &QPushButton::clicked, this, vectorEquation(1));
  addView(SceneRebuild::EveryLayout);
  initTopic();
}

std::array<QLineEdit*, 4> TFXEbene::plane(int i) const {
  const std::size_t k = static_cast<std::size_t>(4 * i);
  return {edits_[k], edits_[k + 1], edits_[k + 2], edits_[k + 3]};
}

void TFXEbene::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  const int left = m.ColLeft[1];
  const int step = m.RowTop[2] - m.RowTop[1];
  for (int i = 0; i < 2; ++i) {
    const std::size_t k = static_cast<std::size_t>(4 * i);
    PlacePlaneInput(panels_[k], panels_[k + 1], panels_[k + 2], panels_[k + 3], edits_[k], edits_[k + 1],
                    edits_[k + 2], edits_[k + 3], canvas, i == 0 ? QStringLiteral("E1 : ") : QStringLiteral("E2 : "),
                    left, m.RowTop[1] + i * step);
  }
  // Four buttons of one width, each ending under an edit column of plane 2.
  const QString captions[4] = {"E1 " + GetText(IXEbene, 6), "E2 " + GetText(IXEbene, 6),
                               "E1 " + GetText(IXEbene, 7), "E2 " + GetText(IXEbene, 7)};
  const int gap = ScalePixels(4);
  int width = edits_[4]->width();
  for (int i = 1; i < 4; ++i)
    width = std::min(width, edits_[4 + i]->geometry().right() - edits_[3 + i]->geometry().right() - gap);
  int needed = 0;
  const FontTextMeasurer bold(fonts().BoldFont.font);
  for (const QString& c : captions) needed = std::max(needed, bold.width(c) + ScalePixels(12));
  width = std::max(width, needed);
  const int top = m.RowTop[1] + 2 * step + ScalePixels(4);
  int right = edits_[4]->geometry().right() + 1;
  for (int i = 0; i < 4; ++i) {
    // A caption wider than its column pushes the following buttons right.
    if (i > 0) right = std::max(edits_[4 + i]->geometry().right() + 1, right + gap + width);
    SetControlTextBoundsBold(buttons_[i], right - width, top, width, m.RowHeight, captions[i]);
  }
}

void TFXEbene::compute() {
  const auto value = [this](int i) { return fields().value(QString::fromLatin1(kKeys[i])); };
  const TVec4 e1{value(0), value(1), value(2), value(3)}, e2{value(4), value(5), value(6), value(7)};
  TwoPlanesResult r = ComputeTwoPlanes(e1, e2, lastDd_);
  setMemoLines(TwoPlanesMemoLines(r, FontTextMeasurer(memoFont())));
  lastDd_ = r.dd;
  result_ = std::move(r);
  sceneChanged();
}

bool TFXEbene::buildScene(TRot3D& view) {
  if (!result_) return false;
  BuildTwoPlanesScene(view, *result_, SettingsPen(1), SettingsPen(2), SettingsPen(3));
  return true;
}

void TFXEbene::forgetScene() {
  result_.reset();
  lastDd_ = 0;
}

QSize TFXEbene::defaultSize() const {
  const int zoom = shellState().Zoom;
  return atLeastInputs(QSize(static_cast<int>(6.32 * zoom), static_cast<int>(3.2 * zoom)));
}

}  // namespace zw
