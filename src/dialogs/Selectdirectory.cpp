#include "dialogs/Selectdirectory.h"

TFormSelectDirectory* FormSelectDirectory = nullptr;

TFormSelectDirectory::TFormSelectDirectory(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSelectDirectory"));
}
