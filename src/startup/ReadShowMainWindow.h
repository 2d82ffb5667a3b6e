#pragma once
// The start-up's own reading of ShowMainWindow, before any window exists. Unlike the settings
// reader it takes the first line holding the key and compares the whole rest of that line with
// "0"; only that exact text hides the main window.
#include <string>

namespace swh {

class LineReader;

bool ReadShowMainWindow(const std::string& settingsHostPath);
bool ReadShowMainWindow(LineReader& reader);

} // namespace swh
