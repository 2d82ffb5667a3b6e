#pragma once
// TFormSelectSPDirectory: the special folder picker, created once at start and shown modally.
#include <QDialog>

class TFormSelectSPDirectory : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelectSPDirectory(QWidget* parent = nullptr);
};

extern TFormSelectSPDirectory* FormSelectSPDirectory;
