#pragma once
// The glyphs of the toolbar and language buttons, drawn by the program.
#include <QIcon>
#include <QString>

namespace zw {

enum class ToolGlyph { New, Open, Save, Cut, Copy, Paste, Print, Snapshot, Quit, Demo, Help };

QIcon toolGlyph(ToolGlyph which);
// Language button k: flags for 0..2; a name badge for the external slots.
QIcon languageGlyph(int k, const QString& languageName);

}  // namespace zw
