#include "platform/ini/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringDecoder>
#include <limits>
#include <utility>
#include <vector>

namespace zw {

namespace {

// Blanks and control characters (code 32 and below) count as white space,
// as in the profile functions; Unicode spaces inside values are kept.
QString trimControl(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b].unicode() <= 32) ++b;
  while (e > b && s[e - 1].unicode() <= 32) --e;
  return s.mid(b, e - b).toString();
}

bool sameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Code points of Windows-1252 bytes 0x80..0x9F; the five bytes the code page
// leaves undefined map to the C1 control of the same number.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out.append(QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b)));
  }
  return out;
}

constexpr qint64 kMaxFileSize = 64LL * 1024 * 1024;

struct Line {
  enum Kind { Other, Section, Key };
  QString raw;   // the line as it stands in the file (kept verbatim on write)
  Kind kind = Other;
  QString name;  // section name or key, trimmed
  QString value; // key value, trimmed (quotes still on)
};

Line parseLine(QString raw) {
  Line l;
  l.raw = std::move(raw);
  const QString t = trimControl(l.raw);
  if (t.isEmpty() || t.startsWith(u';')) return l;
  if (t.size() >= 2 && t.startsWith(u'[') && t.endsWith(u']')) {
    l.kind = Line::Section;
    l.name = trimControl(QStringView(t).mid(1, t.size() - 2));
    return l;
  }
  const qsizetype eq = t.indexOf(u'=');
  if (eq < 0) return l;  // a line without "=" holds no key
  l.kind = Line::Key;
  l.name = trimControl(QStringView(t).left(eq));
  l.value = trimControl(QStringView(t).mid(eq + 1));
  return l;
}

// Values are written on one line: a line break inside a value would
// otherwise split it and inject lines into the file.
QString oneLine(QString v) {
  v.replace(u'\r', u' ');
  v.replace(u'\n', u' ');
  return v;
}

}  // namespace

struct IniFile::Impl {
  QString path;
  Duplicates dup = Duplicates::FirstWins;
  bool existed = false;
  bool unreadable = false;  // exists but could not be read: never overwritten
  std::vector<Line> lines;
  QString eol = QStringLiteral("\r\n");

  void load() {
    QFile f(path);
    existed = f.exists();
    if (!existed) return;  // a missing file reads as empty
    // A file that cannot be read (or is far too large for an INI file) reads
    // as empty too, but save() refuses to replace it: writing back what little
    // we know would destroy everything else it holds.
    // Only a regular file is read: a pipe or a device (a link to /dev/zero,
    // say) would block the program or never end.
    if (!QFileInfo(path).isFile() || f.size() > kMaxFileSize || !f.open(QIODevice::ReadOnly)) {
      unreadable = true;
      return;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
      unreadable = true;
      return;
    }
    const QString text = IniFile::decode(bytes);
    // Lines end in CR LF, LF or CR; the first ending found is kept for writing.
    bool eolSeen = false;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
      const QChar c = text[i];
      if (c != u'\r' && c != u'\n') continue;
      qsizetype len = 1;
      if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') len = 2;
      if (!eolSeen) {
        eol = len == 2 ? QStringLiteral("\r\n") : QString(c);
        eolSeen = true;
      }
      lines.push_back(parseLine(text.mid(start, i - start)));
      i += len - 1;
      start = i + 1;
    }
    if (start < n) lines.push_back(parseLine(text.mid(start)));
  }

  // [begin, end) of the lines belonging to the section that reads find, or
  // begin == -1. begin is the header line.
  std::pair<qsizetype, qsizetype> findSection(const QString& section) const {
    qsizetype found = -1;
    const qsizetype n = qsizetype(lines.size());
    for (qsizetype i = 0; i < n; ++i) {
      if (lines[size_t(i)].kind == Line::Section && sameName(lines[size_t(i)].name, section)) {
        found = i;
        if (dup == Duplicates::FirstWins) break;
      }
    }
    if (found < 0) return {-1, -1};
    qsizetype end = found + 1;
    while (end < n && lines[size_t(end)].kind != Line::Section) ++end;
    return {found, end};
  }

  qsizetype findKey(const QString& section, const QString& key) const {
    const auto [b, e] = findSection(section);
    if (b < 0) return -1;
    qsizetype found = -1;
    for (qsizetype i = b + 1; i < e; ++i) {
      if (lines[size_t(i)].kind == Line::Key && sameName(lines[size_t(i)].name, key)) {
        found = i;
        if (dup == Duplicates::FirstWins) break;
      }
    }
    return found;
  }

  QString serialize() const {
    QString out;
    for (const Line& l : lines) {
      out += l.raw;
      out += eol;
    }
    return out;
  }
};

