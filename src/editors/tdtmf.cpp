#include "tdtmf.h"

TDTMF::TDTMF(DocumentHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TDTMF"));
    setWindowTitle(QStringLiteral("双音声多频率"));
}
