#include "engine/Cleaner.h"

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

// The icons are compiled into a static library; naming their initialiser keeps the linker from
// dropping them.
static void InitResources() {
    Q_INIT_RESOURCE(sorrelwickhaven);
}

TFormCleaner::TFormCleaner(QWidget* parent) : QWidget(parent) {
    InitResources();
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
    Tray = new swh::TrayIcon(QIcon(QStringLiteral(":/icons/run.png")),
                             QStringLiteral("Sorrelwickhaven"), this);
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

void TFormCleaner::closeEvent(QCloseEvent* event) {
    Tray->Remove();
    ClearItemList();
    event->accept();
    emit Closed();
}
