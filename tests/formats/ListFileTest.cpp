#include "formats/ListFile.h"

#include "platform/LineReader.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace swh {
namespace {

using test::Sjis;

const std::string Header = "###### Sorrelwickhaven v3.00 SettingData ######\r\n"
                           "######  Don't edit this file by manual!  ######\r\n"
                           "\r\n";

std::vector<ListItem> ReadFrom(const std::string& bytes) {
    LineReader reader = LineReader::FromBytes(bytes);
    return ReadListFile(reader);
}

ListItem Item(std::string name, std::string folder, std::string kind, std::string time,
              std::string exclusions) {
    return ListItem{Sjis(name), Sjis(folder), Sjis(kind), Sjis(time), Sjis(exclusions)};
}

TEST(ListFile, WritesTheExampleByteForByte) {
    const std::vector<ListItem> items = {Item("新規アイテム", "/tmp", "間隔指定", "1時間", "")};
    EXPECT_EQ(ListFileText(items), Header + Sjis("新規アイテム,/tmp,間隔指定,1時間,\r\n"));
    EXPECT_EQ(ListFileText({}), Header);
    EXPECT_TRUE(ReadFrom(Header).empty());
}

TEST(ListFile, RoundTripsEveryFieldIncludingCommasInTheExclusions) {
    const std::vector<ListItem> items = {
        Item("表ソ", "/home/表/ソ", "日時指定", "09:10 <2011/8/5>", "a,b;\\.txt$;,,"),
        Item("", "", "", "", ""),
        Item("週", "/w", "日時指定", "23:30 [月][金]", "log"),
    };
    test::TempFolder folder;
    ASSERT_TRUE(WriteListFile(folder / "a.lst", items));
    EXPECT_EQ(ReadListFile(folder / "a.lst"), items);
}

TEST(ListFile, SplitsFourFieldsThenTakesTheRest) {
    EXPECT_EQ(SplitListLine("a,b,c,d,e,f"), (ListItem{"a", "b", "c", "d", "e,f"}));
    EXPECT_EQ(SplitListLine("a,b"), (ListItem{"a", "", "", "", "b"}));
    EXPECT_EQ(SplitListLine("no comma"), (ListItem{"", "", "", "", "no comma"}));
    EXPECT_EQ(SplitListLine(""), (ListItem{}));
}

TEST(ListFile, TwoEmptyLinesAmongItemsGiveOneEmptyRecord) {
    const auto items = ReadFrom(Header + "a,/a,k,t,x\r\n\r\n\r\nb,/b,k,t,y\r\n");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].Name, "a");
    EXPECT_EQ(items[1], ListItem{});
    EXPECT_EQ(items[2].Name, "b");
    // One empty line is consumed with the line before it.
    EXPECT_EQ(ReadFrom(Header + "a,,,,\r\n\r\nb,,,,\r\n").size(), 2u);
}

TEST(ListFile, OverlongLineEndsTheReading) {
    const std::string line511 = "n,/f,k,t," + std::string(511 - 9, 'e');
    const std::string line512 = line511 + "e";
    EXPECT_EQ(ReadFrom(Header + line511 + "\r\nb,,,,\r\n").size(), 2u);
    const auto cut = ReadFrom(Header + "a,,,,\r\n" + line512 + "\r\nb,,,,\r\n");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].Name, "a");
}

TEST(ListFile, ShortFilesLfOnlyFilesAndMissingFiles) {
    EXPECT_TRUE(ReadFrom("").empty());
    EXPECT_TRUE(ReadFrom("only one line\r\n").empty());
    EXPECT_TRUE(ReadFrom("one\r\ntwo\r\n").empty());
    EXPECT_EQ(ReadFrom("h1\nh2\n\na,/a,k,t,x\nb,/b,k,t,y").size(), 2u);
    // The header lines are never examined.
    EXPECT_EQ(ReadFrom("x\r\ny\r\nitem,,,,\r\n").size(), 1u);
    test::TempFolder folder;
    EXPECT_TRUE(ReadListFile(folder / "missing.lst").empty());
}

TEST(ListFile, ItemsThatWouldNotReadBackAreRecognised) {
    EXPECT_EQ(CheckListItem(Item("a", "/b", "c", "d", "e,f")), ListItemFault::None);
    EXPECT_EQ(CheckListItem(Item("a,1", "/b", "c", "d", "")), ListItemFault::CommaInField);
    EXPECT_EQ(CheckListItem(Item("a", "/b,c", "c", "d", "")), ListItemFault::CommaInField);
    EXPECT_EQ(CheckListItem(Item("a", "/b", "c", "d", std::string(502, 'e'))), ListItemFault::None);
    EXPECT_EQ(CheckListItem(Item("a", "/b", "c", "d", std::string(503, 'e'))),
              ListItemFault::LineTooLong);
}

} // namespace
} // namespace swh
