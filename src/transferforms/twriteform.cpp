#include "twriteform.h"

#include "documenthost.h"
#include "writetransfer.h"

TWriteForm::TWriteForm(DocumentHost& host, QWidget* parent)
    : TransferDialog(host, tr("写入"), tr("正在向设备写入数据。。。"), parent)
{
    setObjectName(QStringLiteral("TWriteForm"));
}

std::unique_ptr<RadioTransfer> TWriteForm::MakeTransfer(ChannelDocument& snapshot)
{
    return std::make_unique<WriteTransfer>(snapshot);
}
