#include "channelcelldelegate.h"

#include "channelcells.h"
#include "document/documentsession.h"

#include <QComboBox>
#include <QLineEdit>

ChannelCellDelegate::ChannelCellDelegate(const DocumentSession& session, QObject* parent)
    : QStyledItemDelegate(parent), m_session(session)
{
}

QWidget* ChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    const auto column = static_cast<ChannelCells::Column>(index.column());
    const std::vector<std::string> choices = ChannelCells::Choices(m_session.Document().Plan(), column);
    if (choices.empty() || ChannelCells::IsFlag(column)) {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(64);
        return editor;
    }
    auto* list = new QComboBox(parent);
    for (const std::string& choice : choices)
        list->addItem(QString::fromStdString(choice));
    list->setMaxVisibleItems(20);
    connect(list, &QComboBox::activated, this, [this, list] {
        auto* self = const_cast<ChannelCellDelegate*>(this);
        emit self->commitData(list);
        emit self->closeEditor(list);
    });
    return list;
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        const int found = list->findText(index.data(Qt::EditRole).toString());
        list->setCurrentIndex(found >= 0 ? found : 0);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void ChannelCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, list->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
