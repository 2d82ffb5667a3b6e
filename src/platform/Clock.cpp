#include "platform/Clock.h"

#include <ctime>

namespace swh {
namespace {

std::optional<TDateTime>& TestNow() {
    static std::optional<TDateTime> now;
    return now;
}

} // namespace

TDateTime Now() {
    if (TestNow())
        return *TestNow();
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    CivilDateTime t;
    t.Year = local.tm_year + 1900;
    t.Month = local.tm_mon + 1;
    t.Day = local.tm_mday;
    t.Hour = local.tm_hour;
    t.Minute = local.tm_min;
    t.Second = local.tm_sec > 59 ? 59 : local.tm_sec; // a leap second stays in its minute
    return EncodeDateTime(t);
}

void SetClockForTesting(std::optional<TDateTime> now) {
    TestNow() = now;
}

void AdvanceClockForTesting(double seconds) {
    if (TestNow())
        *TestNow() += seconds / 86400.0;
}

} // namespace swh
