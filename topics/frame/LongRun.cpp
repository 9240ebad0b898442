#include "topics/frame/LongRun.h"

#include <exception>

#include "kernel/CalcFailure.h"

namespace zw {

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
  try {
    do {
      if (!stepper_->step()) return end(Stepper::End::Finished, 0);
    } while (clock.elapsed() < sliceMs_);
  } catch (const CalcFailure& f) {
    return end(Stepper::End::Failed, f.message());
  } catch (const std::exception&) {
    return end(Stepper::End::Failed, msg::ImproperArgument);
  }
  timer_.start(0);
}

void LongRun::end(Stepper::End how, int message) {
  timer_.stop();
  // The run is over before the stepper writes its end, so a new start from
  // inside finish() or from a handler of ended() is accepted.
  std::unique_ptr<Stepper> done = std::move(stepper_);
  try {
    done->finish(how, message);
  } catch (...) {
    // finish() only writes output; a failure there must not leave the event loop.
  }
  emit ended(how, message);
}

}  // namespace zw
