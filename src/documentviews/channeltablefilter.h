#pragma once

#include <QSortFilterProxyModel>

// The channel table's search box: only the rows whose name, receive or
// transmit frequency contain the text are shown, ignoring case; an empty
// text shows every row. Rows keep the slots' order.
class ChannelTableFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ChannelTableFilter(QObject* parent = nullptr);

    void SetText(const QString& text);
    const QString& Text() const { return m_text; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_text;
};
