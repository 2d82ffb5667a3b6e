#pragma once
// TFormCleaner: the resident form. It is never shown; it hosts the cleaning engine and reads its
// own copy of the settings.
#include "formats/SettingData.h"

#include <QWidget>
#include <memory>

class TFormCleaner : public QWidget {
    Q_OBJECT
public:
    using ClassSettingData = swh::ClassSettingData;

    explicit TFormCleaner(QWidget* parent = nullptr);
    ~TFormCleaner() override;

    ClassSettingData* SettingData() { return SettingData_.get(); }

    // Reads setting.ini into the resident form's own record.
    void ReadSettings();

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();

    std::unique_ptr<ClassSettingData> SettingData_;
};

extern TFormCleaner* FormCleaner;
