#pragma once
// The maths kernel has no windows: where one of its routines has something to
// tell the user (a polynomial product that does not fit, for example), it
// reports a message number. Those numbers are collected while the kernel
// works and shown only once the work is over (the guard of every event-loop
// entry and the topic frame after compute() do so), each in a plain box, in
// the order they were raised. No box opens inside a computation.
#include <vector>

class QWidget;

namespace zw {

// Installs the GUI thread's collector for the whole run (called once at start-up).
void InstallKernelMessageSinks();

// The messages raised since the last call, in order; each is returned once.
// This is the one place that reads the kernel's collection.
std::vector<int> TakeKernelMessages();

// Shows the pending messages (TakeKernelMessages) in plain boxes owned by
// `parent`.
void ShowPendingKernelMessages(QWidget* parent);

}  // namespace zw
