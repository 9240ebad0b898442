#include "tests/topics/PdfText.h"

#include <QFile>
#include <algorithm>
#include <QHash>
#include <QRegularExpression>
#include <zlib.h>

namespace zw {

namespace {

QByteArray inflate(const QByteArray& in) {
  QByteArray out;
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return {};
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  z.avail_in = static_cast<uInt>(in.size());
  char buf[16384];
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = ::inflate(&z, Z_NO_FLUSH);
    out.append(buf, static_cast<qsizetype>(sizeof buf - z.avail_out));
  }
  inflateEnd(&z);
  return out;
}

struct PdfObject {
  QByteArray dict, stream;
};

// Every object with a stream, by object number; streams inflated.
QHash<int, PdfObject> streamObjects(const QByteArray& pdf) {
  QHash<int, PdfObject> objects;
  static const QRegularExpression head(QStringLiteral("(\\d+) 0 obj\\s*<<((?:(?!endobj).)*?)>>\\s*stream\\r?\\n"),
                                       QRegularExpression::DotMatchesEverythingOption);
  const QString latin = QString::fromLatin1(pdf);  // one character per byte: offsets match
  for (auto it = head.globalMatch(latin); it.hasNext();) {
    const auto m = it.next();
    const qsizetype start = m.capturedEnd();
    const qsizetype end = pdf.indexOf("endstream", start);
    if (end < 0) continue;
    PdfObject o;
    o.dict = m.captured(2).toLatin1();
    const QByteArray raw = pdf.mid(start, end - start);
    o.stream = o.dict.contains("FlateDecode") ? inflate(raw) : raw;
    objects.insert(m.captured(1).toInt(), o);
  }
  return objects;
}

// A ToUnicode map: glyph code -> text.
QHash<int, QString> readCMap(const QByteArray& cmap) {
  QHash<int, QString> map;
  auto hex = [](const QString& h) { return h.toInt(nullptr, 16); };
  auto chars = [](const QString& h) {
    QString s;
    for (int i = 0; i + 4 <= h.size(); i += 4) s += QChar(static_cast<char16_t>(h.mid(i, 4).toInt(nullptr, 16)));
    return s;
  };
  const QString text = QString::fromLatin1(cmap);
  static const QRegularExpression range(QStringLiteral("<(\\w+)>\\s*<(\\w+)>\\s*(\\[[^\\]]*\\]|<\\w+>)"));
  static const QRegularExpression item(QStringLiteral("<(\\w+)>"));
  for (const QString& block : text.split(QStringLiteral("beginbfrange")).mid(1)) {
    const QString body = block.left(block.indexOf(QStringLiteral("endbfrange")));
    for (auto it = range.globalMatch(body); it.hasNext();) {
      const auto m = it.next();
      const int lo = hex(m.captured(1)), hi = hex(m.captured(2));
      const QString target = m.captured(3);
      if (target.startsWith(u'[')) {
        int code = lo;
        for (auto jt = item.globalMatch(target); jt.hasNext() && code <= hi; ++code) map[code] = chars(jt.next().captured(1));
      } else {
        const int first = hex(target.mid(1, target.size() - 2));
        for (int code = lo; code <= hi; ++code) map[code] = QString(QChar(static_cast<char16_t>(first + code - lo)));
      }
    }
  }
  static const QRegularExpression pair(QStringLiteral("<(\\w+)>\\s*<(\\w+)>"));
  for (const QString& block : text.split(QStringLiteral("beginbfchar")).mid(1)) {
    const QString body = block.left(block.indexOf(QStringLiteral("endbfchar")));
    for (auto it = pair.globalMatch(body); it.hasNext();) {
      const auto m = it.next();
      map[hex(m.captured(1))] = chars(m.captured(2));
    }
  }
  return map;
}

}  // namespace

QString PdfText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray pdf = f.readAll();
  const QHash<int, PdfObject> objects = streamObjects(pdf);

  // Qt names a font resource /F<n> after the font's object n, whose
  // dictionary points at its ToUnicode map.
  QHash<int, QHash<int, QString>> cmaps;
  static const QRegularExpression fontObj(QStringLiteral("(\\d+) 0 obj\\s*<<[^>]*?/Type /Font[^>]*?/ToUnicode (\\d+) 0 R"),
                                          QRegularExpression::DotMatchesEverythingOption);
  for (auto it = fontObj.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
    const auto m = it.next();
    cmaps.insert(m.captured(1).toInt(), readCMap(objects.value(m.captured(2).toInt()).stream));
  }

  // Glyph by glyph; a glyph on another baseline than the one before starts a
  // new line. Qt sets the text matrix (Tm) at each text block and moves with
  // Td relative to it.
  QString text;
  static const QRegularExpression op(QStringLiteral(
      "/F(\\d+) [\\d.]+ Tf|(-?[\\d.]+) (-?[\\d.]+) Td|(-?[\\d.]+) (-?[\\d.]+) Tm|<([0-9A-Fa-f]+)> Tj"));
  QList<int> keys = objects.keys();
  std::sort(keys.begin(), keys.end());
  for (int key : keys) {
    const QByteArray& s = objects[key].stream;
    if (!s.contains("BT")) continue;
    int font = -1;
    double y = 0;
    bool first = true;
    double lastY = 0;
    for (auto it = op.globalMatch(QString::fromLatin1(s)); it.hasNext();) {
      const auto m = it.next();
      if (!m.captured(1).isEmpty()) {
        font = m.captured(1).toInt();
      } else if (!m.captured(3).isEmpty()) {
        y += m.captured(3).toDouble();
      } else if (!m.captured(5).isEmpty()) {
        y = m.captured(5).toDouble();
      } else {
        if (!first && y != lastY) text += u'\n';
        first = false;
        lastY = y;
        const QString glyphs = m.captured(6);
        for (int i = 0; i + 4 <= glyphs.size(); i += 4) {
          const QString t = cmaps.value(font).value(glyphs.mid(i, 4).toInt(nullptr, 16));
          text += t == QStringLiteral("\t") ? QStringLiteral(" ") : t;  // Qt maps the blank to a tab
        }
      }
    }
    text += u'\n';
  }
  return text;
}

QStringList PdfPaths(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QHash<int, PdfObject> objects = streamObjects(f.readAll());
  static const QRegularExpression op(QStringLiteral(
      "(?:^|\\s)((?:-?[\\d.]+ ){6}c|(?:-?[\\d.]+ ){4}re|(?:-?[\\d.]+ ){2}[ml])(?=\\s)"));
  QStringList out;
  QList<int> keys = objects.keys();
  std::sort(keys.begin(), keys.end());
  for (int key : keys) {
    const PdfObject& o = objects[key];
    // Page contents only: fonts, images and colour tables carry no dictionary type of theirs here.
    if (o.dict.contains("/Type") || o.dict.contains("/Subtype")) continue;
    for (auto it = op.globalMatch(QString::fromLatin1(o.stream)); it.hasNext();) out << it.next().captured(1);
  }
  return out;
}

}  // namespace zw
