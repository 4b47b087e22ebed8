#include "commentvalidator.h"

#include "channeldocument.h"
#include "commentcodec.h"

QValidator::State CommentValidator::validate(QString& input, int& /*pos*/) const
{
    // The comment is one line of the data file.
    for (QChar& c : input)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    const auto bytes = CommentCodec::Encode(input);
    return bytes && bytes->size() <= ChannelDocument::CommentCapacity ? Acceptable : Invalid;
}
