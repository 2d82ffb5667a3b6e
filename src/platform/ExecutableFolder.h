#pragma once
// The folder of the running executable, in host bytes, with its trailing "/". setting.ini and the
// log folders live there, whatever the current directory is.
#include <optional>
#include <string>

namespace swh {

std::string ExecutableFolder();
// The executable's own file name (host bytes), for the default application title.
std::string ExecutableFileName();

// Tests point the executable folder at a folder of their own; nullopt restores the real one.
void SetExecutableFolderForTesting(std::optional<std::string> folder);

} // namespace swh
