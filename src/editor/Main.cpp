#include "editor/Main.h"

#include "engine/Cleaner.h"
#include "formats/SettingsFile.h"
#include "platform/HostPath.h"
#include "platform/QtText.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

TFormMain* FormMain = nullptr;

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Sorrelwickhaven"));
    resize(841, 518);
    move(204, 187);

    StatusBarPanel0 = new QLabel(QStringLiteral("現在のリスト："), this);
    StatusBarPanel0->setObjectName(QStringLiteral("StatusBarPanel0"));
    StatusBarPanel0->setFixedWidth(85);
    StatusBarPanel1 = new QLabel(this);
    StatusBarPanel1->setObjectName(QStringLiteral("StatusBarPanel1"));
    StatusBarPanel1->setFixedWidth(600);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(StatusBarPanel0);
    statusBar()->addWidget(StatusBarPanel1);

    FormCreate();
}

TFormMain::~TFormMain() = default;

void TFormMain::FormCreate() {
    SettingData_ = std::make_unique<ClassSettingData>();
    // The first start creates setting.ini from the defaults, before the resident form reads it.
    if (!swh::PathExists(swh::SettingsFilePath()))
        WriteSettings();
    ReadSettings();
}

void TFormMain::WriteSettings() {
    swh::WriteSettings(swh::SettingsFilePath(), *SettingData_);
}

void TFormMain::ReadSettings() {
    swh::ReadSettings(swh::SettingsFilePath(), *SettingData_);
    StatusBarPanel1->setText(swh::QStringFromCp932(SettingData_->DefaultList));
}

void TFormMain::FormClose() {
    WriteSettings();
    if (FormCleaner != nullptr)
        FormCleaner->close();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    emit Closed();
}
