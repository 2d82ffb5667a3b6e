#pragma once
// Schedule texts: the time-spec kind ("間隔指定" or "日時指定") and the delete-time text (an
// interval label, "hh:mm <y/m/d>" or "hh:mm [日]...[土]"). The texts are the schedule; nothing
// else about it is stored. All texts here are CP932.
#include <array>
#include <string>
#include <vector>

namespace swh {

struct IntervalLabel {
    std::string Label; // "1分" ... "12時間"
    int Seconds;
};

// The seven labels in the order the item editor offers them.
const std::vector<IntervalLabel>& IntervalLabels();
// The weekday markers "[日]" to "[土]", Sunday first.
const std::array<std::string, 7>& WeekdayMarkers();
// The two time-spec kinds.
const std::string& IntervalKindText();
const std::string& DateKindText();

struct CalendarDate {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
};

// The schedule dialog's state as a plain record.
struct ScheduleFields {
    bool UseDate = false;
    CalendarDate Date;
    std::string HourText = "0";
    std::string MinuteText = "0";
    std::array<bool, 7> Weekdays{}; // Sunday first
    bool Everyday = false;
};

// Builds a date-and-time text from the fields and normalises the fields on the way (hour and
// minute texts to two digits, the date flag and date when neither a date nor a weekday is set).
std::string BuildScheduleText(ScheduleFields& fields, const CalendarDate& today);

// Sets the fields from a delete-time text; never fails, leaves alone what it does not find.
void LoadScheduleText(ScheduleFields& fields, const std::string& text);

// The empty state; the date keeps its value.
void ResetScheduleFields(ScheduleFields& fields);

} // namespace swh
