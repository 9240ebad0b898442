#include "shell/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <climits>
#include <cmath>
#include <functional>
#include <map>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"
#include "tests/shell/settings_files.h"

namespace {

using zw::kernelState;
using zw::shellState;
using zw::testfiles::readFile;
using zw::testfiles::writeFile;

// Each case: the options lines of the file, what is looked at, the value expected.
struct KeyCase {
  const char* lines;
  const char* what;
  double expected;
};

double look(const char* what) {
  const auto& s = shellState();
  const std::map<std::string, std::function<double()>> fields{
      {"LanguageNumber", [&] { return s.LanguageNumber; }},
      {"LanguageKind", [&] { return s.LanguageKind; }},
      {"DisplayedLanguageKind", [&] { return s.DisplayedLanguageKind; }},
      {"Zoom", [&] { return s.Zoom; }},
      {"MdiOption", [&] { return s.MdiOption; }},
      {"MaxOption", [&] { return s.MaxOption; }},
      {"WebHelpOption", [&] { return s.WebHelpOption; }},
      {"MemoryOption", [&] { return s.MemoryOption; }},
      {"UnicodeOption", [&] { return kernelState().UnicodeOption; }},
      {"PortableOption", [&] { return s.PortableOption; }},
      {"NoFlopOption", [&] { return s.NoFlopOption; }},
      {"ChartGridOption", [&] { return s.ChartGridOption; }},
      {"GraphAreaColor", [&] { return s.GraphAreaColor; }},
      {"GraphAreaWidth", [&] { return s.GraphAreaWidth; }},
      {"PrintScale", [&] { return s.PrintScale; }},
      {"PrintBlackWhite", [&] { return s.PrintBlackWhite && s.ClipboardBlackWhite; }},
      {"PrintColour", [&] { return !s.PrintBlackWhite && !s.ClipboardBlackWhite; }},
      {"CsvSemicolon", [&] { return s.CsvSeparator == ";"; }},
      {"CsvComma", [&] { return s.CsvSeparator == ","; }},
      {"DecimalPoint", [&] { return s.CsvDecimal == "."; }},
      {"DecimalComma", [&] { return s.CsvDecimal == ","; }},
      {"EnglishSeparator", [&] { return kernelState().LanguageDecimalSeparator == u"."; }},
  };
  return fields.at(what)();
}

// Application, install and data folders in a temporary place, the regional
// decimal separator pinned to ",", message boxes recorded.
class SettingsTest : public ::testing::Test {
protected:
  QTemporaryDir root;
  QString app, install, data;
  QStringList messages;

  void SetUp() override {
    zw::resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u',';
    zw::clearLanguageFiles();
    app = root.filePath("app/");
    install = root.filePath("install/");
    data = root.filePath("share/Zahlwerk 10.0/");
    QDir().mkpath(app);
    QDir().mkpath(install);
    auto& s = shellState();
    s.AppFolder = app;
    s.LocalInstallFolder = install;
    s.LocalDataFolder = data;
    s.SettingsPath = app + "ZW100.INI";
    zw::commandUi().information = [this](QWidget*, const QString& m) { messages << m; };
    zw::commandUi().error = zw::commandUi().information;
  }
  void TearDown() override {
    zw::resetCommandUi();
    zw::clearLanguageFiles();
    zw::resetShellState();
    kernelState().reset();
  }
  void settings(const QByteArray& text) { writeFile(app + "ZW100.INI", text); }

