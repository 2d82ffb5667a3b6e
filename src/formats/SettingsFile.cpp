#include "formats/SettingsFile.h"

#include "formats/StoredHeader.h"
#include "platform/AtomicFile.h"
#include "platform/Cp932.h"
#include "platform/ExecutableFolder.h"
#include "platform/LineReader.h"

#include <cstddef>

namespace swh {
namespace {

using Flag = std::uint8_t ClassSettingData::*;

struct FlagKey {
    const char* Name;
    Flag Field;
};

// Each field follows only the lines holding its own key, so the order of testing plays no part.
constexpr FlagKey FlagKeys[] = {
    {"ShowMainWindow", &ClassSettingData::ShowMainWindow},
    {"ShowBaloon", &ClassSettingData::ShowBaloon},
    {"RegistStartup", &ClassSettingData::RegistStartup},
    {"MakeDeleteLog", &ClassSettingData::MakeDeleteLog},
    {"SepDeleteLog", &ClassSettingData::SepDeleteLog},
    {"MakeErrorLog", &ClassSettingData::MakeErrorLog},
    {"SepErrorLog", &ClassSettingData::SepErrorLog},
    {"NotDeleteSubFolder", &ClassSettingData::NotDeleteSubFolder},
};
constexpr const char* DefaultListKey = "DefaultList";

void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

void AppendFlag(std::string& text, const char* key, std::uint8_t value) {
    AppendLine(text, std::string(key) + "=" + std::to_string(value));
}

// The text after the first "=", or the whole line when it holds none.
std::string_view ValueOf(std::string_view line) {
    const std::size_t equals = FindMark(line, '=');
    return equals == std::string_view::npos ? line : line.substr(equals + 1);
}

// A flag is 0 only when the one character after the first "=" (or the line's first character
// when it has no "=") is "0".
std::uint8_t FlagValueOf(std::string_view line) {
    const std::size_t equals = FindMark(line, '=');
    const std::size_t at = equals == std::string_view::npos ? 0 : equals + 1;
    return at < line.size() && line[at] == '0' ? 0 : 1;
}

} // namespace

std::string SettingsText(const ClassSettingData& d) {
    std::string text;
    AppendLine(text, StoredHeaderLine1);
    AppendLine(text, StoredHeaderLine2);
    AppendLine(text, "");
    AppendFlag(text, "ShowMainWindow", d.ShowMainWindow);
    AppendFlag(text, "ShowBaloon", d.ShowBaloon);
    AppendFlag(text, "RegistStartup", d.RegistStartup);
    AppendFlag(text, "MakeDeleteLog", d.MakeDeleteLog);
    AppendFlag(text, "SepDeleteLog", d.SepDeleteLog);
    AppendFlag(text, "MakeErrorLog", d.MakeErrorLog);
    AppendFlag(text, "SepErrorLog", d.SepErrorLog);
    AppendLine(text, std::string(DefaultListKey) + "=" + d.DefaultList);
    AppendFlag(text, "NotDeleteSubFolder", d.NotDeleteSubFolder);
    return text;
}

std::string SettingsFilePath() {
    return ExecutableFolder() + "setting.ini";
}

bool WriteSettings(const std::string& hostPath, const ClassSettingData& data) {
    return WriteFileAtomically(hostPath, SettingsText(data));
}

void ReadSettings(LineReader& reader, ClassSettingData& data) {
    std::string line;
    while (reader.Next(line)) {
        const std::uint8_t flag = FlagValueOf(line);
        for (const FlagKey& key : FlagKeys)
            if (ContainsText(line, key.Name))
                data.*key.Field = flag;
        if (ContainsText(line, DefaultListKey))
            data.DefaultList = std::string(ValueOf(line));
    }
}

void ReadSettings(const std::string& hostPath, ClassSettingData& data) {
    LineReader reader = LineReader::FromFile(hostPath);
    if (reader.IsOpen())
        ReadSettings(reader, data);
}

} // namespace swh
