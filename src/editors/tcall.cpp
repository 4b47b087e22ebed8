#include "tcall.h"

TCALL::TCALL(DocumentHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TCALL"));
    setWindowTitle(QStringLiteral("CALL Channel"));
}
