#include "tmemory.h"

TMemory::TMemory(DocumentHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TMemory"));
    setWindowTitle(QStringLiteral("记忆频道"));
}
