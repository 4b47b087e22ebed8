#include "treadform.h"

TReadForm::TReadForm(DocumentHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TReadForm"));
    setWindowTitle(QStringLiteral("读取"));
}
