// The options dialog: list positions, the settings writer's arguments and
// its outcome, the controls that change the running program, the language
// files, the export of the text table and the restart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "kernel/KernelState.h"
#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/Fonts.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/Metrics.h"
#include "shell/mainwindow/MainWindow.h"
#include "shell/mainwindow/WindowLayout.h"
#include "shell/options/OptionsCommandLine.h"
#include "shell/options/OptionsDialog.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"

namespace zw {
namespace {

TEST(OptionsLists, ZoomAndPrintScalePositions) {
  const std::pair<int, int> zooms[] = {{150, 0}, {125, 3}, {100, 5}, {90, 6}, {0, 7}, {80, 7}, {160, -1}};
  for (auto [zoom, item] : zooms) EXPECT_EQ(ZoomListItem(zoom), item) << zoom;
  const std::pair<double, int> scales[] = {{1.0, 0}, {0.9, 1}, {0.7, 3}, {0.5, 5},   {0.75, 3},
                                           {0.3, -1}, {1.5, -1}, {0.0, -1}, {1e300, -1}, {-0.2, -1}};
  for (auto [scale, item] : scales) EXPECT_EQ(PrintScaleListItem(scale), item) << scale;
}

class OptionsTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    resetCommandUi();
    clearLanguageFiles();
    savedSeparator_ = kernelState().RegionalDecimalSeparator;
    kernelState().RegionalDecimalSeparator = u',';
    ShellState& s = shellState();
    s.AppFolder = withSeparator(dir_.path());
    s.LocalInstallFolder = s.LocalDataFolder = s.AppFolder;
    s.SettingsPath = joinPath(dir_.path(), QStringLiteral("ZW100.INI"));
    CommandUi& ui = commandUi();
    ui.error = [this](QWidget*, const QString& t) { errors_.push_back(t); };
    ui.information = [this](QWidget*, const QString& t) { infos_.push_back(t); };
    ui.question = [this](QWidget*, const QString& t, const QString&) {
      questions_.push_back(t);
      return answerYes_;
    };
    ui.openFile = [this](QWidget*, const QString& folder, const QString&) {
      dialogFolders_.push_back(folder);
      return fileAnswer_;
    };
    settingsWriterEnvironment() = {};
    settingsWriterEnvironment().canWriteSettings = [this] { return writable_; };
    settingsWriterEnvironment().findProgram = [this](const QString&) { return pkexec_; };
    setRestartEnder([this] { ++ended_; });
  }
  void TearDown() override {
    resetCommandUi();
    settingsWriterEnvironment() = {};
    setRestartEnder(nullptr);
    clearLanguageFiles();
    kernelState().RegionalDecimalSeparator = savedSeparator_;
    resetShellState();
  }
  void writeSettings(const QByteArray& bytes) {
    QFile f(shellState().SettingsPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QString writerPath() const { return joinPath(dir_.path(), QStringLiteral("SaveOptions")); }

  QTemporaryDir dir_;
  char16_t savedSeparator_ = u'.';
  std::vector<QString> errors_, infos_, questions_, dialogFolders_;
  bool answerYes_ = false;
  QString fileAnswer_;
  bool writable_ = true;
  QString pkexec_;
  int ended_ = 0;
};

const QStringList kDefaultLine{"Zw100.ini", "0",     "italiano", "espaniol", "greek",
                               "turkish",   "1",     "1",        "120",      "1",
                               "true",      "3",     "5,19,13,3,14,4,6,20,21,10,11,24",
                               "2,2,2,2,2,2,2,2,2,2,2,2",        "28",       "1",
                               "false",     "true",  "false"};

TEST_F(OptionsTest, CommandLineOfTheDefaultSettings) {
  ReadSettings(false);
  EXPECT_EQ(OptionsCommandLine(0, true, 3), kDefaultLine);
  // English, print scale 0.9, a language name with a blank: one argument each.
  ShellState& s = shellState();
  s.PrintScale = 0.9;
  s.Zoom = 133;
  s.LanguageNames[4] = QStringLiteral("my language");
  const QStringList line = OptionsCommandLine(1, false, 0);
  ASSERT_EQ(line.size(), OptionsPartCount);
  EXPECT_EQ(line[1], QStringLiteral("1"));
  EXPECT_EQ(line[3], QStringLiteral("my language"));
  EXPECT_EQ(line[8], QStringLiteral("133"));
  EXPECT_EQ(line[9], QStringLiteral("0,9"));
  EXPECT_EQ(line[10], QStringLiteral("false"));
  EXPECT_EQ(line[11], QStringLiteral("0"));
}

TEST_F(OptionsTest, TheRealWriterStoresWhatTheSettingsReaderReadsBack) {
  ASSERT_TRUE(QFile::copy(joinPath(QCoreApplication::applicationDirPath(), QStringLiteral("SaveOptions")),
                          writerPath()));
  writeSettings("[options]\r\nwebhelp=TRUE\r\n");
  ReadSettings(false);
  ShellState& s = shellState();
  s.LanguageNames[4] = QStringLiteral("my language");
  s.PrintScale = 0.7;
  s.MemoryOption = false;
  s.GraphColorList = QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12");
  const QStringList line = OptionsCommandLine(4, false, 1);
  SystemDesktopServices system;
  ScopedDesktopServices use(system);
  ASSERT_TRUE(RunSettingsWriter(nullptr, line));
  EXPECT_TRUE(errors_.empty());
  ASSERT_EQ(infos_.size(), 1u);
  EXPECT_EQ(infos_[0], QStringLiteral("Optionen erfolgreich gespeichert"));

  resetShellState();
  s.AppFolder = s.LocalInstallFolder = s.LocalDataFolder = withSeparator(dir_.path());
  s.SettingsPath = joinPath(dir_.path(), QStringLiteral("ZW100.INI"));
  ReadSettings(false);
  EXPECT_EQ(s.LanguageNumber, 4);
  EXPECT_EQ(s.LanguageNames[4], QStringLiteral("my language"));
  EXPECT_DOUBLE_EQ(s.PrintScale, 0.7);
  EXPECT_TRUE(s.PrintBlackWhite);
  EXPECT_FALSE(s.MemoryOption);
  EXPECT_TRUE(s.WebHelpOption);  // kept
  EXPECT_EQ(s.ChartGridOption, 1);
  EXPECT_EQ(s.SettingsLineColor, QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12"));
  EXPECT_EQ(OptionsCommandLine(4, false, 1), line);
}

TEST_F(OptionsTest, WriterOutcomeDecidesTheMessage) {
  struct Case {
    const char* name;
    bool writable;
    const char* pkexec;
    int exitCode;
    bool written;
    const char* program;  // "" = nothing started
    bool viaPkexec;
  };
  const Case cases[] = {
      {"writes", true, "", 0, true, "writer", false},
      {"fails", true, "", 1, false, "writer", false},
      {"cannot start", true, "", -1, false, "writer", false},
      {"no rights, no pkexec", false, "", 0, false, "", false},
      {"no rights, pkexec", false, "/usr/bin/pkexec", 0, true, "/usr/bin/pkexec", true},
      {"no rights, pkexec refused", false, "/usr/bin/pkexec", 126, false, "/usr/bin/pkexec", true},
  };
  const QStringList args = kDefaultLine;
  for (const Case& c : cases) {
    RecordingDesktopServices rec;
    ScopedDesktopServices use(rec);
    rec.exitCode = c.exitCode;
    rec.result = c.exitCode >= 0;
    writable_ = c.writable;
    pkexec_ = QString::fromUtf8(c.pkexec);
    errors_.clear();
    infos_.clear();
    EXPECT_EQ(RunSettingsWriter(nullptr, args), c.written) << c.name;
    if (c.written) {
      EXPECT_TRUE(errors_.empty()) << c.name;
      EXPECT_EQ(infos_, std::vector<QString>{GetText(IOpt, 22)}) << c.name;
    } else {
      EXPECT_TRUE(infos_.empty()) << c.name;
      ASSERT_EQ(errors_.size(), 1u) << c.name;
      if (c.writable)
        EXPECT_TRUE(errors_[0].contains(shellState().SettingsPath)) << c.name;
      else
        EXPECT_EQ(errors_[0], GetMessageText(49)) << c.name;
    }
    if (!*c.program) {
      EXPECT_TRUE(rec.calls.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(rec.calls.size(), 1u) << c.name;
    EXPECT_EQ(rec.calls[0].kind, DesktopCall::RunAndWait);
    if (c.viaPkexec) {
      EXPECT_EQ(rec.calls[0].target, pkexec_);
      EXPECT_EQ(rec.calls[0].args, QStringList{writerPath()} + args);
    } else {
      EXPECT_EQ(rec.calls[0].target, writerPath());
      EXPECT_EQ(rec.calls[0].args, args);
    }
  }
}

// The messages about files the user cannot fix from inside the program say
// what is wrong in the program language.
TEST_F(OptionsTest, FileMessagesInThreeLanguages) {
  struct Case {
    int language;
    const char* writerFailed;
    const char* languageTooLarge;
    const char* inputsNotKept;
  };
  const Case cases[] = {
      {0, "Die Datei konnte nicht geschrieben werden: ", "Die Sprachdatei ist zu groß: ",
       "Der Datenordner kann nicht angelegt werden, die Eingaben werden nicht aufbewahrt"},
      {1, "The file could not be written: ", "The language file is too large: ",
       "The data folder cannot be created, inputs cannot be kept"},
      {2, "Le fichier n'a pas pu être écrit: ", "Le fichier de langue est trop grand: ",
       "Le dossier des données ne peut pas être créé, les entrées ne sont pas conservées"},
  };
  for (const Case& c : cases) {
    shellState().LanguageKind = c.language;
    RecordingDesktopServices rec;
    ScopedDesktopServices use(rec);
    rec.exitCode = 1;
    errors_.clear();
    EXPECT_FALSE(RunSettingsWriter(nullptr, kDefaultLine));
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], QString::fromUtf8(c.writerFailed) + shellState().SettingsPath) << c.language;
    EXPECT_EQ(LanguageFileMessage(LanguageFileProblem::TooLarge, QStringLiteral("/x/greek.txt")),
              QString::fromUtf8(c.languageTooLarge) + QStringLiteral("/x/greek.txt"));
    EXPECT_EQ(GetText(IDatei, 23), QString::fromUtf8(c.inputsNotKept));
  }
}

TEST_F(OptionsTest, OpeningShowsTheRunningValuesAndChangesNothing) {
  writeSettings("[options]\r\nprintsize=0,7\r\nzoom=160\r\ngridstyle=1\r\nprintcol=FALSE\r\nMDI=0\r\n"
                "language=2\r\nmemory=FALSE\r\n");
  ReadSettings(false);  // as at start-up
  ShellState& s = shellState();
  // The running program has moved on since.
  s.GraphColorList = QStringLiteral("1,1,1");
  const ShellState before = s;
  const LayoutMetrics metricsBefore = metrics();
  TFOpt dlg(nullptr);
  dlg.show();
  dlg.resize(dlg.width() + 40, dlg.height());
  QCoreApplication::processEvents();
  EXPECT_EQ(s.LanguageKind, before.LanguageKind);
  EXPECT_EQ(s.GraphColorList, QStringLiteral("1,1,1"));
  EXPECT_EQ(s.Zoom, before.Zoom);
  EXPECT_TRUE(metrics() == metricsBefore);
  EXPECT_TRUE(dlg.printSizeItem(3)->isChecked());
  EXPECT_EQ(dlg.printSizeItem(3)->text(), QStringLiteral("70 %"));
  for (int i = 0; i < 8; ++i) EXPECT_FALSE(dlg.zoomItem(i)->isChecked()) << i;
  EXPECT_TRUE(dlg.gridItem(1)->isChecked());
  EXPECT_TRUE(dlg.languageItem(2)->isChecked());
  EXPECT_FALSE(dlg.colourCheck()->isChecked());
  EXPECT_FALSE(dlg.mdiCheck()->isChecked());
  EXPECT_TRUE(dlg.maxCheck()->isChecked());
  EXPECT_FALSE(dlg.memoryCheck()->isChecked());
  EXPECT_EQ(dlg.colourSlot(0), 28);
  EXPECT_EQ(dlg.colourSlot(3), 13);
  EXPECT_EQ(dlg.widthSlot(12), 2);
  EXPECT_FALSE(dlg.paletteTable()->isVisibleTo(&dlg));
}

// Laying the dialog out leaves the shared metrics as they were: the head
// rows of the topic windows laid out afterwards stand where they did.
TEST_F(OptionsTest, MetricsUnchangedAfterTheDialog) {
  for (int zoom : {120, 150}) {
    applyZoom(zoom);
    const LayoutMetrics before = metrics();
    {
      TFOpt dlg(nullptr);
      dlg.show();
      dlg.relayout();
      QCoreApplication::processEvents();
    }
    EXPECT_TRUE(metrics() == before) << zoom;
    EXPECT_EQ(metrics().HalfRowStep, computeMetrics(zoom).HalfRowStep) << zoom;
  }
}

// A zoom the work area limited is the running zoom: the dialog shows it and
// a save without changes sends it, not the file's value.
TEST_F(OptionsTest, ZoomLimitedByTheWorkAreaIsShownAndSent) {
  writeSettings("[options]\r\nzoom=150\r\nMAX=0\r\n");
  ReadSettings(false);
  ASSERT_EQ(shellState().Zoom, 150);
  const WindowPlacement p = computeWindowPlacement(shellState().Zoom, shellState().MaxOption, 1040, QSize(1920, 1080));
  ASSERT_EQ(p.zoom, 133);
  applyZoom(p.zoom);  // what the main window does with the placement
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  TFOpt dlg(nullptr);
  EXPECT_EQ(shellState().Zoom, 133);
  EXPECT_TRUE(dlg.zoomItem(ZoomListItem(133))->isChecked());
  EXPECT_EQ(dlg.zoomItem(ZoomListItem(133))->text(), QStringLiteral("130 %"));
  dlg.saveButton()->click();
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].args.value(8), QStringLiteral("133"));
  EXPECT_EQ(shellState().Zoom, 133);
}

// "zoom=0" asks for the automatic zoom: the program runs at the zoom it
// chose, and the dialog shows "auto" and sends 0 until the user picks a zoom.
TEST_F(OptionsTest, AutomaticZoomIsShownAndSentAsAuto) {
  writeSettings("[options]\r\nzoom=0\r\nMAX=0\r\n");
  ReadSettings(false);
  applyZoom(computeWindowPlacement(shellState().Zoom, shellState().MaxOption, 1040, QSize(1920, 1080)).zoom);
  ASSERT_EQ(shellState().Zoom, 120);
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  TFOpt dlg(nullptr);
  EXPECT_TRUE(dlg.zoomItem(ZoomListItem(0))->isChecked());
  EXPECT_FALSE(dlg.zoomItem(ZoomListItem(120))->isChecked());
  dlg.saveButton()->click();
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].args.value(8), QStringLiteral("0"));
  EXPECT_EQ(shellState().Zoom, 120);
  // A zoom the user picks is sent as it is.
  dlg.zoomItem(ZoomListItem(110))->click();
  dlg.saveButton()->click();
  ASSERT_EQ(rec.calls.size(), 2u);
  EXPECT_EQ(rec.calls[1].args.value(8), QStringLiteral("110"));
}

