#pragma once
// What the runs of the three prime topics share: the memo they write to and
// the hourglass they show while they sieve.
#include <QString>
#include <QStringList>

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

// The hourglass as an override cursor for the life of the object, so that
// every way a run ends (finished, stopped, failed, dropped with its window)
// releases it. Nothing happens without a GUI application.
class WaitCursor {
public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

private:
  bool set_ = false;
};

// The library's default float-to-text form of a whole number.
QString DefaultNumberText(long long n);

}  // namespace zw
