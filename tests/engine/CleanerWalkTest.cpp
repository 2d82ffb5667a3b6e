#include "engine/EngineTexts.h"
#include "platform/Directory.h"
#include "platform/HostPath.h"
#include "support/CleanerFixture.h"

#include <filesystem>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

namespace swh {
namespace {

namespace fs = std::filesystem;
using test::ReadWholeFile;
using test::Sjis;
using test::WriteWholeFile;

// Every path below `root`, relative, folders with a trailing "/".
std::set<std::string> Tree(const std::string& root) {
    std::set<std::string> paths;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        std::string rel = fs::relative(e.path(), root).string();
        if (e.is_directory() && !e.is_symlink())
            rel += "/";
        paths.insert(rel);
    }
    return paths;
}

class CleanerWalk : public test::CleanerFixture {
protected:
    void SetUp() override {
        CleanerFixture::SetUp();
        target = folder / "target";
        fs::create_directory(target);
    }
    void Make(std::initializer_list<std::string> paths) {
        for (const std::string& p : paths) {
            if (p.back() == '/')
                fs::create_directories(target + "/" + p);
            else {
                fs::create_directories(fs::path(target + "/" + p).parent_path());
                WriteWholeFile(target + "/" + p, "x");
            }
        }
    }
    // Cleans one item named "item" over `target` with the given exclusions.
    void Clean(const std::string& exclusions, const std::string& itemName = "item") {
        TFormCleaner::ClassClearItem item;
        item.ItemName = itemName;
        item.FolderPath = Cp932FromHostName(target);
        item.Exclusions = exclusions;
        cleaner->CleanItem(item);
    }
    std::string DeleteLog(const std::string& name = "item") {
        return ReadWholeFile(folder / ("ClearLog/" + name + ".log"));
    }
    std::string ErrorLog(const std::string& name = "item") {
        return ReadWholeFile(folder / ("ErrorLog/" + name + ".log"));
    }
    std::string Header() const {
        return "====================================\r\nItemName : item\r\nPath : " + target +
               "\r\n====================================\r\n";
    }

    // Nests `depth` folders named "d" below the target; returns the deepest one.
    std::string MakeNested(int depth) {
        std::string path = target;
        for (int level = 0; level < depth; ++level) {
            path += "/d";
            EXPECT_EQ(::mkdir(path.c_str(), 0755), 0);
        }
        return path;
    }

