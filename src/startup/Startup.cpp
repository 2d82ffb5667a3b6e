#include "startup/Startup.h"

#include "editor/Main.h"
#include "formats/SettingsFile.h"
#include "platform/ApplicationTitle.h"
#include "platform/ErrorDisplay.h"
#include "platform/ExecutableFolder.h"
#include "platform/FormFont.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/TerminationSignals.h"
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

    InstanceGuard guard;
    if (guard.GetState() == InstanceGuard::State::AlreadyRunning) {
        ShowMessageBox(QStringLiteral("Sorrelwickhavenが既に起動しています。"),
                       QStringLiteral("エラー"), MessageButtons::Ok);
        return 0;
    }

    const bool showMainWindow = ReadShowMainWindow(SettingsFilePath());
    SetApplicationTitle(showMainWindow ? DefaultApplicationTitle(ExecutableFileName())
                                       : std::string("Sorrelwickhaven"));

    QWidget* first = nullptr;
    const bool created = RunHandler([&] { first = CreateForms(showMainWindow); });
    if (created) {
        // A logout, a service stop or Ctrl+C ends the program the way its exit command does.
        CatchTerminationSignals([] {
            if (FormMain != nullptr)
                FormMain->close();
        });
        if (showMainWindow)
            first->show();
        QApplication::exec();
    }
    DestroyForms();
    return 0;
}

} // namespace swh
