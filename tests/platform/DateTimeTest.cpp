#include "platform/DateTime.h"
#include "platform/Clock.h"
#include "platform/ConvertError.h"

#include "support/Sjis.h"

#include <gtest/gtest.h>

namespace swh {
namespace {

CivilDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return CivilDateTime{y, mo, d, h, mi, s};
}

TEST(DateTime, DayCountsSince18991230) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(At(1899, 12, 30)), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(At(1900, 1, 1)), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(At(2011, 8, 5)), 40760.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(At(2011, 8, 5, 12)), 40760.5);
    EXPECT_DOUBLE_EQ(EncodeDateTime(At(1899, 12, 29)), -1.0);
}

TEST(DateTime, DecodesWhatItEncodes) {
    for (const CivilDateTime& t : {At(2011, 12, 31, 23, 59, 0), At(2024, 2, 29, 0, 0, 1),
                                   At(1900, 3, 1, 12, 30, 59), At(9999, 12, 31, 23, 59, 59)}) {
        const CivilDateTime back = DecodeDateTime(EncodeDateTime(t));
        EXPECT_EQ(std::tie(back.Year, back.Month, back.Day, back.Hour, back.Minute, back.Second),
                  std::tie(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second));
    }
}

TEST(DateTime, DayOfWeekSundayIsZero) {
    EXPECT_EQ(DayOfWeek(EncodeDateTime(At(2011, 8, 5))), 5);           // a Friday
    EXPECT_EQ(DayOfWeek(EncodeDateTime(At(2026, 12, 13, 23, 59))), 0); // a Sunday
    EXPECT_EQ(DayOfWeek(EncodeDateTime(At(1899, 12, 30))), 6);         // a Saturday
}

TEST(DateTime, FormatsTheSystemsPatterns) {
    const TDateTime t = EncodeDateTime(At(2011, 8, 5, 9, 7, 42));
    EXPECT_EQ(FormatDateTime("nn", t), "07");
    EXPECT_EQ(FormatDateTime("hh:mm", t), "09:07");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:mm", t), "2011/08/05 09:07");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:mm\t", t), "2011/08/05 09:07\t");
    EXPECT_EQ(FormatDateTime("yyyymmdd_hhmm", t), "20110805_0907");
}

struct DateTextCase {
    const char* Text;
    CivilDateTime Expected;
};

TEST(StrToDateTime, ReadsDateAndTimeTexts) {
    const DateTextCase cases[] = {
        {"2011/8/5 09:10 ", At(2011, 8, 5, 9, 10)},
        {"2011/12/31 23:59", At(2011, 12, 31, 23, 59)},
        {"2011/08/05", At(2011, 8, 5)},
        {" 2011 / 8 / 5  9:05:30 ", At(2011, 8, 5, 9, 5, 30)},
        {"2024/2/29 0:00", At(2024, 2, 29)},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(StrToDateTime(c.Text), EncodeDateTime(c.Expected)) << c.Text;
}

TEST(StrToDateTime, RaisesTheConversionErrorOnUnreadableText) {
    for (const char* text : {"", " ", "2011/8", "2011/13/1 00:00", "2011/2/30 00:00", "2023/2/29",
                             "2011/8/5 24:00", "2011/8/5 09:60", "2011/8/5 09", "2011/8/5 09:10 x",
                             "abc", "2011-8-5", "12345/1/1", "2011/8/5 9:10:61"})
        EXPECT_THROW(StrToDateTime(text), ConvertError) << text;
    try {
        StrToDateTime(test::Sjis("明日"));
        FAIL();
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'明日' は正しい日付と時刻ではありません。");
    }
}

TEST(Clock, TestsSetAndAdvanceIt) {
    SetClockForTesting(EncodeDateTime(At(2011, 8, 5, 23, 59, 30)));
    AdvanceClockForTesting(45);
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:mm", Now()), "2011/08/06 00:00");
    SetClockForTesting(std::nullopt);
    EXPECT_GT(Now(), EncodeDateTime(At(2020, 1, 1)));
}

} // namespace
} // namespace swh
