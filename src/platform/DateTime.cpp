#include "platform/DateTime.h"

#include "platform/ConvertError.h"
#include "platform/Cp932.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace swh {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian), after H. Hinnant's algorithm.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

constexpr std::int64_t EpochOffsetDays = 25569; // 1899-12-30 to 1970-01-01

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::int64_t SecondsOf(TDateTime value) {
    return static_cast<std::int64_t>(std::llround(value * 86400.0));
}

std::string TwoDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

} // namespace

bool IsValidCivil(const CivilDateTime& t) {
    return t.Year >= 1 && t.Year <= 9999 && t.Month >= 1 && t.Month <= 12 && t.Day >= 1 &&
           t.Day <= DaysInMonth(t.Year, t.Month) && t.Hour >= 0 && t.Hour < 24 && t.Minute >= 0 &&
           t.Minute < 60 && t.Second >= 0 && t.Second < 60;
}

TDateTime EncodeDateTime(const CivilDateTime& t) {
    const std::int64_t days =
        DaysFromCivil(t.Year, static_cast<unsigned>(t.Month), static_cast<unsigned>(t.Day)) +
        EpochOffsetDays;
    return static_cast<double>(days) + (t.Hour * 3600 + t.Minute * 60 + t.Second) / 86400.0;
}

CivilDateTime DecodeDateTime(TDateTime value) {
    const std::int64_t seconds = SecondsOf(value);
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    CivilDateTime t;
    CivilFromDays(days - EpochOffsetDays, t.Year, t.Month, t.Day);
    t.Hour = static_cast<int>(rest / 3600);
    t.Minute = static_cast<int>(rest / 60 % 60);
    t.Second = static_cast<int>(rest % 60);
    return t;
}

int DayOfWeek(TDateTime value) {
    std::int64_t seconds = SecondsOf(value);
    std::int64_t days = seconds / 86400 - (seconds % 86400 < 0 ? 1 : 0);
    // 1899-12-30 was a Saturday.
    return static_cast<int>(((days + 6) % 7 + 7) % 7);
}

std::string FormatDateTime(const std::string& pattern, TDateTime value) {
    const CivilDateTime t = DecodeDateTime(value);
    std::string out;
    bool afterHour = false;
    for (std::size_t i = 0; i < pattern.size();) {
        const std::string_view rest = std::string_view(pattern).substr(i);
        if (rest.substr(0, 4) == "yyyy") {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%04d", t.Year);
            out += buffer;
            i += 4;
        } else if (rest.substr(0, 2) == "mm") {
            out += TwoDigits(afterHour ? t.Minute : t.Month);
            afterHour = false;
            i += 2;
        } else if (rest.substr(0, 2) == "dd") {
            out += TwoDigits(t.Day);
            i += 2;
        } else if (rest.substr(0, 2) == "hh") {
            out += TwoDigits(t.Hour);
            afterHour = true;
            i += 2;
        } else if (rest.substr(0, 2) == "nn") {
            out += TwoDigits(t.Minute);
            i += 2;
        } else {
            out.push_back(pattern[i]);
            ++i;
        }
    }
    return out;
}

namespace {

// A small cursor over the date text; every reader skips the blanks before its number.
struct DateTextCursor {
    const std::string& text;
    std::size_t pos = 0;

    void SkipBlanks() {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
    }
    bool Number(int& value, int maxDigits) {
        SkipBlanks();
        int digits = 0;
        value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            if (++digits > maxDigits)
                return false;
            value = value * 10 + (text[pos] - '0');
            ++pos;
        }
        return digits > 0;
    }
    bool Mark(char mark) {
        SkipBlanks();
        if (pos < text.size() && text[pos] == mark) {
            ++pos;
            return true;
        }
        return false;
    }
    bool AtEnd() {
        SkipBlanks();
        return pos == text.size();
    }
};

bool ReadDateText(const std::string& text, CivilDateTime& t) {
    DateTextCursor c{text};
    if (!c.Number(t.Year, 4) || !c.Mark('/') || !c.Number(t.Month, 2) || !c.Mark('/') ||
        !c.Number(t.Day, 2))
        return false;
    if (c.AtEnd())
        return true;
    if (!c.Number(t.Hour, 2) || !c.Mark(':') || !c.Number(t.Minute, 2))
        return false;
    if (c.Mark(':') && !c.Number(t.Second, 2))
        return false;
    return c.AtEnd();
}

} // namespace

TDateTime StrToDateTime(const std::string& text) {
    CivilDateTime t;
    t.Hour = t.Minute = t.Second = 0;
    if (!ReadDateText(text, t) || !IsValidCivil(t))
        throw ConvertError("'" + Utf8FromCp932(text) + "' は正しい日付と時刻ではありません。");
    return EncodeDateTime(t);
}

} // namespace swh
