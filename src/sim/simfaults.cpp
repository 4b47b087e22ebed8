#include "simfaults.h"

SimFaults::SimFaults(int stopAfter, int garbageAfter, int hangUpAfter, int ignoreWrite)
    : m_stopAfter(stopAfter), m_garbageAfter(garbageAfter), m_hangUpAfter(hangUpAfter), m_ignoreWrite(ignoreWrite)
{
}

bool SimFaults::IsWriteCommand(std::string_view command)
{
    const std::size_t space = command.find(' ');
    const std::string_view word = command.substr(0, space);
    if (word == "MW" || word == "CW" || word == "VW")
        return true;
    if (space == std::string_view::npos)
        return false;
    std::size_t commas = 0;
    for (char c : command.substr(space + 1))
        commas += c == ',';
    // "MNA 0,005" reads the name and "MNA 0,005,RPT" sets it; "PC 0" and
    // "DM 03" read, "PC 0,2" and "DM 03,12E" set.
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
    return decision;
}
