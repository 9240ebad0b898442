#include "platform/ini/IniFile.h"

#include "platform/text/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringDecoder>
#include <algorithm>
#include <limits>
#include <unordered_set>
#include <utility>
#include <vector>

namespace zw {

namespace {

// Blanks and control characters (code 32 and below) count as white space,
// as in the profile functions; Unicode spaces inside values are kept.
bool isBlank(QChar c) { return c.unicode() <= 32; }
// Around section names and keys a byte-order mark counts as white space too:
// an editor that adds one more must not hide a section or a key.
bool isNameBlank(QChar c) { return c.unicode() <= 32 || c.unicode() == 0xFEFF; }

template <class Blank>
std::pair<qsizetype, qsizetype> trimmed(QStringView s, qsizetype b, qsizetype e, Blank blank) {
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return {b, e};
}

QString trimControl(QStringView s) {
  const auto [b, e] = trimmed(s, 0, s.size(), isBlank);
  return s.mid(b, e - b).toString();
}

bool sameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A hash that equal names (compared case-insensitively) share.
quint64 nameHash(QStringView s) {
  quint64 h = 1469598103934665603ULL;
  const qsizetype n = s.size();
  for (qsizetype i = 0; i < n; ++i) {
    char32_t c = s[i].unicode();
    if (c < 128) {
      if (c >= 'A' && c <= 'Z') c += 32;
    } else if (QChar::isHighSurrogate(c) && i + 1 < n && s[i + 1].isLowSurrogate()) {
      c = QChar::toCaseFolded(QChar::surrogateToUcs4(char16_t(c), s[++i].unicode()));
    } else {
      c = QChar::toCaseFolded(c);
    }
    h = (h ^ c) * 1099511628211ULL;
  }
  return h;
}

QString decodeCp1252(const QByteArray& bytes) {
  QString out(bytes.size(), Qt::Uninitialized);
  QChar* o = out.data();
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    *o++ = QChar(cp1252::ToUnicode(b));
  }
  return out;
}

constexpr qint64 kMaxFileSize = 64LL * 1024 * 1024;

// One line of the file, 16 bytes: lines are views into the text read (held
// once); a line changed or added later keeps its text in
// IniFile::Impl::owned. Name and value are found again when asked for, so
// that a large file costs little more than its text.
struct Line {
  enum Kind : quint8 { Other, Section, Key };
  qint32 start = 0;
  qint32 length = 0;
  qint32 own = -1;  // index into owned, or -1: the text read
  Kind kind = Other;
};
static_assert(sizeof(Line) == 16);

// Kind, name (trimmed) and value (trimmed, quotes still on) of a line.
struct Parsed {
  Line::Kind kind = Line::Other;
  QStringView name, value;
};

Parsed parse(QStringView raw) {
  Parsed p;
  const auto [b, e] = trimmed(raw, 0, raw.size(), isNameBlank);
  if (b == e || raw[b] == u';') return p;
  if (e - b >= 2 && raw[b] == u'[' && raw[e - 1] == u']') {
    const auto [nb, ne] = trimmed(raw, b + 1, e - 1, isNameBlank);
    p.kind = Line::Section;
    p.name = raw.mid(nb, ne - nb);
    return p;
  }
  const qsizetype eq = raw.indexOf(u'=', b);
  if (eq < 0) return p;  // a line without "=" holds no key
  const auto [nb, ne] = trimmed(raw, b, eq, isNameBlank);
  const auto [vb, ve] = trimmed(raw, eq + 1, raw.size(), isBlank);
  p.kind = Line::Key;
  p.name = raw.mid(nb, ne - nb);
  p.value = raw.mid(vb, ve - vb);
  return p;
}

// Values are written on one line: a line break inside a value would
// otherwise split it and inject lines into the file.
QString oneLine(QString v) {
  v.replace(u'\r', u' ');
  v.replace(u'\n', u' ');
  return v;
}

// (hash of the name, line) pairs sorted, for lookups in logarithmic time.
struct NameIndex {
  std::vector<std::pair<quint64, qint32>> entries;
  void sort() { std::sort(entries.begin(), entries.end()); }
  // Entries of hash h with a line in [from, to).
  auto range(quint64 h, qint32 from, qint32 to) const {
    auto b = std::lower_bound(entries.begin(), entries.end(), std::make_pair(h, from));
    auto e = std::lower_bound(b, entries.end(), std::make_pair(h, to));
    return std::make_pair(b, e);
  }
};

}  // namespace

