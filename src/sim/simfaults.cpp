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
    return decision;
}
