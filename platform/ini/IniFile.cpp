#include "platform/ini/IniFile.h"

#include "common/Cp1252.h"
#include "platform/files/WriteFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace zw {

namespace {

// The text is held as UTF-8 bytes: a large file then costs its own size once,
// and only the names and values asked for are turned into QStrings.
using Bytes = std::string_view;

// Blanks and control characters (code 32 and below) count as white space,
// as in the profile functions; Unicode spaces inside values are kept. In
// UTF-8 these are single bytes that never occur inside a longer character.
bool isBlank(unsigned char c) { return c <= 32; }

// Around section names and keys a byte-order mark (U+FEFF, EF BB BF) counts
// as white space too: an editor that adds one more must not hide a section
// or a key.
constexpr Bytes kBom = "\xEF\xBB\xBF";

std::pair<size_t, size_t> trimmedName(Bytes s, size_t b, size_t e) {
  for (;;) {
    if (b < e && isBlank(static_cast<unsigned char>(s[b]))) ++b;
    else if (e - b >= 3 && s.substr(b, 3) == kBom) b += 3;
    else break;
  }
  for (;;) {
    if (e > b && isBlank(static_cast<unsigned char>(s[e - 1]))) --e;
    else if (e - b >= 3 && s.substr(e - 3, 3) == kBom) e -= 3;
    else break;
  }
  return {b, e};
}

std::pair<size_t, size_t> trimmedValue(Bytes s, size_t b, size_t e) {
  while (b < e && isBlank(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && isBlank(static_cast<unsigned char>(s[e - 1]))) --e;
  return {b, e};
}

bool isAllBlank(Bytes s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return isBlank(static_cast<unsigned char>(c)); });
}

// QString::fromUtf8 drops a byte-order mark at the start; inside a value it
// is text and stays.
QString toQString(Bytes s) {
  size_t marks = 0;
  while (s.substr(marks, 3) == kBom) marks += 3;
  QString out(qsizetype(marks / 3), QChar(0xFEFF));
  return out + QString::fromUtf8(s.data() + marks, qsizetype(s.size() - marks));
}

QByteArray toBytes(const QString& s) { return s.toUtf8(); }

