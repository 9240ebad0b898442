#include "shell/texts/LanguageFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <array>
#include <memory>

namespace zw {
namespace {

// A language file is a few hundred kilobytes; anything far beyond that is not
// one and is not read into memory.
constexpr qint64 kMaxLanguageFileSize = 64LL * 1024 * 1024;

struct LanguageTexts {
  std::array<QHash<int, QString>, TextPageCount> pages;
};

std::array<std::unique_ptr<LanguageTexts>, 4>& languageSlots() {
  static std::array<std::unique_ptr<LanguageTexts>, 4> s;
  return s;
}

// Section names of the pages, case-folded, to the page.
const QHash<QString, int>& pageBySection() {
  static const QHash<QString, int> map = [] {
    QHash<QString, int> m;
    for (int p = 0; p < TextPageCount; ++p) {
      const QString name = TextPageName(static_cast<TTextIndex>(p));
      if (!name.isEmpty()) m.insert(name.toCaseFolded(), p);
    }
    return m;
  }();
  return map;
}

// Blanks and control characters (code 32 and below) off both ends.
QStringView trimControl(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b].unicode() <= 32) ++b;
  while (e > b && s[e - 1].unicode() <= 32) --e;
  return s.mid(b, e - b);
}

// Around section names and keys a byte-order mark is white space too.
QStringView trimName(QStringView s) {
  auto blank = [](QChar c) { return c.unicode() <= 32 || c.unicode() == 0xFEFF; };
  qsizetype b = 0, e = s.size();
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return s.mid(b, e - b);
}

// Item number of a key written as the program writes it: decimal, an optional
// minus sign, no leading zeros, no plus sign. Anything else matches no item.
bool parseItemKey(QStringView key, int* item) {
  bool ok = false;
  const int v = key.toInt(&ok);
  if (!ok) return false;
  if (key != QString::number(v)) return false;
  *item = v;
  return true;
}

std::unique_ptr<LanguageTexts> parse(const QByteArray& bytes) {
  QByteArrayView raw(bytes);
  // Every leading byte-order mark goes, not only the first.
  while (raw.startsWith("\xEF\xBB\xBF")) raw = raw.sliced(3);
  const QString text = QString::fromUtf8(raw);
  auto texts = std::make_unique<LanguageTexts>();
  const QHash<QString, int>& sections = pageBySection();
  int page = -1;  // lines outside a known section are ignored
  const qsizetype n = text.size();
  qsizetype pos = 0;
  while (pos < n) {
    qsizetype end = pos;
    while (end < n && text[end] != u'\r' && text[end] != u'\n') ++end;
    const QStringView line = trimName(QStringView(text).mid(pos, end - pos));
    pos = end;
    if (pos < n && text[pos] == u'\r') ++pos;  // CR LF, LF or CR
    if (pos < n && text[pos] == u'\n') ++pos;
    if (line.isEmpty() || line.front() == u';') continue;
    if (line.front() == u'[' && line.back() == u']' && line.size() >= 2) {
      const QString name = trimName(line.mid(1, line.size() - 2)).toString().toCaseFolded();
      page = sections.value(name, -1);
      // A later section of the same name hides the earlier one as a whole.
      if (page >= 0) texts->pages[page].clear();
      continue;
    }
    if (page < 0) continue;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) continue;
    int item = 0;
    if (!parseItemKey(trimName(line.first(eq)), &item)) continue;
    texts->pages[page].insert(item, trimControl(line.sliced(eq + 1)).toString());
  }
  return texts;
}

}  // namespace

bool setLanguageFile(int slot, const QString& path, LanguageFileProblem* problem) {
  auto fail = [problem](LanguageFileProblem why) {
    if (problem) *problem = why;
    return false;
  };
  if (problem) *problem = LanguageFileProblem::None;
  if (slot < 3 || slot > 6) return fail(LanguageFileProblem::Unreadable);
  auto& target = languageSlots()[slot - 3];
  target.reset();
  if (path.isEmpty()) return true;
  try {
    if (!QFileInfo(path).isFile()) return true;  // a missing file reads as an empty one
    QFile f(path);
    if (f.size() > kMaxLanguageFileSize) return fail(LanguageFileProblem::TooLarge);
    if (!f.open(QIODevice::ReadOnly)) return fail(LanguageFileProblem::Unreadable);
    // A buffer of the file's size, not of the limit (a file that grew while
    // it is read still cannot pass the limit).
    const QByteArray bytes = f.read(std::min(f.size(), kMaxLanguageFileSize) + 1);
    if (bytes.size() > kMaxLanguageFileSize) return fail(LanguageFileProblem::TooLarge);
    if (f.error() != QFileDevice::NoError) return fail(LanguageFileProblem::Unreadable);
    target = parse(bytes);
    return true;
  } catch (const std::bad_alloc&) {
    target.reset();
    return fail(LanguageFileProblem::TooLarge);
  } catch (const std::exception&) {
    target.reset();
    return fail(LanguageFileProblem::Unreadable);
  }
}

void clearLanguageFiles() {
  for (auto& s : languageSlots()) s.reset();
}

const QString* languageFileValue(int slot, TTextIndex page, int item) {
  if (slot < 3 || slot > 6 || static_cast<unsigned>(page) >= TextPageCount) return nullptr;
  const LanguageTexts* texts = languageSlots()[slot - 3].get();
  if (!texts) return nullptr;
  auto it = texts->pages[page].constFind(item);
  return it == texts->pages[page].constEnd() ? nullptr : &it.value();
}

}  // namespace zw
