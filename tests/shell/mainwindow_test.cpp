// The main window: tile and window geometry, the language switch, the
// catalogue items, the Datei items, the status-line game, the calculator and
// the closing sequence.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include "common/AtomicFile.h"
#include "kernel/KernelState.h"
#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "tests/shell/mainwindow_mouse.h"
#include "shell/catalogue/PlaceholderTopicWindow.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/mainwindow/MainWindow.h"
#include "shell/mainwindow/WindowLayout.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"

namespace zw {
namespace {

TEST(MainWindowGeometry, TilesAreCentredInTheClientArea) {
  struct Case { int width, height, zoom, x0, y0, w, h; };
  const Case cases[] = {
      {800, 600, 100, 47, 45, 225, 250},    // (800 - 675 - 30) div 2 = 47
      {1000, 700, 120, 80, 45, 270, 300},
      {1280, 900, 150, 119, 70, 337, 375},  // (1280 - 1011 - 30) div 2 = 119
      {600, 400, 100, -52, -55, 225, 250},  // too small: truncation toward zero
  };
  for (const Case& c : cases) {
    const auto r = tileRects(QSize(c.width, c.height), c.zoom);
    const int w = ScalePixelsAt(225, c.zoom), h = ScalePixelsAt(250, c.zoom);
    ASSERT_EQ(w, c.w);
    ASSERT_EQ(h, c.h);
    const int x0 = (c.width - 3 * w - 30) / 2, y0 = (c.height - 2 * h - 10) / 2;
    EXPECT_EQ(x0, c.x0);
    EXPECT_EQ(y0, c.y0);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(r[i], QRect(x0 + (i % 3) * (w + 10), y0 + (i / 3) * (h + 10), w, h)) << c.width << " tile " << i;
    }
  }
  EXPECT_EQ(tilePictureRect(120), QRect(2, 2, 265, 249));
  EXPECT_EQ(languageButtonRect(0, 256), QRect(4, 1, 34, 22));
  EXPECT_EQ(languageButtonRect(6, 256), QRect(220, 1, 34, 22));
}

TEST(MainWindowGeometry, WindowPlacementAndWorkAreaLimit) {
  struct Case { int zoom; bool max; int work; QSize screen; int zoomOut; QRect bounds; };
  const Case cases[] = {
      {150, false, 1040, {1920, 1080}, 133, {295, 47, 1330, 931}},
      {0, false, 1040, {1920, 1080}, 120, {360, 93, 1200, 840}},
      {0, true, 1040, {1920, 1080}, 120, {}},
      {150, true, 600, {800, 600}, 150, {}},      // maximised: no limit
      {120, false, 600, {800, 600}, 77, {15, 15, 770, 539}},
      {100, false, 200, {800, 240}, 50, {150, 0, 500, 350}},  // the limit never goes below 50
  };
  for (const Case& c : cases) {
    const WindowPlacement p = computeWindowPlacement(c.zoom, c.max, c.work, c.screen);
    EXPECT_EQ(p.maximised, c.max);
    EXPECT_EQ(p.zoom, c.zoomOut) << c.zoom << " " << c.work;
    if (!c.max) {
      EXPECT_EQ(p.bounds, c.bounds) << c.zoom << " " << c.work;
    }
  }
}

TEST(MainWindowGeometry, NewWindowsCascadeWithinTheClientArea) {
  struct Case { int before, step; QSize window, client; QPoint expected; };
  const Case cases[] = {
      {0, 25, {600, 340}, {1000, 600}, {0, 0}},
      {1, 25, {600, 340}, {1000, 600}, {25, 25}},
      {10, 25, {600, 340}, {1000, 600}, {250, 250}},  // 600 - 340 = 260 leaves room for ten steps
      {11, 25, {600, 340}, {1000, 600}, {0, 0}},      // the eleventh would leave the area: start again
      {12, 25, {600, 340}, {1000, 600}, {25, 25}},
      {3, 25, {1200, 800}, {1000, 600}, {0, 0}},      // larger than the area: always the corner
      {3, 0, {600, 340}, {1000, 600}, {0, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cascadePosition(c.before, c.step, c.window, c.client), c.expected) << c.before << " " << c.step;
}

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    resetShellState();
    clearLanguageFiles();
    kernelState().reset();
    ShellState& s = shellState();
    s.AppFolder = dir.path() + QLatin1Char('/');
    s.DataFolder = s.AppFolder;
    s.Zoom = 100;
    s.MaxOption = true;  // no work-area limit on the small offscreen screen
    makeWindow();
  }
  void makeWindow() {
    w = std::make_unique<TFMenu>();
    w->setQuitQuestion([this] { return answerYes; });
    commandUi().information = [this](QWidget*, const QString& m) { messages << m; };
  }
  void TearDown() override {
    if (w) {
      answerYes = true;
      w->close();
    }
    w.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    resetCommandUi();
    clearLanguageFiles();
    resetShellState();
    kernelState().reset();
  }
  void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  int openCount() const { return static_cast<int>(w->topicWindows().size()); }

  QTemporaryDir dir;
  std::unique_ptr<TFMenu> w;
  bool answerYes = false;
  QStringList messages;
};

TEST_F(MainWindowTest, TilesFollowTheClientSizeAndZoom) {
  w->show();
  w->showNormal();
  for (QSize size : {QSize(1000, 700), QSize(760, 640)}) {
    w->resize(size);
    settle();
    const auto expected = tileRects(w->mdiArea()->viewport()->size(), shellState().Zoom);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(w->tile(i)->geometry(), expected[i]) << size.width() << " tile " << i;
      EXPECT_TRUE(w->tile(i)->isVisible());
    }
  }
  const auto S = [](int v) { return ScalePixels(v); };
  EXPECT_EQ(w->toolButton("BtnHelp")->geometry().left(), w->centralWidget()->width() - S(50));
  EXPECT_EQ(w->toolButton("BtnHint")->geometry().left(), w->centralWidget()->width() - S(80));
  EXPECT_EQ(w->toolButton("BtnQuit")->geometry(), QRect(S(216), S(2), S(20), S(20)));
  EXPECT_EQ(w->toolButton("BtnQuit")->iconSize(), QSize(S(16), S(16)));
  EXPECT_EQ(w->languageButton(3)->geometry(), languageButtonRect(3, 256));
}

