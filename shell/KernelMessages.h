#pragma once
// The maths kernel has no windows: where one of its routines has something to
// tell the user (a polynomial product that does not fit, for example), it
// reports a message number through a sink. The shell installs the sink that
// shows the message in a plain box.

namespace zw {

// Installs the sinks for the whole run (called once at start-up).
void InstallKernelMessageSinks();

}  // namespace zw
