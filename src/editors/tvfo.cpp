#include "tvfo.h"

TVFO::TVFO(DocumentHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TVFO"));
    setWindowTitle(QStringLiteral("VFO"));
}
