#pragma once

#include "channelcells.h"
#include "channelrows.h"

#include <QAbstractTableModel>

#include <map>
#include <utility>
#include <vector>

class DocumentSession;

// The channel table: the 221 memory slots as rows and every field of a
// channel as a column, over the session's document; there is no second store
// of the records. A typed value is stored through the memory editor's rules
// as one step of the session; a value the rules refuse stays in its cell,
// marked, with the reason as its tool tip, and nothing is stored.
class ChannelTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using Column = ChannelCells::Column;

    explicit ChannelTableModel(DocumentSession& session, QObject* parent = nullptr);

    // Rows are slots: row 0 is channel 000, row 220 is PR.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Edit role: the typed text; check-state role for the on/off columns.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Whether a cell holds a refused typing.
    bool IsRefused(int slot, Column column) const;

    // One value for one column of many slots, as one step; empty slots are
    // left out. Returns what the rules did with each channel.
    std::vector<ChannelCells::RowResult> SetColumn(const std::vector<int>& chosen, Column column, const QString& text);

signals:
    // What became of the last typed value: why the rules changed or refused
    // it; empty when it was stored as typed.
    void CellReport(const QString& text);

private:
    void SlotChanged(int slot);
    void DocumentReset();

    DocumentSession& m_session;
    // Refused typings by (slot, column): the text and the reason.
    std::map<std::pair<int, int>, std::pair<QString, QString>> m_refused;
};
