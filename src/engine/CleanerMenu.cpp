// The tray menu and its commands: show the list editor, run now, pause and resume, the two log
// folders, and exit.
#include "engine/Cleaner.h"

#include "engine/CleanerIcons.h"
#include "platform/Cp932.h"
#include "platform/DesktopOpen.h"
#include "platform/ExecutableFolder.h"
#include "platform/MessageBox.h"
#include "platform/TrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

void TFormCleaner::CreatePopupMenu() {
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    const auto add = [this](const char* name, const QString& caption,
                            void (TFormCleaner::*handler)()) {
        QAction* action = PopupMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    const auto separator = [this](const char* name) {
        PopupMenu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    add("ShowMainWindow", QStringLiteral("メインウィンドウを表示する(&W)"),
        &TFormCleaner::ShowMainWindowClick);
    separator("sep1");
    add("CleanNow", QStringLiteral("今すぐ削除実行(&R)"), &TFormCleaner::CleanNowClick);
    add("Stop", QStringLiteral("処理を一時停止(&S)"), &TFormCleaner::StopClick);
    add("Start", QStringLiteral("処理を再開(&B)"), &TFormCleaner::StartClick);
    separator("sep2");
    add("OpenDeleteLog", QStringLiteral("削除ログを開く"), &TFormCleaner::OpenDeleteLogClick);
    add("OpenErrorLog", QStringLiteral("エラーログを開く"), &TFormCleaner::OpenErrorLogClick);
    separator("sep3");
    add("Exit", QStringLiteral("終了(&X)"), &TFormCleaner::ExitClick);
}

void TFormCleaner::TrayIconNotify(const QPoint& cursor) {
    // A waiting tick runs first, then the menu opens; it closes when the user clicks elsewhere.
    QCoreApplication::processEvents();
    PopupMenu->popup(cursor);
    PopupMenu->activateWindow();
}

void TFormCleaner::PauseCleaning() {
    QApplication::setWindowIcon(StopIcon());
    Tray->SetIcon(StopIcon());
    TimerForCleaner->stop();
    SetTipText("Sorrelwickhaven [" + swh::Cp932FromUtf8("一時停止") + "]");
}

void TFormCleaner::ResumeCleaning() {
    QApplication::setWindowIcon(RunIcon());
    Tray->SetIcon(RunIcon());
    TimerForCleaner->start();
    SetTipText("Sorrelwickhaven");
}

void TFormCleaner::ShowMainWindowClick() {
    emit ShowMainWindowRequested();
}
void TFormCleaner::CleanNowClick() {
    CleanAllNow();
}
void TFormCleaner::StopClick() {
    PauseCleaning();
}
void TFormCleaner::StartClick() {
    ResumeCleaning();
}

void TFormCleaner::OpenDeleteLogClick() {
    swh::OpenWithDesktop(swh::ExecutableFolder() + "ClearLog");
}
void TFormCleaner::OpenErrorLogClick() {
    swh::OpenWithDesktop(swh::ExecutableFolder() + "ErrorLog");
}

void TFormCleaner::ExitClick() {
    const swh::MessageResult answer = swh::ShowMessageBox(
        QStringLiteral(
            "現在実行中の全ての削除処理を中止し、アプリケーションを終了します。\nよろしいですか？"),
        QStringLiteral("確認"), swh::MessageButtons::YesNo);
    if (answer == swh::MessageResult::No)
        return;
    emit CloseMainWindowRequested();
    close();
}
