#include "shell/Settings.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <cmath>
#include <string>
#include <unistd.h>

#include "kernel/KernelState.h"
#include "platform/files/WriteFile.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/commands/Commands.h"
#include "shell/help/Help.h"
#include "shell/texts/LanguageFiles.h"

namespace zw {

namespace {

constexpr std::array<const char*, PaletteSize + 1> kPalette{
    "",        "$A80000", "$802A00", "$705000", "$808000", "$008000", "$00806A", "$000080",
    "$550080", "$800055", "$641464", "$406440", "$000000", "$FF0000", "$FF5500", "$DD8800",
    "$BBBB00", "$00BB00", "$00AAAA", "$0000FF", "$AA00FF", "$FF00AA", "$966E96", "$80C080",
    "$888888", "$FF8888", "$FF8844", "$F4A460", "$FEFE00", "$44FF44", "$55FFFF", "$8888FF",
    "$D580FF", "$FF80D5", "$9E9CC3", "$C0DCC0", "$E0E0E0", "$FFCCCC", "$FFBBAA", "$FFD580",
    "$FFFFAA", "$9AEE9A", "$AAFFFF", "$ABABFF", "$FFCCFF", "$FFBBEE", "$A6CAF0", "$E0F0E0",
    "$FFFFFF"};

bool isTrue(const QString& v) { return v.toUpper() == u"TRUE"; }

// The first character in upper case, or an empty text.
QString firstUpper(const QString& v) { return v.left(1).toUpper(); }

// A real number written with the system's decimal separator (a point is
// accepted as well); nullopt-like NaN when the text is not one.
double parseReal(const QString& text) {
  const QChar regional(kernelState().RegionalDecimalSeparator);
  QString t = text.trimmed();
  t.replace(regional, u'.');
  const std::string s = t.toStdString();
  double v = NAN;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return NAN;
  return v;
}

// The chain given list -> settings list -> default list; `usable` decides
// whether an item can be taken.
template <class Usable>
QString chainItem(const QString& list, const QString& settingsList, const char* defaultList, int n,
                  Usable usable) {
  for (const QString* l : {&list, &settingsList}) {
    QString item = CommaListItem(*l, n);
    if (usable(item)) return item;
  }
  const int m = n >= 1 && n <= GraphCount ? n : ((n - 1) % GraphCount + GraphCount) % GraphCount + 1;
  return CommaListItem(QString::fromLatin1(defaultList), m);
}

bool usableColor(const QString& item) {
  const int v = StrToIntDefault(item, 0);
  return v >= 1 && v <= PaletteSize;
}

bool usableWidth(const QString& item) {
  const int v = StrToIntDefault(item, -1);
  return v >= 0 && v <= MaxLineWidth;
}

void copyMissingSampleFiles(const QString& from, const QString& to) {
  for (const char* name : SampleFileNames) {
    if (fileExistsIgnoringCase(to, QString::fromLatin1(name))) continue;
    // Failures are ignored: the program runs without samples.
    ensureFolder(to);
    const QString source = locateFile(from, QString::fromLatin1(name));
    const QString target = joinPath(to, QString::fromLatin1(name));
    // A new file with the user's usual permissions, whatever the install's
    // mode: the program saves into the copy of DEMO.DAT. A copy cut short (a
    // full disk) is never left behind to stand in for the sample.
    if (!QFileInfo(source).isFile()) continue;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = in.readAll();
    if (in.error() == QFileDevice::NoError) (void)WriteFileAtomic(target, bytes);
  }
}

}  // namespace

QString PaletteText(int index) {
  if (index < 1 || index > PaletteSize) return {};
  return QString::fromLatin1(kPalette[size_t(index)]);
}

ColorValue PaletteColor(int index) {
  if (index < 1 || index > PaletteSize) return 0;
  const ColorValue rgb = QStringView(PaletteText(index)).mid(1).toUInt(nullptr, 16);
  const ColorValue r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r | (g << 8) | (b << 16);
}

int StrToIntDefault(const QString& text, int def) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok, 10);
  return ok ? v : def;
}

