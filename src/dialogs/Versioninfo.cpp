#include "dialogs/Versioninfo.h"

TFormVersionInfo* FormVersionInfo = nullptr;

TFormVersionInfo::TFormVersionInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormVersionInfo"));
}
