#include "platform/help/CompiledHelp.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "platform/help/WebHelpPages.h"

namespace zw {

char helpFileLanguageLetter(const QString& helpFile) {
  static const QRegularExpression pattern(QStringLiteral("^zw100([a-z])\\.chm$"),
                                          QRegularExpression::CaseInsensitiveOption);
  const auto match = pattern.match(QFileInfo(helpFile).fileName());
  return match.hasMatch() ? match.captured(1).toLower().at(0).toLatin1() : 'e';
}

QString localHelpPagePath(const QString& appFolder, char languageLetter, const QString& pageName) {
  if (appFolder.isEmpty() || pageName.isEmpty()) return {};
  const QString helpFolder = locateFile(appFolder, QStringLiteral("help"));
  const QString languageFolder = locateFile(helpFolder, localHelpFolderName(languageLetter));
  if (!fileExistsIgnoringCase(languageFolder, pageName)) return {};
  const QString path = locateFile(languageFolder, pageName);
  return QFileInfo(path).isFile() ? path : QString();
}

bool openLocalHelpPage(const QString& appFolder, char languageLetter, const QString& pageName) {
  const QString path = localHelpPagePath(appFolder, languageLetter, pageName);
  if (path.isEmpty()) return false;
  desktop().openUrl(QUrl::fromLocalFile(path).toString());
  return true;
}

}  // namespace zw