// Every caption of the dialog, as the user reads it, in each built-in language.
TEST_F(OptionsTest, CaptionsFollowTheLanguage) {
  struct Case {
    int language;
    QString title;
    QStringList groups, texts;
  };
  const ShellState& s = shellState();
  auto folders = [&](const char* local, const char* access, const char* data) {
    return QStringList{QString::fromUtf8(local), QString::fromUtf8(access) + s.InstallFolder,
                       QString::fromUtf8(data) + s.DataFolder};
  };
  ReadSettings(false);  // the folders the dialog shows
  const Case cases[] = {
      {0, "Optionen",
       {"Sprache", "Darstellung", "Größe", "Ausdruck", "Schriften", "Gitterlinien", "Schaubilder: Linienfarbe",
        "Schaubilder: Linienstärke", "Fläche", "Farbtabelle", "Verzeichnisse"},
       QStringList{" Mehrere Fenster", " Vollbild", "Farbe", " Memory", "keine", "Punkte", "Striche", "Linien",
                   "Einleitung", "Proportional", "Monospace", "Meldungen", "Farbe", "Rand", "Standard", "Export",
                   "Speichern", "OK", "Abbrechen", "Hilfe"} +
           folders("Lokale Installation: ", "Zubehör: ", "Daten: ")},
      {1, "Options",
       {"Language", "Layout", "Size", "Printing", "Fonts", "Grid lines", "Graphs: Line color", "Graphs: Line width",
        "Area  ", "Color table", "Directories"},
       QStringList{" Multiple Documents", " Full Screen", "Color", " Memory", " none", " Points", " Dot lines",
                   " Lines", "Introduction", "Proportional", "Monospace", "Messages", "Color", "Border  ", "Default",
                   "Export", "Save", "OK", "Cancel", "&Help"} +
           folders("Local Installation: ", "Accessories: ", "Data: ")},
      {2, "Options",
       {"Langue", "Exposé", "Taille", "Imprimer", "Caractères", "Lignes de grille", "Graphiques: Couleur de ligne",
        "Graphiques: Epaisseur de trait", "Plan  ", "Table des couleurs", "Répertoires"},
       QStringList{" Plusier documents", " écran entier", "Couleur", " Memory", " pas des lignes", " des points",
                   " pointillée", " des lignes", "Introducion", "Proprtionelle", "Chasse fixe", "Messages", "Bord  ",
                   "Standard", "Export", "Sauver", "OK", "Annuler", "A&ide"} +
           folders("Installation locale: ", "Accessoires: ", "Dates: ")},
  };
  TFOpt dlg(nullptr);
  for (const Case& c : cases) {
    dlg.languageItem(c.language)->click();
    EXPECT_EQ(dlg.windowTitle(), c.title);
    QStringList groups;
    for (QGroupBox* g : dlg.findChildren<QGroupBox*>()) groups.append(g->title());
    QStringList wanted = c.groups;
    groups.sort();
    wanted.sort();
    EXPECT_EQ(groups, wanted) << c.language;
    auto shows = [&dlg](const QString& text) {
      for (QAbstractButton* b : dlg.findChildren<QAbstractButton*>())
        if (b->text() == text) return true;
      for (QLabel* l : dlg.findChildren<QLabel*>())
        if (l->text() == text) return true;
      return false;
    };
    for (const QString& text : c.texts) EXPECT_TRUE(shows(text)) << c.language << " " << text.toStdString();
    // Nothing is cut off: group titles and check boxes fit their width.
    for (QGroupBox* g : dlg.findChildren<QGroupBox*>())
      EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()), g->width()) << g->title().toStdString();
    for (QCheckBox* b : dlg.findChildren<QCheckBox*>())
      EXPECT_LE(b->sizeHint().width(), b->width()) << b->text().toStdString();
  }
  // The language list shows the seven names, the four external ones with
  // their file buttons; the size and print lists their percentages.
  for (int i = 0; i < 7; ++i) EXPECT_EQ(dlg.languageItem(i)->text(), s.LanguageNames[size_t(i)]) << i;
  EXPECT_EQ(dlg.languageItem(3)->text(), QStringLiteral("italiano"));
  for (int k = 3; k <= 6; ++k) EXPECT_EQ(dlg.languageFileButton(k)->text(), QStringLiteral(">"));
  const char* sizes[8] = {"150 %", "140 %", "130 %", "120 %", "110 %", "100 %", "90 %", "auto"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(dlg.zoomItem(i)->text(), QString::fromLatin1(sizes[i]));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(dlg.printSizeItem(i)->text(), QStringLiteral("%1 %").arg(100 - 10 * i));
}

