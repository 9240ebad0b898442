#include "tests/topics/TopicRules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/TopicWindowBase.h"
#include "shell/catalogue/TopicRegistry.h"
#include "topics/frame/LongRun.h"
#include "topics/frame/TopicWindow.h"

namespace zw {

namespace {

QString nameOf(const TopicClassInfo& c) {
  return QString::fromUtf8(c.className.data(), static_cast<qsizetype>(c.className.size()));
}

// A window of the class, shown, or null for one without worksheets.
std::unique_ptr<TopicWindow> open(const TopicClassInfo& c) {
  std::unique_ptr<TopicWindowBase> base(createTopicWindow(c.className, nullptr));
  auto* w = dynamic_cast<TopicWindow*>(base.get());
  if (!w || c.section.empty()) return nullptr;
  base.release();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->show();
  return std::unique_ptr<TopicWindow>(w);
}

void waitForRun(TopicWindow& w) {
  QElapsedTimer clock;
  clock.start();
  while (w.longRun().running() && clock.elapsed() < 20000) QApplication::processEvents();
}

QString memoryFile() { return locateFile(shellState().DataFolder, QStringLiteral("memory.dat")); }

void newWorksheet(TopicWindow& w) {
  deliverCommand(&w, WM_NEWWORKSHEET, memoryFile());
  waitForRun(w);
}

// Every input as "key=value", as the window writes them.
QStringList inputsOf(TopicWindow& w) {
  const QString file = joinPath(shellState().DataFolder, QStringLiteral("inputs.dat"));
  QFile::remove(file);
  w.saveInputs(file);
  const IniFile ini(file);
  QStringList out;
  for (const QString& key : ini.keys(w.section())) out << key + u'=' + ini.readString(w.section(), key);
  QFile::remove(file);
  return out;
}

}  // namespace

QStringList WindowsKeepingResultsAfterNew(const QString& demoFile) {
  QStringList faults;
  const bool memory = shellState().MemoryOption;
  shellState().MemoryOption = false;
  for (const TopicClassInfo& c : topicClasses()) {
    if (!hasTopicFactory(c.className)) continue;
    auto w = open(c);
    if (!w || !w->memo() || w->memo()->isHidden()) continue;  // no results text
    deliverCommand(w.get(), WM_LOADWORKSHEET, demoFile);
    w->okButton(0)->click();
    waitForRun(*w);
    if (w->memoLines().isEmpty()) {
      faults << nameOf(c) + QStringLiteral(": the example gave no result to test New with");
      continue;
    }
    newWorksheet(*w);
    auto fresh = open(c);
    newWorksheet(*fresh);
    if (w->memoLines() != fresh->memoLines())
      faults << nameOf(c) + QStringLiteral(": after New the memo holds \"") + w->memoLines().mid(0, 3).join(u'|') +
                    QStringLiteral("…\"");
  }
  shellState().MemoryOption = memory;
  return faults;
}

QStringList WindowsWithoutTheirInitialValues(const QString& demoFile) {
  QStringList faults;
  const bool memory = shellState().MemoryOption;
  for (const TopicClassInfo& c : topicClasses()) {
    if (!hasTopicFactory(c.className)) continue;
    shellState().MemoryOption = false;
    auto off = open(c);
    if (!off) continue;
    const QStringList initial = inputsOf(*off);
    // A memory file that holds other windows' sections but not this one.
    QFile::remove(memoryFile());
    iniWriteString(memoryFile(), QStringLiteral("other"), QStringLiteral("a"), QStringLiteral("1"));
    shellState().MemoryOption = true;
    auto on = open(c);
    const QStringList fromMemory = inputsOf(*on);
    deliverCommand(off.get(), WM_LOADWORKSHEET, demoFile);
    newWorksheet(*off);
    const QStringList afterNew = inputsOf(*off);
    const QString name = nameOf(c);
    if (fromMemory != initial)
      faults << name + QStringLiteral(": memory option on {") + fromMemory.join(u' ') + QStringLiteral("}, off {") +
                    initial.join(u' ') + u'}';
    if (afterNew != initial)
      faults << name + QStringLiteral(": after New {") + afterNew.join(u' ') + QStringLiteral("}, at opening {") +
                    initial.join(u' ') + u'}';
    QFile::remove(memoryFile());
  }
  shellState().MemoryOption = memory;
  return faults;
}

}  // namespace zw
