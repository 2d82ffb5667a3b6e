#include "engine/Cleaner.h"

#include "formats/SettingsFile.h"

#include <QCloseEvent>

TFormCleaner* FormCleaner = nullptr;

TFormCleaner::TFormCleaner(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormCleaner"));
    setWindowTitle(QStringLiteral("Sorrelwickhaven"));
    FormCreate();
}

TFormCleaner::~TFormCleaner() = default;

void TFormCleaner::FormCreate() {
    SettingData_ = std::make_unique<ClassSettingData>();
    ReadSettings();
    hide();
}

void TFormCleaner::ReadSettings() {
    swh::ReadSettings(swh::SettingsFilePath(), *SettingData_);
}

void TFormCleaner::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}
