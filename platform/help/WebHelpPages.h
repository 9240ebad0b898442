#pragma once
// Help is addressed by context numbers (1000 = the overview). Each context
// that has a web help page maps to the page's file name; the same name is used
// for the local HTML pages that stand in for the compiled help.
#include <QString>

namespace zw {

// The page file name of a help context, or the empty text.
QString WebHelpPageName(int context);

// The language path of the web help ("/de/D", "/en/E", "/fr/F", "/it/I",
// "/es/S") and the local help folder name ("de", "en", ...) for a language
// letter d, e, f, i or s (any other letter counts as e).
QString webHelpLanguagePath(char languageLetter);
QString localHelpFolderName(char languageLetter);

}  // namespace zw
