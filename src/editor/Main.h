#pragma once
// TFormMain: the list editor window. It owns the master settings record and is the only writer of
// setting.ini.
#include "formats/SettingData.h"

#include <QMainWindow>
#include <memory>

class QLabel;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    using ClassSettingData = swh::ClassSettingData;

    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    ClassSettingData* SettingData() { return SettingData_.get(); }

    // Writes the record to setting.ini.
    void WriteSettings();
    // Reads setting.ini into the record and shows the default list in the status bar.
    void ReadSettings();

signals:
    // The window has been closed for good (the program ends), not merely hidden.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();

    std::unique_ptr<ClassSettingData> SettingData_;
    QLabel* StatusBarPanel0 = nullptr;
    QLabel* StatusBarPanel1 = nullptr;
};

extern TFormMain* FormMain;
