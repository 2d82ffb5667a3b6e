#include "platform/DesktopOpen.h"
#include "support/CleanerFixture.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <filesystem>

namespace swh {
namespace {

using test::Sjis;

class CleanerMenu : public test::CleanerFixture {};

TEST_F(CleanerMenu, ItemsCaptionsAndOrder) {
    Start();
    QStringList shown;
    for (QAction* action : cleaner->PopupMenu->actions())
        shown << action->objectName() + "=" + (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(shown, QStringList({"ShowMainWindow=メインウィンドウを表示する(&W)", "sep1=-",
                                  "CleanNow=今すぐ削除実行(&R)", "Stop=処理を一時停止(&S)",
                                  "Start=処理を再開(&B)", "sep2=-", "OpenDeleteLog=削除ログを開く",
                                  "OpenErrorLog=エラーログを開く", "sep3=-", "Exit=終了(&X)"}));
    for (QAction* action : cleaner->PopupMenu->actions())
        EXPECT_TRUE(action->isEnabled());
}

TEST_F(CleanerMenu, PauseAndResumeRepeatTheSameSteps) {
    Start();
    EXPECT_FALSE(cleaner->TimerForCleaner->isActive()) << "no list was loaded at start";
    for (int twice = 0; twice < 2; ++twice) {
        cleaner->StopClick();
        EXPECT_FALSE(cleaner->TimerForCleaner->isActive());
        EXPECT_EQ(cleaner->NotifyIconData.Tip, "Sorrelwickhaven [" + Sjis("一時停止") + "]");
    }
    for (int twice = 0; twice < 2; ++twice) {
        cleaner->StartClick();
        EXPECT_TRUE(cleaner->TimerForCleaner->isActive()) << "resume starts the timer anyway";
        EXPECT_EQ(cleaner->NotifyIconData.Tip, "Sorrelwickhaven");
    }
}

TEST_F(CleanerMenu, RunNowCleansWhilePaused) {
    Start();
    const std::string target = folder / "target";
    std::filesystem::create_directory(target);
    test::WriteWholeFile(target + "/a.txt", "x");
    cleaner->AddItemFromLine(
        ListItem{"i", Cp932FromUtf8(target), Sjis("間隔指定"), Sjis("1時間"), ""});
    cleaner->StopClick();
    cleaner->CleanNowClick();
    EXPECT_FALSE(std::filesystem::exists(target + "/a.txt"));
    EXPECT_EQ(cleaner->ItemListHead()->Next->RemainingSeconds, 3600u);
}

TEST_F(CleanerMenu, LogFoldersOpenWithTheDesktopExistingOrNot) {
    Start();
    std::vector<std::string> opened;
    SetDesktopOpenerForTesting([&](const std::string& path) { opened.push_back(path); });
    cleaner->OpenDeleteLogClick();
    cleaner->OpenErrorLogClick();
    SetDesktopOpenerForTesting(nullptr);
    EXPECT_EQ(opened, (std::vector<std::string>{folder / "ClearLog", folder / "ErrorLog"}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CleanerMenu, ExitAsksAndNoKeepsEverythingRunning) {
    Start();
    SetMessageBoxResponderForTesting([this](const MessageBoxRequest& r) {
        boxes.push_back(r);
        return MessageResult::No;
    });
    bool closed = false;
    QObject::connect(cleaner.get(), &TFormCleaner::Closed, [&] { closed = true; });
    cleaner->StartClick();
    cleaner->ExitClick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(
        boxes[0].Text,
        "現在実行中の全ての削除処理を中止し、アプリケーションを終了します。\nよろしいですか？");
    EXPECT_EQ(boxes[0].Title, "確認");
    EXPECT_EQ(boxes[0].Buttons, MessageButtons::YesNo);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(cleaner->TimerForCleaner->isActive());
}

} // namespace
} // namespace swh
