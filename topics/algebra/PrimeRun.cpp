#include "topics/algebra/PrimeRun.h"

#include <QCursor>
#include <QGuiApplication>

#include "kernel/Format.h"

namespace zw {

WaitCursor::WaitCursor() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    set_ = true;
  }
}

WaitCursor::~WaitCursor() {
  if (set_ && QCoreApplication::instance()) QGuiApplication::restoreOverrideCursor();
}

QString DefaultNumberText(long long n) {
  return QString::fromStdU16String(FormatReal(15, static_cast<Extended>(n)));
}

}  // namespace zw
