// Saves a picture of the main window as the program shows it: start-up with
// the given program folder, the zoom forced, optionally one topic opened and
// a language chosen (0 German, 1 English, 2 French, or the path of a language
// file, which takes the first external slot). Built and run by
// tools/main_window_screenshot.sh.
//
//   main_window_screenshot <program folder> <out.png> [zoom] [catalogue item | about | game | -] [language]
//
// A topic can be shown with data: ZW_SHOT_SHEET names a worksheet it loads
// ("demo" for the sample worksheet), ZW_SHOT_CLICK the buttons it clicks
// (object names, comma separated) and ZW_SHOT_PAGE the page it shows then.
#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QTabWidget>
#include <QPixmap>
#include <QTimer>

#include "platform/files/WriteFile.h"
#include "shell/Startup.h"
#include "shell/State.h"
#include "shell/about/AboutBox.h"
#include "shell/about/FlipFlopDialog.h"
#include "shell/mainwindow/MainWindow.h"
#include "shell/texts/LanguageFiles.h"
#include "platform/folders/Folders.h"
#include "topics/AllTopics.h"
#include "topics/frame/TopicWindow.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  QApplication app(argc, argv);
  zw::RegisterAllTopics();
  zw::StartUp(QString::fromLocal8Bit(argv[1]));
  zw::shellState().Zoom = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 100;
  zw::shellState().MaxOption = false;
  zw::TFMenu window;
  window.setQuitQuestion([] { return true; });
  window.show();
  const QString item = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
  QWidget* shown = &window;
  zw::TFInfo about(&window);
  zw::TFlipFlop game(&window);
  if (item == QLatin1String("about")) shown = &about;
  else if (item == QLatin1String("game")) shown = &game;
  else if (!item.isEmpty() && item != QLatin1String("-")) window.openTopic(item.toStdString());
  if (argc > 5) {
    const QString language = QString::fromLocal8Bit(argv[5]);
    bool number = false;
    int kind = language.toInt(&number);
    if (!number) {
      kind = 3;
      if (!zw::setLanguageFile(kind, language)) return 3;
      zw::shellState().LanguageNames[kind] = QFileInfo(language).baseName();
      zw::shellState().LanguageNumber = kind;
    }
    zw::shellState().LanguageKind = kind;
    window.SetLanguage(kind);
  }
  if (shown != &window) shown->show();
  if (auto* topic = dynamic_cast<zw::TopicWindow*>(window.activeTopicWindow())) {
    QString sheet = qEnvironmentVariable("ZW_SHOT_SHEET");
    if (sheet == QLatin1String("demo")) sheet = zw::joinPath(zw::shellState().DataFolder, QStringLiteral("DEMO.DAT"));
    if (!sheet.isEmpty()) topic->cmdLoad(sheet);
    for (const QString& name : qEnvironmentVariable("ZW_SHOT_CLICK").split(u',', Qt::SkipEmptyParts))
      if (auto* b = topic->findChild<QAbstractButton*>(name)) b->click();
    bool number = false;
    const int page = qEnvironmentVariable("ZW_SHOT_PAGE").toInt(&number);
    if (number) topic->pageControl()->setCurrentIndex(page);
  }
  bool saved = false;
  QTimer::singleShot(800, [&] {
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QByteArray format = QFileInfo(out).suffix().toUpper().toLatin1();
    saved = zw::WriteImageAtomic(out, shown->grab().toImage(), format.isEmpty() ? "PNG" : format.constData());
    app.quit();
  });
  app.exec();
  return saved ? 0 : 1;
}
