#include "tstringgrid.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

TStringGrid::TStringGrid(const QString& objectName, QWidget* parent) : QTableView(parent)
{
    setObjectName(objectName);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);

    QHeaderView* title = horizontalHeader();
    title->setSectionsClickable(false);
    title->setHighlightSections(false);
    title->setSectionResizeMode(QHeaderView::Fixed);
    title->setStretchLastSection(true);
    title->setMinimumSectionSize(1);
    title->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Presses on the title row arrive at the header's viewport, not at the
    // header itself.
    title->viewport()->installEventFilter(this);
}

void TStringGrid::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    if (model && model->rowCount() > 0)
        SetRow(1);
}

void TStringGrid::SetMultiSelection(bool multi)
{
    setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

int TStringGrid::RowCount() const
{
    return (model() ? model()->rowCount() : 0) + 1;
}

void TStringGrid::SetColumnWidths(const QList<int>& widths)
{
    for (int c = 0; c < widths.size(); ++c)
        setColumnWidth(c, widths[c]);
}

QString TStringGrid::Cell(int column, int row) const
{
    if (!model())
        return {};
    if (row == 0)
        return model()->headerData(column, Qt::Horizontal).toString();
    return model()->index(row - 1, column).data().toString();
}

int TStringGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TStringGrid::SetRow(int row)
{
    if (!model() || row < 1 || row >= RowCount())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 1;
    // The row alone, whatever modifier keys the user happens to hold.
    const QModelIndex index = model()->index(row - 1, column);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QList<int> TStringGrid::SelectedRows() const
{
    QList<int> rows;
    if (selectionModel())
        for (const QModelIndex& index : selectionModel()->selectedRows())
            rows << index.row() + 1;
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty())
        rows << Row();
    return rows;
}

void TStringGrid::SelectRows(int first, int last, int current)
{
    if (!model() || !selectionModel() || first < 1 || last >= RowCount() || first > last)
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 1;
    selectionModel()->setCurrentIndex(model()->index(current - 1, column), QItemSelectionModel::NoUpdate);
    const QItemSelection rows(model()->index(first - 1, 0), model()->index(last - 1, model()->columnCount() - 1));
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(model()->index(current - 1, column));
}

int TStringGrid::TopRow() const
{
    const int top = rowAt(0);
    return top < 0 ? 1 : top + 1;
}

void TStringGrid::Place(int left, int top, int width, int height, int visibleRows)
{
    const int frame = 2 * frameWidth();
    m_rowHeight = (height - frame) / visibleRows;
    verticalHeader()->setDefaultSectionSize(m_rowHeight);
    horizontalHeader()->setFixedHeight(m_rowHeight);
    setGeometry(left, top, width, m_rowHeight * visibleRows + frame);
}

int TStringGrid::RowAtPointer(int y) const
{
    const int k = y / m_rowHeight;
    const int row = k == 0 ? TopRow() : TopRow() + k - 1;
    return row < RowCount() ? row : RowCount() - 1;
}

void TStringGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit Entered();
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit EnterPressed();
        return;
    }
    if (event->modifiers() == Qt::ControlModifier && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        emit MoveRequested(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    QTableView::keyPressEvent(event);
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        // The viewport starts below the title row.
        SelectForPopup(static_cast<int>(event->position().y()) + m_rowHeight, event->globalPosition().toPoint());
        return;
    }
    QTableView::mousePressEvent(event);
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            SelectForPopup(static_cast<int>(mouse->position().y()), mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void TStringGrid::SelectForPopup(int y, const QPoint& globalPos)
{
    // The grid takes the focus first, as any press on it does, so the popup's
    // commands act on this grid.
    setFocus(Qt::MouseFocusReason);
    const int row = RowAtPointer(y);
    // A press inside a selection of several rows keeps them all, so that the
    // menu's commands act on every one; elsewhere the row alone is taken.
    const QList<int> selected = SelectedRows();
    if (selected.size() > 1 && selected.contains(row) && model())
        selectionModel()->setCurrentIndex(model()->index(row - 1, currentIndex().column()),
                                          QItemSelectionModel::NoUpdate);
    else
        SetRow(row);
    emit PopupRequested(globalPos);
}