struct IniFile::Impl {
  QString path;
  Duplicates dup = Duplicates::FirstWins;
  bool existed = false;
  bool unreadable = false;  // exists but could not be read: never overwritten
  QString text;                // the file as read
  std::vector<QString> owned;  // lines changed or added since
  std::vector<Line> lines;
  QString eol = QStringLiteral("\r\n");
  // Built at the first lookup after a change that moved lines.
  mutable bool indexed = false, keysIndexed = false;
  mutable NameIndex sectionIndex, keyIndex;
  static constexpr qsizetype kScanLimit = 64;

  QStringView raw(const Line& l) const {
    const QString& s = l.own < 0 ? text : owned[size_t(l.own)];
    return QStringView(s).mid(l.start, l.length);
  }
  QStringView name(const Line& l) const { return parse(raw(l)).name; }
  QStringView value(const Line& l) const { return parse(raw(l)).value; }

  Line makeLine(QString s) {
    Line l;
    l.length = qint32(s.size());
    l.own = qint32(owned.size());
    l.kind = parse(s).kind;
    owned.push_back(std::move(s));
    return l;
  }
  void changed() { indexed = false; }

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
    {
      const QByteArray bytes = f.readAll();
      if (f.error() != QFileDevice::NoError) {
        unreadable = true;
        return;
      }
      text = IniFile::decode(bytes);
    }
    // Lines end in CR LF, LF or CR; the first ending found is kept for writing.
    bool eolSeen = false;
    qsizetype start = 0;
    const qsizetype n = text.size();
    const QChar* p = text.constData();
    auto addLine = [&](qsizetype from, qsizetype to) {
      Line l;
      l.start = qint32(from);
      l.length = qint32(to - from);
      l.kind = parse(QStringView(p + from, to - from)).kind;
      lines.push_back(l);
    };
    // Counted first, so the lines are allocated once.
    qsizetype count = 1;
    for (qsizetype i = 0; i < n; ++i)
      if (p[i] == u'\n' || (p[i] == u'\r' && (i + 1 == n || p[i + 1] != u'\n'))) ++count;
    lines.reserve(size_t(count));
    for (qsizetype i = 0; i < n; ++i) {
      const QChar c = p[i];
      if (c != u'\r' && c != u'\n') continue;
      qsizetype len = 1;
      if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n') len = 2;
      if (!eolSeen) {
        eol = len == 2 ? QStringLiteral("\r\n") : QString(c);
        eolSeen = true;
      }
      addLine(start, i);
      i += len - 1;
      start = i + 1;
    }
    if (start < n) addLine(start, n);
  }

  void buildIndex() const {
    if (indexed) return;
    sectionIndex.entries.clear();
    keyIndex.entries.clear();
    keysIndexed = false;
    for (qint32 i = 0; i < qint32(lines.size()); ++i) {
      const Line& l = lines[size_t(i)];
      if (l.kind == Line::Section) sectionIndex.entries.emplace_back(nameHash(name(l)), i);
    }
    sectionIndex.sort();
    indexed = true;
  }

  // Keys are indexed only when a large section is searched: the sections of
  // settings and worksheets are short enough to scan.
  const NameIndex& keys() const {
    if (!keysIndexed) {
      for (qint32 i = 0; i < qint32(lines.size()); ++i) {
        const Line& l = lines[size_t(i)];
        if (l.kind == Line::Key) keyIndex.entries.emplace_back(nameHash(name(l)), i);
      }
      keyIndex.sort();
      keysIndexed = true;
    }
    return keyIndex;
  }

  // The header line of the section that reads find within [from, to), or -1.
  qint32 findIn(const NameIndex& index, QStringView wanted, qint32 from, qint32 to) const {
    const auto [b, e] = index.range(nameHash(wanted), from, to);
    qint32 found = -1;
    for (auto it = b; it != e; ++it) {
      if (!sameName(name(lines[size_t(it->second)]), wanted)) continue;
      found = it->second;
      if (dup == Duplicates::FirstWins) break;
    }
    return found;
  }

  // [begin, end) of the lines belonging to the section that reads find, or
  // begin == -1. begin is the header line.
  std::pair<qsizetype, qsizetype> findSection(const QString& section) const {
    buildIndex();
    const qint32 found = findIn(sectionIndex, section, 0, qint32(lines.size()));
    if (found < 0) return {-1, -1};
    // The next header of any name ends the section.
    qsizetype end = found + 1;
    const qsizetype n = qsizetype(lines.size());
    while (end < n && lines[size_t(end)].kind != Line::Section) ++end;
    return {found, end};
  }

  qsizetype findKey(const QString& section, const QString& key) const {
    const auto [b, e] = findSection(section);
    if (b < 0) return -1;
    if (e - b > kScanLimit) return findIn(keys(), key, qint32(b + 1), qint32(e));
    qsizetype found = -1;
    for (qsizetype i = b + 1; i < e; ++i) {
      const Line& l = lines[size_t(i)];
      if (l.kind != Line::Key || !sameName(name(l), key)) continue;
      found = i;
      if (dup == Duplicates::FirstWins) break;
    }
    return found;
  }

  QString serialize() const {
    qsizetype size = 0;
    for (const Line& l : lines) size += l.length + eol.size();
    QString out;
    out.reserve(size);
    for (const Line& l : lines) {
      out += raw(l);
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
  QString v = d->value(d->lines[size_t(i)]).toString();
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
  std::unordered_set<QString> seen;  // case-folded
  for (const Line& l : d->lines)
    if (l.kind == Line::Section && seen.insert(d->name(l).toString().toCaseFolded()).second)
      out.append(d->name(l).toString());
  return out;
}

QStringList IniFile::keys(const QString& section) const {
  QStringList out;
  const auto [b, e] = d->findSection(section);
  if (b < 0) return out;
  std::unordered_set<QString> seen;  // case-folded
  for (qsizetype i = b + 1; i < e; ++i) {
    const Line& l = d->lines[size_t(i)];
    if (l.kind == Line::Key && seen.insert(d->name(l).toString().toCaseFolded()).second)
      out.append(d->name(l).toString());
  }
  return out;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
  const qsizetype k = d->findKey(section, key);
  if (k >= 0) {
    // Keep the key's spelling as it stands in the file. The line keeps its
    // place and its name, so the lookup index stays valid.
    Line& l = d->lines[size_t(k)];
    l = d->makeLine(d->name(l).toString() + u'=' + oneLine(value));
    return;
  }
  const QString text = key + u'=' + oneLine(value);
  auto [b, e] = d->findSection(section);
  d->changed();
  if (b < 0) {
    if (!d->lines.empty() && !trimControl(d->raw(d->lines.back())).isEmpty())
      d->lines.push_back(d->makeLine(QString()));
    d->lines.push_back(d->makeLine(u'[' + section + u']'));
    d->lines.push_back(d->makeLine(text));
    return;
  }
  // Append after the section's last non-blank line (blank lines that
  // separate it from the next section stay where they are).
  qsizetype at = e;
  while (at > b + 1 && trimControl(d->raw(d->lines[size_t(at - 1)])).isEmpty()) --at;
  d->lines.insert(d->lines.begin() + at, d->makeLine(text));
}

void IniFile::eraseKey(const QString& section, const QString& key) {
  // Every occurrence in every section of that name: erasing must not bring
  // an older duplicate to light.
  bool inSection = false;
  d->changed();
  std::erase_if(d->lines, [&](const Line& l) {
    if (l.kind == Line::Section) inSection = sameName(d->name(l), section);
    return inSection && l.kind == Line::Key && sameName(d->name(l), key);
  });
}

void IniFile::eraseSection(const QString& section) {
  bool inSection = false;
  d->changed();
  std::erase_if(d->lines, [&](const Line& l) {
    if (l.kind == Line::Section) inSection = sameName(d->name(l), section);
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
  QString text;
  if (const auto enc = QStringConverter::encodingForData(bytes)) {
    QStringDecoder dec(*enc);  // drops the BOM
    text = dec.decode(bytes);
  } else {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    text = utf8.decode(bytes);
    if (utf8.hasError()) text = decodeCp1252(bytes);
  }
  // Every further byte-order mark at the start is dropped too: one that
  // stayed would hide the first section, and the next save would bring that
  // section back to shadow what was saved.
  qsizetype marks = 0;
  while (marks < text.size() && text[marks].unicode() == 0xFEFF) ++marks;
  if (marks) text.remove(0, marks);
  return text;
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
