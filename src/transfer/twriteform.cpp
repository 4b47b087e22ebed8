#include "twriteform.h"

TWriteForm::TWriteForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TWriteForm"));
    setWindowTitle(QStringLiteral("写入"));
}
