#pragma once
// The cell texts of a string grid, row by row. A row read from a file is kept
// packed, its texts one after another in one string with the end of each
// item, so that a grid at the limits of a CSV file (100,000 rows, 1,000
// columns, 32 MB) costs about the file's own size; a row is unpacked into one
// string per cell the first time a cell of it is changed. Cells beyond a
// row's items are empty and cost nothing. Qt Core only.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace zw {

// Items of one line, packed: item k is text[ends[k-1] .. ends[k]).
struct PackedRow {
  QString text;
  std::vector<std::uint32_t> ends;

  int count() const { return int(ends.size()); }
  QStringView item(int k) const {
    const std::uint32_t b = k == 0 ? 0 : ends[size_t(k - 1)];
    return QStringView(text).mid(b, ends[size_t(k)] - b);
  }
  void append(QStringView s) {
    text.append(s);
    ends.push_back(std::uint32_t(text.size()));
  }
  void clear() {
    text.clear();
    ends.clear();
  }
  QStringList toList() const;
};

class GridCellStore {
public:
  // Cells are addressed (column, row), both from 0.
  int rowCount() const { return int(rows_.size()); }
  // Rows beyond n are dropped; new rows are empty.
  void setRowCount(int n);
  // Cells at column n and beyond are emptied in every row.
  void truncateColumns(int n);

  QStringView cellView(int col, int row) const;  // valid until the next change
  QString cell(int col, int row) const { return cellView(col, row).toString(); }
  void setCell(int col, int row, const QString& text);  // row must exist
  // Replaces a whole row (row must exist).
  void setRow(int row, PackedRow items);

private:
  struct Row {
    PackedRow packed;            // as read, until a cell is changed
    std::vector<QString> cells;  // after that
    bool unpacked = false;
  };
  std::vector<Row> rows_;
};

}  // namespace zw
