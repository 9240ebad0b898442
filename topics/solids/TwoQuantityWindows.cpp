#include "topics/solids/TwoQuantityWindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>
#include <limits>

#include "charts/Rot3D.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputCheck.h"
#include "topics/solids/SolidScenes.h"

namespace zw {

namespace {

// The seven quantities in rows 1 to 7; the captions of the sketched ones
// (at most four) in their graph colours.
std::array<SolidRow, 7> RowsOf(TwoQuantitySolid solid, int coloured) {
  const std::array<QString, 7> keys = TwoQuantityKeys(solid);
  std::array<SolidRow, 7> rows{};
  for (int i = 0; i < 7; ++i)
    rows[static_cast<std::size_t>(i)] = {keys[static_cast<std::size_t>(i)], u'P', i + 1, i < coloured ? i + 1 : 0};
  return rows;
}

// Cone and cylinder colour r, h and s or u; pyramid and prism four quantities.
int ColouredOf(TwoQuantitySolid solid) {
  return solid == TwoQuantitySolid::Cone || solid == TwoQuantitySolid::Cylinder ? 3 : 4;
}

}  // namespace

TwoQuantityWindow::TwoQuantityWindow(QWidget* owner, std::string_view className, TwoQuantitySolid solid,
                                     int sketched)
    : SolidWindow(owner, className, RowsOf(solid, ColouredOf(solid)), true), solid_(solid) {
  for (int i = 0; i < sketched; ++i) sketchFollows(i);
}

bool TwoQuantityWindow::readInputs() {
  FieldReading reading = ReadAllFields(fields().fields());
  const CountVerdict v = JudgeCount(reading, 7, 2);
  if (v.message != 0) return rejectInput(v.focus >= 0 ? edit(v.focus) : nullptr, v.message);
  mask_ = v.mask;
  fields().setValues(std::move(reading.values));
  return true;
}

void TwoQuantityWindow::compute() {
  const int n = vertices();
  const TwoQuantityResult r = SolveTwoQuantities(solid_, mask_, readValues(), n);
  std::array<QString, 7> typed;
  for (int i = 0; i < 7; ++i) typed[static_cast<std::size_t>(i)] = edit(i)->text();
  setMemoLines(TwoQuantityMemoLines(solid_, mask_, typed, r, n, FontTextMeasurer(memoFont())));
  result_ = r;
  resultVertices_ = n;
}

void TwoQuantityWindow::rebuildPicture() {
  PrepareSolidView(*view(), RunningGraphPen(1));
  // New or a loaded worksheet leave no results: the view stays empty, as in
  // a window just opened, and neither shows nor prints the solid before.
  if (!hasResults()) result_.reset();
  if (result_) BuildTwoQuantityScene(*view(), solid_, *result_, resultVertices_, RunningGraphPen(1), RunningGraphPen(2));
}

void TwoQuantityWindow::drawSketch(QPainter& p, const SketchInput& in) { DrawTwoQuantitySketch(p, solid_, in); }

TFPrisma::TFPrisma(QWidget* owner) : TwoQuantityWindow(owner, ClassName, TwoQuantitySolid::Prism, 4) {
  spinCaption_ = new QLabel(inputArea());
  spin_ = new QSpinBox(inputArea());
  spin_->setObjectName(QStringLiteral("edSpin"));
  spin_->setRange(3, 99);
  spin_->setValue(3);
  // A stored count beyond 3 .. 99 is brought into the range, as the spinner does with any value.
  fields().addInteger(QStringLiteral("n"), [this] { return spin_->value(); }, [this](int v) { spin_->setValue(v); }, 3,
                      std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  // A new vertex count shows in the sketch at once, in the results at the next computation.
  connect(spin_, &QSpinBox::valueChanged, this, guardedSlot([this] { updateSketch(); }));
  initTopic();
}

int TFPrisma::vertices() const { return spin_ ? spin_->value() : 3; }

void TFPrisma::layoutInputs() {
  TwoQuantityWindow::layoutInputs();
  // The spinner row stands beside the first field, above the sketch.
  const QString caption = GetTextEq(IPrisma, 9);
  const FontTextMeasurer font(fonts().TextFont.font);
  spin_->setFont(fonts().TextFont.font);
  PlaceLabelEditSized(spinCaption_, spin_, sketchLeft(), edit(0)->geometry().top(),
                      font.width(caption) + ScalePixels(8), std::max(spin_->sizeHint().width(), ScalePixels(50)),
                      caption);
}

}  // namespace zw
