#include "commandlines.h"

std::vector<std::string> CommandLines::Feed(std::string_view bytes)
{
    std::vector<std::string> lines;
    for (const char c : bytes) {
        if (c == '\r') {
            lines.push_back(std::move(m_pending));
            m_pending.clear();
        } else if (c != '\n' && c != '\x11' && c != '\x13' && m_pending.size() < MaxLine) {
            m_pending += c;
        }
    }
    return lines;
}
