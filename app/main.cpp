#include <QApplication>
#include <QMainWindow>
#include <memory>

#include "shell/Startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return zw::RunProgram(app, [] {
    auto w = std::make_unique<QMainWindow>();
    w->setWindowTitle(zw::ProgramTitle);
    w->resize(1000, 700);
    return w;
  });
}
