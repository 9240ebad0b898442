#include "topics/solids/SphereWindow.h"

#include <QLineEdit>

#include "kernel/CalcFailure.h"
#include "topics/frame/InputCheck.h"
#include "topics/solids/Sphere.h"

namespace zw {

namespace {
// r, d, u, O, V in rows 1 to 5 (the first three coloured as in the sketch),
// the latitude in row 7.
constexpr int kAngle = 5;
const SolidRow kRows[] = {{"r", u'P', 1, 1}, {"d", u'P', 2, 2}, {"u", u'P', 3, 3},
                          {"O", u'P', 4, 0}, {"V", u'P', 5, 0}, {"alpha", u'r', 7, 0}};
}  // namespace

TFKugel1::TFKugel1(QWidget* owner) : SolidWindow(owner, ClassName, kRows, false) { initTopic(); }

bool TFKugel1::readInputs() {
  FieldReading reading = ReadAllFields(fields().fields());
  if (!reading.bad.empty()) return rejectInput(edit(reading.bad.front()), msg::InvalidInput);
  const CountVerdict v = JudgeCount(reading, kAngle, 1);
  if (v.message != 0) return rejectInput(edit(0), v.message);
  given_ = v.last;
  fields().setValues(std::move(reading.values));
  return true;
}

void TFKugel1::compute() {
  const SphereQuantities q = ComputeSphere(given_, fields().value(given_));
  setMemoLines(SphereMemoLines(given_, q, fields().value(kAngle), FontTextMeasurer(memoFont())));
}

void TFKugel1::drawSketch(QPainter& p, const SketchInput& in) { DrawSphereSketch(p, in); }

}  // namespace zw
