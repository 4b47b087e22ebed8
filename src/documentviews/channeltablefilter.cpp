#include "channeltablefilter.h"

#include "channelcells.h"

ChannelTableFilter::ChannelTableFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    // A changed channel is looked at again: a name typed in may make it
    // match, or no longer match.
    setDynamicSortFilter(true);
}

void ChannelTableFilter::SetText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == m_text)
        return;
    m_text = trimmed;
    invalidateFilter();
}

bool ChannelTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_text.isEmpty())
        return true;
    using ChannelCells::Column;
    for (Column column : {Column::Name, Column::RxFrequency, Column::TxFrequency}) {
        const QModelIndex cell = sourceModel()->index(sourceRow, static_cast<int>(column), sourceParent);
        if (sourceModel()->data(cell, Qt::EditRole).toString().contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
