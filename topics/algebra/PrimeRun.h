#pragma once
// What the runs of the three prime topics share: the memo they write to.
#include <QString>
#include <QStringList>

#include "topics/algebra/AlgebraKit.h"

namespace zw {

// Where a run writes its lines (the memo in the window, a list in tests).
class PrimeMemoOutput {
public:
  virtual ~PrimeMemoOutput() = default;
  virtual void clear() = 0;
  virtual void appendLines(const QStringList& lines) = 0;
  // The whole memo replaced.
  virtual void setLines(const QStringList& lines) = 0;
};

// The library's default float-to-text form of a whole number.
QString DefaultNumberText(long long n);

}  // namespace zw
