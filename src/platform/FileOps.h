#pragma once
// Small file operations on host paths: the log files' appending and their folders.
#include <string>
#include <string_view>

namespace swh {

// Appends `bytes` at the file's current end, creating the file when missing. One open, one
// write, one close: every line reaches the file at once and other programs may read it any time.
bool AppendToFile(const std::string& hostPath, std::string_view bytes);

// Creates one folder level; false when it could not be created (it may exist already).
bool CreateFolder(const std::string& hostPath);

// True for anything but a folder at the path (a folder does not count as a file).
bool FileExists(const std::string& hostPath);
bool FolderExists(const std::string& hostPath);

} // namespace swh