  // Each case on a fresh state (zoom 77 before the call) and its own file.
  template <size_t N>
  void checkCases(const KeyCase (&cases)[N], const QByteArray& header) {
    for (const KeyCase& c : cases) {
      SetUp();
      shellState().Zoom = 77;
      settings(header + c.lines + "\n");
      zw::ReadSettings(false);
      EXPECT_DOUBLE_EQ(look(c.what), c.expected) << c.lines << " -> " << c.what;
    }
  }
};

TEST_F(SettingsTest, WithoutOptionsTheDefaultsHold) {
  for (const QByteArray& file : {QByteArray(), QByteArray("[other]\nlanguage=2\nzoom=77\n")}) {
    SetUp();
    if (!file.isEmpty()) settings(file);
    zw::ReadSettings(false);
    const auto& s = shellState();
    EXPECT_EQ(s.LanguageNumber, 0);
    EXPECT_EQ(s.LanguageKind, 0);
    EXPECT_EQ(s.DisplayedLanguageKind, 0);
    EXPECT_EQ(s.Zoom, 120);
    EXPECT_TRUE(s.MdiOption);
    EXPECT_TRUE(s.MaxOption);
    EXPECT_TRUE(s.MemoryOption);
    EXPECT_TRUE(kernelState().UnicodeOption);
    EXPECT_FALSE(s.WebHelpOption);
    EXPECT_FALSE(s.PortableOption);
    EXPECT_FALSE(s.NoFlopOption);
    EXPECT_EQ(s.ChartGridOption, 3);
    EXPECT_EQ(s.SettingsLineColor, zw::DefaultLineColor);
    EXPECT_EQ(s.SettingsLineWidth, zw::DefaultLineWidth);
    EXPECT_EQ(s.GraphColorList, zw::DefaultLineColor);
    EXPECT_EQ(s.GraphWidthList, zw::DefaultLineWidth);
    EXPECT_EQ(s.SettingsAreaColor, 28);
    EXPECT_EQ(s.GraphAreaColor, 28);
    EXPECT_EQ(s.SettingsRandWidth, 1);
    EXPECT_EQ(s.GraphAreaWidth, 1);
    EXPECT_EQ(s.PrintScale, 1.0);
    EXPECT_FALSE(s.PrintBlackWhite);
    EXPECT_FALSE(s.ClipboardBlackWhite);
    EXPECT_EQ(s.CsvSeparator, ";");
    EXPECT_EQ(s.CsvDecimal, ".");
    EXPECT_EQ(kernelState().LanguageDecimalSeparator, u",");
    EXPECT_EQ(s.LanguageNames[3], "italiano");
    EXPECT_EQ(s.LanguageNames[4], "espaniol");
    EXPECT_EQ(s.LanguageNames[5], "greek");
    EXPECT_EQ(s.LanguageNames[6], "turkish");
    EXPECT_EQ(s.HelpFile, app + "Zw100d.chm");
    EXPECT_EQ(s.DataFolder, data);
    EXPECT_EQ(s.InstallFolder, install);
    EXPECT_EQ(s.PaletteColors[13], 0x0000FFu);
    EXPECT_TRUE(messages.isEmpty());
  }
}

TEST_F(SettingsTest, EveryKeyFollowsItsRule) {
  const KeyCase cases[] = {
      {"language=2", "LanguageKind", 2},
      {"language=2", "DisplayedLanguageKind", 2},
      {"language=7", "LanguageKind", 1},
      {"language=7", "LanguageNumber", 7},
      {"language=-1", "LanguageKind", 1},
      {"language=-1", "LanguageNumber", -1},
      {"language=abc", "LanguageKind", 0},
      {"language=abc", "LanguageNumber", 0},
      {"language=1", "EnglishSeparator", 1},
      {"language=3", "EnglishSeparator", 0},
      {"zoom=150", "Zoom", 150},
      {"zoom=0", "Zoom", 0},
      {"zoom= 50 ", "Zoom", 50},
      {"zoom=400", "Zoom", 400},
      {"zoom=abc", "Zoom", 120},
      {"zoom=49", "Zoom", 120},
      {"zoom=401", "Zoom", 120},
      {"zoom=-100", "Zoom", 120},
      {"zoom=", "Zoom", 77},  // empty keeps the current value (77 before the call)
      {"MDI=", "MdiOption", 1},
      {"MDI=0", "MdiOption", 0},
      {"MDI=true", "MdiOption", 0},
      {"MAX=", "MaxOption", 0},
      {"MAX=1", "MaxOption", 1},
      {"MAX=2", "MaxOption", 0},
      {"webhelp=true", "WebHelpOption", 1},
      {"webhelp=", "WebHelpOption", 0},
      {"memory=", "MemoryOption", 0},
      {"memory=True", "MemoryOption", 1},
      {"memory=yes", "MemoryOption", 0},
      {"unicode=", "UnicodeOption", 0},
      {"unicode=FALSE", "UnicodeOption", 0},
      {"Portable=TRUE", "PortableOption", 1},
      {"Portable=", "PortableOption", 0},
      {"noflop=no", "NoFlopOption", 1},
      {"noflop=False", "NoFlopOption", 0},
      {"noflop=", "NoFlopOption", 1},  // anything but "FALSE", the empty text too
      {"gridstyle=1", "ChartGridOption", 1},
      {"gridstyle=0", "ChartGridOption", 0},
      {"gridstyle=x", "ChartGridOption", 3},
      {"gridstyle=7", "ChartGridOption", 3},
      {"AreaColor=5", "GraphAreaColor", 5},
      {"AreaColor=12abc", "GraphAreaColor", 12},  // profile integer: leading digits
      {"AreaColor=x", "GraphAreaColor", 28},
      {"AreaColor=99", "GraphAreaColor", 28},
      {"AreaColor=0", "GraphAreaColor", 28},
      {"RandWidth=3", "GraphAreaWidth", 3},
      {"RandWidth=x", "GraphAreaWidth", 1},
      {"RandWidth=-4", "GraphAreaWidth", 1},
      {"printsize=1,5", "PrintScale", 1.5},
      {"printsize=0.75", "PrintScale", 0.75},
      {"printsize=abc", "PrintScale", 1.0},
      {"printsize=", "PrintScale", 1.0},
      {"printsize=0", "PrintScale", 1.0},
      {"printsize=-2", "PrintScale", 1.0},
      {"printsize=1e999", "PrintScale", 1.0},
      {"printcol=FALSE", "PrintBlackWhite", 1},
      {"printcol=", "PrintBlackWhite", 1},
      {"printcol=true", "PrintColour", 1},
  };
  checkCases(cases, "[options]\r\n");
}

TEST_F(SettingsTest, RegressionSeparatorsTakeTheFirstCharacter) {
  const KeyCase cases[] = {
      {"seperator=S\ndecimal=K", "CsvSemicolon", 1},
      {"seperator=S\ndecimal=K", "DecimalComma", 1},
      {"seperator=semicolon\ndecimal=punkt", "CsvSemicolon", 1},
      {"seperator=semicolon\ndecimal=punkt", "DecimalPoint", 1},
      {"seperator=C", "CsvComma", 1},
      {"seperator=", "CsvComma", 1},
      {"decimal=", "DecimalComma", 1},
  };
  checkCases(cases, "[regression]\n");
}

TEST_F(SettingsTest, HelpFileFollowsTheLanguage) {
  const std::pair<const char*, const char*> cases[] = {
      {"language=0", "Zw100d.chm"},
      {"language=1", "Zw100e.chm"},
      {"language=2", "Zw100f.chm"},
      {"language=3", "Zw100i.chm"},
      {"language=4", "Zw100s.chm"},
      {"language=5", "Zw100e.chm"},
      {"language=9", "Zw100e.chm"},
      {"language=3\nextern3=Italiano", "Zw100i.chm"},
      {"language=3\nextern3=lingua", "Zw100e.chm"},
      {"language=6\nextern6=espaniol:UTF-8", "Zw100s.chm"},
  };
  for (const auto& [lines, help] : cases) {
    SetUp();
    settings(QByteArray("[options]\n") + lines + "\n");
    zw::ReadSettings(false);
    EXPECT_EQ(shellState().HelpFile, app + help) << lines;
  }
  // Help files are found whatever the case of their names.
  SetUp();
  writeFile(app + "ZW100F.CHM", "x");
  settings("[options]\nlanguage=2\n");
  zw::ReadSettings(false);
  EXPECT_EQ(shellState().HelpFile, app + "ZW100F.CHM");
}

TEST_F(SettingsTest, ExternalLanguagesAreNamedAndOpened) {
  const QByteArray page = zw::TextPageName(zw::IPage).toUtf8();
  writeFile(app + "Greek.TXT", "[" + page + "]\n0=right\n");
  writeFile(app + "turkish.txt", "[" + page + "]\n0=sol\n");
  settings("[options]\nextern4=\" greek:UTF-8 \"\nextern5= Greek \nextern3=\n");
  zw::ReadSettings(false);
  const auto& s = shellState();
  EXPECT_EQ(s.LanguageNames[4], "greek");  // the part before the colon is the name
  EXPECT_EQ(s.LanguageNames[5], "Greek");
  EXPECT_EQ(s.LanguageNames[3], "");
  EXPECT_EQ(zw::LanguageFileName(4), app + "Greek.TXT");
  ASSERT_NE(zw::languageFileValue(4, zw::IPage, 0), nullptr);
  EXPECT_EQ(*zw::languageFileValue(4, zw::IPage, 0), "right");
  ASSERT_NE(zw::languageFileValue(6, zw::IPage, 0), nullptr);
  EXPECT_EQ(*zw::languageFileValue(6, zw::IPage, 0), "sol");
  EXPECT_EQ(zw::languageFileValue(3, zw::IPage, 0), nullptr);  // no such file: empty slot
  EXPECT_TRUE(messages.isEmpty());

  // Reading again replaces what the slots held.
  settings("[options]\nextern6=nothing\n");
  zw::ReadSettings(false);
  EXPECT_EQ(zw::languageFileValue(6, zw::IPage, 0), nullptr);
}

TEST_F(SettingsTest, UnreadableLanguageFileIsReportedAndStopsTheRest) {
  const QByteArray page = zw::TextPageName(zw::IPage).toUtf8();
  writeFile(app + "italiano.txt", "[" + page + "]\n0=a\n");
  writeFile(app + "greek.txt", "[" + page + "]\n0=b\n");
  {
    QFile huge(app + "espaniol.txt");  // far beyond any language file: refused
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(200LL * 1024 * 1024));
  }
  settings("[options]\nlanguage=2\n");
  zw::ReadSettings(false);
  // What is wrong, in the language of the settings (French here).
  EXPECT_EQ(messages, QStringList{"Le fichier de langue est trop grand: " + app + "espaniol.txt"});
  EXPECT_NE(zw::languageFileValue(3, zw::IPage, 0), nullptr);
  EXPECT_EQ(zw::languageFileValue(5, zw::IPage, 0), nullptr);
  // Reading goes on after the report.
  EXPECT_EQ(shellState().HelpFile, app + "Zw100f.chm");
  EXPECT_EQ(shellState().PaletteColors[48], 0xFFFFFFu);
}

