// Fuzz target for the INI reader (settings, worksheets, memory.dat): any bytes
// read in both duplicate modes, every section and key looked up, one value
// written and saved, and the saved file read again: the written value reads
// back and no section is lost. Built and run by scripts/fuzz.sh.
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "platform/ini/IniFile.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

QSet<QString> folded(const QStringList& names) {
  QSet<QString> out;
  for (const QString& n : names) out.insert(n.toCaseFolded());
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // In memory where there is a memory file system: saving syncs the file to
  // disk, which would slow every run.
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/zw-fuzz-XXXXXX")
                                                                      : QDir::tempPath() + "/zw-fuzz-XXXXXX");
  const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
  {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(data), qint64(size));
  }
  for (auto mode : {zw::IniFile::Duplicates::FirstWins, zw::IniFile::Duplicates::LastWins}) {
    const zw::IniFile ini(path, mode);
    for (const QString& s : ini.sections()) {
      check(ini.hasSection(s));
      for (const QString& k : ini.keys(s)) {
        check(ini.hasKey(s, k));
        (void)ini.readString(s, k);
        (void)ini.readInteger(s, k, -1);
      }
    }
  }
  zw::IniFile ini(path);
  const QStringList before = ini.sections();
  const QString section = before.isEmpty() ? QStringLiteral("ggt") : before.front();
  ini.writeString(section, QStringLiteral("fuzzkey"), QStringLiteral("v 1"));
  ini.eraseKey(QStringLiteral("other"), QStringLiteral("a"));
  if (!ini.save()) return 0;
  const zw::IniFile back(path);
  check(back.readString(section, QStringLiteral("fuzzkey")) == QStringLiteral("v 1"));
  const QSet<QString> after = folded(back.sections());
  for (const QString& s : folded(before)) check(after.contains(s));
  return 0;
}
