#pragma once
// A minimal dense grid with the interface the surface plot uses of the
// numeric components' TMatrix and TIntMatrix (1-based Elem/SetElem, Resize,
// Fill, MinMax, OnChange). It stands in for them until the chart library may
// depend on the numeric components; the names match, so the switch is a type
// change.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace zw {

template <class T>
class TPlotGrid {
public:
  std::int32_t NrOfColumns() const { return FNCol; }
  std::int32_t NrOfRows() const { return FNRow; }
  T Elem(std::int32_t Col, std::int32_t Row) const {
    return inside(Col, Row) ? cells_[index(Col, Row)] : T{};
  }
  void SetElem(std::int32_t Col, std::int32_t Row, T value) {
    if (!inside(Col, Row)) return;
    cells_[index(Col, Row)] = value;
    Changed();
  }
  // Cells inside both shapes keep their values; new cells are 0.
  bool Resize(std::int32_t Nc, std::int32_t Nr) {
    if (Nc < 1 || Nr < 1) return false;
    std::vector<T> next(static_cast<size_t>(Nc) * static_cast<size_t>(Nr), T{});
    for (std::int32_t c = 1; c <= std::min(Nc, FNCol); ++c)
      for (std::int32_t r = 1; r <= std::min(Nr, FNRow); ++r)
        next[static_cast<size_t>(c - 1) * static_cast<size_t>(Nr) + static_cast<size_t>(r - 1)] = Elem(c, r);
    cells_.swap(next);
    FNCol = Nc;
    FNRow = Nr;
    Changed();
    return true;
  }
  void Fill(T value) {
    std::fill(cells_.begin(), cells_.end(), value);
    Changed();
  }
  void MinMax(std::int32_t LowCol, std::int32_t LowRow, std::int32_t HighCol, std::int32_t HighRow, T& Minimum,
              T& Maximum) const {
    if (LowCol > HighCol) std::swap(LowCol, HighCol);
    if (LowRow > HighRow) std::swap(LowRow, HighRow);
    LowCol = std::max(LowCol, 1), LowRow = std::max(LowRow, 1);
    HighCol = std::min(HighCol, FNCol), HighRow = std::min(HighRow, FNRow);
    Minimum = static_cast<T>(1.7e38 > static_cast<double>(std::numeric_limits<T>::max())
                                 ? std::numeric_limits<T>::max() : 1.7e38);
    Maximum = -Minimum;
    for (std::int32_t c = LowCol; c <= HighCol; ++c)
      for (std::int32_t r = LowRow; r <= HighRow; ++r) {
        const T v = cells_[index(c, r)];
        Minimum = std::min(Minimum, v);
        Maximum = std::max(Maximum, v);
      }
  }

  std::function<void()> OnChange;

private:
  bool inside(std::int32_t c, std::int32_t r) const { return c >= 1 && c <= FNCol && r >= 1 && r <= FNRow; }
  size_t index(std::int32_t c, std::int32_t r) const {
    return static_cast<size_t>(c - 1) * static_cast<size_t>(FNRow) + static_cast<size_t>(r - 1);
  }
  void Changed() {
    if (OnChange) OnChange();
  }
  std::int32_t FNCol = 1, FNRow = 1;
  std::vector<T> cells_ = std::vector<T>(1, T{});
};

}  // namespace zw
