// IniFile against a plain model of the profile rules: the file decoded whole
// into a QString, a list of lines, every lookup a linear scan. IniFile keeps
// the text as UTF-8 bytes with an index; on random files in every encoding
// and with the awkward characters (byte-order marks, letters whose case folds
// outside ASCII, invalid UTF-8, every line ending) both must read, change and
// write the same.
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

#include "platform/ini/IniFile.h"

using zw::IniFile;

namespace {

// The profile rules written as plainly as possible.
class ModelIni {
public:
  ModelIni(const QByteArray& bytes, IniFile::Duplicates dup) : dup_(dup) {
    const QString text = IniFile::decode(bytes);
    qsizetype start = 0;
    bool eolSeen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (text[i] != u'\r' && text[i] != u'\n') continue;
      const bool crlf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
      if (!eolSeen) eol_ = crlf ? QStringLiteral("\r\n") : QString(text[i]);
      eolSeen = true;
      lines_.append(text.mid(start, i - start));
      if (crlf) ++i;
      start = i + 1;
    }
    if (start < text.size()) lines_.append(text.mid(start));
  }

  QString readString(const QString& s, const QString& k) const {
    const int i = findKey(s, k);
    if (i < 0) return QStringLiteral("<none>");
    QString v = parse(lines_[i]).value;
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front()) v = v.mid(1, v.size() - 2);
    return v;
  }
  bool hasSection(const QString& s) const { return findSection(s).first >= 0; }
  QStringList sections() const {
    QStringList out;
    QSet<QString> seen;
    for (const QString& l : lines_) {
      const Parsed p = parse(l);
      if (p.kind == Section && !seen.contains(p.name.toCaseFolded())) {
        seen.insert(p.name.toCaseFolded());
        out.append(p.name);
      }
    }
    return out;
  }
  QStringList keys(const QString& s) const {
    QStringList out;
    QSet<QString> seen;
    const auto [b, e] = findSection(s);
    for (int i = b + 1; b >= 0 && i < e; ++i) {
      const Parsed p = parse(lines_[i]);
      if (p.kind == Key && !seen.contains(p.name.toCaseFolded())) {
        seen.insert(p.name.toCaseFolded());
        out.append(p.name);
      }
    }
    return out;
  }

  void writeString(const QString& s, const QString& k, QString v) {
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    const int i = findKey(s, k);
    if (i >= 0) {
      lines_[i] = parse(lines_[i]).name + u'=' + v;
      return;
    }
    const auto [b, e] = findSection(s);
    if (b < 0) {
      if (!lines_.isEmpty() && !blank(lines_.back())) lines_.append(QString());
      lines_ << u'[' + s + u']' << k + u'=' + v;
      return;
    }
    int at = e;
    while (at > b + 1 && blank(lines_[at - 1])) --at;
    lines_.insert(at, k + u'=' + v);
  }
  void eraseKey(const QString& s, const QString& k) {
    bool in = false;
    lines_.removeIf([&](const QString& l) {
      const Parsed p = parse(l);
      if (p.kind == Section) in = same(p.name, s);
      return in && p.kind == Key && same(p.name, k);
    });
  }
  void eraseSection(const QString& s) {
    bool in = false;
    lines_.removeIf([&](const QString& l) {
      const Parsed p = parse(l);
      if (p.kind == Section) in = same(p.name, s);
      return in;
    });
  }
  QByteArray saved() const {
    QString out;
    for (const QString& l : lines_) out += l + eol_;
    return out.toUtf8();
  }

private:
  enum Kind { Other, Section, Key };
  struct Parsed {
    Kind kind = Other;
    QString name, value;
  };
  static bool blank(const QString& l) {
    return std::all_of(l.begin(), l.end(), [](QChar c) { return c.unicode() <= 32; });
  }
  static QString trim(const QString& s, bool mark) {
    auto ws = [mark](QChar c) { return c.unicode() <= 32 || (mark && c.unicode() == 0xFEFF); };
    qsizetype b = 0, e = s.size();
    while (b < e && ws(s[b])) ++b;
    while (e > b && ws(s[e - 1])) --e;
    return s.mid(b, e - b);
  }
  static Parsed parse(const QString& line) {
    const QString t = trim(line, true);
    if (t.isEmpty() || t.front() == u';') return {};
    if (t.size() >= 2 && t.front() == u'[' && t.back() == u']') return {Section, trim(t.mid(1, t.size() - 2), true), {}};
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) return {};
    return {Key, trim(line.left(eq), true), trim(line.mid(eq + 1), false)};
  }
  static bool same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

  std::pair<int, int> findSection(const QString& s) const {
    int found = -1;
    for (int i = 0; i < lines_.size(); ++i) {
      const Parsed p = parse(lines_[i]);
      if (p.kind != Section || !same(p.name, s)) continue;
      found = i;
      if (dup_ == IniFile::Duplicates::FirstWins) break;
    }
    if (found < 0) return {-1, -1};
    int end = found + 1;
    while (end < lines_.size() && parse(lines_[end]).kind != Section) ++end;
    return {found, end};
  }
  int findKey(const QString& s, const QString& k) const {
    const auto [b, e] = findSection(s);
    int found = -1;
    for (int i = b + 1; b >= 0 && i < e; ++i) {
      const Parsed p = parse(lines_[i]);
      if (p.kind != Key || !same(p.name, k)) continue;
      found = i;
      if (dup_ == IniFile::Duplicates::FirstWins) break;
    }
    return found;
  }

  IniFile::Duplicates dup_;
  QStringList lines_;
  QString eol_ = QStringLiteral("\r\n");
};