TEST_F(OptionsTest, ControlsChangeTheRunningProgram) {
  TFOpt dlg(nullptr);
  ShellState& s = shellState();
  dlg.printSizeItem(4)->click();
  EXPECT_DOUBLE_EQ(s.PrintScale, 0.6);
  dlg.gridItem(0)->click();
  EXPECT_EQ(s.ChartGridOption, 0);
  dlg.memoryCheck()->click();
  EXPECT_FALSE(s.MemoryOption);
  dlg.mdiCheck()->click();
  EXPECT_FALSE(s.MdiOption);
  dlg.zoomItem(5)->click();
  EXPECT_EQ(s.Zoom, 100);
  dlg.languageItem(1)->click();
  EXPECT_EQ(s.LanguageNumber, 1);
  EXPECT_EQ(s.LanguageKind, 1);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Options"));

  // Colour slots and the palette.
  dlg.show();
  QTest::mouseClick(dlg.colourPanel(5), Qt::LeftButton);
  EXPECT_TRUE(dlg.paletteTable()->isVisible());
  EXPECT_FALSE(dlg.folderGroup()->isVisible());
  QTest::mouseClick(dlg.paletteSquare(13), Qt::LeftButton);
  EXPECT_EQ(dlg.colourSlot(5), 13);
  EXPECT_EQ(s.GraphColorValues[5], PaletteColor(13));
  EXPECT_FALSE(dlg.paletteTable()->isVisible());
  EXPECT_TRUE(dlg.folderGroup()->isVisible());
  QTest::mouseClick(dlg.colourPanel(0), Qt::LeftButton);
  QTest::mouseClick(dlg.paletteSquare(7), Qt::LeftButton);
  EXPECT_EQ(s.GraphAreaColor, 7);
  EXPECT_EQ(dlg.colourSlot(0), 7);

  // A width that is not a number counts as 1.
  dlg.widthEdit(2)->clear();
  QTest::keyClicks(dlg.widthEdit(2), QStringLiteral("x"));
  EXPECT_EQ(dlg.widthSlot(2), 1);
  QTest::keyClicks(dlg.widthEdit(4), QStringLiteral("5"));  // "25"
  EXPECT_EQ(dlg.widthSlot(4), 25);

  // The data folder opens in the file manager.
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  QTest::mouseClick(dlg.dataFolderLabel(), Qt::LeftButton);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].kind, DesktopCall::OpenFolder);
  EXPECT_EQ(rec.calls[0].target, s.DataFolder);

  dlg.okButton()->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(s.GraphColorList, QStringLiteral("5,19,13,3,13,4,6,20,21,10,11,24"));
  EXPECT_EQ(s.GraphWidthList, QStringLiteral("2,1,2,25,2,2,2,2,2,2,2,2"));
  EXPECT_EQ(s.GraphAreaColor, 7);
  // OK writes nothing.
  EXPECT_FALSE(QFile::exists(s.SettingsPath));
}

