#pragma once
// The settings record. Both windows hold one (TFormMain::ClassSettingData and
// TFormCleaner::ClassSettingData name this one definition), so fields and defaults cannot drift.
#include <cstdint>
#include <string>

namespace swh {

struct ClassSettingData {
    std::uint8_t ShowMainWindow = 1;
    std::uint8_t ShowBaloon = 1;
    std::uint8_t RegistStartup = 0;
    std::uint8_t MakeDeleteLog = 1;
    std::uint8_t SepDeleteLog = 0;
    std::uint8_t MakeErrorLog = 1;
    std::uint8_t SepErrorLog = 0;
    std::uint8_t NotDeleteSubFolder = 0;
    std::string DefaultList; // CP932 path of the list loaded at start; may be empty

    bool operator==(const ClassSettingData&) const = default;
};

} // namespace swh
