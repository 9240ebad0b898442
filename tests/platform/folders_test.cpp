#include "platform/folders/Folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(Folders, JoinPathPutsExactlyOneSeparator) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"/a/b", "memory.dat", "/a/b/memory.dat"},
      {"/a/b/", "memory.dat", "/a/b/memory.dat"},
      {"/a/b/", "/memory.dat", "/a/b/memory.dat"},
      {"", "memory.dat", "memory.dat"},
      {"/a/Zahlwerk 10.0/", "DEMO.DAT", "/a/Zahlwerk 10.0/DEMO.DAT"},
  };
  for (const auto& [folder, name, expected] : cases)
    EXPECT_EQ(zw::joinPath(folder, name).toStdString(), expected);
  EXPECT_EQ(zw::withSeparator("/x"), "/x/");
  EXPECT_EQ(zw::withSeparator("/x/"), "/x/");
  EXPECT_EQ(zw::withSeparator(""), "");
}

TEST(Folders, FixedNamesAreFoundWithoutRegardToCase) {
  QTemporaryDir dir;
  touch(dir.filePath("demo.DAT"));
  touch(dir.filePath("Memory.dat"));
  touch(dir.filePath("memory.dat"));  // both spellings: the exact one is taken
  const QString folder = dir.path() + "/";
  EXPECT_EQ(zw::locateFile(folder, "DEMO.DAT"), folder + "demo.DAT");
  EXPECT_EQ(zw::locateFile(folder, "memory.dat"), folder + "memory.dat");
  EXPECT_EQ(zw::locateFile(folder, "ZW100.INI"), folder + "ZW100.INI");  // missing: as given
  EXPECT_TRUE(zw::fileExistsIgnoringCase(folder, "Demo.dat"));
  EXPECT_FALSE(zw::fileExistsIgnoringCase(folder, "DEMO.csv"));
  QDir(dir.path()).mkdir("demo.csv");  // a folder of that name is no file
  EXPECT_FALSE(zw::fileExistsIgnoringCase(folder, "DEMO.csv"));
  EXPECT_FALSE(zw::fileExistsIgnoringCase(dir.filePath("nosuchfolder"), "x"));
}

TEST(Folders, LocalAppDataFollowsXdgDataHome) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  const bool had = qEnvironmentVariableIsSet("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/srv/data");
  EXPECT_EQ(zw::SpecialFolder(zw::kLocalAppDataFolderId), "/srv/data");
  qputenv("XDG_DATA_HOME", "relative/path");  // not absolute: ignored, as the XDG rules say
  EXPECT_EQ(zw::SpecialFolder(zw::kLocalAppDataFolderId), QDir::homePath() + "/.local/share");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(zw::SpecialFolder(zw::kLocalAppDataFolderId), QDir::homePath() + "/.local/share");
  EXPECT_EQ(zw::SpecialFolder(zw::kProgramFilesFolderId), "");
  EXPECT_EQ(zw::SpecialFolder(5), "");
  if (had) qputenv("XDG_DATA_HOME", saved);
}

TEST(Folders, AppFolderIsTheProgramsOwnFolder) {
  const QString app = zw::appFolderPath();
  EXPECT_TRUE(app.endsWith('/'));
  EXPECT_TRUE(QFile::exists(app + "test_platform"));
}

TEST(Folders, EnsureFolderCreatesMissingParents) {
  QTemporaryDir dir;
  const QString deep = dir.filePath("share/Zahlwerk 10.0/");
  EXPECT_TRUE(zw::ensureFolder(deep));
  EXPECT_TRUE(QDir(deep).exists());
  EXPECT_TRUE(zw::ensureFolder(deep));  // already there
  touch(dir.filePath("file"));
  EXPECT_FALSE(zw::ensureFolder(dir.filePath("file/sub")));
}

}  // namespace
