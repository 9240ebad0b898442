#pragma once
// The four external language slots (3..6). ReadSettings opens them; lookups
// read the texts held in memory and never touch the disk.
#include "shell/texts/Texts.h"

#include <QString>

namespace zw {

// Reads the file at `path` into slot 3..6, replacing what the slot held. A file
// that does not exist (or an empty path) leaves the slot empty, which shows the
// English texts, and counts as success. Returns false when the file exists but
// cannot be read (the slot is then empty too) or when the slot is not 3..6.
// Never throws, whatever the file holds. `problem` (when given) tells why a
// file was not read.
enum class LanguageFileProblem { None, TooLarge, Unreadable };
bool setLanguageFile(int slot, const QString& path, LanguageFileProblem* problem = nullptr);
void clearLanguageFiles();

// The raw value of item `item` on `page` in slot 3..6, untrimmed lookups of the
// in-memory copy: nullptr when the slot, the section or the key is missing.
// The pointer stays valid until the slot is read again.
const QString* languageFileValue(int slot, TTextIndex page, int item);

}  // namespace zw
