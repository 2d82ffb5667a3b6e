#pragma once
// TFormCallenderData: the schedule dialog, created once at start and shown modally.
#include <QDialog>

class TFormCallenderData : public QDialog {
    Q_OBJECT
public:
    explicit TFormCallenderData(QWidget* parent = nullptr);
};

extern TFormCallenderData* FormCallenderData;