TEST_F(MainWindowTest, ApplyWindowLayoutSetsZoomAndMetrics) {
  struct Case { int zoom; int rowHeight, row1, row2, row3, colLeft7, half, quarter; };
  const Case cases[] = {
      {100, 20, 16, 40, 64, 376, 12, 6},
      {120, 24, 19, 48, 76, 451, 14, 7},
      {150, 30, 24, 60, 96, 564, 18, 9},
  };
  for (const Case& c : cases) {
    shellState().Zoom = c.zoom;
    shellState().MaxOption = true;
    w->ApplyWindowLayout();
    const LayoutMetrics& m = metrics();
    EXPECT_EQ(shellState().Zoom, c.zoom);
    EXPECT_EQ(m.RowHeight, c.rowHeight);
    EXPECT_EQ(m.RowTop[1], c.row1);
    EXPECT_EQ(m.RowTop[2], c.row2);
    EXPECT_EQ(m.RowTop[3], c.row3);
    EXPECT_EQ(m.ColLeft[7], c.colLeft7);
    EXPECT_EQ(m.HalfRowStep, c.half);
    EXPECT_EQ(m.QuarterRowStep, c.quarter);
  }
  // In normal state the work area of the screen limits the zoom.
  const int workHeight = w->screen()->availableGeometry().height();
  const int limit = std::max(50, static_cast<int>(std::trunc(workHeight / 700.0 * 90.0)));
  shellState().Zoom = limit + 30;
  shellState().MaxOption = false;
  w->ApplyWindowLayout();
  EXPECT_EQ(shellState().Zoom, limit);
  EXPECT_EQ(metrics().RowHeight, ScalePixelsAt(20, limit));
  EXPECT_EQ(w->size(), QSize(1000 * limit / 100, 700 * limit / 100));
}

