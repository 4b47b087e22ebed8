#include "channelcelldelegate.h"

#include "channelcells.h"
#include "documentsession.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

namespace {

// Long enough for any value a cell takes, short enough that a pasted page of
// text is not carried around.
constexpr int kMaxTyped = 64;

} // namespace

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
            line->setMaxLength(kMaxTyped);
        return editor;
    }
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->lineEdit()->setMaxLength(kMaxTyped);
    for (const std::string& choice : choices)
        list->addItem(QString::fromStdString(choice));
    list->setMaxVisibleItems(20);
    // A choice from the open list is stored at once. Typed text waits for
    // Enter, Tab or the focus leaving, which the base class handles; Enter
    // also activates the entry it names, and by the time this queued call
    // runs the base class has closed (hidden) the box, which is not closed
    // a second time.
    connect(
        list, &QComboBox::activated, this,
        [this, box = QPointer<QComboBox>(list)] {
            if (!box || !box->isVisible())
                return;
            auto* self = const_cast<ChannelCellDelegate*>(this);
            emit self->commitData(box);
            emit self->closeEditor(box);
        },
        Qt::QueuedConnection);
    return list;
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        const int found = list->findText(text);
        if (found >= 0)
            list->setCurrentIndex(found);
        list->setEditText(text);
        // The first key typed replaces the value, as in a line box.
        list->lineEdit()->selectAll();
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

void ChannelCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (!view || view->currentIndex() != index) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The current cell: drawn as an unselected cell inside a frame of the
    // selection's colour, as spreadsheets show the cell the keys go to.
    QStyleOptionViewItem cell(option);
    cell.state &= ~QStyle::State_Selected;
    cell.state &= ~QStyle::State_HasFocus;
    painter->save();
    // The view has already laid the row's selection colour under the cell.
    painter->fillRect(option.rect, option.palette.brush(QPalette::Base));
    painter->restore();
    QStyledItemDelegate::paint(painter, cell, index);
    painter->save();
    const QColor frame =
        option.palette.color(view->hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    QPen pen(frame, 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}
