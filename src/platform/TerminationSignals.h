#pragma once
// SIGTERM and SIGINT (a logout, a service stop, Ctrl+C) are turned into a call on the GUI thread,
// so that the program ends through its ordinary close path instead of dying mid-write.
#include <functional>

namespace swh {

// Installs the handlers; `onSignal` runs on the GUI thread once the event loop sees the signal.
void CatchTerminationSignals(std::function<void()> onSignal);

} // namespace swh
