#pragma once
// TFormVersionInfo: the version dialog, created once at start and shown modally.
#include <QDialog>

class TFormVersionInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFormVersionInfo(QWidget* parent = nullptr);
};

extern TFormVersionInfo* FormVersionInfo;
