#pragma once
// Replaces a whole file so that a crash or a full disk leaves either the old file or the new one,
// never a mix: temporary file in the same folder, every write checked, fsync, rename, fsync of the
// folder. A symbolic link at the path is kept and the file it points to is replaced.
#include <string>
#include <string_view>

namespace swh {

// True when `bytes` are now the file's whole content; on false the old file is untouched.
bool WriteFileAtomically(const std::string& hostPath, std::string_view bytes);

} // namespace swh