QString CommaListItem(const QString& list, int n) {
  if (n < 1 || list.isEmpty()) return {};
  const QStringList items = list.split(u',');
  if (n > items.size()) return {};
  return items[n - 1].trimmed();
}

int CommaListCount(const QString& list) { return list.isEmpty() ? 0 : int(list.count(u',')) + 1; }

int CommaListInt(const QString& list, int n) {
  if (n < 1 || n > CommaListCount(list)) return -1;
  return StrToIntDefault(CommaListItem(list, n), 1);
}

int GraphColorIndex(const QString& list, int n) {
  // The default list's items are all valid, so the chain always ends in 1..48.
  return StrToIntDefault(chainItem(list, shellState().SettingsLineColor, DefaultLineColor, n, usableColor), 1);
}

ColorValue GraphColor(const QString& list, int n) { return PaletteColor(GraphColorIndex(list, n)); }

QString GraphWidthText(const QString& list, int n) {
  return chainItem(list, shellState().SettingsLineWidth, DefaultLineWidth, n, usableWidth);
}

int GraphLineWidth(const QString& list, int n) { return StrToIntDefault(GraphWidthText(list, n), 2); }

int LanguageNumberToKind(int n) {
  switch (n) {
    case 0: case 2: case 3: case 4: case 5: case 6: return n;
    default: return 1;
  }
}

bool IsUserAdmin() {
  if (geteuid() == 0) return true;
  const ShellState& s = shellState();
  if (s.SettingsPath.isEmpty() && s.AppFolder.isEmpty()) return false;
  const QString path = s.SettingsPath.isEmpty() ? joinPath(s.AppFolder, SettingsFileName) : s.SettingsPath;
  const QFileInfo info(path);
  // The settings file is replaced through a temporary file beside it, so the
  // folder must be writable, and the file itself when it exists.
  auto writable = [](const QString& p) { return access(QFile::encodeName(p).constData(), W_OK) == 0; };
  return writable(info.absolutePath()) && (!info.exists() || writable(path));
}

QString LanguageFileName(int slot) {
  if (slot < 3 || slot > 6) return {};
  ShellState& s = shellState();
  QString& name = s.LanguageNames[size_t(slot)];
  const qsizetype colon = name.indexOf(u':');
  if (colon >= 0) name = name.left(colon);
  return locateFile(s.AppFolder, name + QStringLiteral(".txt"));
}

