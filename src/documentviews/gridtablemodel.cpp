#include "gridtablemodel.h"

#include "documentsession.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

GridTableModel::GridTableModel(const DocumentSession& session, GridText::Grid grid, QObject* parent)
    : QAbstractTableModel(parent), m_session(session), m_grid(grid),
      m_rows(GridText::RowCount(grid, session.Document().Plan()))
{
    connect(&session, &DocumentSession::SlotChanged, this, &GridTableModel::SlotChanged);
    connect(&session, &DocumentSession::DocumentReset, this, &GridTableModel::DocumentReset);
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GridText::ColumnCount(m_grid);
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    if (role == Qt::DisplayRole) {
        const std::string text = GridText::Cell(m_session.Document(), m_grid, index.row() + 1, index.column());
        // Names and codes are the record's bytes; Latin-1 shows each byte as
        // one character, whatever a hand-edited file put there.
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    }
    if (role == Qt::AccessibleTextRole) {
        // A screen reader moving through the grid hears where it is: the
        // row's label (the channel or band, in the column after the blank
        // fixed one) and the column's title.
        const QString rowLabel = data(index.siblingAtColumn(1), Qt::DisplayRole).toString();
        if (index.column() <= 1)
            return rowLabel;
        return rowLabel + QStringLiteral(", ") + headerData(index.column(), Qt::Horizontal).toString().trimmed() +
               QStringLiteral(": ") + data(index, Qt::DisplayRole).toString();
    }
    if (role == Qt::BackgroundRole && index.column() == 0)
        return QGuiApplication::palette().button();
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(GridText::Title(m_grid, section));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridTableModel::SlotChanged(RecordKind kind, int slot)
{
    if (kind != GridText::KindOf(m_grid))
        return;
    const int row = GridText::RowOfSlot(m_grid, slot, m_session.Document().Plan());
    if (row < 1 || row > m_rows)
        return;
    emit dataChanged(index(row - 1, 0), index(row - 1, columnCount() - 1));
}

void GridTableModel::DocumentReset()
{
    const int rows = GridText::RowCount(m_grid, m_session.Document().Plan());
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
}
