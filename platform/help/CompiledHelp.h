#pragma once
// The stand-in for the compiled help files ("Zw100d.chm", ...), which have no
// viewer on this platform: the help of a language is a folder of HTML pages,
// AppFolder/help/<language>/, whose pages carry the web help page names. A
// context whose page is there opens it in the browser; the caller falls back
// to the web help page otherwise.
#include <QString>

namespace zw {

// The language letter of a compiled help file name ("Zw100f.chm" -> 'f');
// 'e' for any other name.
char helpFileLanguageLetter(const QString& helpFile);

// The local page AppFolder/help/<language folder>/<pageName> (names compared
// without regard to case), or the empty text when it does not exist.
QString localHelpPagePath(const QString& appFolder, char languageLetter, const QString& pageName);

// Opens the local page through the desktop services. False when there is no
// such page (nothing is opened then).
bool openLocalHelpPage(const QString& appFolder, char languageLetter, const QString& pageName);

}  // namespace zw
