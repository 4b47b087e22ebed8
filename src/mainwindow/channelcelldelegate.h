#pragma once

#include <QStyledItemDelegate>

class DocumentSession;

// Editors for the channel table's cells: a list for the columns that take
// one of a few values (shift, step, tone, CTCSS), a line box for typed text.
// A list cell also takes typing, and stays open while it is typed: Enter,
// Tab or leaving the cell stores the entry the text names ("123" is
// 123.0 Hz); a choice clicked in the open list is stored at once. The
// current cell is framed, so that it stands out of its selected row.
class ChannelCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ChannelCellDelegate(const DocumentSession& session, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const DocumentSession& m_session;
};
