#pragma once

namespace swh {

// Everything between the creation of the application object and the end of the process: the
// single-instance guard, the choice of the first window, the event loop. Returns the exit code,
// which is 0 on every path.
int RunStartup();

// Without any display the program still runs, on Qt's offscreen platform. Call before the
// application object exists.
void UseOffscreenWithoutDisplay();

} // namespace swh
