#include "tracelog.h"

#include "recordtext.h"

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
    Add('>', RecordText::ShowBytes(bytes));
}

void TraceLog::Received(std::string_view bytes)
{
    Add('<', RecordText::ShowBytes(bytes));
}

void TraceLog::Note(std::string_view text)
{
    Add('#', RecordText::ShowBytes(text));
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
