#pragma once
// "Gerade eingeben": a small modal dialog that asks for two points A and B of
// the plane in a grid, with cut, copy, paste, CSV export and import. The
// caller creates it, shows it modally, reads p1 and p2 after OK, and frees it.
#include <functional>

#include "kernel/Types.h"
#include "shell/gridexchange/PointGridDialog.h"

namespace zw {

class TFGetAB2D : public PointGridDialog {
  Q_OBJECT
public:
  explicit TFGetAB2D(QWidget* owner = nullptr);

  TVec2 p1, p2;

protected:
  void pointsRead() override;
};

// Opens the dialog; on OK the line through the two points. False when
// cancelled; A = B gives a = b = 0 (the caller reports it).
// `run` shows it modally (null: exec); tests answer through it.
struct LineABC;
bool AskLineByTwoPoints(QWidget* owner, LineABC& line, const std::function<int(TFGetAB2D*)>& run = {});

}  // namespace zw
