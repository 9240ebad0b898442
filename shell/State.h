#pragma once
// The shell's process-wide values that every other part of the program reads:
// folders, options, language, chart and print options and graph colour lists.
// They live for the whole run and are touched only on the GUI thread. What
// belongs to one window or one command (the worksheet file of Load, Save and
// New, for one) is passed to it, not kept here.
//
// The values the maths kernel reads (angle mode, decimal separators, unicode
// option) live in zw::kernelState() only, so there is one source of truth.
// Fonts and layout metrics are in shell/Metrics.h.
#include <QString>
#include <array>
#include <cstdint>

#include "kernel/Types.h"

namespace zw {

class IniFile;

using ColorValue = std::uint32_t;  // 0xBBGGRR, red in the low byte

struct ShellState {
  // Folders (each ends with a path separator).
  QString AppFolder;
  QString LocalInstallFolder;
  QString LocalDataFolder;
  QString InstallFolder;
  QString DataFolder;
  QString SettingsPath;

  // Options (ReadSettings gives the defaults).
  int Zoom = 0;
  // The settings ask for the automatic zoom ("zoom=0"): Zoom then holds the
  // zoom the program chose, and the options dialog shows and keeps "auto".
  bool ZoomAuto = false;
  bool MdiOption = true;
  bool MaxOption = false;
  bool WebHelpOption = false;
  bool MemoryOption = true;
  bool PortableOption = false;
  bool NoFlopOption = false;

  // Language.
  int LanguageNumber = 0;
  int LanguageKind = 0;           // 0 German, 1 English, 2 French, 3..6 external files
  int DisplayedLanguageKind = 0;
  std::array<QString, 7> LanguageNames{"Deutsch", "English", "Fran\u00e7ais", "", "", "", ""};
  bool RightToLeft = false;
  QString HelpFile;  // the compiled help file of the language (ReadSettings)

  // Charts, pictures and printing.
  bool ChartLogX = false, ChartLogY = false;
  int ChartResolution = 1;
  int ChartGridOption = 3;
  bool ChartGridAuto = true;
  double PrintScale = 1.0;
  bool PrintBlackWhite = false;
  bool ClipboardBlackWhite = false;
  static constexpr int ParametricSteps = 400;
  static constexpr TVec3 Origin3{};  // origin of distance computations

  // Graph colours and widths.
  std::array<ColorValue, 49> PaletteColors{};  // index 1..48
  QString GraphColorList, GraphWidthList;
  int GraphAreaColor = 0, GraphAreaWidth = 0;
  QString SettingsLineColor, SettingsLineWidth;
  int SettingsAreaColor = 0, SettingsRandWidth = 0;
  std::array<ColorValue, 13> GraphColorValues{};
  std::array<int, 13> GraphWidthValues{};

  // Regression data.
  QString CsvSeparator, CsvDecimal;

  // Owned by single topics.
  bool SeriesPlotFlag = false;
};

ShellState& shellState();
// Back to the initial values (tests).
void resetShellState();

}  // namespace zw
