#include "topics/solids/PlatonicWindows.h"

#include <QLineEdit>

#include "charts/Rot3D.h"
#include "topics/frame/InputCheck.h"
#include "topics/solids/SolidScenes.h"

namespace zw {

namespace {

// a, the second and third quantity, ru, ri, V, O; the captions of the four
// sketched ones in their graph colours.
std::array<SolidRow, 7> RowsOf(Platonic solid) {
  const std::array<QString, 7> keys = PlatonicKeys(solid);
  std::array<SolidRow, 7> rows{};
  for (int i = 0; i < 7; ++i) rows[static_cast<std::size_t>(i)] = {keys[static_cast<std::size_t>(i)], u'P', i + 1, i < 4 ? i + 1 : 0};
  return rows;
}

}  // namespace

PlatonicWindow::PlatonicWindow(QWidget* owner, std::string_view className, Platonic solid)
    : SolidWindow(owner, className, RowsOf(solid), true,
                  solid == Platonic::Tetra ? SharedFontId::TextFont : SharedFontId::TextFont2),
      solid_(solid) {
  for (int i = 0; i < 4; ++i) sketchFollows(i);
  initTopic();
}

bool PlatonicWindow::readInputs() {
  FieldReading reading = ReadAllFields(fields().fields());
  const CountVerdict v = JudgeCount(reading, 7, 1);
  if (v.message != 0) return rejectInput(v.focus >= 0 ? edit(v.focus) : nullptr, v.message);
  given_ = v.last;
  fields().setValues(std::move(reading.values));
  return true;
}

void PlatonicWindow::compute() {
  const Quantities q = ComputePlatonic(solid_, given_, fields().value(given_));
  setMemoLines(PlatonicMemoLines(solid_, given_, edit(given_)->text(), q, FontTextMeasurer(memoFont())));
}

void PlatonicWindow::rebuildPicture() {
  // The wire frame is the same for every value.
  BuildPlatonicScene(*view(), solid_, RunningGraphPen(1));
}

void PlatonicWindow::drawSketch(QPainter& p, const SketchInput& in) { DrawPlatonicSketch(p, solid_, in); }

}  // namespace zw
