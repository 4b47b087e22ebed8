#include "cliinterrupt.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr int Caught[] = {SIGINT, SIGTERM, SIGHUP};

// The write end of the one pipe; handlers reach it through this alone.
std::atomic<int> writeEnd{-1};

extern "C" void OnSignal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    const int fd = writeEnd.load();
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, &number, 1);
    }
    errno = saved;
}

struct sigaction previous[3];

} // namespace

CliInterrupt::CliInterrupt()
{
    if (::pipe2(m_pipe, O_CLOEXEC) != 0)
        return;
    ::fcntl(m_pipe[1], F_SETFL, O_NONBLOCK);
    writeEnd = m_pipe[1];
    m_waiter = std::thread([this] { Wait(); });
    struct sigaction action {
    };
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Caught[i], &action, &previous[i]);
}

CliInterrupt::~CliInterrupt()
{
    if (m_pipe[1] < 0)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Caught[i], &previous[i], nullptr);
    writeEnd = -1;
    const unsigned char quit = 0;
    [[maybe_unused]] const ssize_t written = ::write(m_pipe[1], &quit, 1);
    m_waiter.join();
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void CliInterrupt::SetStop(std::function<void()> stop)
{
    const std::lock_guard<std::mutex> lock(m_lock);
    m_stop = std::move(stop);
    if (m_stop && m_signal.load() != 0)
        m_stop();
}

const char* CliInterrupt::Name(int signal)
{
    switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    default: return "a signal";
    }
}

void CliInterrupt::Wait()
{
    for (;;) {
        unsigned char number = 0;
        const ssize_t got = ::read(m_pipe[0], &number, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got != 1 || number == 0)
            return;
        // The first signal counts; a second Ctrl-C while stopping changes nothing.
        int none = 0;
        m_signal.compare_exchange_strong(none, number);
        const std::lock_guard<std::mutex> lock(m_lock);
        if (m_stop)
            m_stop();
    }
}
