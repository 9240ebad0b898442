#pragma once
// The settings file "ZW100.INI", the 48-colour palette and the comma lists
// through which every chart topic gets the colour and line width of its n-th
// graph. The program reads the settings file and never writes it (the
// SaveOptions program does).
//
// Values read from files are untrusted: a colour or width item that is missing
// or unusable falls back along given list -> settings list -> default list, so
// drawing code never fails on a bad file.
#include <QString>
#include <array>
#include <functional>

#include "shell/State.h"
#include "shell/texts/LanguageFiles.h"

namespace zw {

inline constexpr int PaletteSize = 48;
inline constexpr int GraphCount = 12;
inline constexpr const char* DefaultLineColor = "5,19,13,3,14,4,6,20,21,10,11,24";
inline constexpr const char* DefaultLineWidth = "2,2,2,2,2,2,2,2,2,2,2,2";
inline constexpr int DefaultAreaColor = 28;
inline constexpr int DefaultRandWidth = 1;
inline constexpr int DefaultZoom = 120;
inline constexpr int MaxLineWidth = 255;  // the chart keeps line widths in one byte

inline constexpr const char* SettingsFileName = "ZW100.INI";
inline constexpr const char* MemoryFileName = "memory.dat";
inline constexpr const char* DemoFileName = "DEMO.DAT";
// The sample files every data folder receives, in the order they are copied.
inline constexpr std::array<const char*, 4> SampleFileNames{"DEMO.DAT", "DEMO.csv", "Hopfenwachstum.csv",
                                                            "JHU_DE_Mrz-Mai.csv"};

// Palette text of index 1..48 ("$RRGGBB"); empty outside.
QString PaletteText(int index);
// The palette colour of index 1..48 as 0xBBGGRR; black outside 1..48.
ColorValue PaletteColor(int index);

// The text as a whole decimal integer (sign allowed, blanks around ignored),
// else `def`.
int StrToIntDefault(const QString& text, int def);

// Comma lists: split strictly at commas, items trimmed; an empty list has no items.
QString CommaListItem(const QString& list, int n);  // 1-based; empty past the end
int CommaListCount(const QString& list);
int CommaListInt(const QString& list, int n);       // -1 past the end, 1 when not a number

// The palette index of graph n: item n of `list` when it is a number in 1..48,
// else that of SettingsLineColor, else that of the default list. A graph number
// outside 1..12 takes default item ((n - 1) mod 12) + 1 at the end of the chain.
int GraphColorIndex(const QString& list, int n);
ColorValue GraphColor(const QString& list, int n);
// The same chain for line widths (a width is a number in 0..255).
QString GraphWidthText(const QString& list, int n);
int GraphLineWidth(const QString& list, int n);

// 0 and 2..6 map to themselves; every other value, 1 included, to 1 (English).
int LanguageNumberToKind(int n);

// Whether this user may write the settings file in AppFolder: effective uid 0,
// or its folder is writable and so is the file itself when it exists (the file
// is replaced through a temporary file beside it).
bool IsUserAdmin();

// The file name of external language slot 3..6: LanguageNames[slot] up to its
// first ":" (what follows names an encoding and is ignored; the cut name is
// stored back) + ".txt", in AppFolder, found without regard to case.
QString LanguageFileName(int slot);

// Reads the settings file into the shared state. With reset the graph colour
// and width lists take their defaults whatever the file holds.
void ReadSettings(bool reset);

// What the user is told when a language file was not read: what is wrong,
// in the program language, and the file.
QString LanguageFileMessage(LanguageFileProblem problem, const QString& path);

// Erases the section from "memory.dat" in DataFolder. False when the file
// could not be written (a missing file has nothing to erase: true).
bool EraseMemorySection(const QString& section);

}  // namespace zw
