#include "startup/Startup.h"

#include "editor/Main.h"
#include "engine/CleanerIcons.h"
#include "formats/SettingsFile.h"
#include "platform/ApplicationTitle.h"
#include "platform/ErrorDisplay.h"
#include "platform/ExecutableFolder.h"
#include "platform/FormFont.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/TerminationSignals.h"
#include "platform/TrayIcon.h"
#include "startup/CreateForms.h"
#include "startup/ReadShowMainWindow.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>

namespace swh {

void UseOffscreenWithoutDisplay() {
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && value[0] != '\0';
    };
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

int RunStartup() {
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(FormFont());
    QApplication::setWindowIcon(RunIcon());

    // A logout, a service stop or Ctrl+C ends the program the way its exit command does, without
    // the question; caught from the start, so that no moment of start-up dies of it instead.
    CatchTerminationSignals([] {
        if (FormMain != nullptr)
            FormMain->close();
        else
            QCoreApplication::quit();
    });

    InstanceGuard guard;
    if (guard.GetState() == InstanceGuard::State::AlreadyRunning) {
        ShowMessageBox(QStringLiteral("Sorrelwickhavenが既に起動しています。"),
                       QStringLiteral("エラー"), MessageButtons::Ok);
        return 0;
    }

    const bool showMainWindow = ReadShowMainWindow(SettingsFilePath());
    SetApplicationTitle(showMainWindow ? DefaultApplicationTitle(ExecutableFileName())
                                       : std::string("Sorrelwickhaven"));

    const bool created = RunHandler([&] { CreateForms(showMainWindow); });
    if (created) {
        // Without a notification area the icon cannot be reached, so the list editor is shown
        // whatever the setting says; without any display there is nothing to show.
        if (showMainWindow || (!TrayIcon::IsReachable() && !TrayIcon::HasNoDisplay()))
            FormMain->show();
        QApplication::exec();
    }
    DestroyForms();
    return 0;
}

} // namespace swh
