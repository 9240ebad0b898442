#pragma once
// Help contexts of the text pages, the web help pages and the compiled-help
// stand-in. Both kinds of help are addressed by the same context numbers
// (1000 = the overview).
#include <QString>

#include "shell/texts/Texts.h"

namespace zw {

// The one place that names the web help server.
inline constexpr const char* kWebHelpHost = "https://www.zahlwerk.example";

// The help context of a text page; 1000 for pages without one of their own.
int HelpContextOf(TTextIndex page);

// The language letter of the help (d, e, f, i, s) for a language kind and
// the name of the language slot in use: kinds 0..2 are German, English and
// French; the external kinds get the Italian or Spanish help when the name,
// in lower case, is "italiano" or "espaniol", else the English help.
char helpLanguageLetter(int languageKind, const QString& languageName);
// The same for the running program (LanguageKind, LanguageNames[LanguageNumber]).
char currentHelpLanguageLetter();

// "Zw100d.chm" ... for a language letter, and the compiled help file of the
// current language in AppFolder (what the settings and the language switch set
// as the program's help file).
QString helpFileNameFor(char languageLetter);
QString CurrentHelpFile();

// host + "/help" + language path + page name of the context. A context without
// a page gives the address ending with the language path.
QString webHelpAddress(int context, char languageLetter);

// Opens the web help page of the context in the current language.
void ShowWebHelp(int context);
// Opens the compiled help (the local stand-in pages) of the program's help
// file at the context; the web page of the context when there is no local page.
void ShowCompiledHelp(int context);

}  // namespace zw