TEST_F(OptionsTest, ResetButtonsAndStandard) {
  writeSettings("[options]\r\nLineColor=1,2,3,4,5,6,7,8,9,10,11,12\r\nLineWidth=3,3,3,3,3,3,3,3,3,3,3,3\r\n"
                "AreaColor=30\r\nRandWidth=4\r\n");
  ReadSettings(false);  // as at start-up
  TFOpt dlg(nullptr);
  EXPECT_EQ(dlg.colourSlot(2), 2);
  dlg.resetColoursButton()->click();
  EXPECT_EQ(dlg.colourSlot(0), 30);
  EXPECT_EQ(dlg.colourSlot(2), 19);
  EXPECT_EQ(dlg.widthSlot(1), 3);
  dlg.resetWidthsButton()->click();
  EXPECT_EQ(dlg.widthSlot(0), 4);
  EXPECT_EQ(dlg.widthSlot(1), 3);
  dlg.defaultButton()->click();  // the file again, the lists from their defaults
  EXPECT_EQ(dlg.colourSlot(1), 5);
  EXPECT_EQ(dlg.widthSlot(1), 2);
  EXPECT_EQ(dlg.colourSlot(0), 30);
}

TEST_F(OptionsTest, FontLabelsTakeTheChosenFontAndColour) {
  ReadSettings(false);  // as at start-up
  TFOpt dlg(nullptr);
  const QColor red(255, 0, 0);
  TFOpt::setFontChooser([&](QWidget*, QFont& font, QColor& colour) {
    font.setItalic(true);
    font.setUnderline(true);
    colour = red;
    return true;
  });
  dlg.show();
  QTest::mouseClick(dlg.fontLabel(2), Qt::LeftButton);
  EXPECT_TRUE(fonts().FixedFont.font.italic());
  EXPECT_TRUE(fonts().FixedFont.font.underline());
  EXPECT_EQ(fonts().FixedFont.color, red);
  EXPECT_EQ(dlg.fontLabel(2)->font(), fonts().FixedFont.font);
  TFOpt::setFontChooser(nullptr);
  ApplyFonts();
}

