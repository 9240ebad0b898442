#pragma once
// The frame of the three key-pad calculators. They have no pages, no
// worksheet and no memory file: of the main window's commands they handle
// Help only. The window has a fixed size, a key pad of buttons that carry
// their key codes and never take the focus (Space and Enter then never press
// a key by accident), and the keyboard as a second key pad: the window's key
// preview turns typed characters into the same key codes.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "shell/TopicWindowBase.h"
#include "topics/algebra/CalcEngine.h"

namespace zw {

class CalcWindow : public TopicWindowBase {
  Q_OBJECT
public:
  CalcWindow(QWidget* owner, std::string_view className);

  void relayout() override;
  void cmdHelp() override;

  // The key-pad button with this code (null when there is none).
  QPushButton* keyButton(int code) const;
  QPushButton* okButton() const { return ok_; }
  QPushButton* escButton() const { return esc_; }
  QPushButton* helpButton() const { return help_; }

  // One key from a button, the keyboard or a test; through the guard.
  void pressKey(int code);

protected:
  // The model's key handling, then the displays from the model.
  virtual void handleKey(int code) = 0;
  // Places displays and keys inside inputBox() (the key pad with placeKeys).
  virtual void layoutCalc() = 0;
  // Whether Tab switches the entry column (on the key's release).
  virtual bool tabSwitchesColumn() const { return false; }
  // The text page of the error and overflow texts.
  QString errorText() const { return GetText(textPage(), 2); }
  QString overflowText() const { return GetText(textPage(), 3); }

  // The model's key handling with the texts of the current language, then
  // the displays from the model.
  template <class Calc>
  void runKey(Calc& calc, int code) {
    calc.errorText = errorText().toStdU16String();
    calc.overflowText = overflowText().toStdU16String();
    calc.pressKey(code);
    refresh();
  }
  virtual void refresh() = 0;

  QGroupBox* inputBox() const { return box_; }
  QPushButton* addKey(const QString& caption, int code, bool bold = false);
  // The keys every calculator has: ±, CE, AC, the four operations and =.
  void addOperatorKeys();
  // The selected entry field on yellow with a red font, the other on grey.
  static void markSelected(QLabel* label, bool selected);
  // A key-pad row: groups of keys of one size with a gap between groups;
  // a code 0 leaves a key's place empty; `widths` counts keys (2 = double).
  struct KeySpec {
    int code;
    int widthInKeys = 1;
  };
  void placeKeyRow(int left, int top, int keySize, int groupGap, const std::vector<std::vector<KeySpec>>& groups);
  static void styleDisplay(QLabel* label);

  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  bool previewKey(QKeyEvent* event);

  QGroupBox* box_;
  QGroupBox* legend_;
  QPushButton* ok_;
  QPushButton* esc_;
  QPushButton* help_;
  std::vector<QPushButton*> keys_;
  bool placed_ = false;
};

// The calculators' text pages in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterCalculatorTexts();

}  // namespace zw
