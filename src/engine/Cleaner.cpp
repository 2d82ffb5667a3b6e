#include "engine/Cleaner.h"

#include "engine/CleanerIcons.h"
#include "engine/EngineTexts.h"
#include "formats/SettingsFile.h"
#include "platform/ErrorDisplay.h"
#include "platform/FileOps.h"
#include "platform/HostPath.h"
#include "platform/TrayIcon.h"

#include <QCloseEvent>
#include <QIcon>
#include <QTimer>

TFormCleaner* FormCleaner = nullptr;

TFormCleaner::TFormCleaner(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormCleaner"));
    setWindowTitle(QStringLiteral("Sorrelwickhaven"));
    TimerForCleaner = new QTimer(this);
    TimerForCleaner->setObjectName(QStringLiteral("TimerForCleaner"));
    TimerForCleaner->setInterval(1000);
    connect(TimerForCleaner, &QTimer::timeout, this, &TFormCleaner::TimerForCleanerTimer);
    FormCreate();
}

TFormCleaner::~TFormCleaner() {
    ClearItemList();
}

void TFormCleaner::FormCreate() {
    SettingData_ = std::make_unique<ClassSettingData>();
    ReadSettings();
    hide();

    NotifyIconData.Tip = "Sorrelwickhaven";
    CreatePopupMenu();
    Tray = new swh::TrayIcon(RunIcon(), QStringLiteral("Sorrelwickhaven"), this);
    connect(Tray, &swh::TrayIcon::Pressed, this, &TFormCleaner::TrayIconNotify);
    Tray->Add();

    // An unreadable date stops the load with the standard error display; the icon is there
    // already, so the program stays reachable, and the timer stays off.
    swh::RunHandler([this] { LoadDefaultList(); });
}

void TFormCleaner::LoadDefaultList() {
    const std::string& path = SettingData_->DefaultList;
    if (path.empty() || !swh::FileExists(swh::HostPathFromCp932(path))) {
        ShowBalloonMessage(swh::texts::Attention(), swh::texts::ListUnreadable());
        return;
    }
    if (LoadItemList(path))
        TimerForCleaner->start();
    else
        ShowBalloonMessage(swh::texts::Attention(), swh::texts::ListWithoutItems());
}

void TFormCleaner::ReadSettings() {
    swh::ReadSettings(swh::SettingsFilePath(), *SettingData_);
}

// Closing removes the icon and frees the items. It may run twice at exit (the list editor closes
// the resident form, then the exit command closes it again); the second run finds nothing to do.
void TFormCleaner::closeEvent(QCloseEvent* event) {
    Tray->Remove();
    ClearItemList();
    event->accept();
    emit Closed();
}
