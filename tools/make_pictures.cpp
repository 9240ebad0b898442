// Draws the program's own pictures: the six subject-tile pictures of the main
// window (JPEG) and the program picture of the about box (PNG). The results
// are committed under shell/resources/; run this again only to change them.
//
// Built with everything else; run from the repository root:
//   QT_QPA_PLATFORM=offscreen build/bin/make_pictures shell/resources
//
// The JPEG files are written with libjpeg and the PNG file with zlib, the same
// libraries the program decodes them with.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
#include <string>
#include <vector>
#include <zlib.h>

#include "common/AtomicFile.h"

namespace {

constexpr int kTileW = 442;  // twice the tile picture's size at zoom 100
constexpr int kTileH = 416;
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kInk(0x22, 0x2a, 0x3a);

bool writeJpeg(const QImage& source, const std::string& path) {
  const QImage img = source.convertToFormat(QImage::Format_RGB888);
  unsigned char* bytes = nullptr;
  unsigned long size = 0;
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  jpeg_mem_dest(&c, &bytes, &size);
  c.image_width = img.width();
  c.image_height = img.height();
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 88, TRUE);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = const_cast<uchar*>(img.constScanLine(c.next_scanline));
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  const bool ok = zw::WriteFileAtomic(path, std::string_view(reinterpret_cast<const char*>(bytes), size));
  std::free(bytes);
  return ok;
}

void putBigEndian(std::vector<unsigned char>& out, unsigned long v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<unsigned char>((v >> s) & 0xff));
}

void putChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data) {
  putBigEndian(out, data.size());
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const unsigned long crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
  putBigEndian(out, crc);
}

// RGBA, 8 bits per sample, filter "Sub" on every row so the decoder's
// unfiltering is exercised by the shipped file itself.
bool writePng(const QImage& source, const std::string& path) {
  const QImage img = source.convertToFormat(QImage::Format_RGBA8888);
  std::vector<unsigned char> raw;
  for (int y = 0; y < img.height(); ++y) {
    const uchar* line = img.constScanLine(y);
    raw.push_back(1);  // Sub
    for (int x = 0; x < img.width() * 4; ++x)
      raw.push_back(static_cast<unsigned char>(line[x] - (x >= 4 ? line[x - 4] : 0)));
  }
  uLongf packedSize = compressBound(raw.size());
  std::vector<unsigned char> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), raw.size(), 9) != Z_OK) return false;
  packed.resize(packedSize);

  std::vector<unsigned char> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<unsigned char> ihdr;
  putBigEndian(ihdr, img.width());
  putBigEndian(ihdr, img.height());
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // depth 8, RGBA, deflate, adaptive, no interlace
  putChunk(out, "IHDR", ihdr);
  putChunk(out, "IDAT", packed);
  putChunk(out, "IEND", {});
  return zw::WriteFileAtomic(path, std::string_view(reinterpret_cast<const char*>(out.data()), out.size()));
}

QImage canvas(const QColor& top, const QColor& bottom) {
  QImage img(kTileW, kTileH, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, 0, kTileH);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(img.rect(), g);
  return img;
}

