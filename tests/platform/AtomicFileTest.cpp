#include "platform/AtomicFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swh {
namespace {

namespace fs = std::filesystem;

std::size_t EntriesIn(const std::string& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++n;
    return n;
}

TEST(AtomicFile, CreatesAndReplacesKeepingPermissions) {
    test::TempFolder folder;
    const std::string path = folder / "setting.ini";
    ASSERT_TRUE(WriteFileAtomically(path, "one\r\n"));
    EXPECT_EQ(test::ReadWholeFile(path), "one\r\n");

    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "two\r\n"));
    EXPECT_EQ(test::ReadWholeFile(path), "two\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(EntriesIn(folder.Path()), 1u) << "no temporary file may stay behind";
}

TEST(AtomicFile, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
    test::TempFolder folder;
    fs::create_directory(folder / "real");
    test::WriteWholeFile(folder / "real/list.lst", "old");
    fs::create_symlink("real/list.lst", folder / "link.lst");

    ASSERT_TRUE(WriteFileAtomically(folder / "link.lst", "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.lst"));
    EXPECT_EQ(test::ReadWholeFile(folder / "real/list.lst"), "new");
}

TEST(AtomicFile, FailureLeavesTheOldFileWhole) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    test::TempFolder folder;
    const std::string sub = folder / "locked";
    fs::create_directory(sub);
    test::WriteWholeFile(sub + "/setting.ini", "old");
    ASSERT_EQ(::chmod(sub.c_str(), 0555), 0);
    EXPECT_FALSE(WriteFileAtomically(sub + "/setting.ini", "new"));
    EXPECT_EQ(test::ReadWholeFile(sub + "/setting.ini"), "old");
}

TEST(AtomicFile, RefusesToReplaceAFolder) {
    test::TempFolder folder;
    fs::create_directory(folder / "setting.ini");
    EXPECT_FALSE(WriteFileAtomically(folder / "setting.ini", "x"));
    EXPECT_TRUE(fs::is_directory(folder / "setting.ini"));
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

TEST(AtomicFile, AWriteThatRunsOutOfSpaceLeavesTheOldFileWhole) {
    // A file size limit makes write() fail part way with EFBIG, as a full disk fails it with
    // ENOSPC, and works for root too.
    test::TempFolder folder;
    const std::string path = folder / "list.lst";
    test::WriteWholeFile(path, "old");
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(path, std::string(5000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(test::ReadWholeFile(path), "old");
    EXPECT_EQ(EntriesIn(folder.Path()), 1u) << "the temporary file must be removed";
}

} // namespace
} // namespace swh
