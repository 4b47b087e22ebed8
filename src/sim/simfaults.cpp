#include "simfaults.h"

SimFaults::SimFaults(int stopAfter, int garbageAfter, int hangUpAfter, int ignoreWrite)
    : m_stopAfter(stopAfter), m_garbageAfter(garbageAfter), m_hangUpAfter(hangUpAfter), m_ignoreWrite(ignoreWrite)
{
}

bool SimFaults::IsWriteCommand(std::string_view command)
{
    const std::size_t space = command.find(' ');
    const std::string_view word = command.substr(0, space);
    if (word == "CW" || word == "VW")
        return true;
    if (space == std::string_view::npos)
        return false;
    std::size_t commas = 0;
    for (char c : command.substr(space + 1))
        commas += c == ',';
    // "MW 0,0,005" only empties the slot and carries no data; "MW 0,0,005,..."
    // and "MW 0,1,005,..." do. "MNA 0,005" reads the name and "MNA 0,005,RPT"
    // sets it; "PC 0" and "DM 03" read, "PC 0,2" and "DM 03,12E" set.
    if (word == "MW")
        return commas >= 3;
    if (word == "MNA")
        return commas >= 2;
    return (word == "PC" || word == "DM") && commas >= 1;
}

bool SimFaults::IgnoreWrite(std::string_view command)
{
    if (!IsWriteCommand(command))
        return false;
    ++m_writes;
    return m_ignoreWrite != Never && m_writes == m_ignoreWrite;
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
