#include "topics/space/CoordSystemsWindow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "kernel/KernelState.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {
TopicConfig CoordSystemsConfig() {
  TopicConfig c = SpaceConfig(false);
  c.check = InputCheck::OneBoxLastField;
  c.memo = MemoPolicy::RunningRecord;
  return c;
}
}  // namespace

TFKoSys::TFKoSys(QWidget* owner) : SpaceWindow(owner, ClassName, CoordSystemsConfig()) {
  QWidget* box = inputArea();
  const char* const keys[3] = {"a", "b", "c"};
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(box);
    edits_[i] = new QLineEdit(box);
    fields().addField(QString::fromLatin1(keys[i]), edits_[i], u'e');
  }
  systemBox_ = new QGroupBox(box);
  unitBox_ = new QGroupBox(box);
  systemGroup_ = new QButtonGroup(this);
  unitGroup_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    systems_[i] = new QRadioButton(systemBox_);
    units_[i] = new QRadioButton(unitBox_);
    systemGroup_->addButton(systems_[i], i);
    unitGroup_->addButton(units_[i], i);
  }
  connect(systemGroup_, &QButtonGroup::idClicked, this,
          [this](int id) { runGuarded([this, id] { systemClicked(id); }); });
  connect(unitGroup_, &QButtonGroup::idClicked, this, [this](int id) { runGuarded([this, id] { unitClicked(id); }); });
  fields().addInteger(QStringLiteral("system"), [this] { return system_; }, [this](int v) { setSystem(v); }, 0, 0, 2);
  fields().addInteger(QStringLiteral("winkel"), [] { return kernelState().AngleMode; }, [this](int v) { setUnit(v); },
                      0, 0, 2);
  // The window works in radians from its creation on.
  setSystem(0);
  setUnit(1);
  initTopic();
}

void TFKoSys::initialValues() { setUnit(1); }

void TFKoSys::setSystem(int id) {
  system_ = id;
  const QSignalBlocker block(systemGroup_);
  systems_[id]->setChecked(true);
}

void TFKoSys::setUnit(int id) {
  kernelState().AngleMode = id;
  const QSignalBlocker block(unitGroup_);
  units_[id]->setChecked(true);
}

void TFKoSys::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const QString captions[3][3] = {{"x = ", "y = ", "z = "}, {"r = ", "phi = ", "Theta = "}, {"rho = ", "phi = ", "z = "}};
  const int captionWidth = canvas.width(" Theta = ") + ScalePixels(4);
  for (int i = 0; i < 3; ++i)
    PlaceLabelEdit(panels_[i], edits_[i], m.ColLeft[1], m.RowTop[1 + i], captionWidth, captions[system_][i]);
  const QRect first = edits_[0]->geometry(), last = edits_[2]->geometry();
  const int top = first.top() - static_cast<int>(0.4 * m.RowHeight);
  const int height = last.bottom() + 1 - top;
  const FontTextMeasurer bold(fonts().BoldFont.font);
  // The radio groups: 1.4 times as wide as high, the units half as wide;
  // never narrower than their captions and items need.
  const auto needed = [&](QGroupBox* g, const std::array<QRadioButton*, 3>& items, const QString& title,
                          const QStringList& texts) {
    int w = bold.width(title) + ScalePixels(24);
    for (int i = 0; i < 3; ++i) {
      items[i]->setText(texts[i]);
      items[i]->setFont(fonts().TextFont.font);
      w = std::max(w, canvas.width(texts[i]) + ScalePixels(40));
    }
    g->setTitle(title);
    g->setFont(fonts().BoldFont.font);
    return w;
  };
  const int systemWidth = std::max(static_cast<int>(1.4 * height),
                                   needed(systemBox_, systems_, GetText(IKoSys, 2),
                                          {GetText(IKoSys, 3), GetText(IKoSys, 4), GetText(IKoSys, 5)}));
  const int unitWidth =
      std::max(static_cast<int>(0.7 * height), needed(unitBox_, units_, GetText(IRange, 19), {" DEG", " RAD", " GON"}));
  const int left = first.right() + 1 + m.ColLeft[1];
  systemBox_->setGeometry(left, top, systemWidth, height);
  unitBox_->setGeometry(left + systemWidth + m.ColLeft[1], top, unitWidth, height);
  const int itemTop = QFontMetrics(fonts().BoldFont.font).height() + ScalePixels(2);
  const int itemStep = std::max(1, (height - itemTop - ScalePixels(4)) / 3);
  for (int i = 0; i < 3; ++i) {
    systems_[i]->setGeometry(ScalePixels(8), itemTop + i * itemStep, systemWidth - ScalePixels(12), itemStep);
    units_[i]->setGeometry(ScalePixels(8), itemTop + i * itemStep, unitWidth - ScalePixels(12), itemStep);
  }
}

bool TFKoSys::readPoint() {
  std::array<Extended, 3> c{};
  QLineEdit* bad = nullptr;
  for (int i = 0; i < 3; ++i) {
    std::int32_t ok = 0;
    ReadValue(edits_[i]->text().trimmed().toStdU16String(), c[i], u'e', ok);
    if (!ok) bad = edits_[i];
  }
  if (bad) return rejectInput(bad);
  point_ = ToCartesian(static_cast<CoordSystem>(system_), c);
  return true;
}

void TFKoSys::showInSystem() {
  const CoordSystem s = static_cast<CoordSystem>(system_);
  const auto values = FromCartesian(s, point_);
  const auto captions = SystemCaptions(s);
  for (int i = 0; i < 3; ++i) {
    panels_[i]->setText(" " + captions[i]);
    edits_[i]->setText(Q(FormatReal(8, values[i])));
  }
}

void TFKoSys::systemClicked(int id) {
  if (id == system_) return;
  if (!readPoint()) return setSystem(system_);
  system_ = id;
  showInSystem();
}

void TFKoSys::unitClicked(int id) {
  if (id == kernelState().AngleMode) return;
  if (!readPoint()) return setUnit(std::clamp(kernelState().AngleMode, 0, 2));
  kernelState().AngleMode = id;
  showInSystem();
}

void TFKoSys::compute() {
  const std::array<Extended, 3> c{fields().value(0), fields().value(1), fields().value(2)};
  point_ = ToCartesian(static_cast<CoordSystem>(system_), c);
  const int unit = kernelState().AngleMode;
  const bool same = system_ == lastSystem_ && unit == lastUnit_ && point_.x == lastPoint_.x &&
                    point_.y == lastPoint_.y && point_.z == lastPoint_.z;
  if (same) return;
  lastSystem_ = system_;
  lastUnit_ = unit;
  lastPoint_ = point_;
  appendMemoLines(CoordBlockLines(point_));
}

}  // namespace zw
