#include "formats/ScheduleText.h"

#include "platform/Cp932.h"

#include <cstdio>

namespace swh {

const std::vector<IntervalLabel>& IntervalLabels() {
    static const std::vector<IntervalLabel> labels = {
        {Cp932FromUtf8("1分"), 60},       {Cp932FromUtf8("5分"), 300},
        {Cp932FromUtf8("10分"), 600},     {Cp932FromUtf8("30分"), 1800},
        {Cp932FromUtf8("1時間"), 3600},   {Cp932FromUtf8("6時間"), 21600},
        {Cp932FromUtf8("12時間"), 43200},
    };
    return labels;
}

const std::array<std::string, 7>& WeekdayMarkers() {
    static const std::array<std::string, 7> markers = {
        Cp932FromUtf8("[日]"), Cp932FromUtf8("[月]"), Cp932FromUtf8("[火]"), Cp932FromUtf8("[水]"),
        Cp932FromUtf8("[木]"), Cp932FromUtf8("[金]"), Cp932FromUtf8("[土]"),
    };
    return markers;
}

const std::string& IntervalKindText() {
    static const std::string text = Cp932FromUtf8("間隔指定");
    return text;
}

const std::string& DateKindText() {
    static const std::string text = Cp932FromUtf8("日時指定");
    return text;
}

namespace {

// An hour or minute text as two digits. Empty text, text that is not a plain decimal number, and
// values at or above `limit` become "00". An in-range value is always written with two digits,
// so a minute typed as "007" cannot stretch the time past the five characters that the weekday
// due test compares.
std::string NormaliseTimePart(const std::string& text, int limit) {
    int value = 0;
    bool valid = !text.empty();
    for (char c : text) {
        if (c < '0' || c > '9') {
            valid = false;
            break;
        }
        value = value * 10 + (c - '0');
        if (value >= limit) {
            valid = false;
            break;
        }
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", valid ? value : 0);
    return buffer;
}

} // namespace

std::string BuildScheduleText(ScheduleFields& fields, const CalendarDate& today) {
    fields.HourText = NormaliseTimePart(fields.HourText, 24);
    fields.MinuteText = NormaliseTimePart(fields.MinuteText, 60);
    const std::string time = fields.HourText + ":" + fields.MinuteText;

    bool anyWeekday = false;
    for (bool on : fields.Weekdays)
        anyWeekday = anyWeekday || on;
    if (!fields.UseDate && !anyWeekday) {
        fields.UseDate = true;
        fields.Date = today;
    }

    if (fields.UseDate) {
        const CalendarDate& d = fields.Date;
        return time + " <" + std::to_string(d.Year) + "/" + std::to_string(d.Month) + "/" +
               std::to_string(d.Day) + ">";
    }
    std::string text = time + " ";
    for (std::size_t day = 0; day < 7; ++day)
        if (fields.Weekdays[day])
            text += WeekdayMarkers()[day];
    return text;
}

void ResetScheduleFields(ScheduleFields& fields) {
    fields.UseDate = false;
    fields.HourText = "0";
    fields.MinuteText = "0";
    fields.Everyday = false;
    fields.Weekdays.fill(false);
}

void LoadScheduleText(ScheduleFields& fields, const std::string& text) {
    if (text.empty()) {
        ResetScheduleFields(fields);
        return;
    }
    const std::size_t colon = FindMark(text, ':');
    if (colon != std::string::npos) {
        fields.HourText = colon >= 2 ? text.substr(colon - 2, 2) : std::string();
        fields.MinuteText = text.substr(colon + 1, 2);
    }
    bool allWeekdays = true;
    for (std::size_t day = 0; day < 7; ++day) {
        fields.Weekdays[day] = ContainsText(text, WeekdayMarkers()[day]);
        allWeekdays = allWeekdays && fields.Weekdays[day];
    }
    fields.UseDate = ContainsMark(text, '<');
    if (!allWeekdays)
        fields.Everyday = false;
}

} // namespace swh