QString readOf(const IniFile& ini, const QString& s, const QString& k) {
  return ini.hasKey(s, k) ? ini.readString(s, k) : QStringLiteral("<none>");
}

// Pieces random files are made of: structure, blanks, byte-order marks,
// letters with case partners outside ASCII (K and the Kelvin sign, s and the
// long s, Ä and ä, a letter outside the BMP), invalid UTF-8 and lone
// Windows-1252 bytes.
const char* const kPieces[] = {
    "[", "]", "=", ";", "\"", "'", "\r", "\n", "\r\n", " ", "\t", "\x01", "\xEF\xBB\xBF",
    "k", "K", "\xE2\x84\xAA", "s", "S", "\xC5\xBF", "\xC3\x84", "\xC3\xA4", "\xF0\x90\x90\x80", "\xF0\x90\x90\xA8",
    "sec", "Sec", "key", "1", "-7", "\xE4", "\x80", "\xC3", "\xED\xA0\x80", "\xC0\xAF", "x",
};

QByteArray randomFile(std::mt19937& rng) {
  QByteArray out;
  const int n = int(rng() % 120);
  for (int i = 0; i < n; ++i) out += kPieces[rng() % std::size(kPieces)];
  return out;
}

// Names to look up: every name the files hold plus random ones, which also
// hit through case folding.
QStringList queryNames(std::mt19937& rng, const QStringList& known) {
  QStringList out = known;
  for (int i = 0; i < 6; ++i) {
    QByteArray name;
    for (int k = 1 + int(rng() % 3); k > 0; --k) name += kPieces[13 + rng() % 11];
    out.append(QString::fromUtf8(name));
  }
  for (const QString& k : known) out << k.toUpper() << k.toLower();
  return out;
}

class IniModelTest : public ::testing::Test {
protected:
  QTemporaryDir dir;
  QString path() const { return dir.filePath("m.ini"); }
  void write(const QByteArray& bytes) {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  QByteArray read() {
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(IniModelTest, ReadsLikeThePlainModel) {
  std::mt19937 rng(20261210);
  for (int round = 0; round < 1500; ++round) {
    QByteArray bytes = randomFile(rng);
    // Every tenth file in UTF-16 with its BOM, every tenth with a UTF-8 BOM.
    if (round % 10 == 1) bytes = "\xFF\xFE" + [&] {
      QByteArray out;
      for (QChar c : QString::fromUtf8(bytes)) out.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
      return out;
    }();
    if (round % 10 == 2) bytes.prepend("\xEF\xBB\xBF");
    write(bytes);
    const std::string hex = bytes.toHex().toStdString();
    for (auto dup : {IniFile::Duplicates::FirstWins, IniFile::Duplicates::LastWins}) {
      const IniFile ini(path(), dup);
      const ModelIni model(bytes, dup);
      ASSERT_EQ(ini.sections(), model.sections()) << hex;
      QStringList allKeys;
      for (const QString& s : queryNames(rng, model.sections())) {
        ASSERT_EQ(ini.hasSection(s), model.hasSection(s)) << hex;
        ASSERT_EQ(ini.keys(s), model.keys(s)) << hex;
        allKeys += model.keys(s);
      }
      const QStringList sections = queryNames(rng, model.sections());
      for (const QString& s : sections)
        for (const QString& k : queryNames(rng, allKeys))
          ASSERT_EQ(readOf(ini, s, k), model.readString(s, k)) << hex << " " << s.toStdString() << "/" << k.toStdString();
    }
  }
}

TEST_F(IniModelTest, ChangesAndSavesLikeThePlainModel) {
  std::mt19937 rng(77);
  for (int round = 0; round < 300; ++round) {
    const QByteArray bytes = randomFile(rng);
    write(bytes);
    IniFile ini(path());
    ModelIni model(bytes, IniFile::Duplicates::FirstWins);
    const QStringList names = queryNames(rng, model.sections());
    for (int step = 0; step < 6; ++step) {
      const QString s = names[int(rng() % names.size())];
      const QStringList keys = queryNames(rng, model.keys(s));
      const QString k = keys[int(rng() % keys.size())];
      const QString v = QString::fromUtf8(randomFile(rng).left(12));
      switch (rng() % 3) {
        case 0: ini.writeString(s, k, v); model.writeString(s, k, v); break;
        case 1: ini.eraseKey(s, k); model.eraseKey(s, k); break;
        default: ini.eraseSection(s); model.eraseSection(s); break;
      }
      ASSERT_EQ(readOf(ini, s, k), model.readString(s, k))
          << bytes.toHex().toStdString() << " " << s.toUtf8().toHex().toStdString() << " "
          << k.toUtf8().toHex().toStdString() << " " << v.toUtf8().toHex().toStdString();
      ASSERT_EQ(ini.sections(), model.sections()) << bytes.toHex().toStdString();
    }
    if (round % 10 != 0) continue;  // saving is durable, hence slow: a sample suffices
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(read(), model.saved()) << bytes.toHex().toStdString();
  }
}

}  // namespace
