#include "shell/options/OptionsCommandLine.h"

#include <QFile>
#include <QStandardPaths>
#include <charconv>
#include <cmath>

#include "kernel/KernelState.h"
#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

QString boolText(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }

// The raw text of the current language, or empty when it lacks the pair.
QString rawText(int kind, TTextIndex page, int item) {
  switch (kind) {
    case 0: return GermanText(page, item);
    case 1: return EnglishText(page, item);
    case 2: return FrenchText(page, item);
    default: {
      const QString* v = languageFileValue(kind, page, item);
      return v ? *v : QString();
    }
  }
}

// The settings file the writer replaces.
QString settingsFilePath() {
  const ShellState& s = shellState();
  return s.SettingsPath.isEmpty() ? joinPath(s.AppFolder, SettingsFileName) : s.SettingsPath;
}

}  // namespace

QStringList OptionsCommandLine(int languageItem, bool colourPrint, int gridItem) {
  const ShellState& s = shellState();
  return {QStringLiteral("Zw100.ini"),
          QString::number(languageItem),
          s.LanguageNames[3],
          s.LanguageNames[4],
          s.LanguageNames[5],
          s.LanguageNames[6],
          s.MdiOption ? QStringLiteral("1") : QStringLiteral("0"),
          s.MaxOption ? QStringLiteral("1") : QStringLiteral("0"),
          QString::number(s.ZoomAuto ? 0 : s.Zoom),
          ShortestRealText(s.PrintScale),
          boolText(colourPrint),
          QString::number(gridItem),
          s.GraphColorList,
          s.GraphWidthList,
          QString::number(s.GraphAreaColor),
          QString::number(s.GraphAreaWidth),
          boolText(s.PortableOption),
          boolText(s.MemoryOption),
          boolText(s.PortableOption)};
}

QString ShortestRealText(double value) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  QString text = QString::fromLatin1(buf, r.ptr - buf);
  text.replace(u'.', QChar(kernelState().RegionalDecimalSeparator));
  return text;
}

int ZoomListItem(int zoom) {
  const int item = 15 - zoom / 10;
  if (item > 7) return 7;
  return item < 0 ? -1 : item;
}

int PrintScaleListItem(double scale) {
  for (int k = 0; k < 6; ++k)
    if (std::fabs(scale - PrintScaleValues[k]) < 1e-9) return k;
  if (!std::isfinite(scale) || std::fabs(scale) > 1e6) return -1;
  const int item = 10 - static_cast<int>(std::trunc(scale * 10));
  return item >= 0 && item <= 5 ? item : -1;
}

QString ExportLanguageText() {
  const int kind = shellState().LanguageKind;
  QString out;
  auto addItem = [&](TTextIndex page, int item) {
    QString text = rawText(kind, page, item);
    // One line per text: a line break inside would end it.
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    if (text.trimmed().isEmpty()) return;
    out += QString::number(item) + u'=' + text + QStringLiteral("\r\n");
  };
  for (int p = 1; p < TextPageCount; ++p) {
    const auto page = static_cast<TTextIndex>(p);
    const QString name = TextPageName(page).trimmed();
    if (name.isEmpty()) continue;  // reserved pages carry no texts
    out += QStringLiteral("\r\n[") + name + QStringLiteral("]\r\n");
    for (int item = 0; item <= 500; ++item) addItem(page, item);
    for (int item = -1; item >= -30; --item) addItem(page, item);
  }
  return out;
}

SettingsWriterEnvironment& settingsWriterEnvironment() {
  static SettingsWriterEnvironment env;
  return env;
}

bool RunSettingsWriter(QWidget* parent, const QStringList& args) {
  const ShellState& s = shellState();
  const SettingsWriterEnvironment& env = settingsWriterEnvironment();
  const QString writer = joinPath(s.AppFolder, QLatin1String(SettingsWriterName));
  const bool writable = env.canWriteSettings ? env.canWriteSettings() : IsUserAdmin();
  if (!writable) {
    const QString pkexec = env.findProgram ? env.findProgram(QStringLiteral("pkexec"))
                                           : QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty() || desktop().runAndWait(pkexec, QStringList{writer} + args) != 0) {
      ShowErrorBox(parent, GetMessageText(49));
      return false;
    }
  } else if (desktop().runAndWait(writer, args) != 0) {
    ShowErrorBox(parent, GetTextColon(IDatei, 22) + settingsFilePath());
    return false;
  }
  ShowInfoBox(parent, GetText(IOpt, 22));
  return true;
}

}  // namespace zw
