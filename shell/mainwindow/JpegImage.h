#pragma once
// Decodes a JPEG picture with libjpeg. Corrupt or truncated data gives a null
// image, never a crash or an abort of the program.
#include <QByteArray>
#include <QImage>

namespace zw {

QImage decodeJpeg(const QByteArray& data);

}  // namespace zw
