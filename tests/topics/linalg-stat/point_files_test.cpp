#include "topics/linalg-stat/PointFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/ini/IniFile.h"

namespace zw {
namespace {

PointRows Rows(std::initializer_list<std::pair<const char*, const char*>> cells, int size = PointFileMaxRows) {
  PointRows r(static_cast<std::size_t>(size));
  std::size_t i = 0;
  for (const auto& [x, y] : cells) r[i++] = {QString::fromUtf8(x), QString::fromUtf8(y)};
  return r;
}

TEST(PointFiles, RegrSectionKeepsItsGapsAndRoundTrips) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("w.dat"));
  PointRows rows = Rows({{"1", "2"}, {"", ""}, {"3,5", "4"}, {"", "7"}});
  RegrSettings s;
  s.model = 5, s.dx = QStringLiteral(" 1 "), s.sy = QStringLiteral("2"), s.degree = 4, s.digits = 8;
  {
    IniFile ini(file);
    SaveRegrSection(ini, QStringLiteral("regr"), s, rows);
    ASSERT_TRUE(ini.save());
  }
  const IniFile ini(file);
  EXPECT_TRUE(ini.hasKey(QStringLiteral("regr"), QStringLiteral("x3")));
  EXPECT_FALSE(ini.hasKey(QStringLiteral("regr"), QStringLiteral("x2")));
  EXPECT_TRUE(ini.hasKey(QStringLiteral("regr"), QStringLiteral("x4")));  // y text alone counts
  EXPECT_FALSE(ini.hasKey(QStringLiteral("regr"), QStringLiteral("dy")));
  EXPECT_EQ(ini.readString(QStringLiteral("regr"), QStringLiteral("dx")), QStringLiteral("1"));
  RegrSettings back;
  PointRows got;
  LoadRegrSection(ini, QStringLiteral("regr"), back, got);
  EXPECT_EQ(back.model, 5);
  EXPECT_EQ(back.dx, QStringLiteral("1"));
  EXPECT_EQ(back.sy, QStringLiteral("2"));
  EXPECT_EQ(back.degree, 4);
  EXPECT_EQ(back.digits, 8);
  ASSERT_EQ(int(got.size()), PointFileMaxRows);
  EXPECT_EQ(got[2].x, QStringLiteral("3,5"));
  EXPECT_EQ(got[3].y, QStringLiteral("7"));
  EXPECT_TRUE(got[1].x.isEmpty());
}

TEST(PointFiles, RegrSectionBadNumbersFallBack) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("w.dat"));
  {
    IniFile ini(file);
    ini.writeString(QStringLiteral("regr"), QStringLiteral("typ"), QStringLiteral("abc"));
    ini.writeString(QStringLiteral("regr"), QStringLiteral("n"), QStringLiteral("99"));
    ini.writeString(QStringLiteral("regr"), QStringLiteral("digits"), QStringLiteral("1"));
    ASSERT_TRUE(ini.save());
  }
  RegrSettings s;
  PointRows rows;
  LoadRegrSection(IniFile(file), QStringLiteral("regr"), s, rows);
  EXPECT_EQ(s.model, 1);
  EXPECT_EQ(s.degree, 20);
  EXPECT_EQ(s.digits, 3);
  // No section at all: the defaults.
  LoadRegrSection(IniFile(dir.filePath(QStringLiteral("none.dat"))), QStringLiteral("regr"), s, rows);
  EXPECT_EQ(s.model, 1);
  EXPECT_EQ(s.degree, 2);
  EXPECT_EQ(s.digits, 6);
}

