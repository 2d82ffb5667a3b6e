#pragma once
// setting.ini as the program writes it with every field at its default.

namespace swh::test {

inline constexpr const char* DefaultSettingsFile =
    "###### Sorrelwickhaven v3.00 SettingData ######\r\n"
    "######  Don't edit this file by manual!  ######\r\n"
    "\r\n"
    "ShowMainWindow=1\r\n"
    "ShowBaloon=1\r\n"
    "RegistStartup=0\r\n"
    "MakeDeleteLog=1\r\n"
    "SepDeleteLog=0\r\n"
    "MakeErrorLog=1\r\n"
    "SepErrorLog=0\r\n"
    "DefaultList=\r\n"
    "NotDeleteSubFolder=0\r\n";

} // namespace swh::test
