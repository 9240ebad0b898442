#pragma once
// The interface between the main window and every topic window.
//
// The main window's worksheet commands reach the active topic window as
// direct virtual calls. Each command has a fixed number (the enum below),
// and each topic class handles a fixed set of them (the topic
// registry, shell/catalogue/TopicRegistry.h); deliverCommand() calls a
// window's handler only for the commands its class handles, so a command a
// class does not handle does nothing there. The default handlers ignore the
// command as well.
//
// A topic window derives from TopicWindowBase, passes its class name (such as
// "TFggT") to the constructor and overrides the handlers it needs. Its layout
// goes into relayout(), which the main window also calls after a language or
// zoom change. F1 opens the help overview everywhere in the main window; a
// topic that gives F1 a meaning of its own accepts the key's ShortcutOverride
// event and then receives the key press itself.
#include <QWidget>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "shell/texts/Texts.h"

namespace zw {

enum TopicCommand : int {
  WM_LOADWORKSHEET = 1124,   // load the topic's section from the file of the command
  WM_SAVEWORKSHEET = 1125,   // write the topic's section into the file of the command
  WM_SNAPSHOT = 1127,        // picture to the clipboard
  WM_PRINTWORKSHEET = 1129,  // print dialog and printout
  WM_CHARTSETTINGS = 1131,   // chart-settings dialog (sent by the window's own button)
  WM_TOPICHELP = 1132,       // web help page of the topic
  WM_NEWWORKSHEET = 1133,    // erase the section of the command's file and reload
  WM_CHARTSETTINGS2 = 1134,  // chart settings of a second chart
};

// A set of command numbers, small enough to be a constant in the registry.
class CommandSet {
public:
  constexpr CommandSet() = default;
  constexpr CommandSet(std::initializer_list<TopicCommand> commands) {
    for (TopicCommand c : commands) bits_ |= bit(c);
  }
  constexpr bool contains(TopicCommand c) const { return (bits_ & bit(c)) != 0; }
  constexpr CommandSet with(TopicCommand c) const {
    CommandSet s = *this;
    s.bits_ |= bit(c);
    return s;
  }
  constexpr bool operator==(const CommandSet&) const = default;

private:
  static constexpr std::uint16_t bit(TopicCommand c) {
    return static_cast<std::uint16_t>(1u << (static_cast<int>(c) - 1124));
  }
  std::uint16_t bits_ = 0;
};

// The number of a command, or nothing when `number` names none.
std::optional<TopicCommand> topicCommandFromNumber(int number);

struct TopicClassInfo;

class TopicWindowBase : public QWidget {
  Q_OBJECT
public:
  // `className` must be a class of the topic registry; an unknown name is a
  // programming error (the window then handles no command and uses IVorlage).
  TopicWindowBase(QWidget* owner, std::string_view className);
  ~TopicWindowBase() override;

  // The registry entry of this window's class (null for an unknown name).
  const TopicClassInfo* classInfo() const { return info_; }
  QString className() const;
  // The text page `tx` that keys the window's texts, help context and size.
  TTextIndex textPage() const;
  bool handles(TopicCommand command) const;

  // Lays the window out again (resize, show, language, zoom, font changes).
  virtual void relayout() {}

  // Command handlers; the defaults ignore the command. Load, Save and New
  // get the worksheet file the user chose (or the memory or sample file).
  virtual void cmdLoad(const QString& file) {}
  virtual void cmdSave(const QString& file) {}
  virtual void cmdSnapshot() {}
  virtual void cmdPrint() {}
  virtual void cmdChartSettings() {}
  virtual void cmdChartSettings2() {}
  virtual void cmdHelp() {}
  virtual void cmdNew(const QString& file) {}

private:
  const TopicClassInfo* info_ = nullptr;
};

// Calls the window's handler of `command` when its class handles it; returns
// whether a handler was called. A null window does nothing. `file` is the
// worksheet of Load, Save and New. The handler runs through the guard
// (shell/Guard.h): whatever it throws is shown, never passed on.
bool deliverCommand(TopicWindowBase* window, TopicCommand command, const QString& file = {});

}  // namespace zw
