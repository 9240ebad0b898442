#pragma once
// A small modal dialog that asks for a few points in a grid: a prompt, the
// grid (column heads x, y (, z), row heads A, B, ...), OK and Cancel, and the
// grid's pop-up menu with cut, copy, paste, CSV export and import (an
// imported file is cut back to the grid's shape). The dialogs that ask for a
// line through two points or a plane through three derive from it; the
// caller creates one, shows it modally, reads the points after OK and frees
// it. Nothing is kept between uses.
#include <QDialog>
#include <vector>

#include "kernel/Types.h"
#include "shell/texts/Texts.h"

class QLabel;
class QPushButton;

namespace zw {

class GridMenu;
class StringGrid;

struct PointGridDialogOptions {
  TTextIndex page = IGetAB;  // caption (item 0) and prompt (item 1)
  int coordinates = 2;       // x, y (, z)
  int points = 2;            // A, B (, C, ...)
  // Esc cancels the dialog; without it only the Cancel button does (Esc
  // then leaves an open cell editor and nothing else).
  bool escapeCancels = true;
  // Stays above other windows, without the title bar's buttons.
  bool toolDialog = false;
};

class PointGridDialog : public QDialog {
  Q_OBJECT
public:
  PointGridDialog(QWidget* owner, PointGridDialogOptions options);

  StringGrid* grid() const { return Punkte; }
  QLabel* prompt() const { return Label1; }
  QPushButton* okButton() const { return OKBtn; }
  QPushButton* escButton() const { return ESCBtn; }
  GridMenu* gridMenu() const { return gridMenu_; }

  // Reads every cell with ReadValue, kind 'f' (an empty cell is 0). All
  // valid: pointsRead(), then the dialog accepts. Otherwise one box with
  // message 22, and the first bad cell in reading order is edited; the
  // dialog stays open.
  void okClicked();
  // Coordinate `coordinate` (1 = x) of point `point` (1 = A) as last read.
  Extended value(int coordinate, int point) const;

protected:
  // After a reading in which every cell passed, before the dialog accepts.
  virtual void pointsRead() {}
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

private:
  void layout();
  PointGridDialogOptions options_;
  QLabel* Label1;
  StringGrid* Punkte;
  QPushButton *OKBtn, *ESCBtn;
  GridMenu* gridMenu_;
  std::vector<Extended> values_;  // point by point, x, y (, z)
  bool inLayout_ = false;
};

}  // namespace zw
