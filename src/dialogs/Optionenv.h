#pragma once
// TFormOptionEnv: the options dialog, created once at start and shown modally.
#include <QDialog>

class TFormOptionEnv : public QDialog {
    Q_OBJECT
public:
    explicit TFormOptionEnv(QWidget* parent = nullptr);
};

extern TFormOptionEnv* FormOptionEnv;