TEST_F(OptionsTest, SaveStoresOnlyWhenTheWriterSucceeds) {
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  {
    rec.exitCode = 1;
    ReadSettings(false);  // as at start-up
  TFOpt dlg(nullptr);
    dlg.show();
    QTest::mouseClick(dlg.colourPanel(1), Qt::LeftButton);
    QTest::mouseClick(dlg.paletteSquare(40), Qt::LeftButton);
    dlg.saveButton()->click();
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(infos_.empty());
    EXPECT_TRUE(dlg.isVisible());  // stays open
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(shellState().SettingsLineColor, QString::fromLatin1(DefaultLineColor));
    EXPECT_EQ(shellState().GraphColorList.section(u',', 0, 0), QStringLiteral("40"));
  }
  {
    rec.exitCode = 0;
    rec.calls.clear();
    errors_.clear();
    TFOpt dlg(nullptr);
    dlg.show();
    QTest::mouseClick(dlg.colourPanel(1), Qt::LeftButton);
    QTest::mouseClick(dlg.paletteSquare(40), Qt::LeftButton);
    dlg.saveButton()->click();
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(infos_, std::vector<QString>{GetText(IOpt, 22)});
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(questions_.empty());  // no language file chosen: no restart
    EXPECT_TRUE(shellState().SettingsLineColor.startsWith(QStringLiteral("40,")));
    ASSERT_EQ(rec.calls.size(), 1u);
    EXPECT_EQ(rec.calls[0].args[12], shellState().SettingsLineColor);
  }
}

