#pragma once
// Grid text as it goes to and comes from CSV files and the clipboard, without
// a grid: splitting into lines and items, quoting, and the limits of a file.
// Qt Core only, so that the fuzz target reads exactly what the program reads.
//
// A cell that holds a blank or another control character, a ";", a double
// quote or a "|" (which pasting drops) is written in double quotes with inner quotes doubled («1 000» as
// «"1 000"», «a"b» as «"a""b"»); a quoted item is read back whole. Unquoted
// items keep the tolerant reading of pasted text.
#include <QString>
#include <QStringView>
#include <vector>

#include "shell/kit/GridCellStore.h"

namespace zw {

// Lines of a text broken at CR LF, LF or CR; a final line break ends the last
// line rather than starting an empty one. The views point into text.
std::vector<QStringView> TextLines(QStringView text);

// A line read as a delimited list: white space (code 32 and below) separates
// like ";", runs of it count once, a ";" at the very end adds an empty item,
// and "..." quotes an item ("" is a quote inside it).
void SplitDelimitedInto(QStringView line, PackedRow& out);

// A pasted line: the pasted-line rules (kernel/PastedLine.h: "|" dropped,
// ends trimmed, runs of blanks separate) applied outside quoted items, then
// read as a delimited list.
PackedRow PastedLineItems(QStringView line);

// Appends a cell as the grid text writes it, quoted where it must be.
void AppendCsvCell(QString& out, QStringView cell);

// Limits of a CSV file the program reads into a grid.
inline constexpr qint64 MaxCsvFileSize = 32LL * 1024 * 1024;
inline constexpr int MaxCsvColumns = 1000;
inline constexpr int MaxCsvRows = 100000;

struct CsvRows {
  enum class Status { Ok, Empty, TooLarge, Binary };
  Status status = Status::Ok;
  std::vector<PackedRow> rows;  // trailing empty lines dropped
  int cols = 0;                 // items of the longest row
};
// The rows of a CSV text within the limits; anything else reads no rows.
CsvRows ReadCsvText(QStringView text);

}  // namespace zw