// Every caption of the main window in the current language.
void expectCaptionsOfCurrentLanguage(TFMenu& w) {
  EXPECT_EQ(w.menuColumn(0)->title(), GetText(IDatei, 0));
  EXPECT_EQ(w.menuColumn(1)->title(), GetText(IAlg, 0));
  EXPECT_EQ(w.menuColumn(2)->title(), GetText(IGeo, 0) + QStringLiteral(" &2D"));
  EXPECT_EQ(w.menuColumn(3)->title(), GetText(IGeo, 0) + QStringLiteral(" &3D"));
  EXPECT_EQ(w.menuColumn(4)->title(), GetText(IAna, 0));
  EXPECT_EQ(w.menuColumn(5)->title(), GetText(ISto, 0));
  EXPECT_EQ(w.menuColumn(6)->title(), GetText(ILinAlg, 0));
  EXPECT_EQ(w.menuColumn(7)->title(), GetText(IFenster, 0));
  EXPECT_EQ(w.menuColumn(8)->title(), GetText(IHelp, 0));
  struct Fixed { const char* name; TTextIndex page; int item; };
  for (const Fixed& f : {Fixed{"MNew", ITabelle, 4}, Fixed{"MLoad", IDatei, 10}, Fixed{"MSave", IDatei, 20},
                         Fixed{"MClose", IDatei, 30}, Fixed{"MPrint", IPrint, 0}, Fixed{"MSetup", IPrint, 1},
                         Fixed{"MOpt", IOpt, 0}, Fixed{"MQuit", IQuit, 0}, Fixed{"MCascade", IFenster, 1},
                         Fixed{"MTile", IFenster, 2}, Fixed{"MArrange", IFenster, 3},
                         Fixed{"MCloseAll", IFenster, 4}, Fixed{"MIndex", IHelp, 1}, Fixed{"MAbout", IHelp, 3}})
    EXPECT_EQ(w.menuItem(f.name)->text(), GetText(f.page, f.item)) << f.name;
  EXPECT_EQ(w.menuItem("MLoad")->statusTip(), GetText(IDatei, -10));
  for (const CatalogueItem& item : catalogueItems())
    EXPECT_EQ(w.menuItem(item.name)->text(), GetText(item.captionPage, 0)) << item.name;
  struct Hint { const char* button; TTextIndex page; int item; };
  for (const Hint& h : {Hint{"BtnNew", ITabelle, 4}, Hint{"btnopen", IDatei, 10}, Hint{"BtnSave", IDatei, 20},
                        Hint{"BtnCut", ITool, 1}, Hint{"BtnCopy", ITool, 2}, Hint{"BtnPaste", ITool, 3},
                        Hint{"BtnSnap", ITool, 4}, Hint{"BtnHint", ITool, 5}, Hint{"BtnPrint", IPrint, 0},
                        Hint{"BtnQuit", IQuit, 0}, Hint{"BtnHelp", IHelp, 0}})
    EXPECT_EQ(w.toolButton(h.button)->toolTip(), GetText(h.page, h.item)) << h.button;
  const QString tiles[6] = {GetText(IAlg, 0), GetText(IGeo, 0) + QStringLiteral(" &2D"),
                            GetText(IGeo, 0) + QStringLiteral(" &3D"), GetText(IAna, 0), GetText(ISto, 0),
                            GetText(ILinAlg, 0)};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(w.tile(i)->caption(), tiles[i]);
}

