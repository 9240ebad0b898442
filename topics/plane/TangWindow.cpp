#include "topics/plane/TangWindow.h"

#include "shell/help/Help.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "kernel/CheckedInput.h"
#include "kernel/TextSigns.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/plane/PlaneWindowKit.h"
#include "topics/plane/TangFigures.h"

namespace zw {

namespace {

const char* const kKeys[9] = {"x1", "y1", "r1", "x2", "y2", "r2", "a", "b", "c"};

ChartPageOptions Options() {
  ChartPageOptions o;
  o.maxVis = 6;
  // The task's range, grid and colours come back after the dialog.
  o.afterDialog = AfterChartDialog::Rebuild;
  return o;
}

// The fields each task reads, in order.
std::vector<int> FieldsOf(int task) {
  switch (task) {
    case 1: return {0, 1, 3, 4};
    case 2: return {0, 1, 2, 3, 4};
    case 3: return {0, 1, 2, 6, 7, 8};
    default: return {0, 1, 2, 3, 4, 5};
  }
}

}  // namespace

TFTang::TFTang(QWidget* owner) : ChartTopicWindow(owner, ClassName, PlaneChartConfig(), Options()) {
  taskBox_ = new QGroupBox(inputArea());
  tasks_ = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    auto* rb = new QRadioButton(taskBox_);
    tasks_->addButton(rb, i + 1);
  }
  connect(tasks_, &QButtonGroup::idClicked, this, [this](int id) { runGuarded([this, id] { setTask(id); }); });
  for (int i = 0; i < 9; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("Edit%1%2").arg(i / 3 + 1).arg(i % 3 + 1));
    // Read by the task (only its visible fields); stored as typed.
    fields().addField(QString::fromLatin1(kKeys[i]), e, 0).longest =
        QString::fromStdU16String(LongestAcceptedNumber(i == 2 || i == 5 ? u'p' : u'e', u','));
  }
  for (auto& c : captions_) c = new QLabel(inputArea());
  fields().addInteger(QStringLiteral("type"), [this] { return fall_; }, [this](int v) { setTask(v); }, 1, 1, 4);
  QWidget* box = contentBox(chartPage().options().pageIndex);
  for (int j = 1; j <= 4; ++j) {
    auto* b = labels_[std::size_t(j - 1)] = new QPushButton(QStringLiteral(" t%1").arg(j), box);
    b->setObjectName(QStringLiteral("edCol%1").arg(j));
    b->setCheckable(true);  // checked: the construction lines of this tangent
    b->setFlat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setVisible(false);
    // A checked (framed) label shows the construction lines of its tangent.
    connect(b, &QPushButton::toggled, this, [this] { runGuarded([this] { chartPage().drawChart(); }); });
  }
  addChartKeys();
  setTask(4);
  initTopic();
}

void TFTang::setTask(int task) {
  fall_ = task;
  if (QAbstractButton* b = tasks_->button(fall_)) b->setChecked(true);
  setupTaskInputs();
}

void TFTang::setupTaskInputs() {
  // Row 1: the circle k (k1), with its radius from task 2 on. Row 2: the
  // point B or P, the line g, or the circle k2.
  const bool point2 = fall_ != 3, line = fall_ == 3;
  edits_[2]->setVisible(fall_ != 1);
  for (int i = 3; i < 5; ++i) edits_[std::size_t(i)]->setVisible(point2);
  edits_[5]->setVisible(fall_ == 4);
  for (int i = 6; i < 9; ++i) edits_[std::size_t(i)]->setVisible(line);
  captions_[2]->setVisible(point2);
  captions_[3]->setVisible(point2);
  for (int i = 4; i < 7; ++i) captions_[std::size_t(i)]->setVisible(line);
  relayout();
}

void TFTang::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = m.ColLeft[1];
  for (int i = 0; i < 4; ++i) tasks_->button(i + 1)->setText(GetText(ITang, 2 + i));
  taskBox_->setFont(fonts().TextFont.font);
  // As wide as the input area less the margins on both sides, and at least
  // as wide as the longest task text.
  const FontTextMeasurer text(fonts().TextFont.font);
  int least = 0;
  for (int i = 0; i < 4; ++i) least = std::max(least, text.width(GetText(ITang, 2 + i)) + ScalePixels(48));
  placeStretched(taskBox_, QRect(left, 0, least, 5 * m.RowHeight), left);
  const int boxW = taskBox_->width();
  for (int i = 0; i < 4; ++i)
    tasks_->button(i + 1)->setGeometry(ScalePixels(8), ScalePixels(4) + i * m.RowHeight * 5 / 4, boxW - ScalePixels(16),
                                       m.RowHeight);
  const int top1 = 5 * m.RowHeight + ScalePixels(8), top2 = top1 + m.RowHeight + ScalePixels(6);
  const QString first = fall_ == 4 ? QStringLiteral(" k1 :  M( ") : QStringLiteral("  k :  M( ");
  const QString second = fall_ == 1 ? QStringLiteral("B( ") : fall_ == 2 ? QStringLiteral("P( ") : QStringLiteral(" k2 :  M( ");
  // The fields of both rows stand one under the other.
  const int captionWidth = std::max(text.width(first), text.width(second));
  PlacePointRadiusLabels(captions_[0], captions_[1], edits_[0], edits_[1], fall_ == 1 ? nullptr : edits_[2], first,
                         captionWidth, left, top1);
  if (fall_ == 3)
    PlaceLineInputLabels(captions_[4], captions_[5], captions_[6], edits_[6], edits_[7], edits_[8],
                         QStringLiteral(" g : "), left, top2);
  else
    PlacePointRadiusLabels(captions_[2], captions_[3], edits_[3], edits_[4], fall_ == 4 ? edits_[5] : nullptr, second,
                           captionWidth, left, top2);
}

