#pragma once
// Folders of the program and its data, and the lookup of fixed file names.
//
// Folder strings end with "/" (the program's folders are compared and joined
// as strings). Fixed names such as "ZW100.INI", "DEMO.DAT" or "memory.dat" are
// found in their folder without regard to case, so a file copied from another
// system under "demo.dat" or "Memory.DAT" is still the same file.
#include <QString>

namespace zw {

// Shell folder numbers the program asks for.
inline constexpr int kLocalAppDataFolderId = 28;
inline constexpr int kProgramFilesFolderId = 38;

// The folder of the running program file, with a trailing "/".
QString appFolderPath();

// The stand-in for the shell's special folders: the local application-data
// folder (28) is $XDG_DATA_HOME, or ~/.local/share when that is unset or not an
// absolute path. The program-files folder (38) is the program's own folder on
// Linux, so it has no path of its own here. Every other or undeterminable
// folder gives an empty string. No trailing separator.
QString SpecialFolder(int id);

// `folder` with exactly one trailing "/" (an empty folder stays empty).
QString withSeparator(const QString& folder);

// The one way to build a path: folder and name with exactly one "/" between.
QString joinPath(const QString& folder, const QString& name);

// The path of the entry in `folder` whose name equals `name` ignoring case
// (an exact match preferred); when there is none, joinPath(folder, name), so
// that a file written through it gets the name as given.
QString locateFile(const QString& folder, const QString& name);

// Whether `folder` holds a file named `name`, ignoring case.
bool fileExistsIgnoringCase(const QString& folder, const QString& name);

// Creates the folder with any missing parents; true when it exists afterwards.
bool ensureFolder(const QString& folder);

}  // namespace zw