TEST_F(OptionsTest, LanguageFileSlots) {
  {
    QFile f(joinPath(dir_.path(), QStringLiteral("my lang.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[IOpt]\n0=Einstellungen X\n");
  }
  ReadSettings(false);  // as at start-up
  TFOpt dlg(nullptr);
  ShellState& s = shellState();
  fileAnswer_.clear();  // cancelled: the slot stays
  dlg.languageFileButton(3)->click();
  EXPECT_EQ(s.LanguageNames[3], QStringLiteral("italiano"));
  EXPECT_FALSE(dlg.languageFileChanged());
  EXPECT_EQ(dialogFolders_, std::vector<QString>{s.AppFolder});

  fileAnswer_ = joinPath(dir_.path(), QStringLiteral("my lang.txt"));
  dlg.languageFileButton(3)->click();
  EXPECT_EQ(s.LanguageNames[3], QStringLiteral("my lang"));
  EXPECT_EQ(dlg.languageItem(3)->text(), QStringLiteral("my lang"));
  EXPECT_TRUE(dlg.languageFileChanged());
  dlg.languageItem(3)->click();
  EXPECT_EQ(GetText(IOpt, 0), QStringLiteral("Einstellungen X"));
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Einstellungen X"));

  // Save with the writer succeeding asks for the restart; No keeps running.
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  dlg.saveButton()->click();
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].args[1], QStringLiteral("3"));
  EXPECT_EQ(rec.calls[0].args[2], QStringLiteral("my lang"));
  EXPECT_EQ(questions_, std::vector<QString>{GetText(IQuit, 4)});
  EXPECT_EQ(ended_, 0);
  EXPECT_FALSE(dlg.restarting());
  // Yes: the program starts again and this run ends.
  answerYes_ = true;
  dlg.saveButton()->click();
  EXPECT_EQ(ended_, 1);
  EXPECT_TRUE(dlg.restarting());
  ASSERT_EQ(rec.calls.size(), 3u);
  EXPECT_EQ(rec.calls[2].kind, DesktopCall::StartDetached);
}

