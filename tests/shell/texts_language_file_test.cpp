// External language files: the line rules, the fall-back to English and
// robustness against files that are not language files at all.
#include "shell/State.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zw;

namespace {

class LanguageFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    clearLanguageFiles();
    ASSERT_TRUE(dir_.isValid());
    shellState().AppFolder = dir_.path() + "/";
  }
  void TearDown() override {
    clearLanguageFiles();
    resetShellState();
  }
  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  // Reads `bytes` as the language of slot 3 and makes it current.
  bool load(const QByteArray& bytes, int slot = 3) {
    const bool ok = setLanguageFile(slot, write(QStringLiteral("lang%1.txt").arg(slot), bytes));
    shellState().LanguageKind = slot;
    return ok;
  }
  // The built-in languages are unaffected by whatever a slot holds.
  void expectBuiltInsIntact() {
    const int kind = shellState().LanguageKind;
    const struct { int kind; const char* text; } cases[] = {
        {0, "Unzul\u00e4ssige Eingabe"}, {1, "Improper input"}, {2, "Entr\u00e9es irrecevables"}};
    for (const auto& c : cases) {
      shellState().LanguageKind = c.kind;
      EXPECT_EQ(GetMessageText(22), QString::fromUtf8(c.text));
    }
    shellState().LanguageKind = kind;
  }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(LanguageFileTest, LineRules) {
  const QByteArray file =
      "\xEF\xBB\xBF"
      "[ITool]\r\n"               // the BOM does not spoil the first section
      "1=Taglia\r\n"
      "2 = \t Copia \t \r\n"      // key and value trimmed
      "3=xxx\n"                   // lower-case marker: English
      "4=XXX\n"                   // upper case is a text
      "5=   \n"                   // blanks only: English
      "; 1=commento\n"
      "[IPage]\r"                 // CR alone ends a line
      "1=first section\r"
      "  [ ipage ]  \n"           // a later section of the same name hides the earlier
      "2=Risultati\n"
      "2=Risultati bis\n"         // a later key wins
      "0=right\n"
      "[IMeldung]\n"
      "05=leading zero\n"         // never the key of item 5
      "+6=plus sign\n"
      "-0=minus zero\n"
      "22=Inserimento non valido\n"
      "garbage line without equals sign\n"
      "[IDatei]\n"
      "-10=Carica\n"
      "10=\n"                     // empty value: English
      "[ifplot2]\n"
      "0=Funzioni a tratti\n"
      "[IVorlage]\n"
      "0=never\n"
      "[NoSuchPage]\n"
      "1=never\n";
  ASSERT_TRUE(load(file));
  struct Case { TTextIndex page; int item; const char* text; };
  const Case cases[] = {
      {ITool, 1, "Taglia"},
      {ITool, 2, "Copia"},
      {ITool, 3, "Paste"},
      {ITool, 4, "XXX"},
      {ITool, 5, "Demo"},
      {ITool, 0, "Toolbar"},               // missing key
      {IPage, 1, "Data Input"},            // only in the hidden first section
      {IPage, 2, "Risultati bis"},
      {IPage, 0, "right"},
      {IMeldung, 5, "No solution"},
      {IMeldung, 6, "No unique solution"},
      {IMeldung, 0, ""},
      {IMeldung, 22, "Inserimento non valido"},
      {IMeldung, 23, "Improper argument"},  // a partial translation shows English
      {IDatei, -10, "Carica"},
      {IDatei, 10, "Open"},
      {IFPLot2, 0, "Funzioni a tratti"},
      {IVorlage, 0, ""},
      {IOpt, 1, "Language"},               // a section the file lacks
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetText(c.page, c.item), QString::fromUtf8(c.text)) << int(c.page) << " " << c.item;
  // ExternalText itself keeps an empty value; GetText replaces it.
  EXPECT_EQ(ExternalText(3, IDatei, 10), QString());
  EXPECT_EQ(ExternalText(3, ITool, 3), "Paste");
  EXPECT_EQ(ExternalText(3, ITool, 5), QString());
  expectBuiltInsIntact();
}

TEST_F(LanguageFileTest, TextsAreUtf8AndSlotsAreSeparate) {
  ASSERT_TRUE(load("[ITool]\n1=\xCE\x91\xCF\x80\xCE\xBF\xCE\xBA\xCE\xBF\xCF\x80\xCE\xAE\n", 5));
  ASSERT_TRUE(load("[ITool]\n1=Kes\n", 6));
  shellState().LanguageKind = 5;
  EXPECT_EQ(GetText(ITool, 1), QString::fromUtf8("Αποκοπή"));
  shellState().LanguageKind = 6;
  EXPECT_EQ(GetText(ITool, 1), "Kes");
  shellState().LanguageKind = 4;
  EXPECT_EQ(GetText(ITool, 1), "Cut");
  // Reading a slot again replaces its texts completely.
  ASSERT_TRUE(load("[ITool]\n2=Kopyala\n", 6));
  EXPECT_EQ(GetText(ITool, 1), "Cut");
  EXPECT_EQ(GetText(ITool, 2), "Kopyala");
}

