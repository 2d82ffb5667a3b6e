#pragma once
// Crossing between the system's CP932 paths and the host file system's bytes (UTF-8).
#include <string>
#include <string_view>

namespace swh {

std::string HostPathFromCp932(std::string_view cp932Path);
std::string Cp932FromHostName(std::string_view hostName);

// True when something exists at the host path (a dangling link counts as existing).
bool PathExists(const std::string& hostPath);

} // namespace swh
