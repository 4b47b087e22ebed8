#pragma once

#include <QTableView>

// The channel table's grid of cells. A click makes the clicked cell current
// at once and never opens its box by itself; a key typed on a cell opens the
// cell's box with that key as its first character (double-click and F2 open
// it too). There is no keyboard search: a typed letter must never move the
// current row to another channel that happens to start with it.
class ChannelTableView : public QTableView
{
    Q_OBJECT

public:
    explicit ChannelTableView(QWidget* parent = nullptr);

    void keyboardSearch(const QString& search) override;
};
