#include "shell/Startup.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"
#include "tests/shell/settings_files.h"

namespace {

using zw::kernelState;
using zw::shellState;
using zw::testfiles::writeFile;

// A program folder and an XDG data home of its own for each test.
class StartupTest : public ::testing::Test {
protected:
  QTemporaryDir root;
  QString app, xdg;
  QByteArray savedXdg;
  bool hadXdg = false;

  void SetUp() override {
    zw::resetShellState();
    kernelState().reset();
    app = root.filePath("opt/zahlwerk");
    xdg = root.filePath("xdg");
    QDir().mkpath(app);
    hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    savedXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", xdg.toUtf8());
    zw::commandUi().information = [](QWidget*, const QString&) {};
  }
  void TearDown() override {
    if (hadXdg) qputenv("XDG_DATA_HOME", savedXdg); else qunsetenv("XDG_DATA_HOME");
    zw::resetCommandUi();
    zw::clearLanguageFiles();
    zw::resetShellState();
    kernelState().reset();
  }
};

TEST_F(StartupTest, SetsDefaultsFoldersAndReadsTheSettings) {
  kernelState().AngleMode = 0;
  shellState().ChartLogX = shellState().ChartLogY = true;
  shellState().ChartResolution = 3;
  writeFile(app + "/zw100.ini", "[options]\nlanguage=2\n");  // found whatever its case
  writeFile(app + "/DEMO.DAT", "[acc]\nd=01.01.2026\n");
  zw::StartUp(app);

  const auto& s = shellState();
  EXPECT_EQ(kernelState().AngleMode, 1);
  EXPECT_FALSE(s.ChartLogX);
  EXPECT_FALSE(s.ChartLogY);
  EXPECT_EQ(s.ChartResolution, 1);
  EXPECT_EQ(s.AppFolder, app + "/");
  EXPECT_EQ(s.LocalInstallFolder, app + "/");
  EXPECT_EQ(s.LocalDataFolder, xdg + "/Zahlwerk 10.0/");
  EXPECT_EQ(s.SettingsPath, app + "/zw100.ini");
  EXPECT_EQ(s.LanguageKind, 2);
  EXPECT_EQ(s.DataFolder, s.LocalDataFolder);
  EXPECT_EQ(s.InstallFolder, s.LocalInstallFolder);
  // The user's data folder was created and got the sample the program ships.
  EXPECT_EQ(zw::IniFile(s.DataFolder + "DEMO.DAT").readString("acc", "d"), "01.01.2026");
  EXPECT_EQ(QCoreApplication::applicationName(), "Zahlwerk 10.0");
}

TEST_F(StartupTest, ShutDownReleasesTheLanguageFiles) {
  writeFile(app + "/italiano.txt", "[" + zw::TextPageName(zw::IPage).toUtf8() + "]\n0=Pagina\n");
  zw::StartUp(app);
  ASSERT_NE(zw::languageFileValue(3, zw::IPage, 0), nullptr);
  zw::ShutDown();
  EXPECT_EQ(zw::languageFileValue(3, zw::IPage, 0), nullptr);
}

TEST_F(StartupTest, RunProgramShowsTheWindowUntilItClosesThenShutsDown) {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  ASSERT_NE(application, nullptr);
  QPointer<QWidget> shown;
  bool wasVisible = false;
  const int rc = zw::RunProgram(*application, [&] {
    auto w = std::make_unique<QWidget>();
    shown = w.get();
    QTimer::singleShot(0, w.get(), [&] {
      wasVisible = shown && shown->isVisible();
      shown->close();
    });
    return w;
  });
  EXPECT_EQ(rc, 0);
  EXPECT_TRUE(wasVisible);
  EXPECT_TRUE(shown.isNull());  // the window is gone after the loop
  EXPECT_EQ(kernelState().AngleMode, 1);
  EXPECT_TRUE(shellState().AppFolder.endsWith('/'));
}

// The sample files the program ships must read as their topics expect.
TEST(ShippedSamples, AreWellFormedExamples) {
  const QString dataDir = QStringLiteral(ZW_SOURCE_DIR "/data/");
  ASSERT_TRUE(QFile::exists(dataDir + "DEMO.DAT")) << dataDir.toStdString();
  zw::IniFile demo(dataDir + "DEMO.DAT");
  EXPECT_TRUE(demo.hasKey("acc", "d"));

  for (const char* name : {"DEMO.csv", "Hopfenwachstum.csv", "JHU_DE_Mrz-Mai.csv"}) {
    QFile f(dataDir + name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    double limit = 0, lastT = -1, largest = 0;
    int rows = 0;
    for (const QString& line : lines) {
      // The reader splits at ";" and at blanks: exactly two fields, no blanks.
      const QStringList fields = line.split(';');
      ASSERT_EQ(fields.size(), 2) << name << ": " << line.toStdString();
      ASSERT_FALSE(line.contains(' ') || line.contains('\r')) << name;
      if (fields[0] == "INF") {
        limit = fields[1].toDouble();
      } else if (fields[0] == "TAG1") {
        EXPECT_TRUE(QDate::fromString(fields[1], "dd.MM.yyyy").isValid()) << name;
      } else {
        bool okT = false, okF = false;
        const double t = fields[0].toDouble(&okT), v = fields[1].toDouble(&okF);
        ASSERT_TRUE(okT && okF) << name << ": " << line.toStdString();
        EXPECT_GT(t, lastT) << name;
        EXPECT_EQ(limit, 0) << name << ": data rows come before the key lines";
        lastT = t;
        largest = std::max(largest, v);
        ++rows;
      }
    }
    EXPECT_GE(rows, 5) << name;
    // The fit takes ln(1/f - 1/S): every value lies below the limit.
    EXPECT_GT(limit, largest) << name;
  }
}

}  // namespace
