#include "engine/EngineTexts.h"
#include "formats/ListFile.h"
#include "platform/HostPath.h"
#include "support/CleanerFixture.h"

#include <QTimer>

namespace swh {
namespace {

using test::Sjis;

class CleanerItems : public test::CleanerFixture {
protected:
    // Writes a list file and names it as the default list.
    ClassSettingData WithList(const std::vector<ListItem>& items, ClassSettingData s = {}) {
        EXPECT_TRUE(WriteListFile(folder / "list.lst", items));
        s.DefaultList = Cp932FromHostName(folder / "list.lst");
        return s;
    }
    ListItem Interval(const char* name, const char* label, std::string folderPath = "/tmp/x") {
        return ListItem{name, folderPath, Sjis("間隔指定"), Sjis(label), ""};
    }
    ListItem Dated(const char* name, const char* text) {
        return ListItem{name, "/tmp/x", Sjis("日時指定"), Sjis(text), ""};
    }
    std::string LastBalloon() {
        return cleaner->NotifyIconData.InfoTitle + "|" + cleaner->NotifyIconData.Info;
    }
    static std::string Expect(const std::string& title, const std::string& text) {
        return title + "|" + text;
    }
};

TEST_F(CleanerItems, StartUpWarningsAndTheTimer) {
    struct Case {
        const char* Name;
        bool WriteList;
        std::vector<ListItem> Items;
        std::string Warning; // empty: none
        bool TimerOn;
    };
    const Case cases[] = {
        {"no default list", false, {}, Expect(texts::Attention(), texts::ListUnreadable()), false},
        {"list without items",
         true,
         {},
         Expect(texts::Attention(), texts::ListWithoutItems()),
         false},
        {"only invalid items still start the timer",
         true,
         {Interval("a", "2分")},
         Expect(texts::Error(), texts::InvalidItem()),
         true},
        {"valid items", true, {Interval("a", "1分")}, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        for (std::uint8_t showBaloon : {1, 0}) {
            ClassSettingData s;
            if (c.WriteList)
                s = WithList(c.Items);
            s.ShowBaloon = showBaloon;
            Start(s);
            EXPECT_EQ(cleaner->TimerForCleaner->isActive(), c.TimerOn);
            const bool shown = showBaloon && !c.Warning.empty();
            EXPECT_EQ(LastBalloon(), shown ? c.Warning : "|");
            EXPECT_EQ(TakeBalloons().size(), shown ? 1u : 0u);
            EXPECT_EQ(cleaner->NotifyIconData.Tip, "Sorrelwickhaven");
            cleaner.reset();
        }
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CleanerItems, EachLineIsCheckedAndWarnedAbout) {
    Start();
    struct Case {
        const char* Name;
        ListItem Line;
        std::string Warning; // empty: the line becomes a node
    };
    const std::string invalid = Expect(texts::Error(), texts::InvalidItem());
    const std::string past = Expect(texts::Attention(), texts::DueDatePassed());
    const Case cases[] = {
        {"interval", Interval("i", "12時間"), ""},
        {"label outside the table", Interval("i", "2分"), invalid},
        {"label with a blank", Interval("i", "1分 "), invalid},
        {"future date", Dated("d", "09:06 <2011/8/12>"), ""},
        {"the current minute is past", Dated("d", "09:05 <2011/8/12>"), past},
        {"past date with weekdays is dropped too", Dated("d", "09:06 <2011/8/11>[月]"), past},
        {"weekdays", Dated("w", "23:30 [月][金]"), ""},
        {"neither date nor weekdays", Dated("d", "09:06"), invalid},
        {"unknown kind", ListItem{"k", "/tmp", "kind", Sjis("1分"), ""}, invalid},
        {"empty fields", ListItem{}, invalid},
        {"relative folder", Interval("r", "1分", "tmp/x"), invalid},
        {"empty folder", Interval("e", "1分", ""), invalid},
        {"folder with a NUL byte", Interval("n", "1分", std::string("/tmp\0/x", 7)), invalid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        cleaner->NotifyIconData.InfoTitle.clear();
        cleaner->NotifyIconData.Info.clear();
        cleaner->ClearItemList();
        cleaner->AddItemFromLine(c.Line);
        EXPECT_EQ(LastBalloon(), c.Warning.empty() ? "|" : c.Warning);
        EXPECT_EQ(ItemNames().size(), c.Warning.empty() ? 1u : 0u);
    }
}

TEST_F(CleanerItems, NodesCarryTheirSchedule) {
    Start();
    cleaner->AddItemFromLine(Interval("i", "5分"));
    cleaner->AddItemFromLine(Dated("both", "09:10 <2011/8/13>[月]"));
    cleaner->AddItemFromLine(ListItem{"x", "/t", Sjis("間隔指定"), Sjis("1時間"), "a,b;c"});
    auto* first = cleaner->ItemListHead()->Next;
    EXPECT_EQ(first->IntervalSeconds, 300u);
    EXPECT_EQ(first->RemainingSeconds, 300u);
    auto* both = first->Next;
    EXPECT_DOUBLE_EQ(both->DueDateTime, EncodeDateTime({2011, 8, 13, 9, 10, 0}));
    EXPECT_EQ(both->WeekdayText, Sjis("09:10 <2011/8/13>[月]"));
    EXPECT_EQ(both->Next->Exclusions, "a,b;c");
    EXPECT_EQ(both->Next->Next, cleaner->ItemListHead());
    EXPECT_EQ(cleaner->ItemListHead()->Prev, both->Next);
}

TEST_F(CleanerItems, UnreadableDateStopsTheLoadAndReachesTheErrorDisplay) {
    const auto s = WithList(
        {Interval("before", "1分"), Dated("bad", "09:10 <2011/13/45>"), Interval("after", "1分")});
    Start(s);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].Text.indexOf("2011/13/45"), -1);
    EXPECT_EQ(ItemNames(), std::vector<std::string>{"before"});
    EXPECT_FALSE(cleaner->TimerForCleaner->isActive());
    EXPECT_EQ(cleaner->NotifyIconData.Tip, "Sorrelwickhaven") << "the icon was added first";
}

TEST_F(CleanerItems, ListIsFreedLastToFirstAndNodesCanBeRemovedAnywhere) {
    Start(WithList(
        {Interval("1", "1分"), Interval("2", "1分"), Interval("3", "1分"), Interval("4", "1分")}));
    std::vector<std::string> freed;
    TFormCleaner::ClassClearItem::OnDestroyForTesting = [&](const auto& n) {
        freed.push_back(n.ItemName);
    };
    cleaner->RemoveItem(cleaner->ItemListHead()->Next->Next); // "2", in the middle
    EXPECT_EQ(ItemNames(), (std::vector<std::string>{"1", "3", "4"}));
    cleaner->ClearItemList();
    EXPECT_EQ(freed, (std::vector<std::string>{"2", "4", "3", "1"}));
    EXPECT_EQ(cleaner->ItemListHead()->Next, cleaner->ItemListHead());
    EXPECT_EQ(cleaner->ItemListHead()->Prev, cleaner->ItemListHead());
    cleaner->ClearItemList();
    EXPECT_EQ(freed.size(), 4u) << "clearing an empty list frees nothing";
    TFormCleaner::ClassClearItem::OnDestroyForTesting = nullptr;
}

TEST_F(CleanerItems, IntervalLabelsAndDueDates) {
    EXPECT_EQ(TFormCleaner::IntervalToSeconds(Sjis("1時間")), 3600u);
    EXPECT_EQ(TFormCleaner::IntervalToSeconds(Sjis("12時間")), 43200u);
    EXPECT_EQ(TFormCleaner::IntervalToSeconds(Sjis("60分")), 0u);
    EXPECT_EQ(TFormCleaner::IntervalToSeconds(""), 0u);
    EXPECT_DOUBLE_EQ(TFormCleaner::ParseDueDateTime("23:59 <2011/12/31>"),
                     EncodeDateTime({2011, 12, 31, 23, 59, 0}));
}

} // namespace
} // namespace swh
