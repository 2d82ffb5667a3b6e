#include "platform/InstanceGuard.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace swh {
namespace {

// Points the guard's lock file into a folder of the test's own.
class InstanceGuardTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_RUNTIME_DIR", folder.Path().c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }
    test::TempFolder folder;
};

TEST_F(InstanceGuardTest, SecondGuardSeesTheFirstUntilItIsReleased) {
    EXPECT_EQ(InstanceGuard::LockFilePath(), folder / "ID#SWH3#EXE.lock");
    auto first = std::make_unique<InstanceGuard>();
    EXPECT_EQ(first->GetState(), InstanceGuard::State::Acquired);
    {
        InstanceGuard second;
        EXPECT_EQ(second.GetState(), InstanceGuard::State::AlreadyRunning);
    }
    first.reset();
    InstanceGuard third;
    EXPECT_EQ(third.GetState(), InstanceGuard::State::Acquired);
}

TEST_F(InstanceGuardTest, UnopenableLockFileRunsUnguarded) {
    ::setenv("XDG_RUNTIME_DIR", (folder / "missing-folder").c_str(), 1);
    InstanceGuard guard;
    EXPECT_EQ(guard.GetState(), InstanceGuard::State::Unguarded);
}

TEST(InstanceGuardPath, FallsBackToAPerUserNameInTmp) {
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(InstanceGuard::LockFilePath(),
              "/tmp/ID#SWH3#EXE-" + std::to_string(::getuid()) + ".lock");
}

} // namespace
} // namespace swh
