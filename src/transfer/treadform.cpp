#include "treadform.h"

#include "documenthost.h"

TReadForm::TReadForm(DocumentHost& host, QWidget* parent)
    : TransferDialog(host, QStringLiteral("读取"), QStringLiteral("正在从设备读取数据。。。"), parent)
{
    setObjectName(QStringLiteral("TReadForm"));
}

TransferStep TReadForm::StartTransfer()
{
    m_transfer.emplace(Host().Document());
    return m_transfer->Start();
}

TransferStep TReadForm::HandleReply(std::string_view reply)
{
    return m_transfer ? m_transfer->OnReply(reply) : TransferStep::Finish();
}

int TReadForm::Progress() const
{
    return m_transfer ? m_transfer->Progress() : 0;
}

void TReadForm::TransferEnded()
{
    Host().AfterReadUpdate();
}

void TReadForm::TransferFailed()
{
    // The radio type and band limits of a broken read are not remembered,
    // but the grids must show what the document now holds: a Save would
    // otherwise write something other than what is on screen.
    if (m_transfer && m_transfer->DocumentCleared())
        Host().RefreshGrids();
}
