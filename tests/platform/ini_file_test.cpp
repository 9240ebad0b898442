#include "platform/ini/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <climits>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>
#include <chrono>
#include <thread>

using zw::IniFile;

namespace {

QByteArray readBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

class IniFileTest : public ::testing::Test {
protected:
  QTemporaryDir dir;
  QString file(const QString& name = "t.ini") const { return dir.filePath(name); }

  // An existing file that could not be read reads as empty, and a save
  // reports a failure instead of replacing it.
  static void expectReadsEmptyAndIsNeverReplaced(const QString& path) {
    IniFile ini(path);
    EXPECT_TRUE(ini.fileExists());
    EXPECT_TRUE(ini.sections().isEmpty());
    ini.writeString("acc", "d", "10.12.2026");
    QString error;
    EXPECT_FALSE(ini.save(&error));
    EXPECT_FALSE(error.isEmpty());
  }
};

// A settings-like file with the awkward cases side by side.
const char* const kSample =
    "stray=before any section\r\n"
    "; a comment = not a key\r\n"
    "[Options]\r\n"
    "  Language =  2  \r\n"
    "quoted=\"  keep inner blanks  \"\r\n"
    "single='x'\r\n"
    "unbalanced=\"abc\r\n"
    "lonequote=\"\r\n"
    "f(x,y)=x^2+y,1\r\n"
    "LineColor=5, 19 ,13\r\n"
    "empty=\r\n"
    "a line without equals sign\r\n"
    "dup=first\r\n"
    "DUP=second\r\n"
    "eq=a=b\r\n"
    "\r\n"
    "[ other ]\r\n"
    "k=1\r\n"
    "[OPTIONS]\r\n"
    "later=hidden by the first section\r\n";

TEST_F(IniFileTest, ReadsWithProfileSemantics) {
  writeBytes(file(), kSample);
  IniFile ini(file());
  struct Case { const char* section; const char* key; const char* expected; };
  const Case cases[] = {
      {"options", "LANGUAGE", "2"},             // names compare without case, values trimmed
      {"Options", "quoted", "  keep inner blanks  "},
      {"Options", "single", "x"},
      {"Options", "unbalanced", "\"abc"},       // only a matching pair is stripped
      {"Options", "lonequote", "\""},
      {"Options", "f(x,y)", "x^2+y,1"},         // key taken literally up to the first "="
      {"Options", "linecolor", "5, 19 ,13"},
      {"Options", "empty", ""},
      {"Options", "dup", "first"},              // first key wins
      {"Options", "eq", "a=b"},
      {"Other", "k", "1"},                      // blanks inside the brackets trimmed
      {"Options", "later", "<missing>"},        // first section wins as a whole
      {"Options", "stray", "<missing>"},
      {"Options", "; a comment", "<missing>"},
      {"Options", "a line without equals sign", "<missing>"},
      {"nosuch", "k", "<missing>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ini.readString(c.section, c.key, "<missing>").toStdString(), c.expected)
        << c.section << "/" << c.key;
  EXPECT_TRUE(ini.hasKey("options", "empty"));
  EXPECT_FALSE(ini.hasKey("options", "missing"));
  EXPECT_TRUE(ini.hasSection("OTHER"));
  EXPECT_EQ(ini.sections(), (QStringList{"Options", "other"}));
  EXPECT_EQ(ini.keys("options"), (QStringList{"Language", "quoted", "single", "unbalanced", "lonequote", "f(x,y)", "LineColor", "empty", "dup", "eq"}));
}

TEST_F(IniFileTest, LastWinsModeFindsTheLaterSectionAndKey) {
  writeBytes(file(), "[P]\nold=1\nk=a\n[p]\nk=b\nK=c\n");
  IniFile ini(file(), IniFile::Duplicates::LastWins);
  EXPECT_EQ(ini.readString("P", "k"), "c");
  EXPECT_FALSE(ini.hasKey("P", "old"));  // sections are not merged
}

TEST_F(IniFileTest, ReadIntegerTakesLeadingDigitsElseDefault) {
  writeBytes(file(), "[s]\na=12\nb= -7 \nc=12abc\nd=abc\ne=\nf=+5\ng=99999999999\nh=-99999999999\ni=\"42\"\nj=- 3\n");
  IniFile ini(file());
  const std::pair<const char*, int> cases[] = {{"a", 12},      {"b", -7},     {"c", 12},
                                               {"d", 99},      {"e", 99},     {"f", 5},
                                               {"g", INT_MAX}, {"h", INT_MIN}, {"i", 42},
                                               {"j", 99},      {"missing", 99}};
  for (const auto& [key, expected] : cases) EXPECT_EQ(ini.readInteger("s", key, 99), expected) << key;
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndSaveCreatesIt) {
  IniFile ini(file("new.ini"));
  EXPECT_FALSE(ini.fileExists());
  EXPECT_TRUE(ini.sections().isEmpty());
  EXPECT_EQ(ini.readString("a", "b", "def"), "def");
  ini.writeString("acc", "d", "10.12.2026");
  ASSERT_TRUE(ini.save());
  EXPECT_EQ(readBytes(file("new.ini")), QByteArray("[acc]\r\nd=10.12.2026\r\n"));
  EXPECT_EQ(IniFile(file("new.ini")).readString("ACC", "D"), "10.12.2026");
}

TEST_F(IniFileTest, WriteChangesOnlyWhatIsWrittenAndKeepsEverythingElse) {
  writeBytes(file(),
             "; header comment\n"
             "[one]\n"
             "Alpha = 1 ; not a comment in values\n"
             "junk line\n"
             "beta=2\n"
             "\n"
             "[two]\n"
             "x=\"q\"\n");
  IniFile ini(file());
  ini.writeString("ONE", "alpha", "10");       // replaced in place, key spelling kept
  ini.writeString("one", "gamma", "f(x,y)=3"); // appended to its section, before the blank line
  ini.writeString("three", "f(x,y)", "1,2,3"); // new section at the end
  ini.writeString("two", "y", "line1\nline2"); // a line break cannot inject lines
  ASSERT_TRUE(ini.save());
  EXPECT_EQ(readBytes(file()), QByteArray("; header comment\n"
                                          "[one]\n"
                                          "Alpha=10\n"
                                          "junk line\n"
                                          "beta=2\n"
                                          "gamma=f(x,y)=3\n"
                                          "\n"
                                          "[two]\n"
                                          "x=\"q\"\n"
                                          "y=line1 line2\n"
                                          "\n"
                                          "[three]\n"
                                          "f(x,y)=1,2,3\n"));
  IniFile again(file());
  EXPECT_EQ(again.readString("three", "F(X,Y)"), "1,2,3");
  EXPECT_EQ(again.readString("one", "gamma"), "f(x,y)=3");
}

TEST_F(IniFileTest, EraseSectionRemovesEveryCopyAndKeepsTheRest) {
  writeBytes(file(), "[ggt]\na=1\n; its comment\n[keep]\nb=2\n[GGT]\na=old\n");
  IniFile ini(file());
  ini.eraseSection("Ggt");
  EXPECT_FALSE(ini.hasSection("ggt"));  // the older duplicate must not come to light
  ini.eraseKey("keep", "B");
  ASSERT_TRUE(ini.save());
  EXPECT_EQ(readBytes(file()), QByteArray("[keep]\n"));

  writeBytes(file("m.dat"), "[a]\nx=1\n[b]\ny=2\n");
  ASSERT_TRUE(zw::iniEraseSection(file("m.dat"), "A"));
  EXPECT_EQ(readBytes(file("m.dat")), QByteArray("[b]\ny=2\n"));
  ASSERT_TRUE(zw::iniWriteString(file("m.dat"), "b", "z", "3"));
  EXPECT_EQ(readBytes(file("m.dat")), QByteArray("[b]\ny=2\nz=3\n"));
}

TEST_F(IniFileTest, DecodesByBomElseUtf8ElseWindows1252) {
  const QString expected = QString::fromUtf8("Größe 5 € ä");
  const QByteArray utf8 = "[s]\nk=" + expected.toUtf8() + "\n";
  auto utf16 = [](const QString& s, bool le) {
    QByteArray out = le ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (QChar c : s) {
      const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
      out.append(le ? lo : hi).append(le ? hi : lo);
    }
    return out;
  };
  const QString text = "[s]\r\nk=" + expected + "\r\n";
  const std::pair<const char*, QByteArray> cases[] = {
      {"utf-8", utf8},
      {"utf-8 bom", "\xEF\xBB\xBF" + utf8},
      {"utf-16le bom", utf16(text, true)},
      {"utf-16be bom", utf16(text, false)},
      {"windows-1252", QByteArray("[s]\nk=Gr\xF6\xDF" "e 5 \x80 \xE4\n")},
  };
  for (const auto& [name, bytes] : cases) {
    writeBytes(file(), bytes);
    IniFile ini(file());
    EXPECT_EQ(ini.readString("s", "k"), expected) << name;
    // Whatever came in, the file goes out as UTF-8 with the same content.
    ini.writeString("s", "n", "1");
    ASSERT_TRUE(ini.save()) << name;
    const QByteArray saved = readBytes(file());
    EXPECT_TRUE(saved.contains(expected.toUtf8())) << name;
    EXPECT_EQ(IniFile(file()).readString("s", "k"), expected) << name;
  }
}

// Every leading byte-order mark is dropped, whatever the encoding: one that
// stayed would hide the first section, and a save would bring that section
// back to shadow the values just written.
TEST_F(IniFileTest, EveryLeadingByteOrderMarkIsDropped) {
  const QByteArray bom8("\xEF\xBB\xBF");
  const QByteArray body("[ggt]\r\na=12\r\nb=18\r\n");
  const std::pair<const char*, QByteArray> cases[] = {
      {"two utf-8 marks", bom8 + bom8 + body},
      {"three utf-8 marks", bom8 + bom8 + bom8 + body},
      {"utf-16le, two marks", QByteArray("\xFF\xFE\xFF\xFE", 4) + [&] {
         QByteArray out;
         for (char c : body) out.append(c).append('\0');
         return out;
       }()},
  };
  for (const auto& [name, bytes] : cases) {
    writeBytes(file(), bytes);
    {
      IniFile ini(file());
      EXPECT_EQ(ini.sections(), QStringList{"ggt"}) << name;
      EXPECT_EQ(ini.readString("ggt", "a"), "12") << name;
      ini.writeString("ggt", "a", "30");
      ini.writeString("ggt", "b", "40");
      ASSERT_TRUE(ini.save()) << name;
    }
    const QByteArray saved = readBytes(file());
    EXPECT_FALSE(saved.contains(bom8)) << name;
    EXPECT_EQ(saved.count("[ggt]"), 1) << name;
    IniFile back(file());
    EXPECT_EQ(back.readString("ggt", "a"), "30") << name;
    EXPECT_EQ(back.readString("ggt", "b"), "40") << name;
  }
}

// Around section names and keys U+FEFF is white space; inside values it is kept.
TEST_F(IniFileTest, ByteOrderMarksAroundNamesCountAsWhiteSpace) {
  writeBytes(file(), QString::fromUtf16(u"[s]\r\n\uFEFF[\uFEFF t \uFEFF]\uFEFF\r\n\uFEFFk \uFEFF= v\uFEFF\r\n")
                         .toUtf8());
  IniFile ini(file());
  EXPECT_EQ(ini.sections(), (QStringList{"s", "t"}));
  EXPECT_EQ(ini.keys("t"), QStringList{"k"});
  EXPECT_EQ(ini.readString("t", "K"), QString::fromUtf16(u"v\uFEFF"));
}

// Many sections and keys (sections long enough for the key index): duplicates
// and case behave as in a small file, in both duplicate modes.
TEST_F(IniFileTest, LargeFileLooksUpLikeASmallOne) {
  QByteArray text;
  for (int s = 0; s < 300; ++s) {
    text += "[Sec" + QByteArray::number(s) + "]\n";
    for (int k = 0; k < 70; ++k) text += "key" + QByteArray::number(k) + "=" + QByteArray::number(s * 100 + k) + "\n";
  }
  text += "[SEC7]\nkey1=later\nnew=only here\n[short]\nKEY1=s\nkey1=t\n";
  writeBytes(file(), text);
  IniFile first(file());
  IniFile last(file(), IniFile::Duplicates::LastWins);
  EXPECT_EQ(first.readString("sec7", "KEY1"), "701");
  EXPECT_EQ(last.readString("sec7", "KEY1"), "later");
  EXPECT_FALSE(first.hasKey("sec7", "new"));
  EXPECT_EQ(last.readString("sec7", "new"), "only here");
  EXPECT_EQ(first.readString("Sec299", "key69"), "29969");
  EXPECT_EQ(first.readString("SHORT", "key1"), "s");
  EXPECT_EQ(last.readString("SHORT", "key1"), "t");
  EXPECT_EQ(first.sections().size(), 301);
  EXPECT_EQ(first.keys("sec123").size(), 70);
  // Lookups after changes that move lines.
  first.eraseSection("Sec0");
  first.writeString("Sec5", "extra", "x");
  EXPECT_EQ(first.readString("sec5", "extra"), "x");
  EXPECT_EQ(first.readString("sec6", "key0"), "600");
  EXPECT_FALSE(first.hasSection("sec0"));
}

TEST_F(IniFileTest, AcceptsEveryLineEndingAndKeepsTheFilesOwn) {
  writeBytes(file(), "[s]\ra=1\rb=2\r");
  IniFile ini(file());
  EXPECT_EQ(ini.readString("s", "b"), "2");
  ini.writeString("s", "c", "3");
  ASSERT_TRUE(ini.save());
  EXPECT_EQ(readBytes(file()), QByteArray("[s]\ra=1\rb=2\rc=3\r"));

  writeBytes(file(), "[s]\r\na=1");  // no line end after the last line
  IniFile crlf(file());
  EXPECT_EQ(crlf.readString("s", "a"), "1");
  crlf.writeString("s", "b", "2");
  ASSERT_TRUE(crlf.save());
  EXPECT_EQ(readBytes(file()), QByteArray("[s]\r\na=1\r\nb=2\r\n"));
}

TEST_F(IniFileTest, FailedWriteIsReportedAndLeavesTheOldFileIntact) {
  const QByteArray old = "[keep]\nvalue=precious\n";
  writeBytes(file(), old);
  IniFile ini(file());
  ini.writeString("keep", "big", QString(200000, u'x'));

  // Let the disk run "full": writes beyond 4 KiB fail with EFBIG.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = saved;
  tiny.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  QString error;
  const bool ok = ini.save(&error);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(ok);
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(readBytes(file()), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.ini"});  // no temporary left

  // A folder that does not exist is reported too.
  IniFile nowhere(dir.filePath("no/such/folder/x.ini"));
  nowhere.writeString("a", "b", "c");
  EXPECT_FALSE(nowhere.save(&error));
  EXPECT_FALSE(zw::iniWriteString(dir.filePath("no/x.ini"), "a", "b", "c"));
}

TEST_F(IniFileTest, FileThatCannotBeReadIsNeverReplaced) {
  // Far larger than any settings or worksheet file: refused when reading,
  // so a save must not replace it with the little that was written.
  {
    QFile huge(file());
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(65LL * 1024 * 1024));
  }
  expectReadsEmptyAndIsNeverReplaced(file());
  EXPECT_EQ(QFileInfo(file()).size(), 65LL * 1024 * 1024);
}

// A pipe (or a device) under a settings or worksheet name is neither read,
// which could block for ever, nor replaced by a regular file.
TEST_F(IniFileTest, SomethingOtherThanARegularFileIsNeitherReadNorReplaced) {
  const QString fifo = file("fifo.ini");
  const QByteArray name = QFile::encodeName(fifo);
  ASSERT_EQ(mkfifo(name.constData(), 0600), 0);
  // Should a read wait on the pipe, a writer that comes and goes ends the wait.
  std::thread unblock([&name] {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  });
  expectReadsEmptyAndIsNeverReplaced(fifo);
  unblock.join();
  EXPECT_FALSE(QFileInfo(fifo).isFile());  // still the pipe
}

TEST_F(IniFileTest, MalformedBytesNeverCrash) {
  std::mt19937 rng(12345);
  const char alphabet[] = "[]=;\"'\r\n \t\0\xFF\xFE\xEF\xBB\xBFxyz\x80\xC3";
  for (int round = 0; round < 300; ++round) {
    QByteArray bytes;
    const int len = int(rng() % 200);
    for (int i = 0; i < len; ++i) bytes.append(alphabet[rng() % (sizeof alphabet - 1)]);
    writeBytes(file(), bytes);
    IniFile ini(file());
    for (const QString& s : ini.sections())
      for (const QString& k : ini.keys(s)) {
        (void)ini.readString(s, k);
        (void)ini.readInteger(s, k, 0);
      }
    ini.writeString("x", "y", "z");
    ini.eraseSection("]");
    if (round % 30 != 0) continue;  // saving is durable, hence slow: a sample suffices
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(IniFile(file()).readString("x", "y"), "z") << bytes.toHex().toStdString();
  }
}

}  // namespace
