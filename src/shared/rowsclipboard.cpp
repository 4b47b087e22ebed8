#include "rowsclipboard.h"

#include "clipboardrules.h"
#include "recordlayout.h"
#include "recordtext.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <algorithm>

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

namespace {

std::optional<std::vector<std::string>> RowsOf(const QByteArray& bytes, bool severalRows)
{
    return ClipboardRules::PasteRows(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                     severalRows);
}

// Reads the clipboard once: its list of formats, then the data of ours.
// `answered` turns false when nothing came and the owner took longer than a
// paste waits (the window system gives up on an owner that does not answer
// only after several seconds).
std::optional<std::vector<std::string>> ReadNow(bool* answered)
{
    QElapsedTimer waited;
    waited.start();
    *answered = true;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return std::nullopt;
    const QStringList formats = data->formats();
    const bool oneRow = formats.contains(OneRowFormat());
    if (!oneRow && !formats.contains(SeveralRowsFormat())) {
        *answered = !formats.isEmpty() || waited.elapsed() < kPasteWaitMs;
        return std::nullopt;
    }
    const QByteArray bytes = data->data(oneRow ? OneRowFormat() : SeveralRowsFormat());
    return RowsOf(bytes, !oneRow);
}

// What this program knows of the clipboard between its changes.
class Keeper : public QObject
{
public:
    Keeper()
    {
        connect(QGuiApplication::clipboard(), &QClipboard::changed, this, [this](QClipboard::Mode mode) {
            if (mode == QClipboard::Clipboard && !putting)
                Refresh();
        });
        Refresh();
    }

    void Refresh()
    {
        bool answered = true;
        rows = ReadNow(&answered);
        ours = false;
    }

    std::optional<std::vector<std::string>> rows;
    bool ours = false;    // the clipboard holds what this program put last
    bool putting = false; // a change of our own under way
};

Keeper& TheKeeper()
{
    // Made on first use, after the application; it goes with the
    // application's clipboard.
    static QPointer<Keeper> keeper;
    if (!keeper) {
        keeper = new Keeper;
        keeper->setParent(QGuiApplication::instance());
    }
    return *keeper;
}

} // namespace

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
    Keeper& keeper = TheKeeper();
    keeper.putting = true;
    QGuiApplication::clipboard()->setMimeData(data);
    keeper.putting = false;
    keeper.rows = RowsOf(bytes, records.size() != 1);
    keeper.ours = true;
}

std::optional<std::vector<std::string>> Kept()
{
    return TheKeeper().rows;
}

PasteRead ReadForPaste()
{
    Keeper& keeper = TheKeeper();
    if (keeper.ours)
        return {keeper.rows, true};
    PasteRead read;
    read.rows = ReadNow(&read.answered);
    if (read.answered)
        keeper.rows = read.rows;
    return read;
}

QString NoAnswerText()
{
    return QStringLiteral("The clipboard did not answer: the program that holds it may be busy or stopped.\n"
                          "Nothing was pasted. Copy the rows again and paste once more.");
}


} // namespace RowsClipboard
