#include "treadform.h"

#include "shared/documenthost.h"

TReadForm::TReadForm(DocumentHost& host, QWidget* parent)
    : TransferDialog(host, tr("读取"), tr("正在从设备读取数据。。。"), parent)
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
    // The whole read, however it ends, is one step of the undo history.
    Host().Session().BeginLongChange() = Snapshot();
    Host().Session().EndLongChange(windowTitle(), true);
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
    // but what it put into the document stays, and the windows show it: a
    // Save would otherwise write something other than what is on screen.
    TakeWhatWasRead();
}
