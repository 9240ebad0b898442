#pragma once
// What the options dialog hands to the settings writer, and the pieces of the
// dialog that need no window: the writer's 19 arguments, the list positions
// of zoom and print scale, and the export of the current text table.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace zw {

inline constexpr int OptionsPartCount = 19;
// The settings writer's file name in AppFolder.
inline constexpr const char* SettingsWriterName = "SaveOptions";

// The 19 arguments, one per part, from the shell state and the dialog's
// choices: the selected language item, the colour-printing tick and the
// selected grid style. Never joined, so names with blanks stay one argument.
QStringList OptionsCommandLine(int languageItem, bool colourPrint, int gridItem);

// A real as its shortest decimal text with the regional decimal separator.
QString ShortestRealText(double value);

// Zoom list (150, 140, ..., 90, auto): item 15 - zoom div 10, "auto" (7)
// for results above 7, none (-1) below 0.
int ZoomListItem(int zoom);
inline constexpr int ZoomListValues[8] = {150, 140, 130, 120, 110, 100, 90, 0};
// Print-size list (100 % .. 50 %): item k when the scale is 1 - 0.1 k, else
// 10 - Trunc(scale * 10); none (-1) outside the list.
int PrintScaleListItem(double scale);
inline constexpr double PrintScaleValues[6] = {1.0, 0.9, 0.8, 0.7, 0.6, 0.5};

// The texts of the current language (its own table, without the English
// fall-back) in the language-file format: for each named page 1..119 an empty
// line, "[page name]", then "item=text" for items 0..500 and -1..-30 whose
// text is not blank. Lines end with CR LF.
QString ExportLanguageText();

// Starts the settings writer with the arguments and waits for it: directly
// when the settings file is writable, through pkexec when it is not and
// pkexec is installed. Shows the outcome: success text (IOpt, 22); message
// 49 when the file is not writable and could not be written with elevation;
// else an error naming the file. Returns whether the file was written.
bool RunSettingsWriter(QWidget* parent, const QStringList& args);

// Replaceable environment of RunSettingsWriter (tests): whether the settings
// file may be written without elevation, and where a program is found
// (empty: not installed).
struct SettingsWriterEnvironment {
  std::function<bool()> canWriteSettings;
  std::function<QString(const QString&)> findProgram;
};
SettingsWriterEnvironment& settingsWriterEnvironment();

}  // namespace zw
