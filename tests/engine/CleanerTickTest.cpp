#include "platform/HostPath.h"
#include "support/CleanerFixture.h"

#include <QTimer>
#include <filesystem>
#include <stdexcept>

namespace swh {
namespace {

namespace fs = std::filesystem;
using test::Sjis;

constexpr const char* EveryDay = " [日][月][火][水][木][金][土]";

// Each item cleans a folder of its own. Before every tick the test drops a file into each of
// them; a file gone after the tick means the item ran at that tick.
class CleanerTick : public test::CleanerFixture {
protected:
    void Interval(const std::string& name, const char* label) {
        Add(name, "間隔指定", Sjis(label));
    }
    void Dated(const std::string& name, const std::string& text) {
        Add(name, "日時指定", Sjis(text));
    }
    TFormCleaner::ClassClearItem* Node(const std::string& name) {
        for (auto* n = cleaner->ItemListHead()->Next; n != cleaner->ItemListHead(); n = n->Next)
            if (n->ItemName == name)
                return n;
        return nullptr;
    }
    std::string ItemFolder(const std::string& name) { return folder / ("items/" + name); }

    // A fresh resident form, without items, whose first tick comes at `start`.
    void Restart(const CivilDateTime& start) {
        cleaner.reset();
        SetClockForTesting(EncodeDateTime(start));
        Start();
        names.clear();
        ticks = 0;
    }

    // Runs `count` ticks one second apart and returns "name@tick" for each run, ticks counted
    // from the form's first tick. `beforeTick` may change items first.
    std::vector<std::string> Ticks(int count, const std::function<void()>& beforeTick = {}) {
        std::vector<std::string> runs;
        for (int i = 0; i < count; ++i) {
            if (beforeTick)
                beforeTick();
            const int tick = ++ticks;
            for (const std::string& name : WhichRan([this] { cleaner->TimerForCleanerTimer(); }))
                runs.push_back(name + "@" + std::to_string(tick));
            AdvanceClockForTesting(1);
        }
        return runs;
    }
    // The items, in the order they were added, whose folder `action` emptied.
    std::vector<std::string> WhichRan(const std::function<void()>& action) {
        for (const std::string& name : names)
            test::WriteWholeFile(ItemFolder(name) + "/marker", "x");
        action();
        std::vector<std::string> ran;
        for (const std::string& name : names)
            if (!fs::exists(ItemFolder(name) + "/marker"))
                ran.push_back(name);
        return ran;
    }

