// SaveOptions: writes the program's settings file "ZW100.INI" in its own
// folder from the 19 parts of the options command line, one argument each:
//
//   1 the settings file name ("ZW100.INI", any case)   11 printcol
//   2 language                                          12 gridstyle
//   3..6 extern3 .. extern6                             13 LineColor
//   7 MDI                                               14 LineWidth
//   8 MAX                                               15 AreaColor
//   9 zoom                                              16 RandWidth
//  10 printsize                                         17 Portable
//                                                       18 memory
//                                                       19 Portable (again; must agree with 17)
//
// Every other key and section of the file is kept. The values are written as
// they are given; the program checks them when it reads the file.
//
// Exit status: 0 written; 1 the file could not be written (the old file is
// unchanged); 2 the command line is not one this program understands.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"

namespace {

constexpr int kPartCount = 19;
constexpr const char* kSettingsFileName = "ZW100.INI";

// Keys of parts 2..18 in section "options" (index = part number).
constexpr const char* kKeys[kPartCount + 1] = {
    nullptr,   nullptr,     "language",  "extern3",  "extern4",  "extern5",  "extern6",
    "MDI",     "MAX",       "zoom",      "printsize", "printcol", "gridstyle", "LineColor",
    "LineWidth", "AreaColor", "RandWidth", "Portable", "memory", nullptr};

void complain(const QString& text) { std::fprintf(stderr, "SaveOptions: %s\n", qPrintable(text)); }

int run(const QStringList& parts) {
  if (parts.size() != kPartCount) {
    complain(QStringLiteral("expected %1 arguments, got %2").arg(kPartCount).arg(parts.size()));
    return 2;
  }
  if (parts[0].compare(QLatin1String(kSettingsFileName), Qt::CaseInsensitive) != 0) {
    complain(QStringLiteral("the first argument must be %1").arg(QLatin1String(kSettingsFileName)));
    return 2;
  }
  if (parts[16].compare(parts[18], Qt::CaseInsensitive) != 0) {
    complain(QStringLiteral("arguments 17 and 19 disagree"));
    return 2;
  }
  for (const QString& p : parts) {
    // A line break would end the value and start a line of its own.
    if (p.contains(u'\r') || p.contains(u'\n')) {
      complain(QStringLiteral("an argument holds a line break"));
      return 2;
    }
  }
  const QString path = zw::locateFile(zw::appFolderPath(), QLatin1String(kSettingsFileName));
  zw::IniFile ini(path);
  const QString section = QStringLiteral("options");
  for (int part = 2; part <= 18; ++part) ini.writeString(section, QLatin1String(kKeys[part]), parts[part - 1]);
  QString error;
  if (!ini.save(&error)) {
    complain(path + QStringLiteral(": ") + error);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return run(QCoreApplication::arguments().mid(1));
}
