#include "shell/Startup.h"

#include <QApplication>
#include <QLocale>
#include <QWidget>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "shell/KernelMessages.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/ZoomStyle.h"
#include "shell/texts/LanguageFiles.h"

namespace zw {

void StartUp(const QString& appFolder) {
  // First: every box, those about the settings and language files included,
  // carries the program's title.
  QCoreApplication::setApplicationName(ProgramTitle);
  // The shared fonts are created by their module on first use, once the
  // settings (zoom) are known; the main window applies them.
  KernelState& k = kernelState();
  ShellState& s = shellState();
  k.AngleMode = 1;
  s.ChartLogX = s.ChartLogY = false;
  s.ChartResolution = 1;
  // Number texts use the system's decimal separator; read it once here.
  const QString point = QLocale::system().decimalPoint();
  k.RegionalDecimalSeparator = point.isEmpty() ? u'.' : point.front().unicode();

  s.AppFolder = withSeparator(appFolder);
  // On Linux the install folder of a non-portable installation is the
  // program's own folder; the data go to the user's XDG data folder.
  s.LocalInstallFolder = s.AppFolder;
  s.LocalDataFolder = withSeparator(joinPath(SpecialFolder(kLocalAppDataFolderId), DataFolderName));
  s.SettingsPath = locateFile(s.AppFolder, SettingsFileName);

  ReadSettings(false);
  InstallKernelMessageSinks();
}

void StartUp() { StartUp(appFolderPath()); }

void ShutDown() { clearLanguageFiles(); }

int RunProgram(QApplication& app, const std::function<std::unique_ptr<QWidget>()>& createMainWindow) {
  StartUp();
  InstallZoomStyle();
  int rc = 0;
  {
    std::unique_ptr<QWidget> window = createMainWindow();
    window->show();
    rc = app.exec();
  }
  ShutDown();
  return rc;
}

}  // namespace zw
