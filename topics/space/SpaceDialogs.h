#pragma once
// The three small modal dialogs with which the analytic-geometry windows let
// the user give a line or a plane otherwise than by its coefficients: a line
// through the points A and B ("Gerade eingeben"), a plane through A, B and C,
// or a plane by its vector equation x = p + r·u + s·v ("Ebene eingeben").
// They keep nothing between uses and stay above the other windows; Esc
// cancels the vector equation, while the grid dialogs close only by their
// buttons (Esc leaves an open cell editor).
//
// The Ask... functions create one with its owner, show it modally, take its
// answer and free it: none when cancelled (or when the owner went away
// meanwhile). `run` shows it modally (null: exec); tests answer through it.
// DialogInputs.h turns the answers into a window's fields, and
// SpaceWindowKit.h wires both to a window's buttons.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "kernel/Types.h"
#include "shell/gridexchange/PointGridDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

// Points A and B in a grid.
class TFGetAB3D : public PointGridDialog {
  Q_OBJECT
public:
  explicit TFGetAB3D(QWidget* owner = nullptr);
  TVec3 p1, p2;

protected:
  void pointsRead() override;
};

// Points A, B and C in a grid.
class TFGetABC : public PointGridDialog {
  Q_OBJECT
public:
  explicit TFGetABC(QWidget* owner = nullptr);
  TVec3 p1, p2, p3;

protected:
  void pointsRead() override;
};

// The vector equation in nine fields: p, u and v, each x, y, z in a column.
class TFGetVGl : public QDialog {
  Q_OBJECT
public:
  explicit TFGetVGl(QWidget* owner = nullptr);

  // Fields in reading order: p.x, p.y, p.z, u.x, ..., v.z.
  QLineEdit* edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }
  QPushButton* okButton() const { return OkBtn; }
  QPushButton* escButton() const { return ESCBtn; }

  // Reads the nine fields with ReadValue, kind 'e' (an empty field is 0).
  // All valid: the dialog accepts. Otherwise one box with message 22, and
  // the first bad field takes the focus; the dialog stays open.
  void okClicked();

  TVec3 p, u, v;

protected:
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;

private:
  void layout();
  QLabel* Label1;
  std::array<QLabel*, 4> captions_{};  // arrow, "E : x = ", " + r · ", " + s · "
  std::array<QLineEdit*, 9> edits_{};
  QPushButton *OkBtn, *ESCBtn;
  bool inLayout_ = false;
};

struct TwoPoints3 {
  TVec3 a, b;
};
struct ThreePoints3 {
  TVec3 a, b, c;
};
struct VectorEquation3 {
  TVec3 p, u, v;
};

std::optional<TwoPoints3> AskTwoPoints3D(QWidget* owner, const std::function<int(TFGetAB3D*)>& run = {});
std::optional<ThreePoints3> AskThreePoints3D(QWidget* owner, const std::function<int(TFGetABC*)>& run = {});
std::optional<VectorEquation3> AskPlaneVectorEquation(QWidget* owner,
                                                      const std::function<int(TFGetVGl*)>& run = {});

}  // namespace zw