TEST_F(MainWindowTest, LanguageButtonsSwitchEveryCaption) {
  const QString germanFile = w->menuColumn(0)->title();
  EXPECT_EQ(germanFile, QStringLiteral("&Datei"));
  struct Case { int k; const char16_t* separator; };
  for (const Case& c : {Case{1, u"."}, Case{2, u","}, Case{0, u","}}) {
    testing::click(w->languageButton(c.k), Qt::LeftButton);
    EXPECT_EQ(shellState().LanguageKind, c.k);
    EXPECT_EQ(kernelState().LanguageDecimalSeparator, std::u16string(c.separator));
    expectCaptionsOfCurrentLanguage(*w);
    if (c.k == 1) {
      EXPECT_NE(w->menuColumn(0)->title(), germanFile);
    }
  }
  EXPECT_TRUE(shellState().HelpFile.endsWith(QLatin1String("Zw100d.chm")));
}

TEST_F(MainWindowTest, AnExternalRightToLeftLanguageMirrorsTheWindowAndItsTopics) {
  const QString file = dir.path() + QStringLiteral("/mirror.txt");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[IPage]\n0=right\n[IAlg]\n0=Algebra-X\n");
  f.close();
  ASSERT_TRUE(setLanguageFile(5, file));
  shellState().LanguageNames[5] = QStringLiteral("mirror");
  TopicWindowBase* topic = w->openTopic("MggT");
  testing::click(w->languageButton(5), Qt::LeftButton);
  EXPECT_EQ(shellState().LanguageNumber, 5);
  EXPECT_TRUE(shellState().RightToLeft);
  EXPECT_EQ(w->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(topic->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(w->menuColumn(1)->title(), QStringLiteral("Algebra-X"));
  EXPECT_EQ(w->menuColumn(2)->title(), QStringLiteral("&2D-") + GetText(IGeo, 0));
  // The drop-down menus, submenus included, read right to left as well.
  for (QMenu* menu : w->menuBar()->findChildren<QMenu*>())
    EXPECT_EQ(menu->layoutDirection(), Qt::RightToLeft) << menu->objectName().toStdString();
  // So does the toolbar: its buttons stand mirrored, "New" at the right edge.
  const auto S = [](int v) { return ScalePixels(v); };
  const int width = w->toolButton("BtnNew")->parentWidget()->width();
  EXPECT_EQ(w->toolButton("BtnNew")->geometry(), QRect(width - S(10) - S(20), S(2), S(20), S(20)));
  EXPECT_EQ(w->toolButton("BtnHelp")->geometry().left(), S(50) - S(20));
  testing::click(w->languageButton(0), Qt::LeftButton);
  EXPECT_EQ(w->toolButton("BtnNew")->geometry(), QRect(S(10), S(2), S(20), S(20)));
  EXPECT_FALSE(shellState().RightToLeft);
  EXPECT_EQ(topic->layoutDirection(), Qt::LeftToRight);
  for (QMenu* menu : w->menuBar()->findChildren<QMenu*>())
    EXPECT_EQ(menu->layoutDirection(), Qt::LeftToRight) << menu->objectName().toStdString();
}

// The menus as a German user sees them: captions in order, "-" for a
// separator, "[...]" around the items of a submenu.
QString menuOutline(const QMenu* menu) {
  QStringList parts;
  for (const QAction* a : menu->actions()) {
    if (a->isSeparator())
      parts << QStringLiteral("-");
    else if (a->menu())
      parts << a->text() + QStringLiteral("[") + menuOutline(a->menu()) + QStringLiteral("]");
    else
      parts << a->text();
  }
  return parts.join(QLatin1Char('|'));
}

TEST_F(MainWindowTest, TheGermanMenusItemByItem) {
  const char* const expected[9] = {
      "Neu|\u00d6ffnen|Speichern|Schlie\u00dfen|-|Drucken|Drucker einrichten|-|Optionen|-|Beenden",
      "Primzahlen|Primzahltupel|Primfaktorzerlegung|Gr\u00f6\u00dfter gemeinsamer Teiler|-|Prozentrechnen|"
      "Dezimalzahlen -> Br\u00fcche|Br\u00fcche -> Dezimalzahlen|-|Binome|Gleichungen 4. Grades|"
      "Diophantische Gleichungen|Pythagor\u00e4ische Zahlentripel|-|Rechnen in Zahlensystemen|"
      "Rechnen mit Br\u00fcchen|Rechnen mit komplexen Zahlen|Rechnen mit gro\u00dfen Zahlen|-|Rechner aufrufen",
      "Rechtwinklige Dreiecke|Dreiecke aus drei Gr\u00f6\u00dfen|Dreiecke aus drei Punkten|"
      "Besondere Geraden im Dreieck|-|Regelm\u00e4\u00dfige Vielecke|Beliebige Vielecke|Abbilden von Vielecken|"
      "Kreis und Kreisteile|Kreistangenten|-|Schnitt von zwei Geraden (2D)|Schnitt von Kreis und Gerade|"
      "Schnitt von zwei Kreisen",
      "Koordinatensysteme|-|Platonische K\u00f6rper[Das Tetraeder|Das Hexaeder|Das Oktaeder|Das Dodekaeder|"
      "Das Ikosaeder]|-|Das regelm\u00e4\u00dfige Prisma|Der senkrechte Kreiszylinder|Die quadratische Pyramide|"
      "Der senkrechte Kreiskegel|Die Kugel|-|Gerade durch zwei Punkte|Ebene durch drei Punkte|"
      "Kugel durch vier Punkte|-|Schnitt von zwei Geraden (3D)|Schnitt von Ebene und Gerade|"
      "Schnitt von zwei Ebenen|Schnitt von Kugel und Gerade|Schnitt von Kugel und Ebene|Schnitt von zwei Kugeln|-|"
      "Entfernung zwischen 2 Punkten|Abstand zwischen Punkt und Gerade|Abstand zwischen Punkt und Ebene|"
      "Abstand zwischen 2 Geraden|Abstand zwischen Gerade und Ebene|Abstand zwischen zwei Ebenen|-|"
      "Entfernungen auf der Kugel",
      "Folgen und Reihen|-|Polynomdivision|Polynome faktorisieren|Polynome transformieren|Polynom ggT und kgV|-|"
      "Funktionsplotter|Abschnittsweise Funktionen|Parameterkurven|Kurvenscharen|-|"
      "Kurvendiskussion ganzrationaler Funktionen|Kurvendiskussion rationaler Funktionen|"
      "Kurvendiskussion beliebiger Funktionen|-|Newton-Iteration|Reihenentwicklung|Integralrechnung|-|"
      "Fl\u00e4chenfunktionen",
      "Statistik|Regression|Logistische Regression|Kombinatorik|-|Binomialverteilung|"
      "Hypergeometrische Verteilung|Normalverteilung",
      "Lineare Gleichungssysteme|Lineare Optimierung|Linearkombination|Skalarprodukt|Vektorprodukt|Spatprodukt|-|"
      "Matrizeninversion|Pseudoinverse einer Matrix|Matrizenmultiplikation",
      "\u00dcberlappend|Nebeneinander|Symbole anordnen|-|Alles schlie\u00dfen",
      "Inhalt|-|Info",
  };
  const char* const titles[9] = {"&Datei", "&Algebra", "Geometrie &2D", "Geometrie &3D", "A&nalysis",
                                 "&Stochastik", "&Lineare Algebra", "Fenster", "Hilfe"};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(w->menuColumn(i)->title(), QString::fromUtf8(titles[i]));
    EXPECT_EQ(menuOutline(w->menuColumn(i)), QString::fromUtf8(expected[i])) << i;
  }
}

TEST_F(MainWindowTest, EveryCatalogueItemOpensANewWindowOfItsClass) {
  int expectedCount = 0;
  for (const CatalogueItem& item : catalogueItems()) {
    if (item.kind != CatalogueItem::Kind::Topic) continue;
    w->menuItem(item.name)->trigger();
    ++expectedCount;
    ASSERT_EQ(openCount(), expectedCount) << item.name;
    TopicWindowBase* topic = w->topicWindows().back();
    const TopicClassInfo* info = findTopicClass(item.className);
    EXPECT_EQ(topic->className(), QString::fromLatin1(item.className.data(), item.className.size()));
    EXPECT_EQ(topic->textPage(), info->page);
    EXPECT_EQ(topic->windowTitle(), GetText(info->page, 0)) << item.name;
    EXPECT_EQ(w->mdiArea()->subWindowList().back()->widget(), topic);
  }
  EXPECT_EQ(expectedCount, 86);
  // A second click opens a second, independent window.
  TopicWindowBase* a = w->openTopic("MPrim");
  TopicWindowBase* b = w->openTopic("MPrim");
  EXPECT_NE(a, b);
  EXPECT_EQ(a->className(), b->className());
  w->closeAllTopicWindows();
  settle();
  EXPECT_EQ(openCount(), 0);
  EXPECT_TRUE(w->mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, NewTopicWindowsOpenInsideTheClientArea) {
  w->show();
  w->showNormal();
  w->resize(1100, 800);
  settle();
  const QRect area(QPoint(0, 0), w->mdiArea()->viewport()->size());
  QPoint previous(-1, -1);
  for (const char* item : {"MFplot1", "MBigInt", "MAbbilden", "MPolFkt", "MFolgen"}) {
    w->openTopic(item);
    const QRect frame = w->mdiArea()->subWindowList().back()->geometry();
    EXPECT_TRUE(area.contains(frame)) << item;
    EXPECT_NE(frame.topLeft(), previous) << item;  // not on top of the one before
    previous = frame.topLeft();
  }
}

TEST_F(MainWindowTest, PlaceholderHasTheDefaultSizeAndSaysSo) {
  struct Case { const char* item; QSize size; };
  for (const Case& c : {Case{"MggT", {600, 340}}, Case{"MBigInt", {720, 440}}, Case{"MAbbilden", {720, 480}},
                        Case{"MPlot3d", {600, 520}}, Case{"MStat", {640, 400}}}) {
    auto* p = dynamic_cast<PlaceholderTopicWindow*>(w->openTopic(c.item));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->size(), c.size) << c.item;
    EXPECT_FALSE(p->noticeText().isEmpty());
  }
}

TEST_F(MainWindowTest, DateiItemsAndTilesFollowTheTopicWindows) {
  w->show();
  const char* items[] = {"MNew", "MLoad", "MSave", "MClose", "MPrint"};
  auto expectEnabled = [&](bool on) {
    for (const char* name : items) EXPECT_EQ(w->menuItem(name)->isEnabled(), on) << name;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w->tile(i)->isVisible(), !on) << "tile " << i;
  };
  expectEnabled(false);
  EXPECT_TRUE(w->menuItem("MSetup")->isEnabled());
  w->openTopic("MKreis");
  expectEnabled(true);
  TopicWindowBase* second = w->openTopic("MStat");
  expectEnabled(true);
  // Closing through the window's own frame.
  w->mdiArea()->subWindowList().front()->close();
  settle();
  expectEnabled(true);
  // A destroyed window counts as closed at once.
  delete second->parentWidget();
  expectEnabled(false);
  w->menuItem("MggT")->trigger();
  w->menuItem("MClose")->trigger();
  expectEnabled(false);
}