TEST(PointFiles, RegrCsvInBothDialects) {
  const PointRows rows = Rows({{"1.5", "2"}, {"", ""}, {"3,25", "-1"}});
  struct Case {
    QChar sep, dec;
    QString text;
  } cases[] = {
      {u';', u',', QStringLiteral("1,5;2\r\n3,25;-1\r\n")},
      {u';', u'.', QStringLiteral("1.5;2\r\n3.25;-1\r\n")},
      {u',', u'.', QStringLiteral("1.5,2\r\n3.25,-1\r\n")},
      {u',', u',', QStringLiteral("1.5,2\r\n3.25,-1\r\n")},  // a comma separator writes the point
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RegrCsvText(rows, c.sep, c.dec), c.text);
    PointRows back(PointFileMaxRows);
    ReadRegrCsv(c.text, c.sep, back);
    EXPECT_EQ(back[0].x + u'|' + back[0].y, (c.dec == u',' && c.sep == u';' ? QStringLiteral("1,5") : QStringLiteral("1.5")) + QStringLiteral("|2"));
    EXPECT_EQ(back[1].y, QStringLiteral("-1"));
  }
}

TEST(PointFiles, RegrCsvLeavesRowsItDoesNotReach) {
  PointRows rows(PointFileMaxRows);
  for (int i = 0; i < 10; ++i) rows[std::size_t(i)] = {QString::number(i), QString::number(i * i)};
  ReadRegrCsv(QStringLiteral("a;b\nno separator\n7;8;9\n"), u';', rows);
  EXPECT_EQ(rows[0].x, QStringLiteral("a"));
  EXPECT_EQ(rows[1].x, QStringLiteral("1"));  // a line without the separator leaves its row
  EXPECT_EQ(rows[2].y, QStringLiteral("8;9"));
  EXPECT_EQ(rows[9].y, QStringLiteral("81"));
  // At most 1023 lines; y at most 255 characters.
  QString big;
  for (int i = 0; i < 2000; ++i) big += QStringLiteral("%1;%2\n").arg(i).arg(QString(300, u'9'));
  PointRows r2(PointFileMaxRows);
  ReadRegrCsv(big, u';', r2);
  EXPECT_EQ(int(r2.size()), PointFileMaxRows);
  EXPECT_EQ(r2.back().x, QStringLiteral("1022"));
  EXPECT_EQ(r2[0].y.size(), 255);
}

TEST(PointFiles, LogisticKeysByPosition) {
  struct Case {
    const char* field;
    LogisticKey kind;
  } cases[] = {
      {"INF", LogisticKey::Limit}, {"inf", LogisticKey::Limit},  {" Tag1 ", LogisticKey::Date},
      {"TAG", LogisticKey::Date},  {"t", LogisticKey::Date},      {"DZIFF", LogisticKey::Factor},
      {"dzi", LogisticKey::Factor}, {"F", LogisticKey::Limit},     {"Foo", LogisticKey::Data},
      {"12", LogisticKey::Data},   {"", LogisticKey::Data},       {"1,5", LogisticKey::Data},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyLogisticKey(QString::fromUtf8(c.field)), c.kind) << c.field;
}

TEST(PointFiles, LogisticLinesAndFields) {
  EXPECT_EQ(LogisticLineFields(u"2 * 3;4"), QStringList({QStringLiteral("2 * 3"), QStringLiteral("4")}));
  EXPECT_EQ(LogisticLineFields(u"\"a;b\";5"), QStringList({QStringLiteral("a;b"), QStringLiteral("5")}));
  EXPECT_EQ(LogisticLineFields(u"1 2"), QStringList({QStringLiteral("1"), QStringLiteral("2")}));
  const LogisticFile f = ReadLogisticText(
      u"t;f\r\n0;10\r\n\r\n1;18\r\n2\r\nINF;200\r\nDZIFF;2\r\n3;50\r\n");
  EXPECT_EQ(f.day1, QStringLiteral("f"));  // "t" is read as the date line
  ASSERT_EQ(f.rows.size(), 4u);
  EXPECT_EQ(f.rows[0].x, QStringLiteral("0"));
  EXPECT_EQ(f.rows[2].x, QStringLiteral("2"));
  EXPECT_TRUE(f.rows[2].y.isEmpty());  // a missing field reads as empty
  EXPECT_EQ(f.rows[3].y, QStringLiteral("50"));
  EXPECT_TRUE(f.hasLimit);
  EXPECT_EQ(f.limit, QStringLiteral("200"));
  EXPECT_EQ(f.factor, QStringLiteral("2"));
  EXPECT_FALSE(ReadLogisticText(u"1;2\n").hasLimit);
  // At most 1023 data rows; key lines after them still count.
  QString big;
  for (int i = 0; i < 1500; ++i) big += QStringLiteral("%1;%2\n").arg(i).arg(i + 1);
  big += QStringLiteral("INF;9999\n");
  const LogisticFile g = ReadLogisticText(big);
  EXPECT_EQ(int(g.rows.size()), PointFileMaxRows);
  EXPECT_EQ(g.limit, QStringLiteral("9999"));
}

