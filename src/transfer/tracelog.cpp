#include "tracelog.h"

#include <chrono>
#include <cstdio>

namespace {

std::int64_t SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

TraceLog::TraceLog(Clock clock) : m_clock(clock ? std::move(clock) : Clock(SteadyMilliseconds)), m_start(m_clock()) {}

void TraceLog::Sent(std::string_view bytes)
{
    Add('>', Escape(bytes));
}

void TraceLog::Received(std::string_view bytes)
{
    Add('<', Escape(bytes));
}

void TraceLog::Note(std::string_view text)
{
    Add('#', Escape(text));
}

void TraceLog::Add(char direction, std::string_view text)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%8lld %c ", static_cast<long long>(m_clock() - m_start), direction);
    if (m_sink) {
        std::string line = stamp;
        line += text;
        line += '\n';
        m_sink(line);
        return;
    }
    m_text += stamp;
    m_text += text;
    m_text += '\n';
}

std::string TraceLog::Escape(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\r': out += "\\r"; continue;
        case '\n': out += "\\n"; continue;
        case '\t': out += "\\t"; continue;
        case '\\': out += "\\\\"; continue;
        default: break;
        }
        if (byte < 0x20 || byte > 0x7E) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}
