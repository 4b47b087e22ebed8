#include "treadform.h"

#include "shared/documenthost.h"

TReadForm::TReadForm(DocumentHost& host, QWidget* parent)
    : TransferDialog(host, QStringLiteral("读取"), QStringLiteral("正在从设备读取数据。。。"), parent)
{
    setObjectName(QStringLiteral("TReadForm"));
}

TransferStep TReadForm::StartTransfer()
{
    // The whole read, however it ends, is one step of the undo history.
    m_transfer.emplace(Host().Session().BeginLongChange());
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
    Host().Session().EndLongChange(windowTitle(), true);
    Host().AfterReadUpdate();
}

void TReadForm::TransferFailed()
{
    // The radio type and band limits of a broken read are not remembered,
    // but what it put into the document stays, and the windows show it: a
    // Save would otherwise write something other than what is on screen.
    Host().Session().EndLongChange(windowTitle(), true);
}
