#pragma once
// Qt's own dialogs (file, print, colour and font dialogs, the Yes/No buttons
// of message boxes) speak the program's language through Qt's translation
// catalogues (Debian package qt6-translations-l10n).
#include <QString>

namespace zw {

// The catalogue name for a text table: "qtbase_de" for German, "qtbase_fr"
// for French, empty for English and the external languages (Qt's built-in
// texts are English).
QString QtCatalogueFor(int languageKind);

// Replaces the installed Qt catalogue by the one of `languageKind`; returns
// whether a catalogue is installed afterwards. A missing catalogue leaves
// Qt's English texts.
bool ApplyQtTranslations(int languageKind);

}  // namespace zw
