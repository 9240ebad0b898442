#include "shell/about/LightsOut.h"

namespace zw {

bool LightsOutBoard::isCellNumber(int number) {
  const int row = number / 10;
  const int col = number % 10;
  return number > 0 && row >= 1 && row <= 4 && col >= 1 && col <= 4;
}

LightsOutBoard::Cell LightsOutBoard::cell(int number) const {
  return isCellNumber(number) ? cells_[indexOf(number)] : Cell::Red;
}

void LightsOutBoard::toggleCellAt(int number) {
  if (!isCellNumber(number)) return;
  Cell& c = cells_[indexOf(number)];
  c = (c == Cell::Red) ? Cell::White : Cell::Red;
}

void LightsOutBoard::press(int number) {
  for (int n : {number - 10, number - 1, number, number + 1, number + 10}) toggleCellAt(n);
}

bool LightsOutBoard::solved() const {
  for (Cell c : cells_)
    if (c != cells_[0]) return false;
  return true;
}

}  // namespace zw