TEST_F(MainWindowTest, TileOpensItsMenuColumn) {
  w->show();
  settle();
  testing::click(w->tile(4), Qt::LeftButton);
  settle();
  EXPECT_TRUE(w->menuColumn(5)->isVisible());
  w->menuColumn(5)->close();
}

TEST_F(MainWindowTest, BothMouseButtonsOnTheStatusLineOpenTheGame) {
  QString opened;
  auto closeModal = [&opened] {
    QTimer::singleShot(30, [&opened] {
      if (QWidget* m = QApplication::activeModalWidget()) {
        opened = m->objectName();
        m->close();
      }
    });
  };
  QWidget* status = w->statusLine();
  using testing::sendMouse;
  auto bothButtons = [&] {
    sendMouse(status, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    sendMouse(status, QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    sendMouse(status, QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton);
    sendMouse(status, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
  };
  // Left alone, or both with a modifier: no game.
  closeModal();
  testing::click(status);
  sendMouse(status, QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton,
            Qt::ShiftModifier);
  testing::wait(60);
  EXPECT_TRUE(opened.isEmpty());
  // Left and right together.
  closeModal();
  bothButtons();
  EXPECT_EQ(opened, QStringLiteral("TFlipFlop"));
  // Not with the noflop setting.
  opened.clear();
  shellState().NoFlopOption = true;
  closeModal();
  bothButtons();
  testing::wait(60);
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MainWindowTest, CalculatorIsTheFirstInstalledOne) {
  RecordingDesktopServices desk;
  ScopedDesktopServices use(desk);
  w->setProgramFinder([](const QString& name) {
    return name == QLatin1String("galculator") || name == QLatin1String("xcalc") ? QStringLiteral("/usr/bin/") + name
                                                                                  : QString();
  });
  w->menuItem("MWinCalc")->trigger();
  ASSERT_EQ(desk.calls.size(), 1u);
  EXPECT_EQ(desk.calls[0].kind, DesktopCall::StartDetached);
  EXPECT_EQ(desk.calls[0].target, QStringLiteral("/usr/bin/galculator"));
  EXPECT_TRUE(messages.isEmpty());

  w->setProgramFinder([](const QString&) { return QString(); });
  w->menuItem("MWinCalc")->trigger();
  EXPECT_EQ(desk.calls.size(), 1u);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QLatin1String("gnome-calculator")));
}

TEST_F(MainWindowTest, ClosingWritesTheDateAndAsks) {
  // An existing sample worksheet under another case is the same file.
  const QString demo = dir.path() + QStringLiteral("/demo.dat");
  ASSERT_TRUE(iniWriteString(demo, QStringLiteral("ggt"), QStringLiteral("a"), QStringLiteral("12")));
  const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  w->show();
  w->openTopic("MggT");
  w->openTopic("MFplot1");

  answerYes = false;
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(openCount(), 2);
  IniFile after(demo);
  EXPECT_EQ(after.readString(QStringLiteral("acc"), QStringLiteral("d")), today);
  EXPECT_EQ(after.readString(QStringLiteral("ggt"), QStringLiteral("a")), QStringLiteral("12"));
  // No second file under the upper-case name.
  EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("demo.dat")}, QDir::Files | QDir::CaseSensitive).size() +
                QDir(dir.path()).entryList({QStringLiteral("DEMO.DAT")}, QDir::Files | QDir::CaseSensitive).size(),
            1);

  answerYes = true;
  EXPECT_TRUE(w->close());
  EXPECT_EQ(openCount(), 0);
}

