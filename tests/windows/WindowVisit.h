#pragma once
// What the cross-window tests share: the registered topic windows (every
// area's, placeholders left out), a window opened the way the main window
// opens one (direction, shown, laid out), and the settings a run chooses
// (language, zoom, direction).
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "shell/TopicWindowBase.h"

class QWidget;

namespace zw {

class TopicWindow;

// The classes with a real window, in registry order.
std::vector<std::string> registeredTopicWindows();

// The language and layout a run looks at.
struct ViewSetting {
  int language = 0;  // 0 German, 1 English, 2 French
  int zoom = 100;
  bool rightToLeft = false;
  // "de 100", "fr 150 rtl": how a fault names its setting.
  std::string name() const;
};

// Applies the setting to the shell state (language, zoom and the fonts that
// follow it, reading direction).
void applyViewSetting(const ViewSetting& setting);

// A new window of the class, owned by the caller, shown offscreen in the
// setting's direction and laid out.
std::unique_ptr<TopicWindowBase> openWindow(const std::string& className);

// The paged topic window behind a window, or null (the calculators).
TopicWindow* asTopicWindow(QWidget* window);

// Lets queued events (layouts, timers due now) run.
void settle();

// The set-up of a test over the windows: a fresh shell state with a
// temporary data folder, and the texts of error and information boxes
// recorded in boxes_ instead of shown.
class WindowTestBase : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  QTemporaryDir dir_;
  QStringList boxes_;
};

}  // namespace zw