TEST_F(OptionsTest, OkThroughTheMainWindowShowsTheBox) {
  TFMenu menu;
  menu.setQuitQuestion([] { return true; });
  InstallCommandHandlers(menu);
  bool clicked = false;
  QTimer::singleShot(0, [&] {
    if (auto* dlg = qobject_cast<TFOpt*>(QApplication::activeModalWidget())) {
      clicked = true;
      dlg->okButton()->click();
    }
  });
  emit menu.commandRequested(MainCommand::Options);
  EXPECT_TRUE(clicked);
  EXPECT_EQ(infos_, std::vector<QString>{QStringLiteral("OK!")});
  // Cancel: no box.
  QTimer::singleShot(0, [] {
    if (auto* dlg = qobject_cast<TFOpt*>(QApplication::activeModalWidget())) dlg->cancelButton()->click();
  });
  emit menu.commandRequested(MainCommand::Options);
  EXPECT_EQ(infos_.size(), 1u);
}

TEST_F(OptionsTest, RestartClosesTopicWindowsButSkipsTheClosingSteps) {
  QFile demo(joinPath(dir_.path(), QStringLiteral("DEMO.DAT")));
  ASSERT_TRUE(demo.open(QIODevice::WriteOnly));
  demo.write("[ggt]\r\na=1\r\n");
  demo.close();
  TFMenu menu;
  bool asked = false;
  menu.setQuitQuestion([&] { return asked = true; });
  ASSERT_NE(menu.openTopic("MggT"), nullptr);
  ASSERT_EQ(menu.topicWindows().size(), 1u);
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  EXPECT_TRUE(RestartProgram(&menu));
  EXPECT_TRUE(menu.topicWindows().empty());
  EXPECT_EQ(ended_, 1);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].kind, DesktopCall::StartDetached);
  EXPECT_EQ(rec.calls[0].target, QCoreApplication::applicationFilePath());
  EXPECT_FALSE(asked);
  EXPECT_FALSE(IniFile(demo.fileName()).hasSection(QStringLiteral("acc")));

  // When the program cannot be started, the running one goes on.
  rec.result = false;
  EXPECT_FALSE(RestartProgram(&menu));
  EXPECT_EQ(ended_, 1);
}

