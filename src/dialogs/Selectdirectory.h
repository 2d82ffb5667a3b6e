#pragma once
// TFormSelectDirectory: the folder tree dialog, created once at start and shown modally.
#include <QDialog>

class TFormSelectDirectory : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelectDirectory(QWidget* parent = nullptr);
};

extern TFormSelectDirectory* FormSelectDirectory;
