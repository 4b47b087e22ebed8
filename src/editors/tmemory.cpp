#include "tmemory.h"

TMemory::TMemory(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TMemory"));
    setWindowTitle(QStringLiteral("记忆频道"));
}
