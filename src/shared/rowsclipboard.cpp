#include "rowsclipboard.h"

#include "clipboardrules.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

namespace RowsClipboard {

const QString& OneRowFormat()
{
    static const QString format = QStringLiteral("application/x-qxp-r46-cf-qxp");
    return format;
}

const QString& SeveralRowsFormat()
{
    static const QString format = QStringLiteral("application/x-qxp-r46-rows");
    return format;
}

void Put(const std::vector<std::string>& records)
{
    std::string text;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += RecordText::CommasToTabs(records[i]);
    }
    auto* data = new QMimeData;
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    data->setData(records.size() == 1 ? OneRowFormat() : SeveralRowsFormat(), bytes);
    data->setText(QString::fromLatin1(bytes));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<std::vector<std::string>> Read()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return std::nullopt;
    const bool severalRows = !data->hasFormat(OneRowFormat());
    if (severalRows && !data->hasFormat(SeveralRowsFormat()))
        return std::nullopt;
    const QByteArray text = data->data(severalRows ? SeveralRowsFormat() : OneRowFormat());
    return ClipboardRules::PasteRows(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                     severalRows);
}

QString RefusedText(const std::vector<std::string>& rows, const std::vector<int>& refused)
{
    QStringList labels;
    for (int index : refused) {
        const std::string_view label =
            RecordText::Field(rows[static_cast<std::size_t>(index)], RecordLayout::ChannelField::Key);
        labels << QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
    }
    return QStringLiteral("%1 copied row(s) were not pasted: %2.\n"
                          "They do not fit the band limits or the rows.")
        .arg(refused.size())
        .arg(labels.join(QStringLiteral(", ")));
}

} // namespace RowsClipboard
