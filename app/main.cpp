#include <QApplication>

#include "shell/Startup.h"
#include "shell/mainwindow/MainWindow.h"
#include "topics/AllTopics.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Every topic area registers its windows and texts before the first window opens.
  zw::RegisterAllTopics();
  return zw::RunProgram(app, zw::createMainWindow);
}
