#include "topics/space/SpaceDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/commands/Commands.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

PointGridDialogOptions GridDialog(TTextIndex page, int points) {
  PointGridDialogOptions o;
  o.page = page;
  o.coordinates = 3;
  o.points = points;
  o.escapeCancels = false;
  o.toolDialog = true;
  return o;
}

// Shows a new dialog modally through `run` (or exec), takes its answer and
// frees it. None when it was cancelled, or when its owner (and the dialog
// with it) went away meanwhile.
template <class D, class Answer>
std::optional<Answer> Ask(QWidget* owner, const std::function<int(D*)>& run, Answer (*answerOf)(const D&)) {
  QPointer<QWidget> alive(owner);
  QPointer<D> dialog(new D(owner));
  const bool ok = (run ? run(dialog.data()) : dialog->exec()) == QDialog::Accepted;
  if (!dialog || (owner && !alive)) return std::nullopt;
  const Answer answer = answerOf(*dialog);
  delete dialog.data();
  if (!ok) return std::nullopt;
  return answer;
}

}  // namespace

TFGetAB3D::TFGetAB3D(QWidget* owner) : PointGridDialog(owner, GridDialog(IGetAB, 2)) {
  setObjectName(QStringLiteral("FGetAB3D"));
}

void TFGetAB3D::pointsRead() {
  p1 = {value(1, 1), value(2, 1), value(3, 1)};
  p2 = {value(1, 2), value(2, 2), value(3, 2)};
}

TFGetABC::TFGetABC(QWidget* owner) : PointGridDialog(owner, GridDialog(IGetABC, 3)) {
  setObjectName(QStringLiteral("FGetABC"));
}

void TFGetABC::pointsRead() {
  p1 = {value(1, 1), value(2, 1), value(3, 1)};
  p2 = {value(1, 2), value(2, 2), value(3, 2)};
  p3 = {value(1, 3), value(2, 3), value(3, 3)};
}

TFGetVGl::TFGetVGl(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("FGetVGl"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  Label1 = new QLabel(this);
  for (auto& c : captions_) c = new QLabel(this);
  static const char* const names[9] = {"Epx", "Epy", "Epz", "Eux", "Euy", "Euz", "Evx", "Evy", "Evz"};
  for (int i = 0; i < 9; ++i) {
    auto* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(names[i]));
  }
  OkBtn = new QPushButton(QStringLiteral("OK"), this);
  OkBtn->setDefault(true);
  ESCBtn = new QPushButton(this);
  connect(OkBtn, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { okClicked(); }); });
  connect(ESCBtn, &QPushButton::clicked, this, &QDialog::reject);
  layout();
}

void TFGetVGl::layout() {
  if (inLayout_) return;
  inLayout_ = true;
  const int m = metrics().ColLeft[1];
  setWindowTitle(GetText(IGetVGl, 0));
  UnmirrorChildren(this);
  const int top = m + metrics().RowHeight + ScalePixels(4);
  PlacePlaneVectorInput(captions_[0], captions_[1], captions_[2], captions_[3], edits_[0], edits_[1], edits_[2],
                        edits_[3], edits_[4], edits_[5], edits_[6], edits_[7], edits_[8], QStringLiteral("E"),
                        QStringLiteral("r"), QStringLiteral("s"), m, top);
  const int right = edits_[6]->geometry().right() + 1;
  const int w = right + m;
  SetWrappedLabel(Label1, m, m, w - 2 * m, metrics().RowHeight, GetText(IGetVGl, 1), fonts().TextFont);
  const int bw = ScalePixels(80), bh = ScalePixels(24);
  const int buttons = edits_[8]->geometry().bottom() + 1 + ScalePixels(8);
  SetControlTextBoundsBold(OkBtn, m, buttons, bw, bh, QStringLiteral("OK"));
  SetControlTextBoundsBold(ESCBtn, std::max(m + bw + 4, w - m - bw), buttons, bw, bh, GetText(IQuit, 3));
  const int width = std::max({w, ESCBtn->geometry().right() + 1 + m, Label1->geometry().right() + 1 + m});
  // The buttons end the dialog, with the same margin below them as beside.
  setFixedSize(width, buttons + bh + m);
  MirrorChildren(this);
  inLayout_ = false;
}

void TFGetVGl::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  layout();
}

void TFGetVGl::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  edits_[0]->setFocus(Qt::OtherFocusReason);
}

void TFGetVGl::okClicked() {
  std::array<Extended, 9> x{};
  int firstBad = -1;
  for (int i = 0; i < 9; ++i) {
    std::int32_t ok = 0;
    ReadValue(edits_[static_cast<std::size_t>(i)]->text().trimmed().toStdU16String(), x[static_cast<std::size_t>(i)],
              u'e', ok);
    if (ok == 0 && firstBad < 0) firstBad = i;
  }
  if (firstBad < 0) {
    p = {x[0], x[1], x[2]};
    u = {x[3], x[4], x[5]};
    v = {x[6], x[7], x[8]};
    accept();
    return;
  }
  QPointer<TFGetVGl> self(this);
  ShowErrorBox(this, GetMessageText(22));
  if (!self) return;
  QLineEdit* bad = edits_[static_cast<std::size_t>(firstBad)];
  bad->setFocus(Qt::OtherFocusReason);
  bad->selectAll();
}

std::optional<TwoPoints3> AskTwoPoints3D(QWidget* owner, const std::function<int(TFGetAB3D*)>& run) {
  return Ask<TFGetAB3D, TwoPoints3>(owner, run, [](const TFGetAB3D& d) { return TwoPoints3{d.p1, d.p2}; });
}

std::optional<ThreePoints3> AskThreePoints3D(QWidget* owner, const std::function<int(TFGetABC*)>& run) {
  return Ask<TFGetABC, ThreePoints3>(owner, run,
                                     [](const TFGetABC& d) { return ThreePoints3{d.p1, d.p2, d.p3}; });
}

std::optional<VectorEquation3> AskPlaneVectorEquation(QWidget* owner, const std::function<int(TFGetVGl*)>& run) {
  return Ask<TFGetVGl, VectorEquation3>(owner, run,
                                        [](const TFGetVGl& d) { return VectorEquation3{d.p, d.u, d.v}; });
}

}  // namespace zw
