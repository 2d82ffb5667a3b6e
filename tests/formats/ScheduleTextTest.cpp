#include "formats/ScheduleText.h"

#include "platform/DateTime.h"
#include "support/Sjis.h"

#include <gtest/gtest.h>

namespace swh {
namespace {

using test::Sjis;

constexpr int Sun = 0, Mon = 1, Thu = 4, Fri = 5;
const CalendarDate Today{2011, 8, 5};

ScheduleFields Fields(const char* hour, const char* minute, std::initializer_list<int> days = {},
                      bool useDate = false, CalendarDate date = {2011, 12, 24}) {
    ScheduleFields f;
    f.HourText = hour;
    f.MinuteText = minute;
    for (int d : days)
        f.Weekdays[static_cast<std::size_t>(d)] = true;
    f.UseDate = useDate;
    f.Date = date;
    return f;
}

struct BuildCase {
    const char* Name;
    ScheduleFields Input;
    const char* ExpectedUtf8;
    const char* HourAfter;
    const char* MinuteAfter;
};

TEST(BuildScheduleText, BuildsAndNormalisesTheFields) {
    const BuildCase cases[] = {
        {"weekdays", Fields("7", "5", {Mon, Fri}), "07:05 [月][金]", "07", "05"},
        {"empty hour, minute too big", Fields("", "75", {Sun}), "00:00 [日]", "00", "00"},
        {"hour 24 and 30", Fields("24", "59", {Sun}), "00:59 [日]", "00", "59"},
        {"hour 12 stays", Fields("12", "00", {Sun}), "12:00 [日]", "12", "00"},
        {"every day", Fields("23", "30", {0, 1, 2, 3, 4, 5, 6}),
         "23:30 [日][月][火][水][木][金][土]", "23", "30"},
        {"chosen date wins over weekdays", Fields("9", "10", {Mon}, true), "09:10 <2011/12/24>",
         "09", "10"},
        {"chosen date, not today", Fields("9", "10", {}, true), "09:10 <2011/12/24>", "09", "10"},
        {"not a number", Fields("+5", "ab", {Sun}), "00:00 [日]", "00", "00"},
        {"three-digit minute stays five characters", Fields("1", "007", {Sun}), "01:07 [日]", "01",
         "07"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(BuildScheduleText(c.Input, Today), Sjis(c.ExpectedUtf8));
        EXPECT_EQ(c.Input.HourText, c.HourAfter);
        EXPECT_EQ(c.Input.MinuteText, c.MinuteAfter);
    }
}

TEST(BuildScheduleText, NoDateAndNoWeekdayMeansToday) {
    ScheduleFields f = Fields("9", "10", {}, false, {1999, 1, 1});
    EXPECT_EQ(BuildScheduleText(f, Today), "09:10 <2011/8/5>");
    EXPECT_TRUE(f.UseDate);
    EXPECT_EQ(f.Date.Year, 2011);
    EXPECT_EQ(f.Date.Month, 8);
    EXPECT_EQ(f.Date.Day, 5);
}

TEST(LoadScheduleText, SetsWhatTheTextHoldsAndSwitchesTheRestOff) {
    ScheduleFields f = Fields("1", "2", {Sun}, false, {2011, 1, 2});
    f.Everyday = true;
    LoadScheduleText(f, Sjis("10:30 [月][木]"));
    EXPECT_EQ(f.HourText, "10");
    EXPECT_EQ(f.MinuteText, "30");
    std::array<bool, 7> expected{};
    expected[Mon] = expected[Thu] = true;
    EXPECT_EQ(f.Weekdays, expected);
    EXPECT_FALSE(f.UseDate);
    EXPECT_FALSE(f.Everyday);

    LoadScheduleText(f, "09:10 <2011/8/5>");
    EXPECT_TRUE(f.UseDate);
    EXPECT_EQ(f.Weekdays, (std::array<bool, 7>{}));
    EXPECT_EQ(f.HourText, "09");
    EXPECT_EQ(f.Date.Day, 2) << "the date is never read from the text";
}

TEST(LoadScheduleText, EveryDayStaysOnlyWithAllSevenMarkers) {
    ScheduleFields f;
    f.Everyday = true;
    LoadScheduleText(f, Sjis("23:30 [日][月][火][水][木][金][土]"));
    EXPECT_TRUE(f.Everyday);
    LoadScheduleText(f, Sjis("23:30 [日]"));
    EXPECT_FALSE(f.Everyday);
}

TEST(LoadScheduleText, ColonPositionsAndEmptyText) {
    ScheduleFields f = Fields("11", "22");
    LoadScheduleText(f, "no colon");
    EXPECT_EQ(f.HourText, "11");
    EXPECT_EQ(f.MinuteText, "22");
    LoadScheduleText(f, "5:4");
    EXPECT_EQ(f.HourText, "") << "a colon as second character leaves no two characters before it";
    EXPECT_EQ(f.MinuteText, "4");
    LoadScheduleText(f, "12:");
    EXPECT_EQ(f.HourText, "12");
    EXPECT_EQ(f.MinuteText, "");

    f = Fields("7", "8", {Sun, Mon}, true);
    f.Everyday = true;
    LoadScheduleText(f, "");
    EXPECT_EQ(f.HourText, "0");
    EXPECT_EQ(f.MinuteText, "0");
    EXPECT_FALSE(f.UseDate);
    EXPECT_FALSE(f.Everyday);
    EXPECT_EQ(f.Weekdays, (std::array<bool, 7>{}));
    EXPECT_EQ(f.Date.Month, 12) << "reset keeps the date";
}

TEST(ScheduleText, BuiltDateFormsReadBackThroughTheDateReader) {
    // The engine reads "<y/m/d>" and the time before it as "y/m/d hh:mm ".
    ScheduleFields f = Fields("23", "59", {}, true, {2011, 12, 31});
    const std::string text = BuildScheduleText(f, Today);
    const std::size_t open = text.find('<');
    const std::string reordered =
        text.substr(open + 1, text.find('>') - open - 1) + " " + text.substr(0, open);
    EXPECT_DOUBLE_EQ(StrToDateTime(reordered), EncodeDateTime({2011, 12, 31, 23, 59, 0}));
}

TEST(ScheduleText, IntervalLabelTable) {
    const auto& labels = IntervalLabels();
    ASSERT_EQ(labels.size(), 7u);
    EXPECT_EQ(labels[0].Label, Sjis("1分"));
    EXPECT_EQ(labels[0].Seconds, 60);
    EXPECT_EQ(labels[4].Label, Sjis("1時間"));
    EXPECT_EQ(labels[4].Seconds, 3600);
    EXPECT_EQ(labels[6].Label, Sjis("12時間"));
    EXPECT_EQ(labels[6].Seconds, 43200);
    for (const auto& l : labels)
        EXPECT_NE(l.Label, Sjis("60分"));
    EXPECT_EQ(IntervalKindText(), Sjis("間隔指定"));
    EXPECT_EQ(DateKindText(), Sjis("日時指定"));
}

} // namespace
} // namespace swh
