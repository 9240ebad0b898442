// The settings writer as a program: it is copied into a folder of its own
// and started with its 19 arguments, as the options dialog starts it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"

namespace zw {
namespace {

class SaveOptionsProgram : public ::testing::Test {
protected:
  void SetUp() override {
    const QString built = joinPath(QCoreApplication::applicationDirPath(), QStringLiteral("SaveOptions"));
    program_ = joinPath(dir_.path(), QStringLiteral("SaveOptions"));
    ASSERT_TRUE(QFile::copy(built, program_)) << built.toStdString();
  }

  int run(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setWorkingDirectory(QDir::tempPath());  // not its own folder
    p.start(program_, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) return -1;
    return p.exitCode();
  }

  static QStringList parts() {
    return {"Zw100.ini", "1",   "italiano", "my language", "greek", "turkish", "0",
            "1",         "133", "0,9",      "false",       "2",     "5,19,13,3,14,4,6,20,21,10,11,24",
            "2,2,2,2,2,2,2,2,2,2,2,3",      "28",          "1",     "false",   "true", "false"};
  }

  QTemporaryDir dir_;
  QString program_;
};

TEST_F(SaveOptionsProgram, WritesEveryPartAndKeepsTheOtherKeys) {
  // An existing file in another case, with keys the writer does not own.
  const QString file = joinPath(dir_.path(), QStringLiteral("zw100.ini"));
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("; my settings\r\n[options]\r\nwebhelp=TRUE\r\nlanguage=0\r\nnoflop=no\r\n[regression]\r\nseperator=K\r\n");
  }
  ASSERT_EQ(run(parts()), 0);
  EXPECT_FALSE(QFile::exists(joinPath(dir_.path(), QStringLiteral("ZW100.INI"))));
  const IniFile ini(file);
  const std::pair<const char*, const char*> expected[] = {
      {"language", "1"},      {"extern3", "italiano"}, {"extern4", "my language"}, {"extern5", "greek"},
      {"extern6", "turkish"}, {"MDI", "0"},            {"MAX", "1"},               {"zoom", "133"},
      {"printsize", "0,9"},   {"printcol", "false"},   {"gridstyle", "2"},
      {"LineColor", "5,19,13,3,14,4,6,20,21,10,11,24"}, {"LineWidth", "2,2,2,2,2,2,2,2,2,2,2,3"},
      {"AreaColor", "28"},    {"RandWidth", "1"},      {"Portable", "false"},      {"memory", "true"},
      {"webhelp", "TRUE"},    {"noflop", "no"},
  };
  for (const auto& [key, value] : expected)
    EXPECT_EQ(ini.readString("options", key), QString::fromUtf8(value)) << key;
  EXPECT_EQ(ini.readString("regression", "seperator"), QStringLiteral("K"));
  EXPECT_EQ(ini.keys("options").count(QStringLiteral("language")), 1);
}

TEST_F(SaveOptionsProgram, RefusesCommandLinesItDoesNotUnderstand) {
  const QString file = joinPath(dir_.path(), QStringLiteral("ZW100.INI"));
  auto with = [](int index, const QString& value) {
    QStringList p = parts();
    p[index] = value;
    return p;
  };
  QStringList shorter = parts();
  shorter.removeLast();
  const QStringList cases[] = {shorter, parts() << QStringLiteral("x"), with(0, QStringLiteral("other.ini")),
                               with(3, QStringLiteral("a\nMDI=0")), with(18, QStringLiteral("true")), {}};
  for (const QStringList& c : cases) {
    EXPECT_EQ(run(c), 2) << c.join(u' ').toStdString();
    EXPECT_FALSE(QFile::exists(file));
  }
}

TEST_F(SaveOptionsProgram, ReportsAFileItCannotWrite) {
  // A folder in the settings file's place can be neither read nor replaced.
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("ZW100.INI")));
  EXPECT_EQ(run(parts()), 1);
}

}  // namespace
}  // namespace zw