IniFile::IniFile(QString path, Duplicates dup) : d(std::make_unique<Impl>()) {
  d->path = std::move(path);
  d->dup = dup;
  d->load();
}

IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

const QString& IniFile::path() const { return d->path; }
bool IniFile::fileExists() const { return d->existed; }

bool IniFile::hasSection(const QString& section) const { return d->findSection(section).first >= 0; }

bool IniFile::hasKey(const QString& section, const QString& key) const {
  return d->findKey(section, key) >= 0;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
  const qsizetype i = d->findKey(section, key);
  if (i < 0) return def;
  QString v = d->lines[size_t(i)].value;
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
    v = v.mid(1, v.size() - 2);
  return v;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const {
  if (!hasKey(section, key)) return def;
  const QString v = readString(section, key);
  qsizetype i = 0;
  bool neg = false;
  if (i < v.size() && (v[i] == u'-' || v[i] == u'+')) neg = v[i++] == u'-';
  if (i >= v.size() || v[i] < u'0' || v[i] > u'9') return def;
  // Saturate instead of overflowing; callers range-check what they read.
  long long acc = 0;
  constexpr long long lim = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
  for (; i < v.size() && v[i] >= u'0' && v[i] <= u'9'; ++i) {
    acc = acc * 10 + (v[i].unicode() - u'0');
    if (acc > lim) acc = lim;
  }
  if (neg) return static_cast<int>(-acc);
  return static_cast<int>(acc > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : acc);
}

QStringList IniFile::sections() const {
  QStringList out;
  for (const Line& l : d->lines)
    if (l.kind == Line::Section && !out.contains(l.name, Qt::CaseInsensitive)) out.append(l.name);
  return out;
}

QStringList IniFile::keys(const QString& section) const {
  QStringList out;
  const auto [b, e] = d->findSection(section);
  if (b < 0) return out;
  for (qsizetype i = b + 1; i < e; ++i) {
    const Line& l = d->lines[size_t(i)];
    if (l.kind == Line::Key && !out.contains(l.name, Qt::CaseInsensitive)) out.append(l.name);
  }
  return out;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
  const qsizetype k = d->findKey(section, key);
  if (k >= 0) {
    // Keep the key's spelling as it stands in the file.
    Line& l = d->lines[size_t(k)];
    l = parseLine(l.name + u'=' + oneLine(value));
    return;
  }
  const QString text = key + u'=' + oneLine(value);
  auto [b, e] = d->findSection(section);
  if (b < 0) {
    if (!d->lines.empty() && !trimControl(d->lines.back().raw).isEmpty())
      d->lines.push_back(parseLine(QString()));
    d->lines.push_back(parseLine(u'[' + section + u']'));
    d->lines.push_back(parseLine(text));
    return;
  }
  // Append after the section's last non-blank line (blank lines that
  // separate it from the next section stay where they are).
  qsizetype at = e;
  while (at > b + 1 && trimControl(d->lines[size_t(at - 1)].raw).isEmpty()) --at;
  d->lines.insert(d->lines.begin() + at, parseLine(text));
}

void IniFile::eraseKey(const QString& section, const QString& key) {
  // Every occurrence in every section of that name: erasing must not bring
  // an older duplicate to light.
  bool inSection = false;
  std::erase_if(d->lines, [&](const Line& l) {
    if (l.kind == Line::Section) inSection = sameName(l.name, section);
    return inSection && l.kind == Line::Key && sameName(l.name, key);
  });
}

void IniFile::eraseSection(const QString& section) {
  bool inSection = false;
  std::erase_if(d->lines, [&](const Line& l) {
    if (l.kind == Line::Section) inSection = sameName(l.name, section);
    return inSection;
  });
}

bool IniFile::save(QString* error) {
  if (d->unreadable) {
    if (error) *error = QStringLiteral("%1 could not be read; it was left unchanged").arg(d->path);
    return false;
  }
  QSaveFile f(d->path);
  const QByteArray bytes = d->serialize().toUtf8();
  bool ok = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
  if (ok) {
    ok = f.commit();
  } else {
    f.cancelWriting();
  }
  if (!ok && error) *error = f.errorString();
  if (ok) d->existed = true;
  return ok;
}

QString IniFile::decode(const QByteArray& bytes) {
  if (const auto enc = QStringConverter::encodingForData(bytes)) {
    QStringDecoder dec(*enc);  // drops the BOM
    return dec.decode(bytes);
  }
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  return decodeCp1252(bytes);
}

bool iniWriteString(const QString& path, const QString& section, const QString& key,
                    const QString& value, QString* error) {
  IniFile ini(path);
  ini.writeString(section, key, value);
  return ini.save(error);
}

bool iniEraseSection(const QString& path, const QString& section, QString* error) {
  IniFile ini(path);
  ini.eraseSection(section);
  return ini.save(error);
}

}  // namespace zw
