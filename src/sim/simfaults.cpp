#include "simfaults.h"

SimFaults::SimFaults(int stopAfter, int garbageAfter, int hangUpAfter)
    : m_stopAfter(stopAfter), m_garbageAfter(garbageAfter), m_hangUpAfter(hangUpAfter)
{
}

SimFaults::Decision SimFaults::Next()
{
    ++m_commands;
    Decision decision;
    if (m_stopAfter != Never && m_commands > m_stopAfter)
        decision.reply = Reply::Silent;
    else if (m_garbageAfter != Never && m_commands > m_garbageAfter)
        decision.reply = Reply::Garbage;
    decision.hangUpAfter = m_hangUpAfter != Never && m_commands >= m_hangUpAfter;
    decision.strayLine = m_strayLines.count(m_commands) != 0;
    decision.controlChars = m_controlChars.count(m_commands) != 0;
    const auto padding = m_padding.find(m_commands);
    if (padding != m_padding.end())
        decision.padTo = padding->second;
    return decision;
}

std::string SimFaults::Shape(const Decision& decision, std::string reply)
{
    if (reply.size() < decision.padTo)
        reply.resize(decision.padTo, ' ');
    if (decision.controlChars) {
        // Line feed, TAB and NUL: what breaks a data file's lines, fields
        // and slot texts. Never DC1/DC3, which the line's flow control
        // would take.
        static const char noise[] = {'\n', '\t', '\0'};
        std::string mixed;
        mixed.reserve(reply.size() * 2);
        for (std::size_t i = 0; i < reply.size(); ++i) {
            mixed += reply[i];
            mixed += noise[i % sizeof noise];
        }
        reply = std::move(mixed);
    }
    if (decision.reply == Reply::Answer)
        reply += '\r';
    return reply;
}
