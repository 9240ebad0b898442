// Grid exchange through the clipboard and CSV files: the text format, the
// tolerant paste, loading files of any shape (or refusing them), resizing,
// transposing and the matrix text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "common/AtomicFile.h"
#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"

namespace zw {
namespace {

// A grid of cols x rows counts (fixed row and column included) with cell
// (c, r) = prefix + "c,r".
void fill(StringGrid& g, int cols, int rows, const QString& prefix = {}) {
  g.setColCount(cols);
  g.setRowCount(rows);
  for (int r = 1; r < rows; ++r)
    for (int c = 1; c < cols; ++c) g.setCells(c, r, prefix + QStringLiteral("%1,%2").arg(c).arg(r));
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(GridExchange, SplitPastedLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"| 1  2 |", "1;2"},  {"1 2", "1;2"},         {"1;2", "1;2"},       {"\t 1   2    3 \r", "1;2;3"},
      {"|1|2|", "12"},      {"", ""},               {"  |  ", ""},        {"-1,5  2e3", "-1,5;2e3"},
  };
  for (const auto& [in, out] : cases)
    EXPECT_EQ(SplitPastedLine(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

TEST(GridExchange, SplitDelimitedLine) {
  const std::pair<const char*, QStringList> cases[] = {
      {"1;2;3", {"1", "2", "3"}},
      {"1 2\t3", {"1", "2", "3"}},
      {"1 ; 2", {"1", "2"}},
      {"1;;2", {"1", "", "2"}},
      {"1;2;", {"1", "2", ""}},
      {"\"a;b c\";2", {"a;b c", "2"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"", {}},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(SplitDelimitedLine(QString::fromUtf8(in)), out) << in;
}

TEST(GridExchange, CopyAndCutWriteOneLinePerRow) {
  StringGrid g;
  g.setColCount(3);
  g.setRowCount(3);
  g.setCells(1, 1, "1"), g.setCells(2, 1, "2"), g.setCells(1, 2, "3"), g.setCells(2, 2, "4");
  GridCopyToClipboard(&g);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1;2\r\n3;4\r\n"));
  EXPECT_EQ(g.Cells(2, 2), QStringLiteral("4"));
  GridCutToClipboard(&g);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1;2\r\n3;4\r\n"));
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 2; ++c) EXPECT_TRUE(g.Cells(c, r).isEmpty());

  StringGrid single;
  single.setColCount(4);
  single.setRowCount(1);
  EXPECT_EQ(GridText(&single), QString());
}

TEST(GridExchange, WideRowOfLongValuesSurvivesCopyAndPaste) {
  // 30 values of 15 significant digits: far beyond any fixed line length.
  StringGrid from, to;
  from.setColCount(31);
  from.setRowCount(3);
  to.setColCount(31);
  to.setRowCount(3);
  for (int c = 1; c <= 30; ++c) {
    from.setCells(c, 1, QStringLiteral("-1234567890,%1").arg(10000 + c));
    from.setCells(c, 2, QStringLiteral("9,87654321098765E-%1").arg(c));
  }
  GridCopyToClipboard(&from);
  GridPasteFromClipboard(&to);
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 30; ++c) ASSERT_EQ(to.Cells(c, r), from.Cells(c, r)) << c << "," << r;
}

TEST(GridExchange, PasteFillsFromTheTopLeftAndKeepsTheRest) {
  StringGrid g;
  fill(g, 4, 4, QStringLiteral("old"));
  QGuiApplication::clipboard()->setText(QStringLiteral("| 1  2 |\n4 5 6 7 8\r\n"));
  GridPasteFromClipboard(&g);
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.RowCount(), 4);
  const char* expected[3][3] = {{"1", "2", "old3,1"}, {"4", "5", "6"}, {"old1,3", "old2,3", "old3,3"}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(g.Cells(c, r), QString::fromUtf8(expected[r - 1][c - 1])) << c << r;

  // No text on the clipboard: nothing happens.
  auto* data = new QMimeData;
  data->setData(QStringLiteral("application/octet-stream"), QByteArray("\x01\x02"));
  QGuiApplication::clipboard()->setMimeData(data);
  GridPasteFromClipboard(&g);
  EXPECT_EQ(g.Cells(1, 1), QStringLiteral("1"));
}

class GridCsvTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetCommandUi();
    commandUi().error = [this](QWidget*, const QString& m) { messages_.push_back(m); };
  }
  void TearDown() override { resetCommandUi(); }
  QString path(const char* name) const { return joinPath(dir_.path(), QString::fromUtf8(name)); }

  QTemporaryDir dir_;
  std::vector<QString> messages_;
};

TEST_F(GridCsvTest, SaveAndLoadRoundTrip) {
  StringGrid g, back;
  fill(g, 4, 3);
  g.setCells(2, 1, QStringLiteral("a b"));  // quoted, or it would split into two cells
  ASSERT_TRUE(GridSaveCsv(&g, path("table")));
  QFile f(path("table.csv"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("1,1;\"a b\";3,1\r\n1,2;2,2;3,2\r\n"));
  int rows = 0, cols = 0;
  ASSERT_TRUE(GridLoadCsv(&back, rows, cols, path("table.csv")));
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(cols, 3);
  EXPECT_EQ(back.Cells(2, 1), QStringLiteral("a b"));
  EXPECT_EQ(GridText(&back), GridText(&g));
  EXPECT_TRUE(messages_.empty());
}

// Cells that hold a blank, ";" or a double quote are written quoted and come
// back whole through a file and through the clipboard; the cells after them
// stay in their columns.
TEST_F(GridCsvTest, QuotedCellsRoundTripThroughFileAndClipboard) {
  const QString cells[] = {QStringLiteral("1 000"), QStringLiteral("a;b"), QStringLiteral("say \"hi\""),
                           QString(),               QStringLiteral(" x "), QStringLiteral("\""),
                           QStringLiteral("|1|"),   QStringLiteral("\t"),  QStringLiteral("7")};
  const int n = int(std::size(cells));
  StringGrid g;
  g.setColCount(n + 1);
  g.setRowCount(3);
  for (int c = 1; c <= n; ++c) {
    g.setCells(c, 1, cells[c - 1]);
    g.setCells(c, 2, QString::number(c));
  }
  EXPECT_TRUE(GridText(&g).startsWith(QStringLiteral("\"1 000\";\"a;b\";\"say \"\"hi\"\"\";;\" x \";")));

  ASSERT_TRUE(GridSaveCsv(&g, path("quoted.csv")));
  StringGrid loaded;
  int rows = 0, cols = 0;
  ASSERT_TRUE(GridLoadCsv(&loaded, rows, cols, path("quoted.csv")));
  EXPECT_EQ(cols, n);

  StringGrid pasted;
  pasted.setColCount(n + 1);
  pasted.setRowCount(3);
  GridCopyToClipboard(&g);
  GridPasteFromClipboard(&pasted);
  for (const StringGrid* back : {&loaded, &pasted})
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= n; ++c) EXPECT_EQ(back->Cells(c, r), g.Cells(c, r)) << c << "," << r;
}

// Pasted text without quotes keeps the tolerant reading; with quotes the same
// rules hold outside the quoted items.
TEST(GridExchange, PastedQuotedItemsAreReadWhole) {
  const std::pair<const char*, QStringList> cases[] = {
      {"| 1  2 |", {"1", "2"}},
      {"1 ; 2", {"1", "", "", "2"}},
      {"| \"1 000\"  2 |", {"1 000", "2"}},
      {"\"a | b\";\"c\"\"d\"", {"a | b", "c\"d"}},
      {"x\"y z", {"x\"y", "z"}},
      {"\"open ended", {"open ended"}},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(PastedLineItems(QString::fromUtf8(in)).toList(), out) << in;
}

TEST_F(GridCsvTest, RaggedFileTakesTheLongestLineAndClearsStaleCells) {
  StringGrid g;
  fill(g, 8, 8, QStringLiteral("stale"));
  writeBytes(path("ragged.csv"), QByteArray("1;2\r\n3;4;5;6\n7\n\r\n  \n"));
  int rows = 0, cols = 0;
  ASSERT_TRUE(GridLoadCsv(&g, rows, cols, path("ragged.csv")));
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(cols, 4);
  EXPECT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(GridText(&g), QStringLiteral("1;2;;\r\n3;4;5;6\r\n7;;;\r\n"));
}

TEST_F(GridCsvTest, BadFilesAreRefusedWithAMessageAndLeaveTheGridAlone) {
  QByteArray wide;
  for (int i = 0; i < 10000; ++i) wide += QByteArray::number(i) + ';';
  QByteArray binary(4096, '\0');
  for (int i = 0; i < binary.size(); ++i) binary[i] = char(QRandomGenerator::global()->bounded(256));
  binary[17] = '\0';
  struct Case { const char* name; QByteArray bytes; int message; };
  const Case cases[] = {
      {"wide.csv", wide, 4}, {"binary.csv", binary, 30}, {"empty.csv", QByteArray("\r\n \r\n"), 3},
      {"missing.csv", QByteArray(), 28},
  };
  for (const Case& c : cases) {
    if (c.message != 28) writeBytes(path(c.name), c.bytes);
    StringGrid g;
    fill(g, 3, 3, QStringLiteral("keep"));
    int rows = -1, cols = -1;
    messages_.clear();
    EXPECT_FALSE(GridLoadCsv(&g, rows, cols, path(c.name))) << c.name;
    ASSERT_EQ(messages_.size(), 1u) << c.name;
    EXPECT_TRUE(messages_[0].startsWith(GetMessageText(c.message).trimmed())) << c.name;
    EXPECT_TRUE(messages_[0].endsWith(path(c.name))) << c.name;
    EXPECT_EQ(rows, -1);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.Cells(2, 2), QStringLiteral("keep2,2"));
  }
  // With a place for the message nothing is shown.
  StringGrid g;
  int rows = 0, cols = 0;
  QString error;
  messages_.clear();
  EXPECT_FALSE(GridLoadCsv(&g, rows, cols, path("wide.csv"), &error));
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(error.isEmpty());
}

TEST_F(GridCsvTest, GarbageWithoutNulLoadsWithoutHarm) {
  QByteArray bytes;
  for (int i = 0; i < 20000; ++i) bytes += char(1 + QRandomGenerator::global()->bounded(255));
  writeBytes(path("noise.csv"), bytes);
  StringGrid g;
  int rows = 0, cols = 0;
  if (GridLoadCsv(&g, rows, cols, path("noise.csv"))) {
    EXPECT_EQ(g.RowCount(), rows + 1);
    EXPECT_EQ(g.ColCount(), cols + 1);
  } else {
    EXPECT_EQ(messages_.size(), 1u);
  }
}

TEST_F(GridCsvTest, UnwritableFileIsReported) {
  StringGrid g;
  fill(g, 2, 2);
  QString error;
  EXPECT_FALSE(GridSaveCsv(&g, path("no/such/folder/x.csv"), &error));
  EXPECT_TRUE(error.startsWith(FileNotWrittenText(path("no/such/folder/x.csv"))));
  // A full disk: the old file stays as it was.
  ASSERT_TRUE(GridSaveCsv(&g, path("x.csv")));
  QFile f(path("x.csv"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray before = f.readAll();
  f.close();
  g.setCells(1, 1, QStringLiteral("changed"));
  {
    ScopedWriteFault full({WriteStage::Sync, 1, ENOSPC});
    EXPECT_FALSE(GridSaveCsv(&g, path("x.csv"), &error));
  }
  EXPECT_TRUE(error.startsWith(FileNotWrittenText(path("x.csv"))));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), before);
}

TEST(GridExchange, ForceCsvExtAndFilters) {
  EXPECT_EQ(ForceCsvExt("data"), QStringLiteral("data.csv"));
  EXPECT_EQ(ForceCsvExt("data.csv"), QStringLiteral("data.csv"));
  EXPECT_EQ(ForceCsvExt("data.CSV"), QStringLiteral("data.CSV.csv"));
  EXPECT_EQ(CsvFileFilter(), QStringLiteral("Kommasepariert (*.csv)|*.csv|Alle Dateien (*.*)|*.*"));
}

TEST(GridExchange, ResizeEmptiesOnlyNewCells) {
  StringGrid g;
  fill(g, 3, 3);
  g.setCells(2, 2, QStringLiteral("x"));
  GridResize(&g, 4, 5);
  EXPECT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.Cells(2, 2), QStringLiteral("x"));
  EXPECT_EQ(g.Cells(1, 1), QStringLiteral("1,1"));
  for (int c = 1; c <= 4; ++c) EXPECT_TRUE(g.Cells(c, 3).isEmpty());
  EXPECT_TRUE(g.Cells(4, 1).isEmpty());
  GridResize(&g, 2, 2);
  EXPECT_EQ(GridText(&g), QStringLiteral("1,1\r\n"));
}

TEST(GridExchange, TransposeStaysInsideTheGrid) {
  struct Case { int cols, rows; };
  for (Case c : {Case{5, 3}, Case{3, 5}, Case{4, 4}}) {
    StringGrid g;
    fill(g, c.cols, c.rows);
    GridTranspose(&g);
    const int n = std::min(c.cols, c.rows) - 1;
    EXPECT_EQ(g.ColCount(), c.cols);
    EXPECT_EQ(g.RowCount(), c.rows);
    for (int r = 1; r < c.rows; ++r)
      for (int k = 1; k < c.cols; ++k) {
        const bool mirrored = r <= n && k <= n;
        const QString want = mirrored ? QStringLiteral("%1,%2").arg(r).arg(k) : QStringLiteral("%1,%2").arg(k).arg(r);
        EXPECT_EQ(g.Cells(k, r), want) << c.cols << "x" << c.rows << " cell " << k << "," << r;
      }
  }
}

TEST(GridExchange, NumberedGridSetUpOnASmallGridTouchesOnlyItsCells) {
  StringGrid g;
  SetupNumberedGrid(&g, 0, 0, 3, 5);  // fewer than the ten row heads
  EXPECT_EQ(g.ColCount(), 3);
  EXPECT_EQ(g.RowCount(), 5);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(g.Cells(0, r), QString::number(r));
  GridTranspose(&g);
  EXPECT_EQ(g.RowCount(), 5);
}

TEST(GridExchange, MatrixTextWritesRuntimeNumbers) {
  const char16_t saved = kernelState().RegionalDecimalSeparator;
  kernelState().RegionalDecimalSeparator = u',';
  const std::pair<Extended, const char*> cases[] = {
      {0.0L, "0"},         {1.5L, "1,5"},        {-2.0L, "-2"},       {1e20L, "1E20"},
      {1.5e-7L, "1,5E-7"}, {0.00001L, "0,00001"}, {123456789012345.0L, "123456789012345"},
      {1.0L / 3.0L, "0,333333333333333"},          {1e15L, "1E15"},
      // Extended values beyond double's range and a 15-digit rounding that
      // a detour through double would get wrong.
      {1.5e400L, "1,5E400"},  {-2.5e-400L, "-2,5E-400"}, {0.12345678901234450001L, "0,123456789012345"},
  };
  for (const auto& [v, text] : cases) EXPECT_EQ(FloatToStr15(v), QString::fromUtf8(text)) << text;
  Matrix m{};
  m[1][1] = 1, m[1][2] = 2.5L, m[2][1] = -3, m[2][2] = 4;
  EXPECT_EQ(MatrixText(m, 2, 2), QStringLiteral("1;2,5\r\n-3;4\r\n"));
  MatrixCopyToClipboard(m, 2, 1);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1\r\n-3\r\n"));
  kernelState().RegionalDecimalSeparator = saved;
}

}  // namespace
}  // namespace zw
