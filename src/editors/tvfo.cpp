#include "tvfo.h"

TVFO::TVFO(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TVFO"));
    setWindowTitle(QStringLiteral("VFO"));
}
