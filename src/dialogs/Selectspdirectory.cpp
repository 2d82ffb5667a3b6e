#include "dialogs/Selectspdirectory.h"

TFormSelectSPDirectory* FormSelectSPDirectory = nullptr;

TFormSelectSPDirectory::TFormSelectSPDirectory(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSelectSPDirectory"));
}
