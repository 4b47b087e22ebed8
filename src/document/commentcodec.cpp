#include "commentcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace CommentCodec {

QString Decode(const std::string& bytes)
{
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> Encode(const QString& decoded)
{
    QString text = decoded;
    text.replace(QChar(QChar::ReplacementCharacter), QLatin1Char('?'));
    QStringEncoder encoder("GBK");
    if (!encoder.isValid()) {
        // Without a GBK codec only ASCII is known to be safe.
        for (const QChar c : text)
            if (c.unicode() > 0x7f)
                return std::nullopt;
        return text.toStdString();
    }
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    // Line ends would split the comment line of the data file.
    if (bytes.contains('\n') || bytes.contains('\r'))
        return std::nullopt;
    return bytes.toStdString();
}

} // namespace CommentCodec