TEST_F(SettingsTest, GraphListsNeedTwelveItemsAndResetRestoresDefaults) {
  const QString eleven = "1,2,3,4,5,6,7,8,9,10,11";
  const QString thirteen = "1,2,3,4,5,6,7,8,9,10,11,12,13";
  const QString widths12 = "1,1,1,1,1,1,1,1,1,1,1,9";
  settings(("[options]\nLineColor=" + eleven + "\nLineWidth=" + widths12 + "\n").toUtf8());
  shellState().GraphColorList = "48,48";
  zw::ReadSettings(false);
  EXPECT_EQ(shellState().SettingsLineColor, zw::DefaultLineColor);
  EXPECT_EQ(shellState().GraphColorList, zw::DefaultLineColor);
  EXPECT_EQ(shellState().SettingsLineWidth, widths12);
  EXPECT_EQ(shellState().GraphWidthList, widths12);

  settings(("[options]\nLineColor=" + thirteen + "\nLineWidth=" + widths12 + "\nAreaColor=7\n").toUtf8());
  zw::ReadSettings(false);
  EXPECT_EQ(shellState().GraphColorList, thirteen);
  zw::ReadSettings(true);
  EXPECT_EQ(shellState().GraphColorList, zw::DefaultLineColor);
  EXPECT_EQ(shellState().GraphWidthList, zw::DefaultLineWidth);
  EXPECT_EQ(shellState().GraphAreaColor, 7);  // reset touches only the two lists
}

