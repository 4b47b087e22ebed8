#include "treadform.h"

#include "documenthost.h"

TReadForm::TReadForm(DocumentHost& host, QWidget* parent)
    : TransferDialog(host, QStringLiteral("读取"), QStringLiteral("正在从设备读取数据。。。"), parent)
{
    setObjectName(QStringLiteral("TReadForm"));
}

std::unique_ptr<RadioTransfer> TReadForm::MakeTransfer(ChannelDocument& snapshot)
{
    auto transfer = std::make_unique<ReadTransfer>(snapshot);
    m_transfer = transfer.get();
    return transfer;
}

bool TReadForm::TakeWhatWasRead()
{
    if (!m_transfer || !m_transfer->DocumentCleared())
        return false;
    Host().Document() = Snapshot();
    return true;
}

void TReadForm::TransferEnded()
{
    TakeWhatWasRead();
    Host().AfterReadUpdate();
}

void TReadForm::TransferFailed()
{
    // The radio type and band limits of a broken read are not remembered,
    // but the grids must show what the document now holds: a Save would
    // otherwise write something other than what is on screen.
    if (TakeWhatWasRead())
        Host().RefreshGrids();
}
