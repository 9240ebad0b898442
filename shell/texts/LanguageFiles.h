#pragma once
// The four external language slots (3..6). ReadSettings opens them; lookups
// read the texts held in memory and never touch the disk.
#include <QString>

namespace zw {

// Reads the file at `path` into slot 3..6 (an empty path or a missing file
// leaves the slot empty). Never throws, whatever the file holds.
void setLanguageFile(int slot, const QString& path);
void clearLanguageFiles();

}  // namespace zw
