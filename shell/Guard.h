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
//  - any other exception shows its text in an error box;
//  - the window stays usable; a file that was being written is left as it
//    was (IniFile writes through a temporary file; printing removes its
//    unfinished output).
// Messages the kernel raised while the work ran are shown afterwards, in
// order, each once, by the outermost guarded work (a layout that a
// computation sets off shows none): no box opens inside a computation.
//
// While a failure box of the guard is open, failures of further guarded
// work (a layout that fails again at every resize) are not shown once more.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

namespace zw {

// What a CalcFailure does at an entry; the message number is its argument.
using CalcFailureReaction = std::function<void(int message)>;

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
