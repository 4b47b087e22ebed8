#include "tcall.h"

#include "channeldocument.h"
#include "documenthost.h"

// CALL frequencies have always been typed without a length limit.
TCALL::TCALL(DocumentHost& host, QWidget* parent)
    : TSelectorDialog(host, parent, "TCALL", QStringLiteral("CALL Channel"), {true, false, 0})
{
}

void TCALL::showEvent(QShowEvent* event)
{
    TEditorDialog::showEvent(event);
    const BandPlan& plan = m_host.Document().Plan();
    OpenSelector({QString::fromStdString(plan.BandName(1)), QString::fromStdString(plan.BandName(3))},
                 m_host.GridRow(3));
}

ChannelForm TCALL::LoadItem(int item)
{
    return ChannelRules::LoadCall(m_host.Document(), item);
}

ChannelRules::StoreResult TCALL::StoreItem(ChannelDocument& doc, int item, const ChannelForm& form)
{
    return ChannelRules::StoreCall(doc, item, form);
}

ChannelRules::EntryResult TCALL::EntryItem(int item, const ChannelForm& form)
{
    return ChannelRules::ApplyCallEntry(m_host.Document().Plan(), item, form);
}