    std::vector<std::string> names; // every item added, in order
    int ticks = 0;

private:
    void Add(const std::string& name, const char* kindUtf8, const std::string& time) {
        fs::create_directories(ItemFolder(name));
        names.push_back(name);
        cleaner->AddItemFromLine(
            ListItem{name, Cp932FromHostName(ItemFolder(name)), Sjis(kindUtf8), time, ""});
        ASSERT_NE(Node(name), nullptr) << name;
    }
};

using Runs = std::vector<std::string>;

TEST_F(CleanerTick, IntervalItemsCountSixtyTickCyclesFromTheFirstTick) {
    // Minute changes fall between the forced evaluations when the first tick is at :30 and on
    // them when it is at :00; neither moves an interval countdown.
    for (int startSecond : {30, 0}) {
        SCOPED_TRACE(startSecond);
        Restart({2011, 8, 12, 9, 5, startSecond});
        Interval("one", "1分");
        Interval("five", "5分");

        Runs expected;
        for (int t = 61; t <= 601; t += 60) {
            expected.push_back("one@" + std::to_string(t));
            if (t % 300 == 1)
                expected.push_back("five@" + std::to_string(t));
        }
        EXPECT_EQ(Ticks(60), Runs{});
        EXPECT_EQ(cleaner->TickCounter(), 60);
        Runs runs = Ticks(1);
        EXPECT_EQ(cleaner->TickCounter(), 1) << "the tick that found 60 leaves 1";
        for (const std::string& r : Ticks(540))
            runs.push_back(r);
        EXPECT_EQ(runs, expected);
        EXPECT_EQ(cleaner->TickCounter(), 1);
        EXPECT_EQ(Node("five")->RemainingSeconds, 300u);
    }
}

TEST_F(CleanerTick, EvaluatesAtEachChangeOfMinuteAndEverySixtiethTickOnly) {
    // A weekly item kept at the current minute runs at every evaluation, so it shows them all.
    // An hour from 08:59 takes in the minutes 00 to 09; from :45 the minute changes fall between
    // the forced evaluations, from :00 on them.
    const std::string everyDay = Sjis(EveryDay);
    for (int startSecond : {45, 0}) {
        SCOPED_TRACE(startSecond);
        Restart({2011, 8, 12, 8, 59, startSecond});
        Dated("probe", "00:00" + std::string(EveryDay));
        const Runs runs = Ticks(
            3601, [&] { Node("probe")->WeekdayText = FormatDateTime("hh:mm", Now()) + everyDay; });

        Runs expected;
        for (int t = 2; t <= 3601; ++t) {
            const bool minuteChanged = (startSecond + t - 1) % 60 == 0;
            const bool forced = t % 60 == 1;
            if (minuteChanged || forced)
                expected.push_back("probe@" + std::to_string(t));
        }
        EXPECT_EQ(runs, expected);
        EXPECT_EQ(cleaner->LastMinuteText(), "59");
    }
}

TEST_F(CleanerTick, DateItemsRunInTheirMinute) {
    // 2011-08-15 is a Monday. Each case starts at 09:04:30, so the minute 09:05 begins at tick
    // 31 and its forced evaluation is tick 61; tick 91 begins 09:06.
    struct Case {
        const char* Name;
        int Day;
        std::string Text;
        Runs Expected;
        bool Stays;
    };
    const Case cases[] = {
        {"one-time: the first evaluation only, then gone",
         15,
         "09:05 <2011/8/15>",
         {"d@31"},
         false},
        {"one-time on another day", 15, "09:05 <2011/8/16>", {}, true},
        {"weekly on Monday", 15, "09:05 [月][水]", {"d@31", "d@61"}, true},
        {"weekly on Wednesday", 17, "09:05 [月][水]", {"d@31", "d@61"}, true},
        {"weekly on Tuesday", 16, "09:05 [月][水]", {}, true},
        {"weekly on Sunday", 14, "09:05 [月][水]", {}, true},
        {"a date beside weekdays is not looked at",
         15,
         "09:05 <2011/8/16>[月]",
         {"d@31", "d@61"},
         true},
        {"the bare weekday name counts", 15, "09:05 月[水]", {"d@31", "d@61"}, true},
        {"the name's bytes across two characters do not", 15, "09:05 [東山]", {}, true},
        {"no two-digit hour", 15, "9:05 [月][水]", {}, true},
        {"no time at all", 15, "[月][水]", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Restart({2011, 8, c.Day, 9, 4, 30});
        Dated("d", c.Text);
        EXPECT_EQ(Ticks(121), c.Expected);
        EXPECT_EQ(ItemNames().size(), c.Stays ? 1u : 0u);
    }
}

TEST_F(CleanerTick, RemovingNodesDuringTheWalkIsSafe) {
    // Removed: the first node, one in the middle right before another removed one, and the last.
    Restart({2011, 8, 12, 9, 4, 30});
    Dated("first", "09:05 <2011/8/12>");
    Interval("interval", "1分");
    Dated("middle", "09:05 <2011/8/12>");
    Dated("next", "09:05 <2011/8/12>");
    Dated("weekly", "09:05 [金]");
    Dated("last", "09:05 <2011/8/12>");
    // Runs are listed in the order the items were added.
    EXPECT_EQ(Ticks(61), (Runs{"first@31", "middle@31", "next@31", "weekly@31", "last@31",
                               "interval@61", "weekly@61"}));
    EXPECT_EQ(ItemNames(), (std::vector<std::string>{"interval", "weekly"}));
}

TEST_F(CleanerTick, PauseKeepsCountdownsAndTheFirstTickAfterItEvaluates) {
    Start(); // 09:05:30 on a Friday
    Interval("five", "5分");
    Dated("missed", "09:08 <2011/8/12>");
    Dated("weekly", "09:10 [金]");
    EXPECT_EQ(Ticks(100), Runs{});
    EXPECT_EQ(Node("five")->RemainingSeconds, 240u);
    EXPECT_EQ(cleaner->TickCounter(), 40);

    AdvanceClockForTesting(180); // paused from 09:07:10 to 09:10:10: no ticks
    EXPECT_EQ(Node("five")->RemainingSeconds, 240u);
    EXPECT_EQ(cleaner->TickCounter(), 40);
    EXPECT_EQ(cleaner->LastMinuteText(), "07");

    // Tick 101 finds the minute changed; the countdown goes on where it stopped.
    EXPECT_EQ(Ticks(201), (Runs{"weekly@101", "weekly@121", "five@301"}));
    EXPECT_NE(Node("missed"), nullptr) << "never due again, but kept until a reload";
}

TEST_F(CleanerTick, CleanAllNowRunsEveryItemAndChangesNoSchedule) {
    Restart({2011, 8, 12, 9, 4, 30});
    EXPECT_FALSE(cleaner->TimerForCleaner->isActive());
    Interval("five", "5分");
    Dated("once", "09:30 <2011/8/12>");
    Dated("weekly", "09:30 [月]");
    EXPECT_EQ(Ticks(61), Runs{});
    EXPECT_EQ(cleaner->TickCounter(), 1);

    EXPECT_EQ(WhichRan([this] { cleaner->CleanAllNow(); }),
              (std::vector<std::string>{"five", "once", "weekly"}));
    EXPECT_EQ(ItemNames(), (std::vector<std::string>{"five", "once", "weekly"}));
    EXPECT_EQ(Node("five")->RemainingSeconds, 240u);
    EXPECT_EQ(cleaner->TickCounter(), 1);
    EXPECT_EQ(Ticks(240), Runs{"five@301"}) << "the countdown was not restarted";
}

TEST_F(CleanerTick, AnErrorWhileCleaningEndsOnlyThatTick) {
    // The run at tick 61 is cut short and its countdown left at 0. Ticks go on from the right
    // count; the item comes again at the next evaluation, which from :30 is a change of minute
    // (tick 91) and from :00 a forced one (tick 121), where the countdown must not wrap.
    struct Case {
        int StartSecond;
        Runs Expected;
    };
    const Case cases[] = {{30, {"item@91", "item@121"}}, {0, {"item@121"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.StartSecond);
        Restart({2011, 8, 12, 9, 5, c.StartSecond});
        boxes.clear();
        Interval("item", "1分");
        EXPECT_EQ(Ticks(60), Runs{});
        fs::create_directory(ItemFolder("item") + "/sub");
        bool thrown = false;
        cleaner->BeforeEnteringSubFolderForTesting = [&](const std::string&) {
            if (!std::exchange(thrown, true))
                throw std::runtime_error("walk failed");
        };
        Ticks(1);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].Text.indexOf("walk failed"), -1);
        EXPECT_EQ(cleaner->TickCounter(), 1);
        EXPECT_EQ(Node("item")->RemainingSeconds, 0u);

        EXPECT_EQ(Ticks(60), c.Expected);
        EXPECT_EQ(Node("item")->RemainingSeconds, 60u);
        EXPECT_EQ(boxes.size(), 1u);
    }
}

TEST_F(CleanerTick, ATickDuringCleaningIsDropped) {
    Start();
    Interval("item", "1分");
    EXPECT_EQ(Ticks(60), Runs{});
    fs::create_directory(ItemFolder("item") + "/sub");
    int nestedCounter = -1;
    cleaner->BeforeEnteringSubFolderForTesting = [&](const std::string&) {
        cleaner->TimerForCleanerTimer(); // as from the nested loop of a box
        nestedCounter = cleaner->TickCounter();
    };
    EXPECT_EQ(Ticks(1), Runs{"item@61"});
    EXPECT_EQ(nestedCounter, 1);
    EXPECT_EQ(cleaner->TickCounter(), 1);
    EXPECT_EQ(Node("item")->RemainingSeconds, 60u);
}

} // namespace
} // namespace swh