TEST(CommaLists, ItemsCountsAndIntegers) {
  EXPECT_EQ(zw::CommaListInt("1, x ,3", 2), 1);
  EXPECT_EQ(zw::CommaListInt("1, x ,3", 3), 3);
  EXPECT_EQ(zw::CommaListInt("1,2", 3), -1);
  EXPECT_EQ(zw::CommaListInt("1,2", 0), -1);
  EXPECT_EQ(zw::CommaListItem("a b,c", 1), "a b");
  EXPECT_EQ(zw::CommaListItem(" a , c ", 2), "c");
  EXPECT_EQ(zw::CommaListItem("a,c", 3), "");
  EXPECT_EQ(zw::CommaListCount(""), 0);
  EXPECT_EQ(zw::CommaListCount("a b"), 1);
  EXPECT_EQ(zw::CommaListCount("1,2,"), 3);
  EXPECT_EQ(zw::StrToIntDefault(" 42 ", 0), 42);
  EXPECT_EQ(zw::StrToIntDefault("4 2", 7), 7);
  EXPECT_EQ(zw::StrToIntDefault("", 7), 7);
}

TEST(Palette, TextsTurnIntoBgrValuesAndOutsideIsBlack) {
  const std::pair<int, zw::ColorValue> cases[] = {
      {1, 0x0000A8}, {13, 0x0000FF}, {19, 0xFF0000}, {27, 0x60A4F4}, {28, 0x00FEFE},
      {12, 0x000000}, {48, 0xFFFFFF}, {0, 0}, {49, 0}, {-3, 0}};
  for (const auto& [index, bgr] : cases) EXPECT_EQ(zw::PaletteColor(index), bgr) << index;
  EXPECT_EQ(zw::PaletteText(27), "$F4A460");
  EXPECT_EQ(zw::PaletteText(49), "");
}

