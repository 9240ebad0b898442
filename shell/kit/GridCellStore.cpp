#include "shell/kit/GridCellStore.h"

#include <algorithm>

namespace zw {

QStringList PackedRow::toList() const {
  QStringList out;
  out.reserve(count());
  for (int k = 0; k < count(); ++k) out.append(item(k).toString());
  return out;
}

void GridCellStore::setRowCount(int n) { rows_.resize(size_t(std::max(0, n))); }

void GridCellStore::truncateColumns(int n) {
  n = std::max(0, n);
  for (Row& r : rows_) {
    if (r.unpacked) {
      if (int(r.cells.size()) > n) r.cells.resize(size_t(n));
    } else if (r.packed.count() > n) {
      r.packed.text.truncate(n == 0 ? 0 : qsizetype(r.packed.ends[size_t(n - 1)]));
      r.packed.ends.resize(size_t(n));
    }
  }
}

QStringView GridCellStore::cellView(int col, int row) const {
  if (row < 0 || row >= rowCount() || col < 0) return {};
  const Row& r = rows_[size_t(row)];
  if (r.unpacked) return col < int(r.cells.size()) ? QStringView(r.cells[size_t(col)]) : QStringView();
  return col < r.packed.count() ? r.packed.item(col) : QStringView();
}

void GridCellStore::setCell(int col, int row, const QString& text) {
  if (row < 0 || row >= rowCount() || col < 0) return;
  Row& r = rows_[size_t(row)];
  if (!r.unpacked) {
    r.cells.reserve(size_t(r.packed.count()));
    for (int k = 0; k < r.packed.count(); ++k) r.cells.push_back(r.packed.item(k).toString());
    r.packed.clear();
    r.packed.ends.shrink_to_fit();
    r.unpacked = true;
  }
  if (col >= int(r.cells.size())) {
    if (text.isEmpty()) return;  // an empty cell beyond the row's items costs nothing
    r.cells.resize(size_t(col) + 1);
  }
  r.cells[size_t(col)] = text;
}

void GridCellStore::setRow(int row, PackedRow items) {
  if (row < 0 || row >= rowCount()) return;
  Row& r = rows_[size_t(row)];
  r.cells.clear();
  r.cells.shrink_to_fit();
  r.unpacked = false;
  r.packed = std::move(items);
}

}  // namespace zw
