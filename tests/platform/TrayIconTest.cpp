#include "platform/TrayIcon.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace swh {
namespace {

// The widget tests run on the offscreen platform, which is what a machine without any display
// gives the program too.
TEST(TrayIcon, WithoutADisplayEveryBalloonIsALineOnStandardError) {
    TrayIcon tray(QIcon(), QStringLiteral("Sorrelwickhaven"));
    ASSERT_TRUE(tray.WritesToStandardError());
    testing::internal::CaptureStderr();
    tray.ShowBalloon(QStringLiteral("注意"), QStringLiteral("一行目\n二行目"), 5000);
    tray.ShowBalloon(QStringLiteral("確認"), QStringLiteral("削除を実行しました。"), 5000);
    tray.SetTip(QStringLiteral("Sorrelwickhaven [一時停止]"));
    QCoreApplication::processEvents();
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "[注意] 一行目 二行目\n[確認] 削除を実行しました。\n[tip] Sorrelwickhaven [一時停止]\n");
}

TEST(TrayIcon, OnScreenOnlyTheNewestPendingBalloonIsShown) {
    std::vector<QString> shown;
    TrayIcon::SetBalloonObserverForTesting(
        [&](const QString& title, const QString& text) { shown.push_back(title + "|" + text); });
    TrayIcon tray(QIcon(), QStringLiteral("Sorrelwickhaven"));
    tray.ShowBalloon(QStringLiteral("a"), QStringLiteral("1"), 5000);
    tray.ShowBalloon(QStringLiteral("b"), QStringLiteral("2"), 5000);
    QCoreApplication::processEvents();
    tray.ShowBalloon(QStringLiteral("c"), QStringLiteral("3"), 5000);
    QCoreApplication::processEvents();
    TrayIcon::SetBalloonObserverForTesting(nullptr);
    EXPECT_EQ(shown, (std::vector<QString>{"b|2", "c|3"}));
}

} // namespace
} // namespace swh
