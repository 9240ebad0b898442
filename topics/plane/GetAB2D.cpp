#include "topics/plane/GetAB2D.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

TFGetAB2D::TFGetAB2D(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("FGetAB2D"));
  Label1 = new QLabel(this);
  Punkte = new StringGrid(this);
  Punkte->setObjectName(QStringLiteral("Punkte"));
  Punkte->setColCount(3);
  Punkte->setRowCount(3);
  Punkte->setCellsCentred(true);
  Punkte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Punkte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  ESCBtn = new QPushButton(this);
  GridMenuOptions menu;
  // Only A and B with x and y are kept of an imported file.
  menu.afterImport = [](StringGrid* g) { GridResize(g, 3, 3); };
  gridMenu_ = AttachGridMenu(Punkte, std::move(menu));
  connect(OKBtn, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { okClicked(); }); });
  connect(ESCBtn, &QPushButton::clicked, this, &QDialog::reject);
  layout();
}

void TFGetAB2D::layout() {
  if (inLayout_) return;
  inLayout_ = true;
  const int m = metrics().ColLeft[1];
  setWindowTitle(GetText(IGetAB, 0));
  const int gridTop = m + metrics().RowHeight + ScalePixels(4);
  SetupPointGrid(Punkte, m, gridTop);
  // Cells as wide as the widest number a cell accepts.
  const QString widest = QString::fromStdU16String(LongestAcceptedNumber(u'f', u','));
  SetupCoordGridSized(Punkte, m, gridTop, std::max(metrics().GridColWidth, GridCellWidthFor(widest)));
  const int gridWidth = Punkte->width();
  const int w = 2 * m + gridWidth + 5;
  SetWrappedLabel(Label1, m, m, w - m, metrics().RowHeight, GetText(IGetAB, 1), fonts().TextFont);
  const int bw = ScalePixels(80), bh = ScalePixels(24);
  const int top = Punkte->geometry().bottom() + 1 + ScalePixels(8);
  SetControlTextBoundsBold(OKBtn, m, top, bw, bh, QStringLiteral("OK"));
  SetControlTextBoundsBold(ESCBtn, std::max(m + bw + 4, w - m - bw), top, bw, bh, GetText(IQuit, 3));
  const int width = std::max(w, ESCBtn->geometry().right() + 1 + m);
  // The buttons end the dialog, with the same margin below them as beside.
  setFixedSize(width, top + bh + m);
  inLayout_ = false;
}

void TFGetAB2D::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  layout();
}

void TFGetAB2D::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FocusGridCell(Punkte, 1, 1);
}

void TFGetAB2D::okClicked() {
  Extended v[4] = {};
  bool bad[4] = {};
  bool anyBad = false;
  for (int i = 0; i < 4; ++i) {
    std::int32_t ok = 0;
    ReadValue(Punkte->Cells(1 + i % 2, 1 + i / 2).trimmed().toStdU16String(), v[i], u'f', ok);
    bad[i] = ok == 0;
    anyBad |= bad[i];
  }
  if (!anyBad) {
    p1 = {v[0], v[1]};
    p2 = {v[2], v[3]};
    accept();
    return;
  }
  QPointer<TFGetAB2D> self(this);
  ShowErrorBox(this, GetMessageText(22));
  if (!self) return;
  for (int i = 0; i < 4; ++i)
    if (bad[i]) {
      FocusGridCell(Punkte, 1 + i % 2, 1 + i / 2);
      break;
    }
}

bool AskLineByTwoPoints(QWidget* owner, LineABC& line, const std::function<int(TFGetAB2D*)>& run) {
  QPointer<QWidget> alive(owner);
  auto* dlg = new TFGetAB2D(owner);
  const bool ok = (run ? run(dlg) : dlg->exec()) == QDialog::Accepted;
  const TVec2 a = dlg->p1, b = dlg->p2;
  delete dlg;
  if (!ok || !alive) return false;
  line = LineThroughPoints(a, b);
  return true;
}

}  // namespace zw
