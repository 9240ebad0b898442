// Apart from WriteFile.cpp so that the INI files, which need only Qt Core,
// do not bring Qt Gui along (the fuzz targets build them alone).
#include <QBuffer>
#include <QImage>

#include "platform/files/WriteFile.h"

namespace zw {

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
