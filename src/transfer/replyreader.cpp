#include "replyreader.h"

#include <algorithm>

TransferStep ReplyReader::Feed(std::string_view bytes, const Handler& onReply)
{
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\r');
        const std::string_view piece = bytes.substr(0, end);
        m_pending.append(piece.substr(0, MaxLine - std::min(MaxLine, m_pending.size())));
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
        const std::string line = std::move(m_pending);
        m_pending.clear();
        TransferStep step = onReply(line);
        if (step.action != TransferStep::Action::Wait)
            return step;
    }
    return TransferStep::KeepWaiting();
}
