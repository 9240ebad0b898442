#include "platform/files/WriteFile.h"

#include <QFile>
#include <string>
#include <string_view>

#include "common/AtomicFile.h"

namespace zw {

bool WriteFileAtomic(const QString& path, QByteArrayView bytes, QString* reason) {
  std::string why;
  const bool ok = WriteFileAtomic(QFile::encodeName(path).toStdString(),
                                  std::string_view(bytes.data(), std::size_t(bytes.size())), &why);
  if (!ok && reason) *reason = QString::fromLocal8Bit(why);
  return ok;
}

}  // namespace zw
