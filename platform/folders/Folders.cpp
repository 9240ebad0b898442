#include "platform/folders/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>

namespace zw {

QString appFolderPath() {
  QString dir;
  if (QCoreApplication::instance()) dir = QCoreApplication::applicationDirPath();
  if (dir.isEmpty()) dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
  return withSeparator(dir);
}

QString SpecialFolder(int id) {
  if (id != kLocalAppDataFolderId) return {};
  const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
  if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return QDir::cleanPath(xdg);
  const QString home = QDir::homePath();
  if (home.isEmpty()) return {};
  return joinPath(home, QStringLiteral(".local/share"));
}

QString withSeparator(const QString& folder) {
  if (folder.isEmpty() || folder.endsWith(u'/')) return folder;
  return folder + u'/';
}

QString joinPath(const QString& folder, const QString& name) {
  if (folder.isEmpty()) return name;
  qsizetype start = 0;
  while (start < name.size() && name[start] == u'/') ++start;
  return withSeparator(folder) + name.mid(start);
}

QString locateFile(const QString& folder, const QString& name) {
  const QString exact = joinPath(folder, name);
  if (QFileInfo::exists(exact)) return exact;
  const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
  const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& e : entries)
    if (e.compare(name, Qt::CaseInsensitive) == 0) return joinPath(folder, e);
  return exact;
}

bool fileExistsIgnoringCase(const QString& folder, const QString& name) {
  return QFileInfo(locateFile(folder, name)).isFile();
}

bool ensureFolder(const QString& folder) {
  if (folder.isEmpty()) return false;
  return QDir().mkpath(folder);
}

}  // namespace zw
