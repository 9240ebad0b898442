#pragma once
// The 4 x 4 lights-out board of the status-line game. A cell number is
// 10 * row + column with rows and columns 1..4, so the neighbours of n are
// n - 10, n - 1, n + 1 and n + 10; numbers that name no cell (10, 15, 45, ...)
// are ignored, which gives the edges without wrap-around.
#include <array>
#include <cstdint>
#include <random>

namespace zw {

class LightsOutBoard {
public:
  enum class Cell : std::uint8_t { Red, White };

  LightsOutBoard() { cells_.fill(Cell::Red); }

  static bool isCellNumber(int number);
  Cell cell(int number) const;  // a number that is no cell reads as Red

  // Red becomes white, anything else red.
  void toggleCellAt(int number);
  // A click: the cell and its horizontal and vertical neighbours.
  void press(int number);
  // All 16 cells red, or all white.
  bool solved() const;

  // A new position: all red, then 100 presses at uniformly chosen cells.
  template <class Rng>
  void deal(Rng& rng) {
    cells_.fill(Cell::Red);
    std::uniform_int_distribution<int> pick(0, 3);
    for (int i = 0; i < 100; ++i) {
      const int a = pick(rng);
      const int b = pick(rng);
      press(10 * a + b + 11);
    }
  }

private:
  static int indexOf(int number) { return (number / 10 - 1) * 4 + (number % 10 - 1); }
  std::array<Cell, 16> cells_{};
};

}  // namespace zw
