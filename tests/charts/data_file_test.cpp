// Chart data files and the text dump.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "charts/ChartDataFile.h"
#include "common/AtomicFile.h"

namespace zw {
namespace {

TrcChartItem line(double x1, double y1, double x2, double y2) {
  TrcChartItem it;
  it.ItemKind = TrcItem::tkLine;
  it.x = x1, it.y = y1, it.x2 = x2, it.y2 = y2;
  return it;
}

TEST(ChartDataFile, RecordBytes) {
  TrcChartItem it = line(1, 2, 3, 4.5);
  it.Color = 0x0000FF;
  it.LWid = 2;
  it.Layer = 3;
  it.setText("Größe");
  const QByteArray b = EncodeChartRecord(it);
  ASSERT_EQ(b.size(), 104);
  double x2;
  std::memcpy(&x2, b.constData() + 16, 8);
  EXPECT_EQ(x2, 3);
  EXPECT_EQ(quint8(b[32]), 0xFF);
  EXPECT_EQ(quint8(b[56]), 2);
  EXPECT_EQ(quint8(b[61]), 2);  // tkLine
  EXPECT_EQ(quint8(b[64]), 3);
  EXPECT_EQ(quint8(b[70]), 5);
  EXPECT_EQ(quint8(b[73]), 0xF6);  // "ö" in Windows-1252
  TrcChartItem back;
  ASSERT_TRUE(DecodeChartRecord(b.constData(), back));
  EXPECT_EQ(back.text(), "Größe");
  EXPECT_EQ(back.y2, 4.5);
}

TEST(ChartDataFile, LoadChecksAndAppends) {
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath("items.dat");
  TDisplayList list;
  list.Add(line(1, 1, 2, 2));
  list.Add(line(3, 3, 4, 4));
  ASSERT_TRUE(SaveChartData(list, path));
  // A broken third record (kind 40, layer 99) and 42 stray bytes.
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::Append));
  QByteArray bad = EncodeChartRecord(line(5, 5, 6, 6));
  bad[61] = char(40);
  f.write(bad);
  QByteArray odd = EncodeChartRecord(line(7, 7, 8, 8));
  odd[64] = char(99);
  f.write(odd);
  f.write(QByteArray(42, 'x'));
  f.close();
  TDisplayList loaded;
  ASSERT_TRUE(LoadChartData(loaded, path, false));
  ASSERT_EQ(loaded.NumItems(), 3);  // the kind-40 record dropped
  EXPECT_EQ(loaded[2].Layer, 16);
  ASSERT_TRUE(LoadChartData(loaded, path, true));
  EXPECT_EQ(loaded.NumItems(), 6);
  EXPECT_EQ(loaded[3].x, 1);
  // A missing file leaves the list as it was.
  EXPECT_FALSE(LoadChartData(loaded, path + "x", false));
  EXPECT_EQ(loaded.NumItems(), 6);
  // An empty chart saves an empty file, which empties a chart.
  ASSERT_TRUE(SaveChartData(TDisplayList{}, path));
  ASSERT_TRUE(LoadChartData(loaded, path, false));
  EXPECT_EQ(loaded.NumItems(), 0);
}

// A write that fails (a full disk) is reported and keeps the old file, for
// both the data file and the dump.
TEST(ChartDataFile, AFailedSaveKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath("items.dat");
  TDisplayList old, list;
  old.Add(line(1, 1, 2, 2));
  list.Add(line(3, 3, 4, 4));
  for (auto save : {&SaveChartData, &SaveChartDump}) {
    ASSERT_TRUE(save(old, path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    {
      ScopedWriteFault full({WriteStage::Write, 1, ENOSPC});
      EXPECT_FALSE(save(list, path));
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
  }
}

TEST(ChartDataFile, DumpLines) {
  TDisplayList list;
  TrcChartItem l = line(1, 2, 3, 4.5);
  l.Color = 0x0000FF;
  l.LWid = 2;
  list.Add(l);
  TrcChartItem frame = line(0, 0, 1, 1);
  frame.ItemKind = TrcItem::tkRectFrame;
  frame.FrameStyle = TFrameStyle::fsSimple;
  list.Add(frame);
  TrcChartItem move;
  move.ItemKind = TrcItem::tkMoveTo;
  list.Add(move);
  const QStringList lines = ChartDump(list).split("\r\n");
  const QStringList first = lines.mid(0, 9);
  EXPECT_EQ(first, QStringList({"", "------ item 0 ------", " elemtype: tkLine", " startpnt: [1.0000/2.0000]",
                                "    color: 000000FF", " penstyle: 00", "linewidth: 2", " classnum: 0",
                                " endpoint: [3.0000/4.5000]"}));
  const QString all = lines.join('\n');
  EXPECT_FALSE(all.contains("frametype"));
  EXPECT_TRUE(all.contains("hilitecol: 00000000"));
  EXPECT_EQ(lines.mid(lines.indexOf("------ item 2 ------")).size(), 8);  // common lines only, then the end
  EXPECT_EQ(HexText(0xABCDEF12, 2), "12");
  EXPECT_EQ(HexText(0x1F, 12), "0000001F");
}

}  // namespace
}  // namespace zw