void TFTang::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  if (index != chartPage().options().pageIndex) return;
  // The tangent labels stand right of the chart, one row apart.
  const int row = metrics().RowHeight;
  TVIrada& c = chartPage().chart();
  QRect g = c.geometry();
  g.setWidth(std::max(0, g.width() - row * 3 / 2));
  c.setGeometry(g);
  for (int j = 0; j < 4; ++j) {
    QPushButton* b = labels_[std::size_t(j)];
    b->setGeometry(g.right() + 2, g.top() + c.MarginTop() + j * row, row * 3 / 2 - 4, row - 2);
    QPalette p = b->palette();
    const TColor col = chartPage().color(j + 3);
    p.setColor(QPalette::ButtonText, QColor(int(col & 0xFF), int((col >> 8) & 0xFF), int((col >> 16) & 0xFF)));
    b->setPalette(p);
  }
  SetAspect11(c);
}

bool TFTang::readInputs() {
  bool ok = true;
  std::array<Extended, 9> v{};
  for (int i : FieldsOf(fall_)) {
    std::int32_t pass = 0;
    const bool radius = i == 2 || i == 5;
    ReadValue(edits_[std::size_t(i)]->text().toStdU16String(), v[std::size_t(i)], radius ? u'p' : u'e', pass);
    if (radius && pass && !(v[std::size_t(i)] > 0)) pass = 0;
    if (!pass) {
      ok = false;
      rejectInput(edits_[std::size_t(i)], 22);  // one box per bad field
    }
  }
  if (!ok) return false;
  in_.task = fall_;
  in_.m = {v[0], v[1]};
  in_.r = v[2];
  in_.q = {v[3], v[4]};
  in_.r2 = v[5];
  in_.g = {v[6], v[7], v[8]};
  return true;
}

void TFTang::compute() {
  chartPage().setRebuildPending(true);
  for (QPushButton* b : labels_) b->setVisible(false);
  res_ = SolveTangents(in_, FontTextMeasurer(memoFont()));
  for (int j = 1; j <= 4; ++j) labels_[std::size_t(j - 1)]->setVisible(res_.shown[std::size_t(j)]);
  setMemoLines(res_.memo);
}

ChartRange TFTang::chartRange() {
  // Every set-up of the chart switches the construction lines off.
  for (QPushButton* b : labels_) {
    const QSignalBlocker block(b);
    b->setChecked(false);
  }
  ChartRange r;
  TangRange(in_, res_, r.xLo, r.yLo, r.xHi, r.yHi);
  return r;
}

void TFTang::drawFigures(TVIrada& chart) {
  std::array<bool, 5> construction{};
  for (int j = 1; j <= 4; ++j) construction[std::size_t(j)] = labels_[std::size_t(j - 1)]->isChecked();
  DrawTangFigures(chart, res_, chartPage().pens(), construction);
}

void TFTang::graphHints(std::array<QString, 13>& hints) {
  for (int i = 3; i <= 6; ++i) hints[std::size_t(i)] = QStringLiteral("--");
  auto t = [](int j) { return QStringLiteral("t") + QString::fromStdU16String(ksym::SubScriptDigits(j)); };
  auto k = [](int j) { return QStringLiteral("k") + QString::fromStdU16String(ksym::SubScriptDigits(j)); };
  QStringList h;
  switch (res_.task) {
    case 1: h = {"k", "t"}; break;
    case 2: h = {"k", t(1), t(2)}; break;
    case 3: h = {"k", "g", t(1), t(2)}; break;
    default: h = {k(1), k(2), t(1), t(2), t(3), t(4)}; break;
  }
  for (int i = 0; i < h.size(); ++i) hints[std::size_t(i + 1)] = h[i];
}

void TFTang::cmdHelp() { ShowWebHelp(HelpContextOf(ITang) + std::max(0, currentPage())); }

}  // namespace zw
