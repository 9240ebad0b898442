#pragma once
// TFMenu, the program's main window: the menu (the topic catalogue), the
// toolbar, the bottom bar with the status line and the language buttons, the
// six subject tiles of the empty client area, and the MDI area that holds the
// topic windows.
//
// The worksheet commands of the toolbar and the Datei menu (New, Load, Demo,
// Save, Snapshot, Print, Help, Cut, Copy, Paste, printer set-up, options) are
// emitted as commandRequested(); the command module connects to it. While
// nothing is connected, Help still works (the active topic's help, else the
// overview page) and the other commands do nothing.
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QToolButton>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/TopicWindowBase.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;

namespace zw {

enum class MainCommand { New, Load, Demo, Save, Snapshot, Print, Help, Cut, Copy, Paste, PrinterSetup, Options };

// A subject tile: white panel with a picture and a centred italic caption. A
// click anywhere on it counts.
class SubjectTile : public QFrame {
  Q_OBJECT
public:
  SubjectTile(const QString& name, QWidget* parent);
  void setPicture(const QImage& picture);
  void setCaption(const QString& captionWithAccelerator);
  QString caption() const { return caption_; }  // as set, "&" included
  void relayout(int zoom);

signals:
  void clicked();

protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

private:
  QImage picture_;
  QString caption_;
  QLabel* image_;
  QLabel* label_;
  int pictureZoom_ = 0;
};

class TFMenu : public QMainWindow {
  Q_OBJECT
public:
  explicit TFMenu(QWidget* parent = nullptr);
  ~TFMenu() override;

  // ----- topic windows -----
  // The click on a catalogue item ("MPrim", ...): a new window of its class,
  // shown by TestMDI. Null for items that create no window.
  TopicWindowBase* openTopic(std::string_view itemName);
  void TestMDI(TopicWindowBase* form);
  std::vector<TopicWindowBase*> topicWindows() const;  // in creation order
  TopicWindowBase* activeTopicWindow() const;
  QMdiArea* mdiArea() const { return mdi_; }
  void closeAllTopicWindows();
  void arrangeIcons();

  // ----- language, fonts, layout -----
  void SetLanguage(int kind);
  void ApplyWindowLayout();
  void UpdateMenuItems();
  // Drops down menu column `index` (0 Datei, 1 Algebra, ... 6 Lineare Algebra).
  void OpenMenu(int index);
  void relayout();

  // ----- parts, for the command module and tests -----
  QAction* menuItem(std::string_view name) const;  // "MNew", "MPrim", "MAlg", ...
  QMenu* menuColumn(int index) const;               // 0 Datei .. 8 Hilfe
  SubjectTile* tile(int i) const { return tiles_[i]; }  // 0 Algebra .. 5 Lineare Algebra
  QToolButton* toolButton(std::string_view name) const;  // "BtnNew", "btnopen", ...
  QToolButton* languageButton(int k) const { return languageButtons_[k]; }
  QLabel* statusLine() const { return statusLine_; }
  QWidget* languagePanel() const { return panel2_; }

  // The closing question (Yes = true); tests install an answer.
  void setQuitQuestion(std::function<bool()> ask) { quitQuestion_ = std::move(ask); }
  // Where the window's own messages go (the missing calculator); tests record them.
  // How the calculator is found: program name -> path or empty (tests replace it).
  void setProgramFinder(std::function<QString(const QString&)> finder) { programFinder_ = std::move(finder); }

  // The calculators tried in this order.
  static const std::array<const char*, 5> CalculatorPrograms;
  void startCalculator();
  // Opens the lights-out game unless the noflop setting forbids it.
  void openGame();
  void showAbout();

signals:
  void commandRequested(zw::MainCommand command);

protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

private:
  void buildMenu();
  void buildToolbar();
  void buildBottomBar();
  void buildTiles();
  void requestCommand(MainCommand command);
  void applyMenuFont();
  void applyMenuDirection();
  void placeToolbar();
  void placeBottomBar();
  void placeTiles();
  void updateTileVisibility();
  void onLanguageButton(int k);
  void loadLanguageGlyphs();
  void showMessage(const QString& text);
  QAction* addItem(QMenu* menu, const std::string& name);

  QMdiArea* mdi_ = nullptr;
  QWidget* speedPanel_ = nullptr;
  QWidget* panel1_ = nullptr;
  QLabel* statusLine_ = nullptr;
  QWidget* panel2_ = nullptr;
  std::array<QToolButton*, 7> languageButtons_{};
  std::map<std::string, QToolButton*, std::less<>> toolButtons_;
  std::map<std::string, QAction*, std::less<>> items_;
  std::array<QMenu*, 9> menus_{};
  std::array<SubjectTile*, 6> tiles_{};
  // The topic subwindows in creation order. Held as QWidget: their destroyed()
  // comes from ~QWidget, when the object is no longer a QMdiSubWindow, and
  // reading a QPointer<QMdiSubWindow> to it then would be a wrong downcast.
  std::vector<QPointer<QWidget>> subWindows_;
  std::function<bool()> quitQuestion_;
  std::function<QString(const QString&)> programFinder_;
  bool gameOpenedThisPress_ = false;
};

// The program's main window, for the start-up code.
std::unique_ptr<QWidget> createMainWindow();

}  // namespace zw