// Every text of the table read back from the export, as a language file.
void expectExportReadsBack(int kind, const std::function<QString(TTextIndex, int)>& raw) {
  shellState().LanguageKind = kind;
  const QString text = ExportLanguageText();
  QTemporaryDir dir;
  const QString path = joinPath(dir.path(), QStringLiteral("export.txt"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text.toUtf8());
  f.close();
  ASSERT_TRUE(setLanguageFile(6, path));
  int compared = 0;
  for (int p = 1; p < TextPageCount; ++p) {
    const auto page = static_cast<TTextIndex>(p);
    for (int item = -30; item <= 500; ++item) {
      const QString want = raw(page, item).trimmed();
      const QString* got = languageFileValue(6, page, item);
      if (want.isEmpty() || TextPageName(page).isEmpty()) {
        EXPECT_EQ(got, nullptr) << p << " " << item;
      } else {
        ASSERT_NE(got, nullptr) << p << " " << item;
        EXPECT_EQ(*got, want) << p << " " << item;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 100);
}

TEST_F(OptionsTest, ExportReadsBackAsALanguageFile) {
  const QString german = ExportLanguageText();
  EXPECT_TRUE(german.startsWith(QStringLiteral("\r\n[ITool]\r\n")));
  expectExportReadsBack(0, [](TTextIndex p, int i) { return GermanText(p, i); });
  expectExportReadsBack(2, [](TTextIndex p, int i) { return FrenchText(p, i); });
  // English (item 0 of IMeldung is empty there and stays out).
  shellState().LanguageKind = 1;
  EXPECT_FALSE(ExportLanguageText().contains(QStringLiteral("[IMeldung]\r\n0=")));

  // An external language exports its own texts only, not the English ones.
  const QString file = joinPath(dir_.path(), QStringLiteral("greek.txt"));
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[IOpt]\n0=  Epiloges  \n1=xxx\n[IMeldung]\n22=Lathos\n");
  f.close();
  ASSERT_TRUE(setLanguageFile(5, file));
  shellState().LanguageKind = 5;
  const QString greek = ExportLanguageText();
  EXPECT_TRUE(greek.contains(QStringLiteral("[IOpt]\r\n0=Epiloges\r\n1=xxx\r\n")));
  EXPECT_TRUE(greek.contains(QStringLiteral("[IMeldung]\r\n22=Lathos\r\n")));
  EXPECT_FALSE(greek.contains(QStringLiteral("Optionen")));
  EXPECT_FALSE(greek.contains(QStringLiteral("Options")));

  // The Export button puts it on the clipboard.
  shellState().LanguageKind = 0;
  TFOpt dlg(nullptr);
  shellState().LanguageKind = 0;
  dlg.exportButton()->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), german);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// A long data folder is cut in the middle so that both ends stay readable;
// the tool tip holds all of it.
TEST_F(OptionsTest, LongDataFolderIsElidedInTheMiddle) {
  applyZoom(120);
  const QString folder = QStringLiteral("/home/someone/.local/share/a-rather-long-folder-name/another-level/"
                                        "Zahlwerk 10.0/");
  shellState().DataFolder = folder;
  TFOpt dlg(nullptr);
  dlg.show();
  QCoreApplication::processEvents();
  QLabel* label = dlg.dataFolderLabel();
  const QString text = label->text();
  EXPECT_EQ(label->toolTip(), folder);
  EXPECT_TRUE(text.startsWith(GetTextColon(IOpt, 19) + QStringLiteral("/home"))) << text.toStdString();
  EXPECT_TRUE(text.endsWith(QStringLiteral("Zahlwerk 10.0/"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QChar(0x2026))) << text.toStdString();
  EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(text), label->contentsRect().width());
  applyZoom(100);
}

}  // namespace
}  // namespace zw
