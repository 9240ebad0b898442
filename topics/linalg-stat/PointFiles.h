#pragma once
// The stored forms of the two-column point grids of the regression and the
// logistic-growth windows, callable without a window: the regression's
// worksheet section "regr" and its CSV form, and the logistic-growth CSV
// file with its key lines. Grid row i (from 1) is cells[i − 1].
#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>
#include <vector>

namespace zw {

class IniFile;

// At most this many data rows are read from any point file.
inline constexpr int PointFileMaxRows = 1023;

struct PointCells {
  QString x, y;
};
using PointRows = std::vector<PointCells>;  // always PointFileMaxRows long in a window

// What the regression section holds besides the points.
struct RegrSettings {
  int model = 1;      // "typ", 0 .. 5
  QString dx, dy, sx, sy;
  int degree = 2;     // "n", 1 .. 20
  int digits = 6;     // "digits", 3 .. 8
};

// Writes the section (erased first): "typ", the non-empty trimmed shift and
// stretch texts, "n", "digits", and "x" + g / "y" + g for every grid row g
// whose x text followed by its y text is not blank (so gaps can occur).
void SaveRegrSection(IniFile& ini, const QString& section, const RegrSettings& s, const PointRows& rows);
// Reads it; a bad "typ", "n" or "digits" becomes 1, 2, 6 and values are
// clamped to their ranges; every grid row 1 .. PointFileMaxRows takes
// "x" + i and "y" + i (empty when missing).
void LoadRegrSection(const IniFile& ini, const QString& section, RegrSettings& s, PointRows& rows);

// The regression CSV: one line per row whose texts are not blank, x + sep + y,
// the decimal written as `decimal` ("," turns every "." into ",", "." every
// "," into "."); with the separator "," the decimal written is always ".".
QString RegrCsvText(const PointRows& rows, QChar separator, QChar decimal);
// Line i (at most PointFileMaxRows) into row i when it holds the separator:
// x the text before its first occurrence, y up to 255 characters after it;
// other rows keep their texts.
void ReadRegrCsv(QStringView text, QChar separator, PointRows& rows);

// A point file's text (encoding by byte-order mark, else UTF-8 when valid,
// else Windows-1252): false with the message naming the file in *message for
// a file that is missing, unreadable or beyond the CSV size limit.
bool ReadPointFile(const QString& fileName, QString& text, QString* message);
// The text through the atomic writer; false with the message in *message.
bool WritePointFile(const QString& fileName, const QString& text, QString* message);

// Logistic-growth file.
struct LogisticFile {
  PointRows rows;                  // the data rows in file order
  bool hasLimit = false;
  QString limit;                   // "INF"
  QString day1;                    // "TAG1" (empty when missing)
  QString factor;                  // "DZIFF" (empty when missing)
};
// What a line's first field stands for: a data row, the limit, the date of
// day 1 or the dark-figure factor (by the position of its first three
// upper-case characters in "   INF,TAG,DZIFF").
enum class LogisticKey { Data = 0, Limit = 1, Date = 2, Factor = 3 };
LogisticKey ClassifyLogisticKey(const QString& firstField);
// A line's fields: split only at ";" when it holds one (double quotes
// honoured), else at blanks and ";" as the delimited-text rules say.
QStringList LogisticLineFields(QStringView line);
// Reads the lines; blank lines are skipped, data rows beyond
// PointFileMaxRows are dropped, key lines anywhere are read.
LogisticFile ReadLogisticText(QStringView text);
// Data rows (both trimmed texts non-empty, trimmed) as t;f, then "INF;",
// "TAG1;" and, when writeFactor, "DZIFF;" lines; CR LF line ends.
QString LogisticCsvText(const PointRows& rows, const QString& limit, const QString& day1, const QString& factor,
                        bool writeFactor);
// Whether the factor field's text is to be saved: not empty and not read as 1.
bool LogisticFactorWorthSaving(const QString& text);
// The factor a text stands for: "," or "." as the decimal separator; empty
// or unreadable is 1.
long double LogisticFactor(const QString& text);

}  // namespace zw
