#pragma once
// Opening a folder, file or web page with the desktop's own program (the file browser for a
// folder). The result is not examined: a folder that does not exist yet simply opens nothing.
#include <functional>
#include <string>

namespace swh {

void OpenWithDesktop(const std::string& hostPathOrUrl);

// Tests see what would be opened instead of starting a program.
void SetDesktopOpenerForTesting(std::function<void(const std::string&)> opener);

} // namespace swh
