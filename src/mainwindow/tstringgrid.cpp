#include "tstringgrid.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

TStringGrid::TStringGrid(const QString& objectName, QWidget* parent) : QTableWidget(parent)
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

void TStringGrid::SetRowCount(int rows)
{
    const int old = rowCount();
    setRowCount(rows > 1 ? rows - 1 : 0);
    for (int r = old; r < rowCount(); ++r)
        verticalHeader()->resizeSection(r, m_rowHeight);
    if (rowCount() > 0 && currentRow() < 0)
        setCurrentCell(0, 1);
}

void TStringGrid::SetColumnWidths(const QList<int>& widths)
{
    setColumnCount(static_cast<int>(widths.size()) + 1);
    for (int c = 0; c < widths.size(); ++c)
        setColumnWidth(c, widths[c]);
}

void TStringGrid::SetCell(int column, int row, const QString& text)
{
    if (column < 0 || column >= columnCount() || row < 0 || row > rowCount())
        return;
    if (row == 0) {
        QTableWidgetItem* header = horizontalHeaderItem(column);
        if (!header) {
            header = new QTableWidgetItem;
            header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            setHorizontalHeaderItem(column, header);
        }
        header->setText(text);
        return;
    }
    QTableWidgetItem* cell = item(row - 1, column);
    if (!cell) {
        if (text.isEmpty())
            return;
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (column == 0)
            cell->setBackground(palette().button());
        setItem(row - 1, column, cell);
    }
    cell->setText(text);
}

QString TStringGrid::Cell(int column, int row) const
{
    if (row == 0) {
        const QTableWidgetItem* header = horizontalHeaderItem(column);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* cell = item(row - 1, column);
    return cell ? cell->text() : QString();
}

int TStringGrid::Row() const
{
    return currentRow() < 0 ? 1 : currentRow() + 1;
}

void TStringGrid::SetRow(int row)
{
    if (row < 1 || row > rowCount())
        return;
    setCurrentCell(row - 1, currentColumn() < 0 ? 1 : currentColumn());
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
    for (int r = 0; r < rowCount(); ++r)
        verticalHeader()->resizeSection(r, m_rowHeight);
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
    QTableWidget::focusInEvent(event);
    emit Entered();
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit EnterPressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        // The viewport starts below the title row.
        SelectForPopup(static_cast<int>(event->position().y()) + m_rowHeight, event->globalPosition().toPoint());
        return;
    }
    QTableWidget::mousePressEvent(event);
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
    return QTableWidget::eventFilter(watched, event);
}

void TStringGrid::SelectForPopup(int y, const QPoint& globalPos)
{
    // The grid takes the focus first, as any press on it does, so the popup's
    // commands act on this grid.
    setFocus(Qt::MouseFocusReason);
    SetRow(RowAtPointer(y));
    emit PopupRequested(globalPos);
}
