#pragma once
// Long computations on the GUI thread without a nested event loop.
//
// The rule for every topic: a computation whose worst accepted input (the
// longest term, the largest count its fields accept) can take more than
// about 100 ms runs as a Stepper here, in slices, keeps its window
// responsive and ends within 200 ms of ESC (topics/frame/README.md).
//
// A topic hands a Stepper to LongRun::start(). LongRun calls step() again and
// again for one slice of about 15 ms, then returns to the event loop and
// re-arms a single-shot timer for the next slice, so the window stays usable
// and repaints between slices. The stepper owns everything the run needs
// (its buffers, its position); LongRun owns the stepper for the length of the
// run and destroys it afterwards, so two runs never share state.
//
// While a run is in progress a second start() is refused. stop() (the ESC
// button, the Escape key, closing the window) ends the run before its next
// step. While a run is in progress the hourglass shows (WaitCursor). A step
// that throws ends the run as failed: finish() and ended() run
// with the message number of a CalcFailure (0 for anything else), then the
// guard reports the failure (shell/Guard.h), a CalcFailure through the
// reaction given with setFailureReaction (a topic window's input page, its
// message and the field at fault). Destroying the LongRun drops a run in
// progress without finish().
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "shell/Guard.h"

namespace zw {

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

class Stepper {
public:
  virtual ~Stepper() = default;
  // One unit of work (a number, a prime, a sieving step ...). Returns false
  // when there is nothing left to do. May throw CalcFailure.
  virtual bool step() = 0;
  // Called exactly once when the run ends: after the last step, after
  // stop(), or after a step threw (with the message number of the failure;
  // 0 otherwise). The stepper writes its closing output here.
  enum class End { Finished, Stopped, Failed };
  virtual void finish(End end, int message) = 0;
};

class LongRun : public QObject {
  Q_OBJECT
public:
  static constexpr int DefaultSliceMs = 15;

  explicit LongRun(QObject* parent = nullptr, int sliceMs = DefaultSliceMs);
  ~LongRun() override;

  // Starts driving the stepper at the next turn of the event loop. Returns
  // false (and drops the stepper) while another run is in progress.
  bool start(std::unique_ptr<Stepper> stepper);
  // Ends a run in progress; its stepper's finish(Stopped) runs at once.
  void stop();
  bool running() const { return stepper_ != nullptr; }
  // What a CalcFailure of a step does once the run has ended (default: its
  // message in an error box).
  void setFailureReaction(CalcFailureReaction reaction) { onFailure_ = std::move(reaction); }
  // Slices driven in the current or last run (tests).
  int slices() const { return slices_; }

signals:
  // After the stepper's finish().
  void ended(zw::Stepper::End end, int message);

private:
  void runSlice();
  void end(Stepper::End how, int message);

  int sliceMs_;
  int slices_ = 0;
  QTimer timer_;
  std::unique_ptr<Stepper> stepper_;
  std::unique_ptr<WaitCursor> hourglass_;  // while a run is in progress
  CalcFailureReaction onFailure_;
};

}  // namespace zw