TEST(LanguageNumbers, MapToTheirTextTables) {
  const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {6, 6},
                                       {7, 1}, {-1, 1}, {100, 1}, {INT_MIN, 1}};
  for (const auto& [n, kind] : cases) EXPECT_EQ(zw::LanguageNumberToKind(n), kind) << n;
}

TEST_F(SettingsTest, GraphColoursAndWidthsFallBackAlongTheChain) {
  zw::ReadSettings(false);  // settings list = default list
  EXPECT_EQ(zw::GraphColor("", 3), 0x0000FFu);  // default item 3 is 13, pure red
  auto& s = shellState();
  s.SettingsLineColor = "40,x,,0,49,7,7,7,7,7,7,7";
  s.SettingsLineWidth = "3,x,,-1,256,4,4,4,4,4,4,4";
  struct Case { const char* list; int n; int expected; };
  const Case colours[] = {
      {"33,34", 1, 33},             // the given list
      {"x,34", 1, 40},              // not a number: the settings list
      {"", 2, 19},                  // settings item no number either: the default list
      {"0", 1, 40},                 // outside 1..48: the settings list
      {"1,2,3,99", 4, 3},           // settings item 0 is no colour either
      {"1,2,3,4,49", 5, 14},        // 49 is out of range in both lists
      {"1,2,3,4,5,6", 6, 6},
      {"", 13, 5},                  // graph 13 uses default item 1
      {"", 24, 24},                 // graph 24 uses default item 12
      {"", 0, 24},
      {"1,1,1,1,1,1,1,1,1,1,1,1,1,45", 14, 45},
  };
  for (const Case& c : colours) {
    EXPECT_EQ(zw::GraphColorIndex(c.list, c.n), c.expected) << c.list << " #" << c.n;
    EXPECT_EQ(zw::GraphColor(c.list, c.n), zw::PaletteColor(c.expected)) << c.list << " #" << c.n;
  }
  const Case widths[] = {
      {"5,6", 1, 5},      {"0", 1, 0},     {"x,6", 1, 3},  {"", 2, 2},    {"1,1,1,-3", 4, 2},
      {"1,1,1,1,999", 5, 2}, {"", 6, 4},   {"", 13, 2},    {"7 ", 1, 7},
  };
  for (const Case& c : widths)
    EXPECT_EQ(zw::GraphLineWidth(c.list, c.n), c.expected) << c.list << " #" << c.n;
  EXPECT_EQ(zw::GraphWidthText(" 7 ,8", 1), "7");
}

