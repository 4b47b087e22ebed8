#include "channeltableview.h"

ChannelTableView::ChannelTableView(QWidget* parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

void ChannelTableView::keyboardSearch(const QString& search)
{
    Q_UNUSED(search);
}
