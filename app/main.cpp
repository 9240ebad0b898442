#include <QApplication>

#include "shell/Startup.h"
#include "shell/mainwindow/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return zw::RunProgram(app, zw::createMainWindow);
}
