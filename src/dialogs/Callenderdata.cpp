#include "dialogs/Callenderdata.h"

TFormCallenderData* FormCallenderData = nullptr;

TFormCallenderData::TFormCallenderData(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormCallenderData"));
}
