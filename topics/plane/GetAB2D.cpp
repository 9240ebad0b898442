#include "topics/plane/GetAB2D.h"

#include <QPointer>

#include "topics/plane/PlaneKit.h"

namespace zw {

TFGetAB2D::TFGetAB2D(QWidget* owner) : PointGridDialog(owner, PointGridDialogOptions{IGetAB, 2, 2}) {
  setObjectName(QStringLiteral("FGetAB2D"));
}

void TFGetAB2D::pointsRead() {
  p1 = {value(1, 1), value(2, 1)};
  p2 = {value(1, 2), value(2, 2)};
}

bool AskLineByTwoPoints(QWidget* owner, LineABC& line, const std::function<int(TFGetAB2D*)>& run) {
  QPointer<QWidget> alive(owner);
  auto* dlg = new TFGetAB2D(owner);
  const bool ok = (run ? run(dlg) : dlg->exec()) == QDialog::Accepted;
  const TVec2 a = dlg->p1, b = dlg->p2;
  delete dlg;
  if (!ok || !alive) return false;
  line = LineThroughPoints(a, b);
  return true;
}

}  // namespace zw
