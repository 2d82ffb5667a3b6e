#pragma once
// The application's title: the caption of the standard error display. Kept apart from Qt's
// application display name, which the desktop would append to every window caption.
#include <string>

namespace swh {

// The executable's file name up to its first dot, every letter after the first in lower case.
std::string DefaultApplicationTitle(const std::string& executableFileName);

void SetApplicationTitle(const std::string& titleUtf8);
const std::string& ApplicationTitle();

} // namespace swh
