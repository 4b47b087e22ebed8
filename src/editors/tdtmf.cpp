#include "tdtmf.h"

TDTMF::TDTMF(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDTMF"));
    setWindowTitle(QStringLiteral("双音声多频率"));
}
