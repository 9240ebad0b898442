#include "topics/analysis/PolyTopicWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QApplication>
#include <QCheckBox>

#include "kernel/CalcFailure.h"
#include "kernel/PolyText.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

TopicConfig polyConfig() {
  TopicConfig c;
  c.pages = TopicConfig::singlePage();
  c.save = SavePolicy::NonEmptyTrimmed;
  // The topics decide themselves when the memo changes: a constant
  // polynomial leaves it as it was.
  c.memo = MemoPolicy::RunningRecord;
  c.taskLines = 2;
  return c;
}

}  // namespace

PolyTopicWindow::PolyTopicWindow(QWidget* owner, std::string_view className, PolyWindowSpec spec)
    : TopicWindow(owner, className, polyConfig()), spec_(spec) {
  QWidget* box = inputArea();
  form_ = new QLabel(box);
  form_->setText(QStringLiteral("   ") + PolyGeneralForm(spec.polynomials == 2));
  QFont italic = form_->font();
  italic.setItalic(true);
  form_->setFont(italic);
  grid_ = new PolyGrid(box, spec.polynomials, spec.rowHeads, clipboard_);
  grid_->setObjectName(QStringLiteral("sgKoeff"));
  // Keys "a9" … "a0" (and "b9" … "b0" for the second row).
  fields().addGrid(grid_, &PolyGrid::cellKey);
  // computeNow runs through the guard: a bad cell is one box, never an
  // exception out of the event loop.
  if (spec.decimalBox) {
    decimalCaption_ = new QLabel(box);
    decimal_ = new QCheckBox(box);
    decimal_->setObjectName(QStringLiteral("cbxDezimal"));
    connect(decimal_, &QCheckBox::toggled, this, [this] { computeNow(); });
  }
  connect(grid_, &PolyGrid::cellClicked, this, [this] { computeNow(); });
  connect(grid_, &PolyGrid::leftGrid, this, guardedSlot([this] { leftGrid(); }));
  connect(grid_, &PolyGrid::enterPressed, this, [this] { computeNow(); });
  if (spec.tabComputes) connect(grid_, &PolyGrid::tabPressed, this, [this] { computeNow(); });
}

void PolyTopicWindow::leftGrid() {
  // Only a move to another control of this window counts: an error box, a
  // menu, another window or closing this one are no reason to compute.
  QWidget* now = QApplication::focusWidget();
  if (!now || !isAncestorOf(now)) return;
  // Leaving the grid is no request for a result: with a bad input it says
  // nothing, so that the user can always go on to another control (OK,
  // Abbrechen, a factor field) and gets one box from that action.
  if (inputsReadable()) computeNow();
}

bool PolyTopicWindow::inputsReadable() const {
  try {
    for (int row = 1; row <= spec_.polynomials; ++row) grid_->polynomial(row);
    readExtraInputs();
  } catch (const CalcFailure&) {
    return false;
  }
  return true;
}

bool PolyTopicWindow::decimal() const { return decimal_ && decimal_->isChecked(); }

void PolyTopicWindow::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  placeStretched(form_, QRect(left, 0, form_->sizeHint().width(), m.RowHeight), 0);
  int top = m.RowHeight + ScalePixels(4);
  grid_->place(left, top);
  int bottom = grid_->geometry().bottom() + 1;
  if (decimal_) {
    const QString caption = GetText(IPolDiv, 6) + QStringLiteral(" ");
    const int w = FontTextMeasurer(decimalCaption_->font()).width(caption);
    const int right = grid_->geometry().right();
    decimal_->setGeometry(right - ScalePixels(16), bottom + ScalePixels(4), ScalePixels(18), m.RowHeight);
    decimalCaption_->setText(caption);
    decimalCaption_->setGeometry(decimal_->x() - w - ScalePixels(4), bottom + ScalePixels(4), w, m.RowHeight);
    bottom = decimal_->geometry().bottom() + 1;
  }
  layoutExtraInputs(bottom + ScalePixels(4));
  bottom += extraInputsHeight();
  const int memoTop = bottom + ScalePixels(8);
  memo()->setFont(memoFont());
  placeStretched(memo(), QRect(left, memoTop, grid_->geometry().right() + 1 - left, m.RowHeight * 3), left,
                 ScalePixels(8));
}

bool PolyTopicWindow::readInputs() {
  // A bad cell or field throws InputRejected with its key: the frame shows
  // the box and makes it current.
  std::vector<TPoly> polys;
  for (int row = 1; row <= spec_.polynomials; ++row) polys.push_back(grid_->polynomial(row));
  readExtraInputs();
  polys_ = std::move(polys);
  return true;
}

void PolyTopicWindow::showResult(const std::optional<PolyComputation>& result) {
  if (!result) return;
  setMemoLines(result->lines);
  if (result->clipboard) PolyCopyToClipboard(*result->clipboard, clipboard_);
}

void PolyTopicWindow::afterLoad() { computeNow(); }

}  // namespace zw
