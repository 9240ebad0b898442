// Placeholder until the language-file reader lands.
#include "shell/texts/LanguageFiles.h"
namespace zw {
void setLanguageFile(int, const QString&) {}
void clearLanguageFiles() {}
}  // namespace zw
