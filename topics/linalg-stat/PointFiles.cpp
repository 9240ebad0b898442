#include "topics/linalg-stat/PointFiles.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/files/WriteFile.h"
#include "platform/ini/IniFile.h"
#include "shell/gridexchange/CsvText.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

bool Blank(const PointCells& c) { return (c.x + c.y).trimmed().isEmpty(); }

// Splits at ";" outside double quotes; a quoted item loses its quotes and
// reads "" as one quote.
QStringList SplitAtSemicolons(QStringView line) {
  QStringList out;
  QString item;
  bool quoted = false, itemStart = true;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted) {
      if (c == u'"') {
        if (i + 1 < line.size() && line[i + 1] == u'"') {
          item += u'"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        item += c;
      }
      continue;
    }
    if (c == u'"' && itemStart && item.trimmed().isEmpty()) {
      quoted = true;
      item.clear();
      itemStart = false;
      continue;
    }
    if (c == u';') {
      out << item;
      item.clear();
      itemStart = true;
      continue;
    }
    item += c;
    if (!c.isSpace()) itemStart = false;
  }
  out << item;
  return out;
}

QString FileMessage(int number, const QString& fileName) {
  return GetMessageText(number).trimmed() + QStringLiteral("\n") + fileName;
}

}  // namespace

bool ReadPointFile(const QString& fileName, QString& text, QString* message) {
  QFile f(fileName);
  if (!QFileInfo(fileName).isFile() || !f.open(QIODevice::ReadOnly)) {
    if (message) *message = FileMessage(28, fileName);
    return false;
  }
  if (f.size() > MaxCsvFileSize) {
    if (message) *message = FileMessage(4, fileName);
    return false;
  }
  const QByteArray bytes = f.read(std::min(f.size(), MaxCsvFileSize) + 1);
  if (f.error() != QFileDevice::NoError) {
    if (message) *message = FileMessage(28, fileName);
    return false;
  }
  text = IniFile::decode(bytes);
  return true;
}

bool WritePointFile(const QString& fileName, const QString& text, QString* message) {
  QString reason;
  if (WriteFileAtomic(fileName, text.toUtf8(), &reason)) return true;
  if (message) *message = FileNotWrittenText(fileName, reason);
  return false;
}

void SaveRegrSection(IniFile& ini, const QString& section, const RegrSettings& s, const PointRows& rows) {
  ini.eraseSection(section);
  ini.writeString(section, QStringLiteral("typ"), QString::number(s.model));
  const std::pair<const char*, const QString*> texts[] = {{"dx", &s.dx}, {"dy", &s.dy}, {"sx", &s.sx}, {"sy", &s.sy}};
  for (const auto& [key, text] : texts)
    if (!text->trimmed().isEmpty()) ini.writeString(section, QString::fromLatin1(key), text->trimmed());
  ini.writeString(section, QStringLiteral("n"), QString::number(s.degree));
  ini.writeString(section, QStringLiteral("digits"), QString::number(s.digits));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (Blank(rows[i])) continue;
    ini.writeString(section, QStringLiteral("x%1").arg(i + 1), rows[i].x);
    ini.writeString(section, QStringLiteral("y%1").arg(i + 1), rows[i].y);
  }
}

void LoadRegrSection(const IniFile& ini, const QString& section, RegrSettings& s, PointRows& rows) {
  auto integer = [&](const char* key, int def, int lo, int hi) {
    const QString text = ini.readString(section, QString::fromLatin1(key), QString::number(def));
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::clamp(v, lo, hi) : def;
  };
  s.model = integer("typ", 1, 0, 5);
  s.dx = ini.readString(section, QStringLiteral("dx"));
  s.dy = ini.readString(section, QStringLiteral("dy"));
  s.sx = ini.readString(section, QStringLiteral("sx"));
  s.sy = ini.readString(section, QStringLiteral("sy"));
  s.digits = integer("digits", 6, 3, 8);
  s.degree = integer("n", 2, 1, 20);
  rows.assign(PointFileMaxRows, {});
  for (int i = 1; i <= PointFileMaxRows; ++i) {
    rows[std::size_t(i - 1)].x = ini.readString(section, QStringLiteral("x%1").arg(i));
    rows[std::size_t(i - 1)].y = ini.readString(section, QStringLiteral("y%1").arg(i));
  }
}

