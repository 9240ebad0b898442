#include "topics/space/DistanceWindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "platform/ini/IniFile.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/commands/Commands.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/space/Distances.h"

namespace zw {

namespace {
TopicConfig DistanceConfig() {
  TopicConfig c = SpaceConfig(false);
  c.pages = TopicConfig::inputAndResults(2);
  c.check = InputCheck::OneBoxLastField;
  return c;
}
}  // namespace

DistanceWindow::DistanceWindow(QWidget* owner, std::string_view className, std::initializer_list<const char*> keys,
                               int panels)
    : SpaceWindow(owner, className, DistanceConfig()) {
  QWidget* box = inputArea();
  for (int i = 0; i < panels; ++i) panels_.push_back(new QLabel(box));
  for (const char* key : keys) {
    edits_.push_back(new QLineEdit(box));
    fields().addField(QString::fromLatin1(key), edits_.back(), u'f');
  }
}

TVec3 DistanceWindow::point(int first) const {
  const auto value = [this](int i) { return fields().value(i); };
  return {value(first), value(first + 1), value(first + 2)};
}

std::array<QString, 3> DistanceWindow::texts(int first) const {
  return {edits_[first]->text(), edits_[first + 1]->text(), edits_[first + 2]->text()};
}

void DistanceWindow::cmdNew(const QString& file) {
  // The section may hold another window's keys as well: only ours go.
  if (!file.isEmpty()) {
    IniFile ini(file);
    bool changed = false;
    for (const InputField& f : fields().fields()) {
      if (!ini.hasKey(section(), f.key)) continue;
      ini.eraseKey(section(), f.key);
      changed = true;
    }
    QString error;
    if (changed && !ini.save(&error)) {
      QPointer<DistanceWindow> alive(this);
      ShowErrorBox(this, FileNotWrittenText(file, error));
      if (!alive) return;
    }
  }
  memo()->clear();
  loadInputs(file);
}

// ----- two points -------------------------------------------------------------

TFAbstPP::TFAbstPP(QWidget* owner) : DistanceWindow(owner, ClassName, {"x1", "y1", "z1", "x2", "y2", "z2"}, 4) {
  initTopic();
}

void TFAbstPP::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  PlacePointInput(panels_[0], panels_[1], edits_[0], edits_[1], edits_[2], canvas, QStringLiteral("A"),
                  m.ColLeft[1], m.RowTop[1]);
  PlacePointInput(panels_[2], panels_[3], edits_[3], edits_[4], edits_[5], canvas, QStringLiteral("B"),
                  m.ColLeft[1], m.RowTop[2]);
}

void TFAbstPP::compute() {
  setMemoLines(PointPointMemoLines(texts(0), texts(3), point(0), point(3), FontTextMeasurer(memoFont())));
}

// ----- point and line ---------------------------------------------------------

TFAbstPG::TFAbstPG(QWidget* owner)
    : DistanceWindow(owner, ClassName, {"x1", "y1", "z1", "x2", "y2", "z2", "x3", "y3", "z3"}, 5) {
  button_ = new QPushButton(inputArea());
  connect(button_, &QPushButton::clicked, this, guardedSlot([this] {
            const std::array<QLineEdit*, 6> line{edits_[3], edits_[4], edits_[5], edits_[6], edits_[7], edits_[8]};
            FillLineFromTwoPoints(*this, line, DirectionFrom::BToA, 10, edits_[3]);
          }));
  initTopic();
}

void TFAbstPG::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  PlacePointInput(panels_[0], panels_[1], edits_[0], edits_[1], edits_[2], canvas, QStringLiteral("P"),
                  m.ColLeft[1], m.RowTop[1]);
  PlaceParamLineInput(panels_[2], panels_[3], panels_[4], edits_[3], edits_[4], edits_[5], edits_[6], edits_[7],
                      edits_[8], canvas, QStringLiteral("g"), QStringLiteral("t"), m.ColLeft[1], m.RowTop[2]);
  const QRect v = edits_[6]->geometry();
  PlaceTextButton(button_, v.right() + 1 + ScalePixels(8), v.top(), GetText(IAbstPG, 3));
}

void TFAbstPG::compute() {
  setMemoLines(PointLineMemoLines(texts(0), point(0), point(3), point(6), FontTextMeasurer(memoFont())));
}

// ----- point and plane --------------------------------------------------------

TFAbstPE::TFAbstPE(QWidget* owner)
    : DistanceWindow(owner, ClassName, {"x", "y", "z", "ex", "ey", "ez", "et"}, 6) {
  initTopic();
}

void TFAbstPE::layoutInputs() {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const LayoutMetrics& m = metrics();
  PlacePointInput(panels_[0], panels_[1], edits_[0], edits_[1], edits_[2], canvas, QStringLiteral("P"),
                  m.ColLeft[1], m.RowTop[1]);
  PlacePlaneInput(panels_[2], panels_[3], panels_[4], panels_[5], edits_[3], edits_[4], edits_[5], edits_[6],
                  canvas, QStringLiteral("E : "), m.ColLeft[1], m.RowTop[2]);
}

void TFAbstPE::compute() {
  const TVec4 plane{fields().value(3), fields().value(4), fields().value(5), fields().value(6)};
  setMemoLines(PointPlaneMemoLines(texts(0), point(0), plane, FontTextMeasurer(memoFont())));
}

}  // namespace zw