// The closing date is a courtesy: when it cannot be written (a full disk)
// the sample worksheet stays as it was and nobody is asked or told.
TEST_F(MainWindowTest, ADateThatCannotBeWrittenAtCloseIsSilentAndLosesNothing) {
  const QString demo = dir.path() + QStringLiteral("/DEMO.DAT");
  ASSERT_TRUE(iniWriteString(demo, QStringLiteral("ggt"), QStringLiteral("a"), QStringLiteral("12")));
  QFile f(demo);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray before = f.readAll();
  f.close();
  QStringList errors;
  commandUi().error = [&errors](QWidget*, const QString& m) { errors << m; };
  w->show();
  answerYes = false;
  {
    ScopedWriteFault full({WriteStage::Write, 1, ENOSPC});
    EXPECT_FALSE(w->close());
  }
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), before);
  EXPECT_TRUE(errors.isEmpty());
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainWindowTest, ALanguageGlyphFileReplacesTheButtonGlyph) {
  QImage glyph(30, 18, QImage::Format_RGB32);
  glyph.fill(QColor(0x12, 0x34, 0x56));
  ASSERT_TRUE(glyph.save(dir.path() + QStringLiteral("/Greek.BMP"), "BMP"));  // any case
  shellState().LanguageNames[5] = QStringLiteral("greek");
  makeWindow();
  const QImage shown = w->languageButton(5)->icon().pixmap(30, 18).toImage();
  EXPECT_EQ(shown.pixelColor(15, 9), QColor(0x12, 0x34, 0x56));
  const QImage other = w->languageButton(4)->icon().pixmap(30, 18).toImage();
  EXPECT_NE(other.pixelColor(15, 9), QColor(0x12, 0x34, 0x56));
}

