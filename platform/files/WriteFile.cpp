#include "platform/files/WriteFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
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

bool WriteImageAtomic(const QString& path, const QImage& image, const char* format, QString* reason) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format)) {
    if (reason) *reason = QStringLiteral("the picture could not be encoded as %1").arg(QLatin1String(format));
    return false;
  }
  buffer.close();
  return WriteFileAtomic(path, bytes, reason);
}

}  // namespace zw
