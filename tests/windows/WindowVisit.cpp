#include "tests/windows/WindowVisit.h"

#include <QApplication>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "shell/commands/Commands.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "topics/frame/TopicWindow.h"

namespace zw {

std::vector<std::string> registeredTopicWindows() {
  std::vector<std::string> out;
  for (const TopicClassInfo& c : topicClasses())
    if (hasTopicFactory(c.className)) out.emplace_back(c.className);
  return out;
}

std::string ViewSetting::name() const {
  static const char* const kLanguages[3] = {"de", "en", "fr"};
  std::string s = kLanguages[language];
  s += ' ' + std::to_string(zoom);
  if (rightToLeft) s += " rtl";
  return s;
}

void applyViewSetting(const ViewSetting& setting) {
  ShellState& s = shellState();
  s.LanguageKind = s.DisplayedLanguageKind = setting.language;
  s.LanguageNumber = setting.language;
  kernelState().LanguageDecimalSeparator = setting.language == 1 ? u"." : u",";
  s.RightToLeft = setting.rightToLeft;
  applyZoom(setting.zoom);
}

std::unique_ptr<TopicWindowBase> openWindow(const std::string& className) {
  std::unique_ptr<TopicWindowBase> w(createTopicWindow(className, nullptr));
  if (!w) return w;
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  // As the main window does for every window it opens.
  w->setLayoutDirection(shellState().RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  w->show();
  settle();
  w->relayout();
  settle();
  return w;
}

TopicWindow* asTopicWindow(QWidget* window) { return qobject_cast<TopicWindow*>(window); }

void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void WindowTestBase::SetUp() {
  resetShellState();
  kernelState().reset();
  shellState().DataFolder = withSeparator(dir_.path());
  resetCommandUi();
  commandUi().error = [this](QWidget*, const QString& text) { boxes_ << text; };
  commandUi().information = [this](QWidget*, const QString& text) { boxes_ << text; };
}

void WindowTestBase::TearDown() {
  resetCommandUi();
  resetShellState();
}

}  // namespace zw
