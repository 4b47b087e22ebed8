#include "channeltablemodel.h"

#include "documentsession.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr int kRows = ChannelDocument::MemorySlots;

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Bytes(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

ChannelTableModel::ChannelTableModel(DocumentSession& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session)
{
    connect(&session, &DocumentSession::SlotChanged, this, [this](RecordKind kind, int slot) {
        if (kind == RecordKind::Memory)
            SlotChanged(slot);
    });
    connect(&session, &DocumentSession::DocumentReset, this, &ChannelTableModel::DocumentReset);
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kRows;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelCells::ColumnCount;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int slot = index.row();
    const auto column = static_cast<Column>(index.column());
    const auto refused = m_refused.find({slot, index.column()});
    const bool marked = refused != m_refused.end();
    switch (role) {
    case Qt::DisplayRole:
        if (marked)
            return refused->second.first;
        if (ChannelCells::IsFlag(column))
            return {};
        return Latin1(ChannelCells::Text(m_session.Document(), slot, column));
    case Qt::EditRole:
        // A refused typing comes back into the editor, to be put right.
        if (marked)
            return refused->second.first;
        return Latin1(ChannelCells::Text(m_session.Document(), slot, column));
    case Qt::CheckStateRole:
        if (!ChannelCells::IsFlag(column) || marked ||
            !ChannelRows::InUse(m_session.Document(), RecordKind::Memory, slot))
            return {};
        return ChannelCells::Text(m_session.Document(), slot, column) == "On" ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole: return marked ? refused->second.second : QVariant();
    case Qt::BackgroundRole:
        if (marked)
            return QBrush(QColor(255, 200, 200));
        if (column == Column::Channel)
            return QGuiApplication::palette().button();
        return {};
    case Qt::ForegroundRole: return marked ? QBrush(QColor(160, 0, 0)) : QVariant();
    case Qt::AccessibleTextRole: {
        // Spoken as "channel, column: value"; the check boxes say On or Off.
        const QString channel = Latin1(ChannelCells::Text(m_session.Document(), slot, Column::Channel));
        if (column == Column::Channel)
            return channel;
        return channel + QStringLiteral(", ") + headerData(index.column(), Qt::Horizontal).toString().trimmed() +
               QStringLiteral(": ") + data(index, Qt::EditRole).toString();
    }
    default: return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(ChannelCells::Title(static_cast<Column>(section)));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const auto column = static_cast<Column>(index.column());
    if (column == Column::Channel)
        return flags;
    // An empty slot becomes a channel by its receive frequency.
    if (!ChannelRows::InUse(m_session.Document(), RecordKind::Memory, index.row()) && column != Column::RxFrequency)
        return flags;
    if (ChannelCells::IsFlag(column))
        return flags | Qt::ItemIsUserCheckable;
    return flags | Qt::ItemIsEditable;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || (role != Qt::EditRole && role != Qt::CheckStateRole))
        return false;
    const int slot = index.row();
    const auto column = static_cast<Column>(index.column());
    QString text = value.toString();
    if (role == Qt::CheckStateRole)
        text = value.toInt() == Qt::Checked ? QStringLiteral("On") : QStringLiteral("Off");

    const ChannelCells::Result result = ChannelCells::Evaluate(m_session.Document(), slot, column, Bytes(text));
    const QString reason = QString::fromStdString(result.reason);
    const auto key = std::make_pair(slot, index.column());
    if (result.verdict == ChannelCells::Verdict::Refused) {
        m_refused[key] = {text, reason};
        emit dataChanged(index, index);
        emit CellReport(reason);
        return false;
    }
    const bool wasMarked = m_refused.erase(key) > 0;
    if (result.verdict == ChannelCells::Verdict::Unchanged) {
        if (wasMarked)
            emit dataChanged(index, index);
        emit CellReport(QString());
        return true;
    }
    m_session.Edit(tr("编辑频道表"), [&](ChannelDocument& doc) { doc.StoreMemory(slot, result.record); });
    emit CellReport(reason);
    return true;
}

bool ChannelTableModel::IsRefused(int slot, Column column) const
{
    return m_refused.count({slot, static_cast<int>(column)}) > 0;
}

std::vector<ChannelCells::RowResult> ChannelTableModel::SetColumn(const std::vector<int>& chosen, Column column,
                                                                  const QString& text)
{
    std::vector<ChannelCells::RowResult> rows =
        ChannelCells::EvaluateRows(m_session.Document(), chosen, column, Bytes(text));
    const bool any = std::any_of(rows.begin(), rows.end(), [](const ChannelCells::RowResult& row) {
        return row.result.verdict == ChannelCells::Verdict::Stored ||
               row.result.verdict == ChannelCells::Verdict::Coerced;
    });
    if (any) {
        m_session.Edit(tr("设置多个频道"), [&](ChannelDocument& doc) {
            for (const ChannelCells::RowResult& row : rows)
                if (!row.result.record.empty())
                    doc.StoreMemory(row.slot, row.result.record);
        });
    }
    return rows;
}

void ChannelTableModel::SlotChanged(int slot)
{
    if (slot < 0 || slot >= kRows)
        return;
    // A changed channel shows what it holds now, not an old refused typing.
    for (int column = 0; column < ChannelCells::ColumnCount; ++column)
        m_refused.erase({slot, column});
    emit dataChanged(index(slot, 0), index(slot, ChannelCells::ColumnCount - 1));
}

void ChannelTableModel::DocumentReset()
{
    m_refused.clear();
    emit dataChanged(index(0, 0), index(kRows - 1, ChannelCells::ColumnCount - 1));
}
