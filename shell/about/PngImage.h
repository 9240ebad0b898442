#pragma once
// Decodes the about box's program picture: a PNG file whose image data is
// inflated with zlib by this code. Supported: 8-bit samples, colour types
// grey (0), RGB (2), grey + alpha (4) and RGBA (6), no interlace, all five
// row filters. Anything else, or damaged data, gives a null image.
#include <QByteArray>
#include <QImage>

namespace zw {

QImage decodePng(const QByteArray& data);

}  // namespace zw
