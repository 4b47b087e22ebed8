#include "treadform.h"

TReadForm::TReadForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TReadForm"));
    setWindowTitle(QStringLiteral("读取"));
}