bool isAscii(Bytes s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isAscii(QStringView s) {
  return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

// Names compare as the profile functions do, without case. Names in plain
// ASCII (nearly all of them) are compared byte by byte; others by Qt's case
// folding, which also lets a non-ASCII letter fold to an ASCII one.
bool sameName(Bytes a, QStringView b) {
  if (isAscii(a) && isAscii(b)) {
    if (a.size() != size_t(b.size())) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (asciiLower(a[i]) != asciiLower(char(b[qsizetype(i)].unicode()))) return false;
    return true;
  }
  return toQString(a).compare(b, Qt::CaseInsensitive) == 0;
}

// A hash that equal names (compared case-insensitively) share: taken over the
// case-folded code points, so a name hashes alike as UTF-8 and as UTF-16.
constexpr quint64 kHashStart = 1469598103934665603ULL;
quint64 hashStep(quint64 h, char32_t c) {
  if (c < 128) {
    if (c >= 'A' && c <= 'Z') c += 32;
  } else {
    c = QChar::toCaseFolded(c);
  }
  return (h ^ c) * 1099511628211ULL;
}

quint64 nameHash(QStringView s) {
  quint64 h = kHashStart;
  const qsizetype n = s.size();
  for (qsizetype i = 0; i < n; ++i) {
    char32_t c = s[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < n && s[i + 1].isLowSurrogate())
      c = QChar::surrogateToUcs4(char16_t(c), s[++i].unicode());
    h = hashStep(h, c);
  }
  return h;
}

quint64 nameHash(Bytes s) {
  quint64 h = kHashStart;
  const size_t n = s.size();
  for (size_t i = 0; i < n;) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    // The text is valid UTF-8; the length checks only keep a read in bounds.
    const size_t len = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
    if (i + len > n) break;
    char32_t c = len == 1 ? b0 : len == 2 ? (b0 & 0x1Fu) : len == 3 ? (b0 & 0x0Fu) : (b0 & 0x07u);
    for (size_t k = 1; k < len; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
    h = hashStep(h, c);
    i += len;
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

// Whether Qt's UTF-8 decoder reads the bytes without an error, decided
// without building the whole UTF-16 text: plain ASCII is checked word by
// word; other text is decoded in slices into one small buffer. A slice ends
// before a byte that starts a character, so no valid character is cut, and
// a cut invalid one stays invalid.
bool isValidUtf8(const char* p, qsizetype n) {
  qsizetype i = 0;
  for (; i + 8 <= n; i += 8) {
    quint64 w;
    std::memcpy(&w, p + i, 8);
    if (w & 0x8080808080808080ULL) break;
  }
  while (i < n && static_cast<unsigned char>(p[i]) < 0x80) ++i;
  if (i == n) return true;
  constexpr qsizetype kSlice = 1 << 16;
  std::vector<QChar> buffer(size_t(kSlice) + 8);
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  while (i < n) {
    qsizetype end = std::min(n, i + kSlice);
    while (end < n && (static_cast<unsigned char>(p[end]) & 0xC0) == 0x80) ++end;
    if (qsizetype(buffer.size()) < end - i) buffer.resize(size_t(end - i));
    utf8.appendToBuffer(buffer.data(), QByteArrayView(p + i, end - i));
    if (utf8.hasError()) return false;
    i = end;
  }
  return true;
}

// The file bytes as UTF-8 text, decoded the same way as IniFile::decode():
// valid UTF-8 (with or without its BOM) is taken as it is, everything else
// goes through the decoder.
QByteArray utf8Text(QByteArray bytes) {
  const auto enc = QStringConverter::encodingForData(bytes);
  if (!enc && isValidUtf8(bytes.constData(), bytes.size())) {
    // taken as read
  } else if (enc == QStringConverter::Utf8 && bytes.startsWith(kBom.data()) &&
             isValidUtf8(bytes.constData() + 3, bytes.size() - 3)) {
    bytes.remove(0, 3);
  } else {
    bytes = IniFile::decode(bytes).toUtf8();
    return bytes;  // decode() drops every leading byte-order mark
  }
  qsizetype marks = 0;
  while (Bytes(bytes.constData() + marks, size_t(bytes.size() - marks)).substr(0, 3) == kBom) marks += 3;
  if (marks) bytes.remove(0, marks);
  return bytes;
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
  Bytes name, value;
};

Parsed parse(Bytes raw) {
  Parsed p;
  const auto [b, e] = trimmedName(raw, 0, raw.size());
  if (b == e || raw[b] == ';') return p;
  if (e - b >= 2 && raw[b] == '[' && raw[e - 1] == ']') {
    const auto [nb, ne] = trimmedName(raw, b + 1, e - 1);
    p.kind = Line::Section;
    p.name = raw.substr(nb, ne - nb);
    return p;
  }
  const size_t eq = raw.find('=', b);
  if (eq == Bytes::npos) return p;  // a line without "=" holds no key
  const auto [nb, ne] = trimmedName(raw, b, eq);
  const auto [vb, ve] = trimmedValue(raw, eq + 1, raw.size());
  p.kind = Line::Key;
  p.name = raw.substr(nb, ne - nb);
  p.value = raw.substr(vb, ve - vb);
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
  QByteArray text;                // the file as read, UTF-8
  std::vector<QByteArray> owned;  // lines changed or added since, UTF-8
  std::vector<Line> lines;
  QByteArray eol = QByteArrayLiteral("\r\n");
  // Built at the first lookup after a change that moved lines.
  mutable bool indexed = false, keysIndexed = false;
  mutable NameIndex sectionIndex, keyIndex;
  static constexpr qsizetype kScanLimit = 64;

  Bytes raw(const Line& l) const {
    const QByteArray& s = l.own < 0 ? text : owned[size_t(l.own)];
    return Bytes(s.constData() + l.start, size_t(l.length));
  }
  Bytes name(const Line& l) const { return parse(raw(l)).name; }
  Bytes value(const Line& l) const { return parse(raw(l)).value; }

  Line makeLine(QByteArray s) {
    Line l;
    l.length = qint32(s.size());
    l.own = qint32(owned.size());
    l.kind = parse(Bytes(s.constData(), size_t(s.size()))).kind;
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
      QByteArray bytes = f.readAll();
      if (f.error() != QFileDevice::NoError) {
        unreadable = true;
        return;
      }
      text = utf8Text(std::move(bytes));
    }
    // Lines end in CR LF, LF or CR; the first ending found is kept for writing.
    const char* p = text.constData();
    const size_t n = size_t(text.size());
    lines.reserve(size_t(std::count(p, p + n, '\n')) + 1);
    bool eolSeen = false;
    size_t start = 0;
    while (start < n) {
      const char* lf = static_cast<const char*>(std::memchr(p + start, '\n', n - start));
      const size_t nl = lf ? size_t(lf - p) : n;
      const char* cr = static_cast<const char*>(std::memchr(p + start, '\r', nl - start));
      size_t end = nl, next = nl + 1;
      if (cr) {
        end = size_t(cr - p);
        next = end + 1 == nl ? nl + 1 : end + 1;  // CR LF, or a CR on its own
      }
      if (end == n) {  // the last line, without an ending
        addLine(start, end);
        break;
      }
      if (!eolSeen) {
        eol = p[end] == '\r' && end + 1 < n && p[end + 1] == '\n' ? QByteArrayLiteral("\r\n")
                                                                 : QByteArray(1, p[end]);
        eolSeen = true;
      }
      addLine(start, end);
      start = next;
    }
  }

  void addLine(size_t from, size_t to) {
    Line l;
    l.start = qint32(from);
    l.length = qint32(to - from);
    l.kind = parse(Bytes(text.constData() + from, to - from)).kind;
    lines.push_back(l);
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

  // The line that reads find within [from, to), or -1.
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

  QByteArray serialize() const {
    qsizetype size = 0;
    for (const Line& l : lines) size += l.length + eol.size();
    QByteArray out;
    out.reserve(size);
    for (const Line& l : lines) {
      const Bytes r = raw(l);
      out.append(r.data(), qsizetype(r.size()));
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
  Bytes v = d->value(d->lines[size_t(i)]);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return toQString(v);
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
    if (l.kind == Line::Section) {
      QString name = toQString(d->name(l));
      if (seen.insert(name.toCaseFolded()).second) out.append(std::move(name));
    }
  return out;
}

QStringList IniFile::keys(const QString& section) const {
  QStringList out;
  const auto [b, e] = d->findSection(section);
  if (b < 0) return out;
  std::unordered_set<QString> seen;  // case-folded
  for (qsizetype i = b + 1; i < e; ++i) {
    const Line& l = d->lines[size_t(i)];
    if (l.kind != Line::Key) continue;
    QString name = toQString(d->name(l));
    if (seen.insert(name.toCaseFolded()).second) out.append(std::move(name));
  }
  return out;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
  const qsizetype k = d->findKey(section, key);
  if (k >= 0) {
    // Keep the key's spelling as it stands in the file. The line keeps its
    // place and its name, so the lookup index stays valid.
    Line& l = d->lines[size_t(k)];
    const Bytes name = d->name(l);
    l = d->makeLine(QByteArray(name.data(), qsizetype(name.size())) + '=' + toBytes(oneLine(value)));
    return;
  }
  const QByteArray text = toBytes(key + u'=' + oneLine(value));
  auto [b, e] = d->findSection(section);
  d->changed();
  if (b < 0) {
    if (!d->lines.empty() && !isAllBlank(d->raw(d->lines.back())))
      d->lines.push_back(d->makeLine(QByteArray()));
    d->lines.push_back(d->makeLine(toBytes(u'[' + section + u']')));
    d->lines.push_back(d->makeLine(text));
    return;
  }
  // Append after the section's last non-blank line (blank lines that
  // separate it from the next section stay where they are).
  qsizetype at = e;
  while (at > b + 1 && isAllBlank(d->raw(d->lines[size_t(at - 1)]))) --at;
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
  const bool ok = WriteFileAtomic(d->path, d->serialize(), error);
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