TEST(PointFiles, KeyLinesAfterFullRowsInEveryForm) {
  // After the last row only key lines count, however they are written;
  // data lines there change nothing.
  QString full;
  for (int i = 0; i < PointFileMaxRows; ++i) full += QStringLiteral("%1;%2\n").arg(i).arg(i + 1);
  struct Case {
    const char16_t* line;
    const char16_t* limit;  // nullptr: no limit read
  };
  const Case cases[] = {
      {u"INF;7", u"7"},
      {u"  \"inf\";7", u"7"},
      {u"\t In 7", u"7"},
      {u",;7", u"7"},              // "," is part of the key text
      {u"\u0131nf;7", u"7"},       // a dotless i upper-cases to I
      {u"\u00A0Inf;7", u"7"},      // a no-break space in front
      {u"-1;7", nullptr},
      {u"x;7", nullptr},
      {u"\x01INF;7", nullptr},    // a control character is not trimmed away
  };
  for (const Case& c : cases) {
    const LogisticFile f = ReadLogisticText(full + QString::fromUtf16(c.line) + QStringLiteral("\n3;4\n"));
    EXPECT_EQ(int(f.rows.size()), PointFileMaxRows);
    EXPECT_EQ(f.rows.back().x, QString::number(PointFileMaxRows - 1));
    EXPECT_EQ(f.hasLimit, c.limit != nullptr) << QString::fromUtf16(c.line).toStdString();
    if (c.limit) {
      EXPECT_EQ(f.limit, QString::fromUtf16(c.limit));
    }
  }
  const LogisticFile g = ReadLogisticText(full + QStringLiteral("tag1;01.03.2020\nDz;4,5\n"));
  EXPECT_EQ(g.day1, QStringLiteral("01.03.2020"));
  EXPECT_EQ(g.factor, QStringLiteral("4,5"));
}

TEST(PointFiles, LogisticWriteAndReadBack) {
  const PointRows rows = Rows({{" 0 ", "10"}, {"1", ""}, {"2", "31,5"}}, 5);
  const QString text = LogisticCsvText(rows, QStringLiteral("200"), QStringLiteral("15.03.2020"),
                                       QStringLiteral("2"), true);
  EXPECT_EQ(text, QStringLiteral("0;10\r\n2;31,5\r\nINF;200\r\nTAG1;15.03.2020\r\nDZIFF;2\r\n"));
  const LogisticFile f = ReadLogisticText(text);
  EXPECT_EQ(f.rows.size(), 2u);
  EXPECT_EQ(f.rows[1].y, QStringLiteral("31,5"));
  EXPECT_EQ(f.day1, QStringLiteral("15.03.2020"));
  EXPECT_FALSE(LogisticCsvText(rows, {}, {}, {}, false).contains(QStringLiteral("DZIFF")));
}

TEST(PointFiles, DarkFigureFactor) {
  struct Case {
    const char* text;
    long double value;
    bool saved;
  } cases[] = {{"", 1, false},    {"  ", 1, false}, {"1", 1, false},   {"1,0", 1, false},
               {"2", 2, true},    {"1,5", 1.5, true}, {"1.5", 1.5, true}, {"abc", 1, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(LogisticFactor(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(LogisticFactorWorthSaving(QString::fromUtf8(c.text)), c.saved) << c.text;
  }
}

}  // namespace
}  // namespace zw
