#include "shell/gridexchange/PointGridDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"

namespace zw {

PointGridDialog::PointGridDialog(QWidget* owner, PointGridDialogOptions options)
    : QDialog(owner), options_(options) {
  if (options_.toolDialog)
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  Label1 = new QLabel(this);
  Punkte = new StringGrid(this);
  Punkte->setObjectName(QStringLiteral("Punkte"));
  Punkte->setColCount(options_.coordinates + 1);
  Punkte->setRowCount(options_.points + 1);
  Punkte->setCellsCentred(true);
  Punkte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Punkte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setDefault(true);
  ESCBtn = new QPushButton(this);
  GridMenuOptions menu;
  // Of an imported file only the dialog's points and coordinates are kept.
  menu.afterImport = [rows = options_.points + 1, cols = options_.coordinates + 1](StringGrid* g) {
    GridResize(g, rows, cols);
  };
  gridMenu_ = AttachGridMenu(Punkte, std::move(menu));
  connect(OKBtn, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { okClicked(); }); });
  connect(ESCBtn, &QPushButton::clicked, this, &QDialog::reject);
  layout();
}

void PointGridDialog::layout() {
  if (inLayout_) return;
  inLayout_ = true;
  const int m = metrics().ColLeft[1];
  setWindowTitle(GetText(options_.page, 0));
  // Placed from the left; a right-to-left dialog shows them mirrored.
  UnmirrorChildren(this);
  const int gridTop = m + metrics().RowHeight + ScalePixels(4);
  SetupCoordGrid(Punkte, m, gridTop);
  const int w = 2 * m + Punkte->width() + 5;
  SetWrappedLabel(Label1, m, m, w - m, metrics().RowHeight, GetText(options_.page, 1), fonts().TextFont);
  const int bw = ScalePixels(80), bh = ScalePixels(24);
  const int top = Punkte->geometry().bottom() + 1 + ScalePixels(8);
  SetControlTextBoundsBold(OKBtn, m, top, bw, bh, QStringLiteral("OK"));
  SetControlTextBoundsBold(ESCBtn, std::max(m + bw + 4, w - m - bw), top, bw, bh, GetText(IQuit, 3));
  const int width = std::max({w, ESCBtn->geometry().right() + 1 + m, Label1->geometry().right() + 1 + m});
  // The buttons end the dialog, with the same margin below them as beside.
  setFixedSize(width, top + bh + m);
  MirrorChildren(this);
  inLayout_ = false;
}

void PointGridDialog::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  layout();
}

void PointGridDialog::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  FocusGridCell(Punkte, 1, 1);
}

void PointGridDialog::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && !options_.escapeCancels) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

Extended PointGridDialog::value(int coordinate, int point) const {
  const std::size_t i = static_cast<std::size_t>((point - 1) * options_.coordinates + coordinate - 1);
  return coordinate >= 1 && point >= 1 && i < values_.size() ? values_[i] : 0;
}

void PointGridDialog::okClicked() {
  Punkte->commitEditor();
  const int n = options_.coordinates * options_.points;
  values_.assign(static_cast<std::size_t>(n), 0);
  int firstBad = -1;
  for (int i = 0; i < n; ++i) {
    std::int32_t ok = 0;
    const int col = 1 + i % options_.coordinates, row = 1 + i / options_.coordinates;
    ReadValue(Punkte->Cells(col, row).trimmed().toStdU16String(), values_[static_cast<std::size_t>(i)], u'f', ok);
    if (ok == 0 && firstBad < 0) firstBad = i;
  }
  if (firstBad < 0) {
    pointsRead();
    accept();
    return;
  }
  QPointer<PointGridDialog> self(this);
  ShowErrorBox(this, GetMessageText(22));
  if (self) FocusGridCell(Punkte, 1 + firstBad % options_.coordinates, 1 + firstBad / options_.coordinates);
}

}  // namespace zw
