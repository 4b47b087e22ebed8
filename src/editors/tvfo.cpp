#include "tvfo.h"

#include "channeldocument.h"
#include "documenthost.h"

TVFO::TVFO(DocumentHost& host, QWidget* parent)
    : TSelectorDialog(host, parent, "TVFO", QStringLiteral("VFO"), {false, true, 9})
{
}

void TVFO::showEvent(QShowEvent* event)
{
    TEditorDialog::showEvent(event);
    // The bands can change between showings: a read from another radio.
    const BandPlan& plan = m_host.Document().Plan();
    m_bands = ChannelRules::VfoBands(plan);
    QStringList names;
    for (int band : m_bands)
        names << QString::fromStdString(plan.BandName(band));
    OpenSelector(names, m_host.GridRow(2));
}

int TVFO::BandOfItem(int item) const
{
    return item >= 0 && item < static_cast<int>(m_bands.size()) ? m_bands[static_cast<std::size_t>(item)] : 1;
}

int TVFO::Band() const
{
    return BandOfItem(CurrentItem());
}

void TVFO::LoadBand(int band)
{
    for (std::size_t item = 0; item < m_bands.size(); ++item)
        if (m_bands[item] == band)
            LoadShown(static_cast<int>(item));
}

ChannelForm TVFO::LoadItem(int item)
{
    return ChannelRules::LoadBand(m_host.Document(), BandOfItem(item));
}

ChannelRules::StoreResult TVFO::StoreItem(ChannelDocument& doc, int item, const ChannelForm& form)
{
    return ChannelRules::StoreBand(doc, BandOfItem(item), form);
}

ChannelRules::EntryResult TVFO::EntryItem(int item, const ChannelForm& form)
{
    return ChannelRules::ApplyBandEntry(m_host.Document().Plan(), BandOfItem(item), form);
}
