#pragma once
// TFOpt, the options dialog ("Datei" > "Optionen"): shows the settings, lets
// the user change them for the running program (most controls act at once),
// picks the four external language files, exports the current text table
// and saves the settings through the separate settings writer.
//
// Opening the dialog changes nothing of the running program: it shows the
// values the program runs with (a zoom the work area limited included), and
// only its controls change them.
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zw {

class TFMenu;

// A label that reports clicks (font labels, colour panels, palette squares,
// the data-folder label).
class ClickLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;
signals:
  void clicked();

protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
};

class TFOpt : public QDialog {
  Q_OBJECT
public:
  // `menu` is the main window whose language and layout the controls change;
  // null leaves those to the shell state alone (tests).
  explicit TFOpt(TFMenu* menu, QWidget* parent = nullptr);

  void relayout();

  // Whether a language file was chosen since the dialog opened.
  bool languageFileChanged() const { return sprChanged_; }
  // Whether Save asked for a restart and the program is ending.
  bool restarting() const { return restarting_; }
  int colourSlot(int k) const { return col_[size_t(k)]; }
  int widthSlot(int k) const { return wid_[size_t(k)]; }

  // Controls, for tests.
  QRadioButton* languageItem(int i) const { return lang_[size_t(i)]; }
  QPushButton* languageFileButton(int slot) const { return slotBtn_[size_t(slot - 3)]; }
  QCheckBox* mdiCheck() const { return checkMdi_; }
  QCheckBox* maxCheck() const { return checkMax_; }
  QRadioButton* zoomItem(int i) const { return size_[size_t(i)]; }
  QRadioButton* printSizeItem(int i) const { return print_[size_t(i)]; }
  QCheckBox* colourCheck() const { return checkFarbe_; }
  ClickLabel* fontLabel(int i) const { return fontLbl_[size_t(i)]; }
  QRadioButton* gridItem(int i) const { return grid_[size_t(i)]; }
  ClickLabel* colourPanel(int slot) const { return panCol_[size_t(slot)]; }
  QLineEdit* widthEdit(int slot) const { return edWid_[size_t(slot)]; }
  QPushButton* resetColoursButton() const { return btnResetC_; }
  QPushButton* resetWidthsButton() const { return btnResetW_; }
  QGroupBox* paletteTable() const { return gbFarbtabelle_; }
  ClickLabel* paletteSquare(int k) const { return square_[size_t(k - 1)]; }
  QGroupBox* folderGroup() const { return optDir_; }
  ClickLabel* dataFolderLabel() const { return lblDatenverz_; }
  QCheckBox* memoryCheck() const { return cbMemory_; }
  QPushButton* defaultButton() const { return btnDefault_; }
  QPushButton* exportButton() const { return btnExport_; }
  QPushButton* saveButton() const { return btnSave_; }
  QPushButton* okButton() const { return btnOk_; }
  QPushButton* cancelButton() const { return btnEsc_; }
  QPushButton* helpButton() const { return btnHelp_; }

  // The font dialog with colour (tests replace it): edits font and colour,
  // returns whether the user confirmed.
  using FontChooser = std::function<bool(QWidget*, QFont&, QColor&)>;
  static void setFontChooser(FontChooser chooser);

protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

private:
  void build();
  void loadColoursAndWidths();
  void refreshStates();
  void refreshColours();
  void refreshTexts();
  void elideDataFolder();
  void applyGraphValues();
  void setDialogSize();
  int secondColumnWidth() const;
  int thirdColumnLeft() const;
  void applyLayout();
  void onLanguage(int item);
  void onLanguageFile(int slot);
  void onZoom(int item);
  void onFont(int i);
  void onColourSlot(int slot);
  void onPaletteSquare(int k);
  void onDefault();
  void onExport();
  void onSave();
  void onOk();

  TFMenu* menu_;
  bool sprChanged_ = false;
  bool restarting_ = false;
  int selectedSlot_ = 0;
  std::array<int, 13> col_{};
  std::array<int, 13> wid_{};

  QWidget* inputBox_ = nullptr;
  QWidget* legendBox_ = nullptr;
  QGroupBox* optSpr_ = nullptr;
  std::array<QRadioButton*, 7> lang_{};
  std::array<QPushButton*, 4> slotBtn_{};
  QGroupBox* optLay_ = nullptr;
  QCheckBox* checkMdi_ = nullptr;
  QCheckBox* checkMax_ = nullptr;
  QGroupBox* optSize_ = nullptr;
  std::array<QRadioButton*, 8> size_{};
  QGroupBox* rgPrintSize_ = nullptr;
  std::array<QRadioButton*, 6> print_{};
  QCheckBox* checkFarbe_ = nullptr;
  QGroupBox* optFont_ = nullptr;
  std::array<ClickLabel*, 4> fontLbl_{};
  QGroupBox* rgLineStyle_ = nullptr;
  std::array<QRadioButton*, 4> grid_{};
  QGroupBox* gbGrafColor_ = nullptr;
  QGroupBox* gbGrafWidth_ = nullptr;
  QGroupBox* gbFlaeche_ = nullptr;
  QLabel* lblAreaColour_ = nullptr;
  QLabel* lblAreaWidth_ = nullptr;
  std::array<ClickLabel*, 13> panCol_{};
  std::array<QLineEdit*, 13> edWid_{};
  QPushButton* btnResetC_ = nullptr;
  QPushButton* btnResetW_ = nullptr;
  QGroupBox* gbFarbtabelle_ = nullptr;
  std::array<ClickLabel*, 48> square_{};
  QPushButton* btnClose_ = nullptr;
  QGroupBox* optDir_ = nullptr;
  QLabel* lblInstallation_ = nullptr;
  QLabel* lblAccessverz_ = nullptr;
  ClickLabel* lblDatenverz_ = nullptr;
  QCheckBox* cbMemory_ = nullptr;
  QPushButton* btnDefault_ = nullptr;
  QPushButton* btnExport_ = nullptr;
  QPushButton* btnSave_ = nullptr;
  QPushButton* btnOk_ = nullptr;
  QPushButton* btnEsc_ = nullptr;
  QPushButton* btnHelp_ = nullptr;
};

// "Optionen": the dialog, modal; after it closed with OK (or a successful
// Save) the box "OK!". Nothing follows when Save started a restart.
void RunOptionsDialog(TFMenu* menu);

// The restart after a language change: the topic windows close normally
// (each saves its inputs), the program starts itself again and the running
// one ends without the closing question and without writing the date into
// "DEMO.DAT". False (nothing started) when a topic window stays open or the
// program could not be started.
bool RestartProgram(TFMenu* menu);
// How the running program ends for a restart: leaving the event loops with
// exit code 0; tests install their own, nullptr restores it.
void setRestartEnder(std::function<void()> ender);

}  // namespace zw
