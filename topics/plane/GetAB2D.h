#pragma once
// "Gerade eingeben": a small modal dialog that asks for two points A and B of
// the plane in a grid, with cut, copy, paste, CSV export and import. The
// caller creates it, shows it modally, reads p1 and p2 after OK, and frees it.
#include <QDialog>
#include <functional>

#include "kernel/Types.h"

class QLabel;
class QPushButton;

namespace zw {

class GridMenu;
class StringGrid;

class TFGetAB2D : public QDialog {
  Q_OBJECT
public:
  explicit TFGetAB2D(QWidget* owner = nullptr);

  StringGrid* grid() const { return Punkte; }
  QPushButton* okButton() const { return OKBtn; }
  QPushButton* escButton() const { return ESCBtn; }
  GridMenu* gridMenu() const { return gridMenu_; }

  // Reads the four cells; on success p1, p2 are set and the dialog accepts.
  // Otherwise message 22 and the first bad cell takes the focus.
  void okClicked();

  TVec2 p1, p2;

protected:
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;

private:
  void layout();
  QLabel* Label1;
  StringGrid* Punkte;
  QPushButton *OKBtn, *ESCBtn;
  GridMenu* gridMenu_;
  bool inLayout_ = false;
};

// Opens the dialog; on OK the line through the two points. False when
// cancelled; A = B gives a = b = 0 (the caller reports it).
// `run` shows it modally (null: exec); tests answer through it.
struct LineABC;
bool AskLineByTwoPoints(QWidget* owner, LineABC& line, const std::function<int(TFGetAB2D*)>& run = {});

}  // namespace zw