TEST_F(SettingsTest, MissingSampleFilesAreCopiedOnly) {
  for (const char* name : zw::SampleFileNames) writeFile(install + name, QByteArray("new ") + name);
  QDir().mkpath(data);
  writeFile(data + "demo.dat", "mine");            // present in another case: kept
  writeFile(data + "hopfenwachstum.CSV", "mine");
  zw::ReadSettings(false);
  EXPECT_EQ(readFile(data + "demo.dat"), "mine");
  EXPECT_EQ(readFile(data + "hopfenwachstum.CSV"), "mine");
  EXPECT_EQ(readFile(data + "DEMO.csv"), "new DEMO.csv");
  EXPECT_EQ(readFile(data + "JHU_DE_Mrz-Mai.csv"), "new JHU_DE_Mrz-Mai.csv");
  QStringList entries = QDir(data).entryList(QDir::Files);
  entries.sort();
  EXPECT_EQ(entries, (QStringList{"DEMO.csv", "JHU_DE_Mrz-Mai.csv", "demo.dat", "hopfenwachstum.CSV"}));

  // A read-only install (files owned by root, mode 0444) still gives the user
  // copies they can write: the program saves into its DEMO.DAT.
  SetUp();
  const QString readOnly = root.filePath("readonly/"), data3 = root.filePath("data3/");
  QDir().mkpath(readOnly);
  writeFile(readOnly + "DEMO.DAT", "[acc]\nd=01.01.2026\n");
  ASSERT_TRUE(QFile::setPermissions(readOnly + "DEMO.DAT",
                                    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
  shellState().LocalInstallFolder = readOnly;
  shellState().LocalDataFolder = data3;
  zw::ReadSettings(false);
  EXPECT_TRUE(QFile::permissions(data3 + "DEMO.DAT") & QFileDevice::WriteOwner);
  EXPECT_TRUE(zw::iniWriteString(data3 + "DEMO.DAT", "acc", "d", "10.12.2026"));
  EXPECT_EQ(zw::IniFile(data3 + "DEMO.DAT").readString("acc", "d"), "10.12.2026");

  // Copies come from a source of any case; a missing folder is created
  // with its parents; an absent source is skipped.
  SetUp();
  const QString install2 = root.filePath("install2/"), data2 = root.filePath("home/.local/share/Zahlwerk 10.0/");
  QDir().mkpath(install2);
  writeFile(install2 + "Demo.DAT", "sample");
  shellState().LocalInstallFolder = install2;
  shellState().LocalDataFolder = data2;
  zw::ReadSettings(false);
  EXPECT_EQ(readFile(data2 + "DEMO.DAT"), "sample");
  EXPECT_EQ(QDir(data2).entryList(QDir::Files), QStringList{"DEMO.DAT"});
}

TEST_F(SettingsTest, PortableUsesTheApplicationFolderAndCopiesNothing) {
  for (const char* name : zw::SampleFileNames) writeFile(install + name, "x");
  settings("[options]\nPortable=true\n");
  zw::ReadSettings(false);
  EXPECT_EQ(shellState().DataFolder, app);
  EXPECT_EQ(shellState().InstallFolder, app);
  EXPECT_FALSE(QDir(data).exists());
  EXPECT_EQ(QDir(app).entryList(QDir::Files), QStringList{"ZW100.INI"});
}

TEST_F(SettingsTest, EraseMemorySectionKeepsTheOtherSections) {
  shellState().DataFolder = app;
  EXPECT_TRUE(zw::EraseMemorySection("ggt"));  // no file: nothing to do, nothing created
  EXPECT_FALSE(QFile::exists(app + "memory.dat"));
  writeFile(app + "Memory.DAT", "[ggt]\na=12\n[prim]\nb=3\n");
  EXPECT_TRUE(zw::EraseMemorySection("GGT"));
  EXPECT_EQ(readFile(app + "Memory.DAT"), "[prim]\nb=3\n");
}

TEST_F(SettingsTest, MalformedSettingsNeverCrashAndStayInRange) {
  std::mt19937 rng(7);
  const char* const keys[] = {"language", "zoom", "MDI", "gridstyle", "LineColor", "LineWidth",
                              "AreaColor", "RandWidth", "printsize", "extern3", "extern5"};
  const char* const values[] = {"", "-", "99999999999999999999", "-2147483649", ",,,,,,,,,,,,",
                                "1,2,3,4,5,6,7,8,9,10,11,12,x", "\xFF\xFE", "nan", "inf", "1e400",
                                "::", ":", "\"", "0x10", "$1F", "-0", "49,-1,0,256,300,1,1,1,1,1,1,1"};
  for (int round = 0; round < 200; ++round) {
    QByteArray text = "[options]\n";
    for (int i = 0; i < 6; ++i)
      text += QByteArray(keys[rng() % std::size(keys)]) + "=" + values[rng() % std::size(values)] + "\n";
    SetUp();
    settings(text);
    zw::ReadSettings(false);
    const auto& s = shellState();
    EXPECT_TRUE(s.Zoom == 0 || (s.Zoom >= 50 && s.Zoom <= 400)) << text.toStdString();
    EXPECT_TRUE(s.PrintScale > 0 && std::isfinite(s.PrintScale)) << text.toStdString();
    EXPECT_GE(s.LanguageKind, 0);
    EXPECT_LE(s.LanguageKind, 6);
    for (int n = 1; n <= 12; ++n) {
      const int c = zw::GraphColorIndex(s.GraphColorList, n);
      EXPECT_TRUE(c >= 1 && c <= 48) << text.toStdString();
      const int w = zw::GraphLineWidth(s.GraphWidthList, n);
      EXPECT_TRUE(w >= 0 && w <= 255) << text.toStdString();
    }
  }
}

}  // namespace

namespace {

// The settings file may be written when its folder takes the temporary file
// of the replacement and the file itself (if any) is writable.
TEST_F(SettingsTest, AdministratorTestAsksWhetherTheSettingsFileMayBeReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "every file is writable for root";
  const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
  const auto ro = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
  struct Case { const char* what; bool fileThere; bool fileWritable; bool folderWritable; bool admin; };
  const Case cases[] = {
      {"no file, writable folder", false, false, true, true},
      {"writable file and folder", true, true, true, true},
      {"read-only file", true, false, true, false},
      {"writable file in a read-only folder", true, true, false, false},
      {"no file, read-only folder", false, false, false, false},
  };
  for (const Case& c : cases) {
    SetUp();
    QFile::remove(app + "ZW100.INI");
    if (c.fileThere) {
      settings("[options]\n");
      QFile::setPermissions(app + "ZW100.INI", c.fileWritable ? QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                              : QFileDevice::ReadOwner);
    }
    ASSERT_TRUE(QFile::setPermissions(app, c.folderWritable ? rw : ro));
    EXPECT_EQ(zw::IsUserAdmin(), c.admin) << c.what;
    ASSERT_TRUE(QFile::setPermissions(app, rw));
  }
}

}  // namespace
