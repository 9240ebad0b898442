#pragma once
// The atomic writer (common/AtomicFile.h) for Qt callers: every file the
// window layers write goes through here. The path is encoded for the file
// system as Qt does; `*reason` receives the system's text for what failed.
#include <QByteArrayView>
#include <QString>

class QImage;

namespace zw {

bool WriteFileAtomic(const QString& path, QByteArrayView bytes, QString* reason = nullptr);
// The image encoded in `format` ("BMP", "PNG") and written as above; false
// also when it cannot be encoded.
bool WriteImageAtomic(const QString& path, const QImage& image, const char* format, QString* reason = nullptr);

}  // namespace zw
