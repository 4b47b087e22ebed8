#include "clitrace.h"

#include "fileio.h"
#include "visibletext.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

CliTrace::CliTrace(std::string path, const std::string& verb) : m_path(std::move(path))
{
    if (m_path.empty())
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    m_header = "qxp-r46-cli " + verb + ", " + stamp + "; milliseconds, > sent, < received, # note";
}

CliTrace::~CliTrace()
{
    if (m_fd < 0)
        return;
    if (::close(m_fd) != 0 && m_failure.empty())
        m_failure = m_path + ": " + std::strerror(errno);
    if (!m_failure.empty())
        std::fprintf(stderr, "qxp-r46-cli: trace incomplete: %s\n", VisibleText::Of(m_failure).c_str());
}

bool CliTrace::Begin(std::string* error)
{
    if (m_path.empty())
        return true;
    m_fd = FileIo::CreateGrowingFile(m_path, error);
    if (m_fd < 0)
        return false;
    m_log = std::make_unique<TraceLog>();
    m_log->SetLineSink([this](std::string_view line) { Write(line); });
    m_log->Note(m_header);
    if (m_failure.empty())
        return true;
    if (error)
        *error = m_failure;
    m_log.reset();
    ::close(m_fd);
    m_fd = -1;
    return false;
}

void CliTrace::Write(std::string_view line)
{
    const std::lock_guard<std::mutex> lock(m_lock);
    if (m_failure.empty())
        FileIo::AppendToFile(m_fd, m_path, line, &m_failure);
}
