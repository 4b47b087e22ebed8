#include "twriteform.h"

#include "shared/documenthost.h"

TWriteForm::TWriteForm(DocumentHost& host, QWidget* parent)
    : TransferDialog(host, QStringLiteral("写入"), QStringLiteral("正在向设备写入数据。。。"), parent)
{
    setObjectName(QStringLiteral("TWriteForm"));
}

TransferStep TWriteForm::StartTransfer()
{
    m_transfer.emplace(Host().Document());
    return m_transfer->Start();
}

TransferStep TWriteForm::HandleReply(std::string_view reply)
{
    // Whatever came after the reply line is not an answer to the next
    // command.
    QComm1().ClearInBuff();
    return m_transfer ? m_transfer->OnReply(reply) : TransferStep::Finish();
}

int TWriteForm::Progress() const
{
    return m_transfer ? m_transfer->Progress() : 0;
}
