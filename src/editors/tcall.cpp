#include "tcall.h"

TCALL::TCALL(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TCALL"));
    setWindowTitle(QStringLiteral("CALL Channel"));
}
