#pragma once
// The application's standard error display. Handlers run through RunHandler: an error that
// escapes them is caught here, once, shown in a message box with its message, and the handler
// ends there; nothing escapes into the event loop.
#include <functional>

namespace swh {

// Runs `handler`; true when it ran to its end, false when an error was shown instead.
bool RunHandler(const std::function<void()>& handler);

} // namespace swh
