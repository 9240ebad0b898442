#include "shell/about/FlipFlopDialog.h"

#include <QEvent>
#include <QMouseEvent>
#include <chrono>
#include <random>

#include "shell/State.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {
const QColor kRed(0xd0, 0x20, 0x20);
}

TFlipFlop::TFlipFlop(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TFlipFlop"));
  setFixedSize(272, 276);
  for (int i = 0; i < 3; ++i) {
    labels_[i] = new QLabel(this);
    labels_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    labels_[i]->setGeometry(8, 8 + 17 * i, 256, 17);
    labels_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  }
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) {
      QFrame* cell = new QFrame(this);
      cell->setObjectName(QStringLiteral("pan%1%2").arg(r).arg(c));
      cell->setFrameStyle(QFrame::Panel | QFrame::Raised);
      cell->setAutoFillBackground(true);
      cell->setGeometry(56 + 40 * (c - 1), 72 + 40 * (r - 1), 40, 40);
      cell->installEventFilter(this);
      cells_[(r - 1) * 4 + (c - 1)] = cell;
    }
  button1_ = new QPushButton(this);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setGeometry(56, 238, 160, 25);
  connect(button1_, &QPushButton::clicked, this, &TFlipFlop::newGame);
  retranslate();
  showBoard();
}

QString TFlipFlop::instructionText(int item) {
  // The external languages keep the built-in English texts as they are.
  if (shellState().LanguageKind <= 2) return GetTextSpaced(IFlipFlop, item);
  return EnglishText(IFlipFlop, item);
}

void TFlipFlop::retranslate() {
  setWindowTitle(GetText(IFlipFlop, 0));
  for (int i = 0; i < 3; ++i) labels_[i]->setText(instructionText(i + 1));
  button1_->setText(instructionText(4));
}

QFrame* TFlipFlop::cellWidget(int number) const {
  if (!LightsOutBoard::isCellNumber(number)) return nullptr;
  return cells_[(number / 10 - 1) * 4 + (number % 10 - 1)];
}

void TFlipFlop::showBoard() {
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) {
      QFrame* cell = cellWidget(10 * r + c);
      QPalette pal = cell->palette();
      pal.setColor(QPalette::Window, board_.cell(10 * r + c) == LightsOutBoard::Cell::Red ? kRed : Qt::white);
      cell->setPalette(pal);
    }
}

void TFlipFlop::setBoard(const LightsOutBoard& board) {
  board_ = board;
  showBoard();
}

void TFlipFlop::newGame() {
  std::mt19937 rng(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
  board_.deal(rng);
  button1_->setEnabled(false);
  showBoard();
}

void TFlipFlop::clickCell(int number) {
  if (!LightsOutBoard::isCellNumber(number)) return;
  board_.press(number);
  if (board_.solved()) button1_->setEnabled(true);
  showBoard();
}

bool TFlipFlop::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) newGame();
  if (e->type() == QEvent::LanguageChange) retranslate();
  return QDialog::event(e);
}

bool TFlipFlop::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress) {
    const auto* me = static_cast<QMouseEvent*>(e);
    if (me->button() == Qt::LeftButton) {
      for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
          if (watched == cellWidget(10 * r + c)) {
            clickCell(10 * r + c);
            return true;
          }
    }
  }
  return QDialog::eventFilter(watched, e);
}

}  // namespace zw
