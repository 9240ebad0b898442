// Fuzz target for grid exchange: any text read as a CSV file and as pasted
// lines, written back the way the grid writes it and read again, must give
// the same cells (a cell missing from a row is an empty one); the cell store
// keeps what is set in it. Built and run by scripts/fuzz.sh.
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "shell/gridexchange/CsvText.h"
#include "shell/kit/GridCellStore.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

QStringView cell(const std::vector<zw::PackedRow>& rows, size_t r, int c) {
  if (r >= rows.size() || c >= rows[r].count()) return {};
  return rows[r].item(c);
}

void sameCells(const std::vector<zw::PackedRow>& a, const std::vector<zw::PackedRow>& b) {
  const size_t rows = std::max(a.size(), b.size());
  for (size_t r = 0; r < rows; ++r) {
    const int cols = std::max(r < a.size() ? a[r].count() : 0, r < b.size() ? b[r].count() : 0);
    for (int c = 0; c < cols; ++c) check(cell(a, r, c) == cell(b, r, c));
  }
}

QString gridText(const std::vector<zw::PackedRow>& rows) {
  QString text;
  for (const zw::PackedRow& row : rows) {
    for (int c = 0; c < row.count(); ++c) {
      if (c) text.append(u';');
      zw::AppendCsvCell(text, row.item(c));
    }
    text.append(QStringLiteral("\r\n"));
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Bytes are Latin-1 characters, 0xFF followed by two bytes one UTF-16 unit.
  QString text;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF && i + 2 < size) {
      text.append(QChar(char16_t(data[i + 1] << 8 | data[i + 2])));
      i += 2;
    } else {
      text.append(QChar(char16_t(data[i])));
    }
  }

  const zw::CsvRows read = zw::ReadCsvText(text);
  if (read.status == zw::CsvRows::Status::Ok) {
    check(!read.rows.empty() && read.rows.size() <= size_t(zw::MaxCsvRows) && read.cols <= zw::MaxCsvColumns);
    const zw::CsvRows again = zw::ReadCsvText(gridText(read.rows));
    check(again.status == zw::CsvRows::Status::Ok || again.status == zw::CsvRows::Status::Empty);
    sameCells(read.rows, again.rows);

    zw::GridCellStore store;
    store.setRowCount(int(read.rows.size()));
    for (size_t r = 0; r < read.rows.size(); ++r) store.setRow(int(r), read.rows[r]);
    store.setCell(1, 0, QStringLiteral("x"));
    check(store.cellView(1, 0) == u"x");
    check(store.cellView(0, 0) == cell(read.rows, 0, 0));
    store.truncateColumns(1);
    check(store.cellView(1, 0).isEmpty());
  }

  std::vector<zw::PackedRow> pasted;
  for (QStringView line : zw::TextLines(text)) pasted.push_back(zw::PastedLineItems(line));
  const QString written = gridText(pasted);
  std::vector<zw::PackedRow> back;
  for (QStringView line : zw::TextLines(written)) back.push_back(zw::PastedLineItems(line));
  sameCells(pasted, back);
  return 0;
}
