#pragma once
// The two header lines that open both setting.ini and every list file.

namespace swh {

inline constexpr const char* StoredHeaderLine1 = "###### Sorrelwickhaven v3.00 SettingData ######";
inline constexpr const char* StoredHeaderLine2 = "######  Don't edit this file by manual!  ######";

} // namespace swh
