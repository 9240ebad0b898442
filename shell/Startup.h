#pragma once
// The program's start-up and shut-down order. The QApplication must exist
// (fonts and message boxes need it); nothing here needs a window.
#include <QString>
#include <functional>
#include <memory>

class QApplication;
class QWidget;

namespace zw {

inline constexpr const char* ProgramTitle = "Zahlwerk 10.0";
// The folder name below the local application-data folder.
inline constexpr const char* DataFolderName = "Zahlwerk 10.0";

// Everything before the main window: chart and angle defaults, the system's
// decimal separator, the folders (AppFolder = `appFolder`, normally the
// program's own folder) and the settings file, then the program title.
// The program never beeps, so there is no beep setting to switch.
void StartUp(const QString& appFolder);
void StartUp();

// After the message loop: releases the external language files.
void ShutDown();

// StartUp, creates and shows the main window, runs the message loop until it
// has closed, destroys the window, ShutDown. Returns the loop's exit code.
int RunProgram(QApplication& app, const std::function<std::unique_ptr<QWidget>()>& createMainWindow);

}  // namespace zw
