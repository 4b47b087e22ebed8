#pragma once

#include "tracelog.h"

#include <memory>
#include <string>

// --trace FILE of the radio verbs: the serial traffic of the verb's
// transfers, kept in memory and written to FILE through the atomic writer
// when the verb ends, however it ends. FILE is written once at the start
// as well, so a path that cannot be written is known before the radio is
// touched, and a run that is killed still leaves the trace's first line.
class CliTrace
{
public:
    // No trace when `path` is empty.
    CliTrace(std::string path, const std::string& verb);
    ~CliTrace();
    CliTrace(const CliTrace&) = delete;
    CliTrace& operator=(const CliTrace&) = delete;

    bool Begin(std::string* error);
    // For the transfer runner; null without a trace.
    TransferTrace* Sink() { return m_log.get(); }

private:
    std::string m_path;
    std::unique_ptr<TraceLog> m_log;
};