QString RegrCsvText(const PointRows& rows, QChar separator, QChar decimal) {
  // A comma as the separator leaves the point as the only readable decimal.
  const QChar dec = separator == u',' ? QChar(u'.') : decimal;
  const QChar other = dec == u'.' ? QChar(u',') : QChar(u'.');
  QString out;
  for (const PointCells& c : rows) {
    if (Blank(c)) continue;
    QString x = c.x, y = c.y;
    x.replace(other, dec);
    y.replace(other, dec);
    out += x + separator + y + QStringLiteral("\r\n");
  }
  return out;
}

void ReadRegrCsv(QStringView text, QChar separator, PointRows& rows) {
  const std::vector<QStringView> lines = TextLines(text);
  const std::size_t n = std::min<std::size_t>(lines.size(), PointFileMaxRows);
  if (rows.size() < n) rows.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const qsizetype p = lines[i].indexOf(separator);
    if (p < 0) continue;
    rows[i].x = lines[i].left(p).toString();
    rows[i].y = lines[i].mid(p + 1, 255).toString();
  }
}

LogisticKey ClassifyLogisticKey(const QString& firstField) {
  const QString key = firstField.toUpper().trimmed().left(3);
  if (key.isEmpty()) return LogisticKey::Data;
  const qsizetype p = QStringLiteral("   INF,TAG,DZIFF").indexOf(key) + 1;  // 1-based, 0: absent
  const qsizetype kind = p / 4;
  return kind >= 1 && kind <= 3 ? LogisticKey(kind) : LogisticKey::Data;
}

QStringList LogisticLineFields(QStringView line) {
  if (line.contains(u';')) return SplitAtSemicolons(line);
  return SplitDelimitedLine(line.toString());
}

namespace {

// False when the line's first field cannot name a key: both splitters
// start that field at the first character that is neither blank nor a
// control character, and a key's first letter (after upper-casing) is one of
// "INF,TAG,DZIFF". Non-ASCII starts may upper-case into one, so they count.
bool MayBeLogisticKey(QStringView line) {
  for (const QChar c : line) {
    if (c.unicode() <= 32 || c.isSpace()) continue;
    const char16_t u = c.unicode();
    if (u >= 128 || u == u'"' || u == u',') return true;
    const char16_t upper = u >= u'a' && u <= u'z' ? char16_t(u - 32) : u;
    return std::u16string_view(u"INFTAGDZ").find(upper) != std::u16string_view::npos;
  }
  return false;
}

}  // namespace

LogisticFile ReadLogisticText(QStringView text) {
  LogisticFile f;
  for (QStringView line : TextLines(text)) {
    // Once the rows are full only key lines matter; most lines are data and
    // need not be split.
    if (int(f.rows.size()) >= PointFileMaxRows && !MayBeLogisticKey(line)) continue;
    if (line.trimmed().isEmpty()) continue;
    const QStringList fields = LogisticLineFields(line);
    if (fields.isEmpty()) continue;
    const QString second = fields.size() > 1 ? fields[1] : QString();
    switch (ClassifyLogisticKey(fields[0])) {
      case LogisticKey::Limit:
        f.hasLimit = true;
        f.limit = second;
        break;
      case LogisticKey::Date: f.day1 = second; break;
      case LogisticKey::Factor: f.factor = second; break;
      case LogisticKey::Data:
        if (int(f.rows.size()) < PointFileMaxRows) f.rows.push_back({fields[0], second});
        break;
    }
  }
  return f;
}

QString LogisticCsvText(const PointRows& rows, const QString& limit, const QString& day1, const QString& factor,
                        bool writeFactor) {
  QString out;
  for (const PointCells& c : rows) {
    const QString t = c.x.trimmed(), f = c.y.trimmed();
    if (!t.isEmpty() && !f.isEmpty()) out += t + u';' + f + QStringLiteral("\r\n");
  }
  out += QStringLiteral("INF;") + limit + QStringLiteral("\r\n");
  out += QStringLiteral("TAG1;") + day1 + QStringLiteral("\r\n");
  if (writeFactor) out += QStringLiteral("DZIFF;") + factor + QStringLiteral("\r\n");
  return out;
}

long double LogisticFactor(const QString& text) {
  QString t = text.trimmed();
  t.replace(u',', u'.');
  bool ok = false;
  const double v = t.toDouble(&ok);
  return ok && std::isfinite(v) ? v : 1.0L;
}

bool LogisticFactorWorthSaving(const QString& text) {
  return !text.trimmed().isEmpty() && LogisticFactor(text) != 1;
}

}  // namespace zw
