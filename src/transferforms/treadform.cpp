#include "treadform.h"

#include "documenthost.h"

TReadForm::TReadForm(DocumentHost& host, QWidget* parent)
    : TReadForm(host, tr("读取"), tr("正在从设备读取数据。。。"), parent)
{
}

TReadForm::TReadForm(DocumentHost& host, const QString& caption, const QString& label, QWidget* parent)
    : TransferDialog(host, caption, label, parent)
{
    setObjectName(QStringLiteral("TReadForm"));
}

std::unique_ptr<RadioTransfer> TReadForm::MakeTransfer(ChannelDocument& snapshot)
{
    return std::make_unique<ReadTransfer>(snapshot);
}

void TReadForm::TransferEnded()
{
    if (!Finished())
        return;
    Host().Session().TakeRead(Snapshot(), windowTitle());
    Host().AfterReadUpdate();
}
