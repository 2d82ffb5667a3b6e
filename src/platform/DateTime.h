#pragma once
// Local date-times as the system holds them: a day count since 1899-12-30 with the time of day as
// its fraction. Encoding and decoding are plain calendar arithmetic on local civil time; no time
// zone enters here (the clock hands out local time already).
#include <string>

namespace swh {

using TDateTime = double;

struct CivilDateTime {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

bool IsValidCivil(const CivilDateTime& t);
TDateTime EncodeDateTime(const CivilDateTime& t);
// Rounds to the nearest second, so that a value built from whole seconds reads back exactly.
CivilDateTime DecodeDateTime(TDateTime value);
// 0 for Sunday up to 6 for Saturday.
int DayOfWeek(TDateTime value);

// Formats with the system's patterns: "yyyy", "mm" (the month, or the minute right after an
// "hh"), "dd", "hh", "nn"; every other character is copied. Used with "nn", "hh:mm",
// "yyyy/mm/dd hh:mm", "yyyy/mm/dd hh:mm\t" and "yyyymmdd_hhmm".
std::string FormatDateTime(const std::string& pattern, TDateTime value);

// Reads "y/m/d", "y/m/d h:mm" or "y/m/d h:mm:ss" with blanks around the parts allowed, as local
// time. Raises ConvertError on any other text. The text is CP932.
TDateTime StrToDateTime(const std::string& text);

} // namespace swh
