#include "startup/Startup.h"
#include "startup/CreateForms.h"

#include "dialogs/Versioninfo.h"
#include "editor/Main.h"
#include "engine/Cleaner.h"
#include "platform/ExecutableFolder.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "support/DefaultSettings.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace swh {
namespace {

using test::DefaultSettingsFile;

// Each test gets its own executable folder, lock folder and answered message boxes.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetExecutableFolderForTesting(folder.Path());
        ::setenv("XDG_RUNTIME_DIR", folder.Path().c_str(), 1);
        SetMessageBoxResponderForTesting([this](const MessageBoxRequest& request) {
            boxes.push_back(request);
            return MessageResult::Ok;
        });
    }
    void TearDown() override {
        DestroyForms();
        SetMessageBoxResponderForTesting(nullptr);
        SetExecutableFolderForTesting(std::nullopt);
        ::unsetenv("XDG_RUNTIME_DIR");
    }

    // Runs the event loop until the first window's close ends it; a guard timer fails the test
    // instead of hanging it when the loop would not end.
    bool LoopEndsAfter(const std::function<void()>& action) {
        bool guardFired = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            guardFired = true;
            QApplication::quit();
        });
        guard.start(10000);
        QTimer::singleShot(0, action);
        QApplication::exec();
        return !guardFired;
    }

    test::TempFolder folder;
    std::vector<MessageBoxRequest> boxes;
};

TEST_F(StartupTest, FirstStartWritesDefaultSettingsAndPutsTheListEditorFirst) {
    QWidget* first = CreateForms(true);
    EXPECT_EQ(first, FormMain);
    EXPECT_EQ(test::ReadWholeFile(folder / "setting.ini"), DefaultSettingsFile);
    EXPECT_EQ(*FormMain->SettingData(), ClassSettingData{});
    EXPECT_EQ(*FormCleaner->SettingData(), ClassSettingData{});
    EXPECT_EQ(FormMain->windowTitle(), "Sorrelwickhaven");
    EXPECT_EQ(FormMain->size(), QSize(841, 518));
    EXPECT_FALSE(FormCleaner->isVisible());
    EXPECT_NE(FormVersionInfo, nullptr);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StartupTest, BothRecordsReadAnExistingFileThatIsNotRewritten) {
    const std::string custom = "ShowMainWindow=0\r\nShowBaloon=0\r\nDefaultList=/x.lst\r\n";
    test::WriteWholeFile(folder / "setting.ini", custom);
    QWidget* first = CreateForms(false);
    EXPECT_EQ(first, FormCleaner);
    EXPECT_EQ(test::ReadWholeFile(folder / "setting.ini"), custom);
    EXPECT_EQ(FormCleaner->SettingData()->ShowBaloon, 0);
    EXPECT_EQ(FormMain->SettingData()->DefaultList, "/x.lst");
}

TEST_F(StartupTest, ClosingTheFirstWindowEndsTheLoopAndWritesTheSettings) {
    for (bool showMainWindow : {true, false}) {
        SCOPED_TRACE(showMainWindow);
        CreateForms(showMainWindow);
        FormMain->SettingData()->SepErrorLog = 1;
        // The exit path closes the list editor, which closes the resident form after it.
        EXPECT_TRUE(LoopEndsAfter([] { FormMain->close(); }));
        EXPECT_NE(test::ReadWholeFile(folder / "setting.ini").find("SepErrorLog=1\r\n"),
                  std::string::npos);
        DestroyForms();
    }
}

TEST_F(StartupTest, ExitFromTheTrayMenuEndsTheProgramWhicheverWindowIsFirst) {
    for (bool showMainWindow : {true, false}) {
        SCOPED_TRACE(showMainWindow);
        CreateForms(showMainWindow);
        FormMain->SettingData()->DefaultList = "/chosen.lst";
        SetMessageBoxResponderForTesting(
            [](const MessageBoxRequest&) { return MessageResult::Yes; });
        EXPECT_TRUE(LoopEndsAfter([] { FormCleaner->ExitClick(); }));
        EXPECT_NE(test::ReadWholeFile(folder / "setting.ini").find("DefaultList=/chosen.lst\r\n"),
                  std::string::npos)
            << "the list editor's close wrote the settings";
        EXPECT_EQ(FormCleaner->ItemListHead()->Next, FormCleaner->ItemListHead());
        DestroyForms();
    }
}

TEST_F(StartupTest, ShowMainWindowFromTheTrayMenu) {
    CreateForms(false);
    EXPECT_FALSE(FormMain->isVisible());
    FormCleaner->ShowMainWindowClick();
    EXPECT_TRUE(FormMain->isVisible());
}

TEST_F(StartupTest, SecondStartIsRefusedWithItsMessageAndExitCodeZero) {
    InstanceGuard running;
    ASSERT_EQ(running.GetState(), InstanceGuard::State::Acquired);
    EXPECT_EQ(RunStartup(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Sorrelwickhavenが既に起動しています。");
    EXPECT_EQ(boxes[0].Title, "エラー");
    EXPECT_EQ(boxes[0].Buttons, MessageButtons::Ok);
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_FALSE(test::ReadWholeFile(folder / "setting.ini").size()) << "nothing was written";
}

} // namespace
} // namespace swh
