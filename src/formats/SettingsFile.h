#pragma once
// setting.ini: twelve CP932 lines with CR LF, written whole and read key by key.
#include "formats/SettingData.h"

#include <string>

namespace swh {

class LineReader;

// The exact bytes of the file for `data`.
std::string SettingsText(const ClassSettingData& data);

// Replaces the file atomically; false when it could not be written (the old file then stands).
bool WriteSettings(const std::string& hostPath, const ClassSettingData& data);

// Fills `data` from the file. A missing or unreadable file leaves `data` as it was. Each line sets
// every field whose key name it contains, so the last line with a key wins.
void ReadSettings(const std::string& hostPath, ClassSettingData& data);
void ReadSettings(LineReader& reader, ClassSettingData& data);

} // namespace swh

namespace swh {

// setting.ini in the executable's folder (host bytes).
std::string SettingsFilePath();

} // namespace swh