    std::string target;
};

TEST_F(CleanerWalk, ExclusionPatternsDecideWhichFilesStay) {
    Start();
    struct Case {
        const char* Exclusions;
        std::set<std::string> Files;
        std::set<std::string> Kept;
    };
    const Case cases[] = {
        {"log", {"log.txt", "catalog.dat", "blog", "LOG.txt"}, {"log.txt", "catalog.dat", "blog"}},
        {"\\.txt$", {"a.txt", "a.txt.bak", "a.TXT"}, {"a.txt"}},
        {".txt", {"a.txt", "atxt.doc", "txt"}, {"a.txt", "atxt.doc"}},
        {"^~;\\.tmp$", {"~a.doc", "x.tmp", "a~.doc"}, {"~a.doc", "x.tmp"}},
        {"a; b", {"x b.txt", "b.txt"}, {"x b.txt"}},
        {"", {"a", "b"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Exclusions);
        for (const std::string& f : c.Files)
            WriteWholeFile(target + "/" + f, "x");
        Clean(c.Exclusions);
        EXPECT_EQ(Tree(target), c.Kept);
        for (const std::string& f : c.Kept)
            fs::remove(target + "/" + f);
    }
}

TEST_F(CleanerWalk, DoubleByteNamesAreMatchedAndLoggedWhole) {
    Start();
    // "ソ" and "表" end in the byte of a backslash; the names are matched and logged whole.
    Make({"ソフト.txt", "表.dat", "残す表.txt"});
    Clean(Sjis("^残す"));
    EXPECT_EQ(Tree(target), std::set<std::string>{"残す表.txt"});
    const std::string log = DeleteLog();
    EXPECT_NE(log.find("\t[File] " + Sjis("ソフト.txt") + "\r\n"), std::string::npos);
    EXPECT_NE(log.find("\t[File] " + Sjis("表.dat") + "\r\n"), std::string::npos);
}

TEST_F(CleanerWalk, SubFoldersAreEmptiedAndRemovedUnlessSwitchedOff) {
    Start();
    Make({"a.txt", "sub/b.txt", "sub/deeper/c.txt", "keep.me", "log/"});
    Clean("\\.me$");
    EXPECT_EQ(Tree(target), std::set<std::string>{"keep.me"})
        << "a folder named like a pattern goes too";

    ClassSettingData s;
    s.NotDeleteSubFolder = 1;
    Start(s);
    Make({"a.txt", "sub/b.txt"});
    Clean("\\.me$", "second");
    EXPECT_EQ(Tree(target), (std::set<std::string>{"keep.me", "sub/", "sub/b.txt"}));
    EXPECT_EQ(DeleteLog("second").find("sub"), std::string::npos)
        << "nothing is logged for skipped folders";
}

TEST_F(CleanerWalk, KeptFileInASubFolderLeavesTheFolderWithAnErrorLine) {
    Start();
    Make({"sub/keep.txt", "sub/gone.dat", "zz.dat"});
    fs::permissions(target + "/sub/keep.txt", fs::perms::owner_read);
    Clean("keep");
    EXPECT_EQ(Tree(target), (std::set<std::string>{"sub/", "sub/keep.txt"}));
    struct stat st {};
    ASSERT_EQ(::stat((target + "/sub/keep.txt").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IWUSR) << "a kept read-only file is no longer read-only";
    EXPECT_EQ(ErrorLog(), Header() + "2011/08/12 09:05\t[DIR] sub\r\n");
}

TEST_F(CleanerWalk, LogsAreByteExactWithAndWithoutTheStamp) {
    Start();
    Make({"a.txt", "sub/b.txt"});
    Clean("");
    const std::string firstRun = Header() + "2011/08/12 09:05\t[File] a.txt\r\n" +
                                 "2011/08/12 09:05\t[File] b.txt\r\n" +
                                 "2011/08/12 09:05\t[DIR] sub\r\n";
    // The listing order is the file system's; compare the lines as a set.
    auto lines = [](const std::string& text) {
        std::multiset<std::string> out;
        for (std::size_t at = 0, next; (next = text.find("\r\n", at)) != std::string::npos;
             at = next + 2)
            out.insert(text.substr(at, next + 2 - at));
        return out;
    };
    EXPECT_EQ(lines(DeleteLog()), lines(firstRun));
    EXPECT_EQ(DeleteLog().substr(0, Header().size()), Header());
    EXPECT_EQ(ErrorLog(), Header()) << "a run without failures leaves the header alone";

    // A second run appends below the same header.
    Make({"c.txt"});
    AdvanceClockForTesting(60);
    Clean("");
    EXPECT_EQ(DeleteLog().size(),
              firstRun.size() + std::string("2011/08/12 09:06\t[File] c.txt\r\n").size());

    ClassSettingData s;
    s.SepDeleteLog = s.SepErrorLog = 1;
    s.MakeErrorLog = 0;
    Start(s);
    Make({"d.txt"});
    Clean("");
    EXPECT_EQ(ReadWholeFile(folder / "ClearLog/item#20110812_0906.log"),
              Header() + "2011/08/12 09:06\t[File] d.txt\r\n");
    EXPECT_EQ(ReadWholeFile(folder / "ErrorLog/item#20110812_0906.log"), Header())
        << "the header is written even with the error log off";
}

TEST_F(CleanerWalk, BalloonsReportEachFileAndOnlyTheLastIsShown) {
    Start();
    Make({"a", "b", "c"});
    TakeBalloons();
    Clean("");
    EXPECT_EQ(cleaner->NotifyIconData.InfoTitle, texts::Confirmation());
    EXPECT_EQ(cleaner->NotifyIconData.Info, texts::Deleted());
    EXPECT_EQ(TakeBalloons(), std::vector<QString>{"確認|削除を実行しました。"});
}

TEST_F(CleanerWalk, LinksAreRemovedThemselvesAndNeverFollowed) {
    Start();
    const std::string outside = folder / "outside";
    Make({});
    fs::create_directories(outside + "/inner");
    WriteWholeFile(outside + "/file.txt", "keep");
    WriteWholeFile(outside + "/inner/deep.txt", "keep");
    fs::create_directory_symlink(outside, target + "/dirlink");
    fs::create_symlink(outside + "/file.txt", target + "/filelink");
    fs::create_symlink(folder / "nowhere", target + "/dangling");
    Clean("");
    EXPECT_TRUE(Tree(target).empty());
    EXPECT_EQ(Tree(outside), (std::set<std::string>{"file.txt", "inner/", "inner/deep.txt"}));
}

TEST_F(CleanerWalk, ASubFolderSwappedForALinkCannotRedirectTheWalk) {
    Start();
    const std::string outside = folder / "outside";
    fs::create_directories(outside);
    WriteWholeFile(outside + "/precious.txt", "keep");
    Make({"sub/a.txt"});
    cleaner->BeforeEnteringSubFolderForTesting = [&](const std::string& name) {
        if (name != "sub")
            return;
        fs::remove_all(target + "/sub");
        fs::create_directory_symlink(outside, target + "/sub");
    };
    Clean("");
    EXPECT_EQ(Tree(outside), std::set<std::string>{"precious.txt"});
    EXPECT_NE(ErrorLog().find("[DIR] sub\r\n"), std::string::npos);
}

TEST_F(CleanerWalk, TargetVanishingMidWalkEndsQuietly) {
    Start();
    Make({"sub/a.txt", "sub/b/c.txt"});
    cleaner->BeforeEnteringSubFolderForTesting = [&](const std::string&) {
        fs::remove_all(target);
    };
    Clean("");
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(CleanerWalk, DeepTreesAreEmptiedLevelByLevel) {
    Start();
    WriteWholeFile(MakeNested(2000) + "/bottom.txt", "x");
    Clean("");
    EXPECT_TRUE(Tree(target).empty());
}

TEST_F(CleanerWalk, RunningOutOfDescriptorsIsReportedAndTheWalkGoesOn) {
    Start();
    MakeNested(300);
    Make({"z.txt"});
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    struct rlimit low = saved;
    low.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    Clean("");
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_FALSE(fs::exists(target + "/z.txt")) << "the walk went on past the deep branch";
    EXPECT_TRUE(fs::exists(target + "/d")) << "what could not be reached stays";
    EXPECT_NE(ErrorLog().find("\t[DIR] d\r\n"), std::string::npos);
}

TEST_F(CleanerWalk, ForeignNamesAreDeletedAndLoggedConverted) {
    Start();
    Make({});
    WriteWholeFile(target + "/bad\xff"
                            "name",
                   "x");                                    // not UTF-8
    WriteWholeFile(target + "/emoji\xF0\x9F\x98\x80", "x"); // no CP932 form
    Clean("");
    EXPECT_TRUE(Tree(target).empty());
    EXPECT_NE(DeleteLog().find("[File] emoji?\r\n"), std::string::npos);
}

TEST_F(CleanerWalk, ItemNamesThatCannotNameAFileGetNoLog) {
    Start();
    Make({"a.txt"});
    Clean("", "../escape");
    Clean("", "a/b");
    EXPECT_TRUE(Tree(target).empty()) << "the folder is cleaned all the same";
    EXPECT_FALSE(fs::exists(folder / "escape.log"));
    EXPECT_FALSE(fs::exists(folder / "ClearLog/a"));
}

TEST_F(CleanerWalk, RelativeOrEmptyTargetsAreNeverWalked) {
    Start();
    for (const char* bad : {"", "target", "./target"}) {
        cleaner->CleanFolder(bad, "item", "");
    }
    Make({"a.txt"});
    EXPECT_EQ(Tree(target), std::set<std::string>{"a.txt"});
    EXPECT_TRUE(Directory::Open("/").IsFileSystemRoot());
    fs::create_directory_symlink("/", folder / "rootlink");
    EXPECT_TRUE(Directory::Open(folder / "rootlink").IsFileSystemRoot());
    EXPECT_FALSE(Directory::Open(target).IsFileSystemRoot());
}

} // namespace
} // namespace swh
