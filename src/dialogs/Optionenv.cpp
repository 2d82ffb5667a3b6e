#include "dialogs/Optionenv.h"

TFormOptionEnv* FormOptionEnv = nullptr;

TFormOptionEnv::TFormOptionEnv(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormOptionEnv"));
}
