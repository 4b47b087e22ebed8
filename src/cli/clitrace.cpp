#include "clitrace.h"

#include "fileio.h"

#include <cstdio>
#include <ctime>

CliTrace::CliTrace(std::string path, const std::string& verb) : m_path(std::move(path))
{
    if (m_path.empty())
        return;
    m_log = std::make_unique<TraceLog>();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    m_log->Note("qxp-r46-cli " + verb + ", " + stamp + "; milliseconds, > sent, < received, # note");
}

CliTrace::~CliTrace()
{
    if (!m_log)
        return;
    std::string error;
    if (!FileIo::WriteFileAtomically(m_path, m_log->Text(), &error))
        std::fprintf(stderr, "qxp-r46-cli: trace not written: %s\n", error.c_str());
}

bool CliTrace::Begin(std::string* error)
{
    if (!m_log)
        return true;
    if (FileIo::WriteFileAtomically(m_path, m_log->Text(), error))
        return true;
    m_log.reset();
    return false;
}
