#include "topics/frame/LongRun.h"

#include <exception>

#include <QGuiApplication>
#include <QWidget>

#include "kernel/CalcFailure.h"
#include "shell/Guard.h"

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

LongRun::LongRun(QObject* parent, int sliceMs) : QObject(parent), sliceMs_(sliceMs) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &LongRun::runSlice);
}

LongRun::~LongRun() {
  // Destroyed with its window: the controls the stepper writes to may be gone
  // already, so the run is dropped without finish(). Closing the window stops
  // a run properly before that.
  timer_.stop();
}

bool LongRun::start(std::unique_ptr<Stepper> stepper) {
  if (running() || !stepper) return false;
  stepper_ = std::move(stepper);
  hourglass_ = std::make_unique<WaitCursor>();
  slices_ = 0;
  timer_.start(0);
  return true;
}

void LongRun::stop() {
  if (running()) end(Stepper::End::Stopped, 0);
}

void LongRun::runSlice() {
  if (!stepper_) return;
  ++slices_;
  QElapsedTimer clock;
  clock.start();
  // A timer is an entry from the event loop: the slice runs through the guard.
  // The reaction may outlive this slice's run; it is copied for the guard.
  const CalcFailureReaction onFailure = onFailure_;
  RunGuarded(qobject_cast<QWidget*>(parent()), [this, &clock] {
    try {
      do {
        if (!stepper_->step()) return end(Stepper::End::Finished, 0);
      } while (clock.elapsed() < sliceMs_);
    } catch (const CalcFailure& f) {
      // The run is over; the guard shows the failure through the reaction.
      end(Stepper::End::Failed, f.message());
      throw;
    } catch (...) {
      end(Stepper::End::Failed, 0);
      throw;
    }
    timer_.start(0);
  }, onFailure);
}

void LongRun::end(Stepper::End how, int message) {
  timer_.stop();
  // The run is over before the stepper writes its end, so a new start from
  // inside finish() or from a handler of ended() is accepted.
  std::unique_ptr<Stepper> done = std::move(stepper_);
  hourglass_.reset();
  // finish() only writes output; what it throws is shown, the run is over all the same.
  RunGuarded(qobject_cast<QWidget*>(parent()), [&] { done->finish(how, message); });
  emit ended(how, message);
}

}  // namespace zw
