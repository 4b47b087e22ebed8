#include "twriteform.h"

#include "documenthost.h"

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
    if (!m_transfer)
        return TransferStep::Finish();
    TransferStep next = m_transfer->OnReply(reply);
    // Whatever came after the reply line is not an answer to the next
    // command. Before the reply nothing is discarded: it may be on its way.
    if (next.action != TransferStep::Action::Wait)
        QComm1().ClearInBuff();
    return next;
}

int TWriteForm::Progress() const
{
    return m_transfer ? m_transfer->Progress() : 0;
}
