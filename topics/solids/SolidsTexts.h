#pragma once

namespace zw {

// The texts of the ten solid pages in German, English and French (called by
// RegisterSolidsTopics; a second call registers nothing more).
void RegisterSolidsTexts();

}  // namespace zw