TEST_F(MainWindowTest, SingleWindowModeMaximisesTheTopicWithoutButtons) {
  shellState().MdiOption = false;
  w->show();
  w->openTopic("MggT");
  QMdiSubWindow* sub = w->mdiArea()->subWindowList().back();
  EXPECT_TRUE(sub->isMaximized());
  EXPECT_FALSE(sub->windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
}

TEST_F(MainWindowTest, HelpWithoutACommandModule) {
  RecordingDesktopServices desk;
  ScopedDesktopServices use(desk);
  testing::click(w->toolButton("BtnHelp"), Qt::LeftButton);
  ASSERT_EQ(desk.calls.size(), 1u);
  EXPECT_TRUE(desk.calls[0].target.endsWith(QLatin1String("/help/de/D000-Content.html")));
  auto* topic = dynamic_cast<PlaceholderTopicWindow*>(w->openTopic("MBruch"));
  w->mdiArea()->setActiveSubWindow(w->mdiArea()->subWindowList().front());
  testing::click(w->toolButton("BtnHelp"), Qt::LeftButton);
  EXPECT_EQ(topic->receivedCommands(), std::vector<TopicCommand>{WM_TOPICHELP});
  ASSERT_EQ(desk.calls.size(), 2u);
  EXPECT_TRUE(desk.calls[1].target.endsWith(QLatin1String("/help/de/D122-Calculation_with_Fractions.html")));
}

// A topic window that gives F1 a meaning of its own.
class OwnHelpKeyWindow : public TopicWindowBase {
public:
  explicit OwnHelpKeyWindow(QWidget* owner) : TopicWindowBase(owner, "TFTang"), edit(new QLineEdit(this)) {
    edit->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
      e->accept();
      return true;
    }
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
      ++ownHelpKeys;
      return true;
    }
    return TopicWindowBase::eventFilter(watched, e);
  }
  QLineEdit* edit;
  int ownHelpKeys = 0;
};

