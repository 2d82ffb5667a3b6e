#include "formats/SettingsFile.h"

#include "platform/LineReader.h"
#include "startup/ReadShowMainWindow.h"
#include "support/DefaultSettings.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace swh {
namespace {

using test::DefaultSettingsFile;

ClassSettingData ReadFrom(const std::string& bytes, ClassSettingData start = {}) {
    LineReader reader = LineReader::FromBytes(bytes);
    ReadSettings(reader, start);
    return start;
}

bool StartupFlagFrom(const std::string& bytes) {
    LineReader reader = LineReader::FromBytes(bytes);
    return ReadShowMainWindow(reader);
}

TEST(SettingsFile, DefaultsAreWrittenByteForByte) {
    EXPECT_EQ(SettingsText(ClassSettingData{}), DefaultSettingsFile);
}

TEST(SettingsFile, EveryFieldRoundTrips) {
    ClassSettingData data;
    data.ShowMainWindow = 0;
    data.ShowBaloon = 0;
    data.RegistStartup = 1;
    data.MakeDeleteLog = 0;
    data.SepDeleteLog = 1;
    data.MakeErrorLog = 0;
    data.SepErrorLog = 1;
    data.NotDeleteSubFolder = 1;
    data.DefaultList = test::Sjis("/home/user/表ソ=リスト.lst");
    const ClassSettingData back = ReadFrom(SettingsText(data));
    EXPECT_EQ(back, data);

    test::TempFolder folder;
    ASSERT_TRUE(WriteSettings(folder / "setting.ini", data));
    ClassSettingData fromFile;
    ReadSettings(folder / "setting.ini", fromFile);
    EXPECT_EQ(fromFile, data);
}

struct FlagCase {
    const char* Value; // what follows the key; nullptr for a key line without "="
    int RecordFlag;    // what the settings reader makes of it
    bool StartupShows; // what the start-up reading of ShowMainWindow makes of it
};

// The two readers differ on purpose: the record looks at one character after "=", start-up
// compares the whole rest of the line with "0".
TEST(SettingsFile, FlagValueRulesOfBothReaders) {
    const FlagCase cases[] = {
        {"1", 1, true},  {"0", 0, false}, {"x", 1, true},  {"", 1, true},   {nullptr, 1, true},
        {"01", 0, true}, {"0x", 0, true}, {"00", 0, true}, {"0 ", 0, true}, {"10", 1, true},
    };
    for (const auto& c : cases) {
        const std::string value = c.Value ? std::string("=") + c.Value : "";
        SCOPED_TRACE(value);
        EXPECT_EQ(ReadFrom("ShowBaloon" + value + "\r\n").ShowBaloon, c.RecordFlag);
        EXPECT_EQ(ReadFrom("ShowMainWindow" + value + "\r\n").ShowMainWindow, c.RecordFlag);
        EXPECT_EQ(StartupFlagFrom("ShowMainWindow" + value + "\r\n"), c.StartupShows);
    }
    // Without "=" the line's own first character decides the record's flag.
    EXPECT_EQ(ReadFrom("0ShowBaloon\r\n").ShowBaloon, 0);
}

TEST(SettingsFile, LastLineWinsForTheRecordFirstLineWinsAtStartUp) {
    const std::string twoLines = "ShowMainWindow=1\r\nShowBaloon=1\r\nShowMainWindow=0\r\n"
                                 "ShowBaloon=0\r\n";
    EXPECT_EQ(ReadFrom(twoLines).ShowMainWindow, 0);
    EXPECT_EQ(ReadFrom(twoLines).ShowBaloon, 0);
    EXPECT_TRUE(StartupFlagFrom(twoLines));
    EXPECT_FALSE(StartupFlagFrom("ShowMainWindow=0\r\nShowMainWindow=1\r\n"));
}

TEST(SettingsFile, KeyNameInsideTheDefaultListPathSetsThatFlagToo) {
    ClassSettingData start;
    start.ShowBaloon = 0;
    const ClassSettingData read = ReadFrom("DefaultList=/data/ShowBaloon/list.lst\r\n", start);
    EXPECT_EQ(read.DefaultList, "/data/ShowBaloon/list.lst");
    EXPECT_EQ(read.ShowBaloon, 1);
    // Untrimmed, everything after the first "=", and the whole line without "=".
    EXPECT_EQ(ReadFrom("DefaultList= /a=b.lst \r\n").DefaultList, " /a=b.lst ");
    EXPECT_EQ(ReadFrom("xDefaultList\r\n").DefaultList, "xDefaultList");
    EXPECT_EQ(ReadFrom("DefaultList=\r\n", ClassSettingData{.DefaultList = "old"}).DefaultList, "");
}

TEST(SettingsFile, KeysInsideDoubleByteCharactersDoNotMatch) {
    // 0x95 followed by "S": the "S" is the second byte of a double-byte character.
    ClassSettingData start;
    start.ShowBaloon = 0;
    EXPECT_EQ(ReadFrom("x\x95ShowBaloon=1\r\n", start).ShowBaloon, 0);
    EXPECT_EQ(ReadFrom(test::Sjis("表ShowBaloon=1\r\n"), start).ShowBaloon, 1);
}

TEST(SettingsFile, LfOnlyAndHeaderlessFilesReadLikeWrittenOnes) {
    std::string lfOnly = DefaultSettingsFile;
    for (std::size_t at; (at = lfOnly.find("\r\n")) != std::string::npos;)
        lfOnly.erase(at, 1);
    ClassSettingData changed;
    changed.MakeDeleteLog = 0;
    EXPECT_EQ(ReadFrom(lfOnly, changed), ClassSettingData{});
    EXPECT_EQ(ReadFrom("MakeErrorLog=0\nDefaultList=/l.lst").MakeErrorLog, 0);
    EXPECT_EQ(ReadFrom("MakeErrorLog=0\nDefaultList=/l.lst").DefaultList, "/l.lst");
}

TEST(SettingsFile, OverlongLineEndsTheReading) {
    ClassSettingData start;
    start.NotDeleteSubFolder = 1;
    start.DefaultList = "old";
    const std::string path511 = "DefaultList=" + std::string(511 - 12, 'p');
    EXPECT_EQ(ReadFrom(path511 + "\r\nNotDeleteSubFolder=0\r\n", start).NotDeleteSubFolder, 0);

    const std::string path512 = path511 + "p";
    const ClassSettingData read =
        ReadFrom("ShowBaloon=0\r\n" + path512 + "\r\nNotDeleteSubFolder=0\r\n", start);
    EXPECT_EQ(read.ShowBaloon, 0);
    EXPECT_EQ(read.DefaultList, "old");
    EXPECT_EQ(read.NotDeleteSubFolder, 1);

    EXPECT_TRUE(StartupFlagFrom(std::string(600, 'a') + "\r\nShowMainWindow=0\r\n"));
}

TEST(SettingsFile, MissingFileKeepsTheRecordAndShowsTheMainWindow) {
    test::TempFolder folder;
    ClassSettingData data;
    data.ShowBaloon = 0;
    ReadSettings(folder / "setting.ini", data);
    EXPECT_EQ(data.ShowBaloon, 0);
    EXPECT_TRUE(ReadShowMainWindow(folder / "setting.ini"));

    test::WriteWholeFile(folder / "setting.ini", "ShowMainWindow=0\r\n");
    EXPECT_FALSE(ReadShowMainWindow(folder / "setting.ini"));
}

} // namespace
} // namespace swh
