#include "startup/CreateForms.h"

#include "dialogs/Callenderdata.h"
#include "dialogs/Optionenv.h"
#include "dialogs/Selectdirectory.h"
#include "dialogs/Selectspdirectory.h"
#include "dialogs/Versioninfo.h"
#include "editor/Main.h"
#include "engine/Cleaner.h"

#include <QCoreApplication>

namespace swh {

namespace {

template <class Form> void Release(Form*& form) {
    delete form;
    form = nullptr;
}

} // namespace

QWidget* CreateForms(bool showMainWindow) {
    QWidget* first = nullptr;
    // Each creation runs its form's creation handler at once, so this order is also the order of
    // their start-up work: the list editor writes a missing setting.ini before the resident form
    // reads it.
    if (showMainWindow) {
        FormMain = new TFormMain;
        FormCleaner = new TFormCleaner;
        first = FormMain;
        QObject::connect(FormMain, &TFormMain::Closed, qApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
    } else {
        FormCleaner = new TFormCleaner;
        FormMain = new TFormMain;
        first = FormCleaner;
        QObject::connect(FormCleaner, &TFormCleaner::Closed, qApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
    }
    // The resident form asks for the list editor through signals, so the engine does not depend
    // on the editor.
    QObject::connect(FormCleaner, &TFormCleaner::ShowMainWindowRequested, FormMain, [] {
        FormMain->show();
        FormMain->raise();
        FormMain->activateWindow();
    });
    QObject::connect(FormCleaner, &TFormCleaner::CloseMainWindowRequested, FormMain,
                     [] { FormMain->close(); });
    FormCallenderData = new TFormCallenderData;
    FormSelectDirectory = new TFormSelectDirectory;
    FormSelectSPDirectory = new TFormSelectSPDirectory;
    FormOptionEnv = new TFormOptionEnv;
    FormVersionInfo = new TFormVersionInfo;
    return first;
}

void DestroyForms() {
    Release(FormVersionInfo);
    Release(FormOptionEnv);
    Release(FormSelectSPDirectory);
    Release(FormSelectDirectory);
    Release(FormCallenderData);
    Release(FormMain);
    Release(FormCleaner);
}

} // namespace swh
