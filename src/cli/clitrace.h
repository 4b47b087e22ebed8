#pragma once

#include "tracelog.h"

#include <memory>
#include <mutex>
#include <string>

// --trace FILE of the radio verbs: the serial traffic of the verb's
// transfers, written to FILE line by line as it happens, so the trace of a
// transfer that failed, was stopped or was killed is whole up to its last
// byte. Begin creates FILE and writes the first line, so a path that
// cannot be written is known before the radio is touched. A line that
// cannot be written (a full disk) ends the writing, and the end of the
// verb says that the trace is incomplete, and why.
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
    void Write(std::string_view line);

    std::string m_path;
    std::string m_header;
    std::unique_ptr<TraceLog> m_log;
    std::mutex m_lock; // a signal's note may come from another thread
    int m_fd = -1;
    std::string m_failure; // the first write that failed
};
