#pragma once

#include <QStyledItemDelegate>

class DocumentSession;

// Editors for the channel table's cells: a list for the columns that take
// one of a few values (shift, step, tone, CTCSS), a line box for typed text.
// A choice from a list is stored at once, as a spreadsheet's list cell does.
class ChannelCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ChannelCellDelegate(const DocumentSession& session, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const DocumentSession& m_session;
};
