#include "twriteform.h"

TWriteForm::TWriteForm(DocumentHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TWriteForm"));
    setWindowTitle(QStringLiteral("写入"));
}
