// Fuzz target for the external language files: any bytes read into a slot,
// then every text looked up in it; the built-in languages must stay as they
// are. Built and run by scripts/fuzz.sh.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "shell/State.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // In memory where there is a memory file system: saving syncs the file to
  // disk, which would slow every run.
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/zw-fuzz-XXXXXX")
                                                                      : QDir::tempPath() + "/zw-fuzz-XXXXXX");
  static const QString builtIn = [] {
    zw::shellState().LanguageKind = 0;
    return zw::GetMessageText(22);
  }();
  const QString path = dir.filePath(QStringLiteral("lang.txt"));
  {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(data), qint64(size));
  }
  if (!zw::setLanguageFile(3, path)) return 0;
  zw::shellState().LanguageKind = 3;
  for (int page = 0; page < zw::TextPageCount; ++page)
    for (int item = -2; item < 12; ++item) (void)zw::GetText(static_cast<zw::TTextIndex>(page), item);
  zw::shellState().LanguageKind = 0;
  if (zw::GetMessageText(22) != builtIn) std::abort();
  return 0;
}