TEST_F(MainWindowTest, F1AndContentsOpenTheOverview) {
  RecordingDesktopServices desk;
  ScopedDesktopServices use(desk);
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  const QString overview = QStringLiteral("/help/de/D000-Content.html");

  QTest::keyClick(w.get(), Qt::Key_F1);
  ASSERT_EQ(desk.calls.size(), 1u);
  EXPECT_TRUE(desk.calls[0].target.endsWith(overview)) << desk.calls[0].target.toStdString();
  w->menuItem("MIndex")->trigger();
  ASSERT_EQ(desk.calls.size(), 2u);
  EXPECT_TRUE(desk.calls[1].target.endsWith(overview));

  // Inside a placeholder topic F1 still means the overview ...
  w->openTopic("MggT");
  QTest::keyClick(w->activeTopicWindow(), Qt::Key_F1);
  ASSERT_EQ(desk.calls.size(), 3u);
  EXPECT_TRUE(desk.calls[2].target.endsWith(overview));

  // ... while a topic that takes the key itself gets it alone.
  auto* own = new OwnHelpKeyWindow(w.get());
  w->TestMDI(own);
  own->edit->setFocus();
  QTest::keyClick(own->edit, Qt::Key_F1);
  EXPECT_EQ(own->ownHelpKeys, 1);
  EXPECT_EQ(desk.calls.size(), 3u);
}

}  // namespace
}  // namespace zw
