#pragma once
// Exchange of grid contents through the clipboard and CSV files.
//
// Grid text: one line per non-fixed row (row 1 down), the cells of columns
// 1..last joined by ";", each line ended by CR LF; a cell holding a blank, ";"
// or a double quote is quoted (shell/gridexchange/CsvText.h). Lines are never
// cut, however long. Pasted text is read tolerantly: it may come from a
// spreadsheet, from a memo of this program («| 1  2 |») or be typed by hand
// with blanks between the numbers; quoted items are read whole.
//
// Files: written as UTF-8 through a temporary file (a failed write leaves the
// old file alone); read with the encoding a byte-order mark announces, else
// UTF-8 when valid, else Windows-1252. A file is untrusted: one that is too
// large, binary or too wide is refused with a message and the grid is left
// as it was. Messages go to the caller's error string, or else into an error
// box (ShowErrorBox of shell/commands/Commands.h).
#include <QString>

#include "kernel/Types.h"
#include "shell/gridexchange/CsvText.h"

namespace zw {

class StringGrid;

// Filter texts of the file dialogs, as "description|pattern|description|pattern".
QString CsvFileFilter();  // «Kommasepariert (*.csv)|*.csv|Alle Dateien (*.*)|*.*»
QString DatFileFilter();  // «Datendateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*»

// fileName unchanged when it ends exactly in ".csv" (case matters), else
// fileName + ".csv".
QString ForceCsvExt(const QString& fileName);

// One pasted line as ";"-separated items: blanks and control characters off
// both ends, every "|" removed, trimmed again, runs of blanks reduced to one,
// blanks replaced by ";". «| 1  2 |» and «1 2» give «1;2».
QString SplitPastedLine(const QString& line);

// A line split as a delimited list at ";" and at blanks and control
// characters; an item in double quotes may contain them ("" is a quote).
QStringList SplitDelimitedLine(const QString& line);

// The grid text; with `cut` every non-fixed cell is emptied as it is read.
QString GridText(StringGrid* grid, bool cut = false);
// Fills the grid from text as a paste does: line i goes to row i, item k to
// column k; the grid keeps its size and every cell the text does not reach.
void GridPasteText(StringGrid* grid, const QString& text);

void GridCopyToClipboard(StringGrid* grid);
void GridCutToClipboard(StringGrid* grid);
// Nothing happens when the clipboard holds no text.
void GridPasteFromClipboard(StringGrid* grid);

// The limits of a CSV file are in shell/gridexchange/CsvText.h.

// The grid text into ForceCsvExt(fileName), replacing it. On failure returns
// false and sets *error to a message naming the file; with a null `error`
// the message is shown.
bool GridSaveCsv(StringGrid* grid, const QString& fileName, QString* error = nullptr);

// Reads a CSV file the way GridLoadCsv does, without a grid: false (with the
// message in *error, or shown when `error` is null) for a file that is
// missing, unreadable, empty, binary or beyond the limits.
bool ReadCsvFile(const QString& fileName, CsvRows& rows, QString* error = nullptr);

// Reads the file into the grid: rows := its lines (trailing empty lines
// ignored), cols := the item count of its longest line; the grid gets
// rows + 1 rows and cols + 1 columns, every non-fixed cell is emptied, then
// filled. A file that is missing, unreadable, empty, binary or beyond the
// limits is refused: false, the grid, rows and cols unchanged, and the
// message in *error (shown when `error` is null).
bool GridLoadCsv(StringGrid* grid, int& rows, int& cols, const QString& fileName, QString* error = nullptr);

// Row count := rows, column count := cols; cells outside the previous size
// are emptied, the others keep their text.
void GridResize(StringGrid* grid, int rows, int cols);
// Mirrors the square block of the first n rows and columns at its diagonal,
// n = min(row count, column count) - 1.
void GridTranspose(StringGrid* grid);

// A real as the runtime writes it: FormatGeneral(15, x) (kernel/Format.h),
// up to 15 significant digits, exponent form ("1E20", "1,5E-7") outside
// 1E-5 .. 1E15, the regional decimal separator.
QString FloatToStr15(Extended x);
// rows x cols values of the matrix (1-based) in the grid text format.
QString MatrixText(const Matrix& m, int rows, int cols);
void MatrixCopyToClipboard(const Matrix& m, int rows, int cols);
bool MatrixSaveCsv(const Matrix& m, int rows, int cols, const QString& fileName, QString* error = nullptr);

}  // namespace zw
