#pragma once
// The one way in from the event loop into shell or topic code.
//
// Every handler the event loop calls (menu actions, tool buttons, commands,
// window creation, layout, loading, saving, printing, timers, long-run steps,
// OK and the page change) runs its work through RunGuarded, so no exception
// ever leaves a Qt event handler and ends the program:
//  - a CalcFailure shows its numbered message, through the caller's reaction
//    when it gives one (a topic window returns to its input page), else in
//    an error box;
//  - any other exception shows a numbered message of its family
//    (FailureMessage) in the user's language; its own text, meant for the
//    developer, goes to standard error;
//  - the window stays usable; a file that was being written is left as it
//    was (IniFile writes through a temporary file; printing removes its
//    unfinished output).
// Messages the kernel raised while the work ran are shown afterwards, in
// order, each once, by the outermost guarded work (a layout that a
// computation sets off shows none): no box opens inside a computation.
//
// Failure boxes are kept per window: while a window's box is open, further
// failures of that window wait and show after it closes (the same message
// again, a layout that fails at every resize, only once); failures of other
// windows show at once. No window's failure is dropped.
#include <QPointer>
#include <QWidget>
#include <exception>
#include <functional>
#include <utility>

namespace zw {

class CalcFailure;

// What a CalcFailure does at an entry (a topic window returns to its input
// page and focuses the field at fault).
using CalcFailureReaction = std::function<void(const CalcFailure& failure)>;

// The message of page IMeldung that a failure shows, by its family:
//   CalcFailure                      its own number
//   the numeric components' and chart library's errors (EZwError)
//                                    21 "Unzulässige Daten"
//   allocation failure (std::bad_alloc)
//                                    4 "Zu viele Eingaben"
//   range errors (std::out_of_range, std::length_error, std::range_error,
//   std::overflow_error, std::underflow_error)
//                                    44 "overflow"
//   anything else                    23 "Unzulässiges Argument"
int FailureMessage(const std::exception_ptr& failure) noexcept;

// Runs `action` as described above; true when it ran to its end. Never throws.
bool RunGuarded(QWidget* parent, const std::function<void()>& action,
                const CalcFailureReaction& onCalcFailure = {}) noexcept;

// A slot for QObject::connect that runs `f` through RunGuarded with boxes
// owned by `parent` (while it lives):
//   connect(button, &QPushButton::clicked, this, Guarded(this, [this] { ... }));
template <class F>
auto Guarded(QWidget* parent, F f) {
  return [p = QPointer<QWidget>(parent), f = std::move(f)]() mutable { RunGuarded(p.data(), [&f] { f(); }); };
}

}  // namespace zw
