#include "shell/gridexchange/GridExchange.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "kernel/Format.h"
#include "kernel/KernelState.h"
#include "kernel/PastedLine.h"
#include "platform/files/WriteFile.h"
#include "platform/ini/IniFile.h"
#include "shell/commands/Commands.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// Sets *error, or shows the message when the caller gave no place for it.
void report(const QString& message, QString* error) {
  if (error)
    *error = message;
  else
    ShowErrorBox(QApplication::activeWindow(), message);
}

// A numbered message followed by the file it is about.
QString fileMessage(int number, const QString& fileName) {
  return GetMessageText(number).trimmed() + QStringLiteral("\n") + fileName;
}

void setClipboardText(const QString& text) {
  if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(text);
}

bool writeTextFile(const QString& path, const QString& text, QString* error) {
  QString reason;
  if (WriteFileAtomic(path, text.toUtf8(), &reason)) return true;
  report(FileNotWrittenText(path, reason), error);
  return false;
}

}  // namespace

QString CsvFileFilter() {
  return GetText(IDatei, 13) + QStringLiteral(" (*.csv)|*.csv|") + GetText(IDatei, 12) +
         QStringLiteral(" (*.*)|*.*");
}

QString DatFileFilter() {
  return GetText(IDatei, 11) + QStringLiteral(" (*.dat)|*.dat|") + GetText(IDatei, 12) +
         QStringLiteral(" (*.*)|*.*");
}

QString ForceCsvExt(const QString& fileName) {
  if (fileName.endsWith(QLatin1String(".csv"), Qt::CaseSensitive)) return fileName;
  return fileName + QStringLiteral(".csv");
}

QString SplitPastedLine(const QString& line) {
  const std::u16string_view text(reinterpret_cast<const char16_t*>(line.utf16()), static_cast<size_t>(line.size()));
  return QString::fromStdU16String(SplitPastedLine(text));
}

QStringList SplitDelimitedLine(const QString& line) {
  PackedRow row;
  SplitDelimitedInto(line, row);
  return row.toList();
}

QString GridText(StringGrid* grid, bool cut) {
  if (!grid) return {};
  QString text;
  const int rows = grid->RowCount(), cols = grid->ColCount();
  for (int r = 1; r < rows; ++r) {
    for (int c = 1; c < cols; ++c) {
      if (c > 1) text.append(u';');
      AppendCsvCell(text, grid->CellView(c, r));
      if (cut) grid->setCells(c, r, QString());
    }
    text.append(QStringLiteral("\r\n"));
  }
  return text;
}

void GridPasteText(StringGrid* grid, const QString& text) {
  if (!grid) return;
  const std::vector<QStringView> lines = TextLines(text);
  const int rows = grid->RowCount(), cols = grid->ColCount();
  for (int i = 1; i <= int(lines.size()) && i < rows; ++i) {
    const PackedRow items = PastedLineItems(lines[size_t(i - 1)]);
    for (int k = 0; k < items.count() && k + 1 < cols; ++k) grid->setCells(k + 1, i, items.item(k).toString());
  }
}

void GridCopyToClipboard(StringGrid* grid) { setClipboardText(GridText(grid, false)); }

void GridCutToClipboard(StringGrid* grid) { setClipboardText(GridText(grid, true)); }

void GridPasteFromClipboard(StringGrid* grid) {
  QClipboard* cb = QGuiApplication::clipboard();
  if (!grid || !cb) return;
  const QMimeData* data = cb->mimeData();
  if (!data || !data->hasText()) return;
  GridPasteText(grid, cb->text());
}

bool GridSaveCsv(StringGrid* grid, const QString& fileName, QString* error) {
  return writeTextFile(ForceCsvExt(fileName), GridText(grid, false), error);
}

bool ReadCsvFile(const QString& fileName, CsvRows& read, QString* error) {
  QFile f(fileName);
  if (!QFileInfo(fileName).isFile() || !f.open(QIODevice::ReadOnly)) {
    report(fileMessage(28, fileName), error);
    return false;
  }
  if (f.size() > MaxCsvFileSize) {
    report(fileMessage(4, fileName), error);
    return false;
  }
  // A buffer of the file's size, not of the limit.
  const QByteArray bytes = f.read(std::min(f.size(), MaxCsvFileSize) + 1);
  if (f.error() != QFileDevice::NoError) {
    report(fileMessage(28, fileName), error);
    return false;
  }
  {
    const QString text = IniFile::decode(bytes);
    read = ReadCsvText(text);
  }
  switch (read.status) {
    case CsvRows::Status::Ok: return true;
    case CsvRows::Status::Binary: report(fileMessage(30, fileName), error); return false;
    case CsvRows::Status::Empty: report(fileMessage(3, fileName), error); return false;
    case CsvRows::Status::TooLarge: report(fileMessage(4, fileName), error); return false;
  }
  return false;
}

bool GridLoadCsv(StringGrid* grid, int& rows, int& cols, const QString& fileName, QString* error) {
  if (!grid) return false;
  CsvRows read;
  if (!ReadCsvFile(fileName, read, error)) return false;
  rows = int(read.rows.size());
  cols = read.cols;
  // Every non-fixed cell is replaced in one step: linear in the file's size,
  // and a row costs about its text.
  grid->setCellRows(cols, std::move(read.rows));
  return true;
}

void GridResize(StringGrid* grid, int rows, int cols) {
  if (!grid) return;
  const int oldRows = grid->RowCount(), oldCols = grid->ColCount();
  grid->setRowCount(rows);
  grid->setColCount(cols);
  for (int r = 1; r < grid->RowCount(); ++r)
    for (int c = 1; c < grid->ColCount(); ++c)
      if (r > oldRows - 1 || c > oldCols - 1) grid->setCells(c, r, QString());
}

void GridTranspose(StringGrid* grid) {
  if (!grid) return;
  const int n = std::min(grid->RowCount(), grid->ColCount()) - 1;
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c < r; ++c) {
      const QString a = grid->Cells(c, r);
      grid->setCells(c, r, grid->Cells(r, c));
      grid->setCells(r, c, a);
    }
}

QString FloatToStr15(Extended x) { return QString::fromStdU16String(FormatGeneral(15, x)); }

QString MatrixText(const Matrix& m, int rows, int cols) {
  rows = std::clamp(rows, 0, VektorSize);
  cols = std::clamp(cols, 0, VektorSize);
  QString text;
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) {
      if (c > 1) text.append(u';');
      text.append(FloatToStr15(m[size_t(r)][size_t(c)]));
    }
    text.append(QStringLiteral("\r\n"));
  }
  return text;
}

void MatrixCopyToClipboard(const Matrix& m, int rows, int cols) { setClipboardText(MatrixText(m, rows, cols)); }

bool MatrixSaveCsv(const Matrix& m, int rows, int cols, const QString& fileName, QString* error) {
  return writeTextFile(ForceCsvExt(fileName), MatrixText(m, rows, cols), error);
}

}  // namespace zw