void ReadSettings(bool reset) {
  ShellState& s = shellState();
  KernelState& k = kernelState();
  const IniFile ini(s.SettingsPath);
  const QString opt = QStringLiteral("options");
  auto read = [&](const char* key, const char* def) {
    return ini.readString(opt, QString::fromLatin1(key), QString::fromLatin1(def));
  };
  auto trimmedRead = [&](const char* key, const char* def) { return read(key, def).trimmed(); };

  // 1. CSV separators of the regression topic.
  s.CsvSeparator = firstUpper(ini.readString("regression", "seperator", "S")) == u"S" ? ";" : ",";
  s.CsvDecimal = firstUpper(ini.readString("regression", "decimal", "P")) == u"P" ? "." : ",";

  // 2. Language.
  s.LanguageNumber = StrToIntDefault(read("language", "0"), 0);
  s.LanguageKind = LanguageNumberToKind(s.LanguageNumber);
  s.DisplayedLanguageKind = s.LanguageKind;
  k.LanguageDecimalSeparator = s.LanguageKind == 1 ? u"." : u",";

  // 3. Names of the external languages.
  s.LanguageNames[3] = trimmedRead("extern3", "italiano");
  s.LanguageNames[4] = trimmedRead("extern4", "espaniol");
  s.LanguageNames[5] = trimmedRead("extern5", "greek");
  s.LanguageNames[6] = trimmedRead("extern6", "turkish");

  // 4. The external language files; a file that exists but cannot be read
  // is reported and the remaining slots stay empty.
  clearLanguageFiles();
  for (int slot = 3; slot <= 6; ++slot) {
    const QString path = LanguageFileName(slot);
    LanguageFileProblem problem = LanguageFileProblem::None;
    if (!setLanguageFile(slot, path, &problem)) {
      ShowErrorBox(nullptr, LanguageFileMessage(problem, path));
      break;
    }
  }

  // 5. The compiled help file of the language.
  s.HelpFile = CurrentHelpFile();

  // 6. Set again when the language is applied to the windows.
  s.RightToLeft = false;

  // 7. Options. An empty zoom keeps the current one; a zoom that is no
  // number or outside 50..400 (0 means automatic) counts as the default.
  const QString zoom = read("zoom", "120");
  if (!zoom.isEmpty()) {
    const int z = StrToIntDefault(zoom, -1);
    s.Zoom = z == 0 || (z >= 50 && z <= 400) ? z : DefaultZoom;
    s.ZoomAuto = s.Zoom == 0;
  }
  const QString mdi = read("MDI", "1");
  s.MdiOption = (mdi.isEmpty() ? QStringLiteral("1") : mdi) == u"1";
  s.MaxOption = read("MAX", "1") == u"1";
  // For these an empty value counts as "FALSE" (unlike a missing key).
  s.WebHelpOption = isTrue(read("webhelp", "FALSE"));
  s.MemoryOption = isTrue(read("memory", "TRUE"));
  k.UnicodeOption = isTrue(read("unicode", "TRUE"));
  s.PortableOption = isTrue(read("Portable", "FALSE"));
  s.NoFlopOption = trimmedRead("noflop", "FALSE").toUpper() != u"FALSE";

  // 8. Folders and the sample files.
  if (s.PortableOption) {
    s.InstallFolder = s.DataFolder = s.AppFolder;
  } else {
    s.InstallFolder = s.LocalInstallFolder;
    s.DataFolder = s.LocalDataFolder;
    copyMissingSampleFiles(s.InstallFolder, s.DataFolder);
  }

  // 9. Chart grid style 0..3.
  const int grid = StrToIntDefault(read("gridstyle", "3"), 3);
  s.ChartGridOption = grid >= 0 && grid <= 3 ? grid : 3;

  // 10. The palette.
  for (int i = 1; i <= PaletteSize; ++i) s.PaletteColors[size_t(i)] = PaletteColor(i);

  // 11. Graph colour and width lists, area colour and border width.
  s.SettingsLineColor = read("LineColor", DefaultLineColor);
  s.SettingsLineWidth = read("LineWidth", DefaultLineWidth);
  const int area = ini.readInteger(opt, "AreaColor", DefaultAreaColor);
  s.SettingsAreaColor = area >= 1 && area <= PaletteSize ? area : DefaultAreaColor;
  const int rand = ini.readInteger(opt, "RandWidth", DefaultRandWidth);
  s.SettingsRandWidth = rand >= 0 && rand <= MaxLineWidth ? rand : DefaultRandWidth;
  if (reset || CommaListCount(s.SettingsLineColor) < GraphCount) s.SettingsLineColor = DefaultLineColor;
  if (reset || CommaListCount(s.SettingsLineWidth) < GraphCount) s.SettingsLineWidth = DefaultLineWidth;
  s.GraphColorList = s.SettingsLineColor;
  s.GraphWidthList = s.SettingsLineWidth;
  s.GraphAreaColor = s.SettingsAreaColor;
  s.GraphAreaWidth = s.SettingsRandWidth;

  // 12. Printing: a scale that is no number or not above 0 counts as 1.
  const double scale = parseReal(read("printsize", "1"));
  s.PrintScale = std::isfinite(scale) && scale > 0 ? scale : 1.0;
  const bool colour = isTrue(read("printcol", "TRUE"));
  s.PrintBlackWhite = s.ClipboardBlackWhite = !colour;
}

QString LanguageFileMessage(LanguageFileProblem problem, const QString& path) {
  return GetTextColon(IDatei, problem == LanguageFileProblem::TooLarge ? 24 : 25) + path;
}

bool EraseMemorySection(const QString& section) {
  const QString path = locateFile(shellState().DataFolder, MemoryFileName);
  if (!QFileInfo(path).isFile()) return true;
  return iniEraseSection(path, section);
}

}  // namespace zw
