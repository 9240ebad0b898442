#pragma once
// The lights-out game of the status line: a 4 x 4 board of red and white
// cells; a click changes a cell and its neighbours, and the aim is one colour
// everywhere. A new position is dealt whenever the window becomes active and
// by the new-game button, which is enabled only while the board is solved.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "shell/about/LightsOut.h"

namespace zw {

class TFlipFlop : public QDialog {
  Q_OBJECT
public:
  explicit TFlipFlop(QWidget* owner);

  const LightsOutBoard& board() const { return board_; }
  // Replaces the position (tests) and shows it.
  void setBoard(const LightsOutBoard& board);
  // A click on the cell with that number (10 * row + column).
  void clickCell(int number);
  void newGame();

  QPushButton* newGameButton() const { return button1_; }
  QFrame* cellWidget(int number) const;
  QLabel* instructionLabel(int i) const { return labels_[i - 1]; }

  // The instruction and button texts of the current language.
  static QString instructionText(int item);

protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

private:
  void showBoard();
  void retranslate();

  LightsOutBoard board_;
  std::array<QFrame*, 16> cells_{};
  std::array<QLabel*, 3> labels_{};
  QPushButton* button1_ = nullptr;
};

}  // namespace zw