TEST_F(LanguageFileTest, MissingFileReadsAsEmptyAndNameCaseIsIgnored) {
  EXPECT_TRUE(setLanguageFile(3, dir_.filePath("nothing.txt")));
  shellState().LanguageKind = 3;
  EXPECT_EQ(GetText(ITool, 1), "Cut");
  EXPECT_TRUE(setLanguageFile(4, QString()));
  EXPECT_FALSE(setLanguageFile(2, dir_.filePath("nothing.txt")));
  EXPECT_FALSE(setLanguageFile(7, dir_.filePath("nothing.txt")));

  write("Greek.txt", "[ITool]\n1=Apokopi\n");
  shellState().LanguageNames[5] = "greek:UTF-8";
  EXPECT_TRUE(setLanguageFile(5, LanguageFileName(5)));
  shellState().LanguageKind = 5;
  EXPECT_EQ(GetText(ITool, 1), "Apokopi");
}

TEST_F(LanguageFileTest, LookupsNeverTouchTheDisk) {
  const QString path = write("lang3.txt", "[ITool]\n1=Taglia\n");
  ASSERT_TRUE(setLanguageFile(3, path));
  write("lang3.txt", "[ITool]\n1=Changed\n");
  shellState().LanguageKind = 3;
  EXPECT_EQ(GetText(ITool, 1), "Taglia");
  ASSERT_TRUE(QFile::remove(path));
  EXPECT_EQ(GetText(ITool, 1), "Taglia");
  clearLanguageFiles();
  EXPECT_EQ(GetText(ITool, 1), "Cut");
}

TEST_F(LanguageFileTest, MalformedFilesNeverHarmTheProgram) {
  QByteArray garbage(256 * 1024, '\0');
  QRandomGenerator rng(20261210);  // fixed seed: the same bytes on every run
  for (char& c : garbage) c = static_cast<char>(rng.generate() & 0xFF);
  const QByteArray hugeLine = QByteArray("[ITool]\n1=") + QByteArray(10 * 1024 * 1024, 'a') + "\n2=Copia\n";
  // Embedded zero bytes: the length comes from the array, not from strlen.
  static constexpr char kUtf16[] = "\xFF\xFE[\0I\0T\0o\0o\0l\0]\0\n\0001\0=\0X\0";
  const QByteArray utf16(kUtf16, sizeof kUtf16 - 1);
  struct Case { const char* name; QByteArray bytes; };
  const Case cases[] = {
      {"binary garbage", garbage},
      {"garbage after a section", QByteArray("[ITool]\n") + garbage},
      {"no sections", "1=Taglia\n2=Copia\n"},
      {"brackets only", "[\n]\n[]\n[=]\n=\n=x\n[ITool\n1=x\n"},
      {"invalid utf-8", "[ITool]\n1=\xC3\x28\xFF\xFE\n"},
      {"utf-16", utf16},
      {"huge key", "[ITool]\n99999999999999999999=x\n-2147483649=y\n"},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(load(c.bytes));
    for (int item = -30; item <= 500; ++item) (void)GetText(ITool, item);
    EXPECT_EQ(GetText(IMeldung, 22), "Improper input");
    expectBuiltInsIntact();
  }
  // A 10 MB line is read like any other; the lines after it still count.
  ASSERT_TRUE(load(hugeLine));
  EXPECT_EQ(GetText(ITool, 1).size(), 10 * 1024 * 1024);
  EXPECT_EQ(GetText(ITool, 2), "Copia");
  expectBuiltInsIntact();
}

// A file saved with two byte-order marks keeps its first section, and marks
// around section names and keys are white space.
TEST_F(LanguageFileTest, ByteOrderMarksNeverHideASectionOrAKey) {
  ASSERT_TRUE(load("\xEF\xBB\xBF\xEF\xBB\xBF[ITool]\n1=Kes\n\xEF\xBB\xBF[\xEF\xBB\xBFIPage\xEF\xBB\xBF]\n"
                   "\xEF\xBB\xBF" "2\xEF\xBB\xBF=Sayfa\n"));
  EXPECT_EQ(GetText(ITool, 1), "Kes");
  EXPECT_EQ(GetText(IPage, 2), "Sayfa");
}
