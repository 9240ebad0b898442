#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zahlwerk 10.0");
  QMainWindow w;
  w.setWindowTitle("Zahlwerk 10.0");
  w.resize(1000, 700);
  w.show();
  return app.exec();
}
