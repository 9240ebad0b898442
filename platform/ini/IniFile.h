#pragma once
// INI text with the semantics of the Windows profile functions, which every
// settings file, worksheet and language file of the program relies on:
// case-insensitive section and key names, values trimmed and a surrounding
// pair of quotes stripped on read, new keys appended to their section, a
// missing file reading as empty, and every other line kept on write.
//
// Keys are taken literally up to the first "=" (so "f(x,y)" or comma lists
// survive). Reading decodes by BOM, else valid UTF-8, else Windows-1252.
// Writing is UTF-8 through a temporary file that replaces the old one, so a
// failed write never destroys the old file; failures are reported.
#include <QString>
#include <QStringList>
#include <memory>

namespace zw {

class IniFile {
public:
  // Which of several equal section or key names a read finds. Settings and
  // worksheets: the first (the Windows behaviour). Language files: the last.
  enum class Duplicates { FirstWins, LastWins };

  explicit IniFile(QString path, Duplicates dup = Duplicates::FirstWins);
  ~IniFile();
  IniFile(IniFile&&) noexcept;
  IniFile& operator=(IniFile&&) noexcept;

  const QString& path() const;
  bool fileExists() const;

  // Reading
  bool hasSection(const QString& section) const;
  bool hasKey(const QString& section, const QString& key) const;  // empty value: true
  QString readString(const QString& section, const QString& key, const QString& def = {}) const;
  // GetPrivateProfileInt: leading decimal digits (optional sign) of the value, else def.
  int readInteger(const QString& section, const QString& key, int def) const;
  QStringList sections() const;
  QStringList keys(const QString& section) const;

  // Changing (in memory until save()).
  void writeString(const QString& section, const QString& key, const QString& value);
  void eraseKey(const QString& section, const QString& key);
  void eraseSection(const QString& section);

  // Writes the file. Returns false (and sets *error) when it could not be written;
  // the old file is then unchanged. A file that exists but could not be read
  // (it read as empty) is never replaced: save() reports that instead.
  bool save(QString* error = nullptr);

  // Decodes file bytes: BOM, else UTF-8 when valid, else Windows-1252.
  static QString decode(const QByteArray& bytes);

private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

// One-call helpers for the common read-modify-write of a single value or section.
bool iniWriteString(const QString& path, const QString& section, const QString& key,
                    const QString& value, QString* error = nullptr);
bool iniEraseSection(const QString& path, const QString& section, QString* error = nullptr);

}  // namespace zw