QFont font(const char* family, int px, bool bold = false, bool italic = false) {
  QFont f(family);
  f.setPixelSize(px);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

QImage algebra() {
  QImage img = canvas(QColor(0xfb, 0xf6, 0xec), QColor(0xf2, 0xe4, 0xc8));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(kInk);
  p.setFont(font("DejaVu Serif", 46, false, true));
  p.drawText(QRect(0, 40, kTileW, 70), Qt::AlignCenter, QString::fromUtf8("x² − 5x + 6 = 0"));
  // A fraction with a proper bar.
  p.setFont(font("DejaVu Serif", 54));
  p.setPen(QColor(0xb0, 0x3a, 0x2e));
  p.drawText(QRect(60, 150, 90, 60), Qt::AlignCenter, "3");
  p.drawText(QRect(60, 222, 90, 60), Qt::AlignCenter, "4");
  p.setPen(QPen(QColor(0xb0, 0x3a, 0x2e), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(70, 216, 140, 216);
  p.setPen(kInk);
  p.setFont(font("DejaVu Serif", 46));
  p.drawText(QRect(150, 180, 70, 70), Qt::AlignCenter, "=");
  p.setPen(QColor(0x1f, 0x5f, 0xa8));
  p.drawText(QRect(215, 180, 170, 70), Qt::AlignCenter, "0,75");
  // A row of primes in small tiles.
  const int primes[] = {2, 3, 5, 7, 11, 13};
  p.setFont(font("DejaVu Sans", 26, true));
  for (int i = 0; i < 6; ++i) {
    const QRectF r(36 + i * 64, 318, 54, 54);
    p.setPen(Qt::NoPen);
    p.setBrush(i % 2 ? QColor(0x1f, 0x5f, 0xa8) : QColor(0xd9, 0x8c, 0x1f));
    p.drawRoundedRect(r, 10, 10);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QString::number(primes[i]));
  }
  return img;
}

QImage geometry2d() {
  QImage img = canvas(QColor(0xf1, 0xf7, 0xfc), QColor(0xd9, 0xe9, 0xf6));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Light grid.
  p.setPen(QPen(QColor(0xc4, 0xd8, 0xea), 1));
  for (int x = 21; x < kTileW; x += 40) p.drawLine(x, 0, x, kTileH);
  for (int y = 8; y < kTileH; y += 40) p.drawLine(0, y, kTileW, y);
  // Triangle with its circumcircle.
  const QPointF a(86, 318), b(372, 318), c(250, 92);
  const double d = 2 * (a.x() * (b.y() - c.y()) + b.x() * (c.y() - a.y()) + c.x() * (a.y() - b.y()));
  auto sq = [](QPointF q) { return q.x() * q.x() + q.y() * q.y(); };
  const QPointF m((sq(a) * (b.y() - c.y()) + sq(b) * (c.y() - a.y()) + sq(c) * (a.y() - b.y())) / d,
                  (sq(a) * (c.x() - b.x()) + sq(b) * (a.x() - c.x()) + sq(c) * (b.x() - a.x())) / d);
  const double r = std::hypot(a.x() - m.x(), a.y() - m.y());
  p.setPen(QPen(QColor(0x1f, 0x5f, 0xa8), 4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(m, r, r);
  p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(0xf4, 0xb9, 0x42, 150));
  p.drawPolygon(QPolygonF({a, b, c}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xb0, 0x3a, 0x2e));
  for (QPointF q : {a, b, c}) p.drawEllipse(q, 9, 9);
  p.drawEllipse(m, 6, 6);
  p.setPen(kInk);
  p.setFont(font("DejaVu Sans", 30, true, true));
  p.drawText(QPointF(a.x() - 36, a.y() + 38), "A");
  p.drawText(QPointF(b.x() + 10, b.y() + 38), "B");
  p.drawText(QPointF(c.x() + 14, c.y() - 12), "C");
  return img;
}

QImage geometry3d() {
  QImage img = canvas(QColor(0xf3, 0xf0, 0xfa), QColor(0xdf, 0xd8, 0xf0));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // An oblique cube: front square and a shifted back square.
  const double s = 170, dx = 80, dy = -70;
  const QPointF f0(96, 320), f1(f0.x() + s, f0.y()), f2(f0.x() + s, f0.y() - s), f3(f0.x(), f0.y() - s);
  auto back = [&](QPointF q) { return QPointF(q.x() + dx, q.y() + dy); };
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x7a, 0x5c, 0xc8));  // top
  p.drawPolygon(QPolygonF({f3, f2, back(f2), back(f3)}));
  p.setBrush(QColor(0x5b, 0x3f, 0xa6));  // right side
  p.drawPolygon(QPolygonF({f1, f2, back(f2), back(f1)}));
  p.setBrush(QColor(0x9d, 0x85, 0xe0));  // front
  p.drawPolygon(QPolygonF({f0, f1, f2, f3}));
  p.setPen(QPen(QColor(0x2c, 0x1d, 0x5c), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(QPolygonF({f0, f1, f2, f3}));
  p.drawPolyline(QPolygonF({f1, back(f1), back(f2), back(f3), f3}));
  p.drawLine(f2, back(f2));
  // Hidden edges dashed.
  p.setPen(QPen(QColor(0x2c, 0x1d, 0x5c), 3, Qt::DashLine));
  p.drawLine(f0, back(f0));
  p.drawLine(back(f0), back(f1));
  p.drawLine(back(f0), back(f3));
  // A space diagonal.
  p.setPen(QPen(QColor(0xd9, 0x8c, 0x1f), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(f0, back(f2));
  return img;
}

QImage analysis() {
  QImage img = canvas(QColor(0xf0, 0xf8, 0xf1), QColor(0xd6, 0xec, 0xd9));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF o(kTileW / 2.0, kTileH / 2.0 + 10);
  const double unit = 48;
  p.setPen(QPen(QColor(0xb9, 0xd8, 0xbe), 1));
  for (int i = -5; i <= 5; ++i) {
    p.drawLine(QPointF(o.x() + i * unit, 20), QPointF(o.x() + i * unit, kTileH - 20));
    p.drawLine(QPointF(20, o.y() + i * unit), QPointF(kTileW - 20, o.y() + i * unit));
  }
  p.setPen(QPen(kInk, 3));
  p.drawLine(QPointF(20, o.y()), QPointF(kTileW - 24, o.y()));
  p.drawLine(QPointF(o.x(), kTileH - 20), QPointF(o.x(), 24));
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({QPointF(kTileW - 14, o.y()), QPointF(kTileW - 30, o.y() - 8),
                           QPointF(kTileW - 30, o.y() + 8)}));
  p.drawPolygon(QPolygonF({QPointF(o.x(), 14), QPointF(o.x() - 8, 30), QPointF(o.x() + 8, 30)}));
  // f(x) = x^3/4 - x with the area under it between two roots shaded.
  auto f = [](double x) { return x * x * x / 4 - x; };
  QPainterPath area;
  area.moveTo(o.x() - 2 * unit, o.y());
  for (double x = -2; x <= 0.0001; x += 0.02) area.lineTo(o.x() + x * unit, o.y() - f(x) * unit);
  area.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3f, 0xa3, 0x5b, 90));
  p.drawPath(area);
  QPainterPath curve;
  for (double x = -3.7; x <= 3.7; x += 0.02) {
    const QPointF q(o.x() + x * unit, o.y() - f(x) * unit);
    if (x == -3.7) curve.moveTo(q); else curve.lineTo(q);
  }
  p.setPen(QPen(QColor(0x1e, 0x7a, 0x3a), 5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  p.setPen(kInk);
  p.setFont(font("DejaVu Serif", 30, false, true));
  p.drawText(QPointF(o.x() + 18, 56), QString::fromUtf8("f(x)"));
  return img;
}

QImage stochastics() {
  QImage img = canvas(QColor(0xfc, 0xf1, 0xf0), QColor(0xf3, 0xd9, 0xd6));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const int n = 10;
  const double base = 350, left = 40, w = 34;
  // Binomial distribution n = 10, p = 0.5 as bars, with the normal curve over it.
  double coeff = 1;
  for (int k = 0; k <= n; ++k) {
    if (k > 0) coeff = coeff * (n - k + 1) / k;
    const double prob = coeff / 1024.0;
    const double h = prob * 1150;
    p.setPen(QPen(QColor(0x8a, 0x22, 0x1b), 2));
    p.setBrush(QColor(0xd9, 0x5b, 0x4c));
    p.drawRect(QRectF(left + k * (w + 0.5), base - h, w - 4, h));
  }
  QPainterPath bell;
  const double mu = 5, sigma = std::sqrt(2.5);
  for (double x = -0.5; x <= 10.5; x += 0.05) {
    const double y = std::exp(-(x - mu) * (x - mu) / (2 * sigma * sigma)) / (sigma * std::sqrt(2 * M_PI));
    const QPointF q(left + x * (w + 0.5) + (w - 4) / 2, base - y * 1150);
    if (x == -0.5) bell.moveTo(q); else bell.lineTo(q);
  }
  p.setPen(QPen(QColor(0x1f, 0x5f, 0xa8), 5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(bell);
  p.setPen(QPen(kInk, 3));
  p.drawLine(QPointF(24, base), QPointF(kTileW - 24, base));
  // Two dice.
  auto die = [&](QPointF at, int eyes) {
    const QRectF r(at, QSizeF(64, 64));
    p.setPen(QPen(kInk, 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const double c = 16, m = 32;
    std::vector<QPointF> pts;
    if (eyes == 3) pts = {{c, c}, {m, m}, {64 - c, 64 - c}};
    if (eyes == 5) pts = {{c, c}, {64 - c, c}, {m, m}, {c, 64 - c}, {64 - c, 64 - c}};
    for (QPointF q : pts) p.drawEllipse(at + q, 6, 6);
  };
  die(QPointF(30, 28), 5);
  die(QPointF(110, 50), 3);
  return img;
}

QImage linearAlgebra() {
  QImage img = canvas(QColor(0xf0, 0xf6, 0xf8), QColor(0xd4, 0xe6, 0xec));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // A 3 x 3 matrix in round brackets times a vector.
  const QRectF m(40, 70, 230, 200);
  p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(m.left() - 6, m.top(), 40, m.height()), 100 * 16, 160 * 16);
  p.drawArc(QRectF(m.right() - 34, m.top(), 40, m.height()), -80 * 16, 160 * 16);
  const char* cells[3][3] = {{"2", "1", "0"}, {"1", "3", "1"}, {"0", "1", "4"}};
  p.setFont(font("DejaVu Serif", 38));
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      p.setPen(r == c ? QColor(0x1f, 0x6f, 0x86) : kInk);
      p.drawText(QRectF(m.left() + 24 + c * 62, m.top() + 12 + r * 60, 60, 58), Qt::AlignCenter, cells[r][c]);
    }
  const QRectF v(300, 70, 90, 200);
  p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(v.left() - 6, v.top(), 40, v.height()), 100 * 16, 160 * 16);
  p.drawArc(QRectF(v.right() - 34, v.top(), 40, v.height()), -80 * 16, 160 * 16);
  p.setFont(font("DejaVu Serif", 38, false, true));
  const char* names[3] = {"x", "y", "z"};
  for (int r = 0; r < 3; ++r) p.drawText(QRectF(v.left() + 15, v.top() + 12 + r * 60, 60, 58), Qt::AlignCenter, names[r]);
  // Two vectors and their sum below.
  const QPointF o(70, 380);
  auto arrow = [&](QPointF from, QPointF to, QColor col) {
    p.setPen(QPen(col, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const double ang = std::atan2(to.y() - from.y(), to.x() - from.x());
    QPolygonF head({to, to - QPointF(std::cos(ang - 0.4) * 20, std::sin(ang - 0.4) * 20),
                    to - QPointF(std::cos(ang + 0.4) * 20, std::sin(ang + 0.4) * 20)});
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPolygon(head);
  };
  arrow(o, QPointF(220, 330), QColor(0xd9, 0x8c, 0x1f));
  arrow(QPointF(220, 330), QPointF(380, 372), QColor(0x1f, 0x6f, 0x86));
  arrow(o, QPointF(380, 372), QColor(0xb0, 0x3a, 0x2e));
  return img;
}

QImage programPicture() {
  const int n = 128;
  QImage img(n, n, QImage::Format_RGBA8888);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient g(0, 0, n, n);
  g.setColorAt(0, QColor(0x2a, 0x4c, 0xb8));
  g.setColorAt(1, kNavy);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(4, 4, n - 8, n - 8), 24, 24);
  // A white "Z" whose middle stroke is a rising curve.
  p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath z;
  z.moveTo(32, 34);
  z.lineTo(96, 34);
  z.cubicTo(60, 50, 70, 80, 32, 94);
  z.lineTo(96, 94);
  p.drawPath(z);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xf4, 0xb9, 0x42));
  p.drawEllipse(QPointF(98, 96), 9, 9);
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const std::string dir = argc > 1 ? argv[1] : "shell/resources";
  struct {
    const char* name;
    QImage (*draw)();
  } tiles[] = {{"tile_algebra.jpg", algebra},          {"tile_geometry2d.jpg", geometry2d},
               {"tile_geometry3d.jpg", geometry3d},    {"tile_analysis.jpg", analysis},
               {"tile_stochastics.jpg", stochastics},  {"tile_linearalgebra.jpg", linearAlgebra}};
  bool ok = true;
  for (const auto& t : tiles) ok = writeJpeg(t.draw(), dir + "/" + t.name) && ok;
  ok = writePng(programPicture(), dir + "/program.png") && ok;
  if (!ok) std::fprintf(stderr, "could not write every picture into %s\n", dir.c_str());
  return ok ? 0 : 1;
}
