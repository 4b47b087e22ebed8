#pragma once

#include "gridtext.h"

#include <QAbstractTableModel>

class DocumentSession;

// One of the main window's grids as a table over the session's document:
// the memory channels, the VFOs of the bands the radio has, the CALL
// channels or the DTMF memories. Texts come from GridText; the model only
// follows the session's change signals. Rows here count from 0; the title
// row is the horizontal header.
class GridTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    GridTableModel(const DocumentSession& session, GridText::Grid grid, QObject* parent = nullptr);

    GridText::Grid Grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void SlotChanged(RecordKind kind, int slot);
    // Rows follow the radio's bands; the current row and selection of the
    // view stay where they were, as they did when only texts were rewritten.
    void DocumentReset();

    const DocumentSession& m_session;
    GridText::Grid m_grid;
    int m_rows = 0;
};
