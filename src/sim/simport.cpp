#include "simport.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace {

std::string ErrnoText(const char* what)
{
    return std::string(what) + ": " + std::error_code(errno, std::generic_category()).message();
}

// How long a reply may wait for room before it is dropped.
constexpr int SendStallMs = 200;

void AddNanoseconds(timespec& at, long nanoseconds)
{
    at.tv_nsec += nanoseconds;
    while (at.tv_nsec >= 1000000000L) {
        at.tv_nsec -= 1000000000L;
        ++at.tv_sec;
    }
}

} // namespace

bool SimPort::Open(std::string* error)
{
    m_master.Reset(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (!m_master.Valid()) {
        *error = ErrnoText("posix_openpt");
        return false;
    }
    if (::grantpt(m_master.Get()) != 0 || ::unlockpt(m_master.Get()) != 0) {
        *error = ErrnoText("grantpt/unlockpt");
        return false;
    }
    char name[128];
    if (::ptsname_r(m_master.Get(), name, sizeof name) != 0) {
        *error = ErrnoText("ptsname_r");
        return false;
    }
    m_devicePath = name;
    // Raw from the start, so whatever the program finds (and puts back when
    // it closes) passes bytes untouched. The settings belong to the
    // terminal, not to a descriptor, so they stay after the slave closes.
    const UniqueFd slave(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!slave.Valid()) {
        *error = ErrnoText(name);
        return false;
    }
    termios settings{};
    if (::tcgetattr(slave.Get(), &settings) != 0) {
        *error = ErrnoText("tcgetattr");
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(slave.Get(), TCSANOW, &settings) != 0) {
        *error = ErrnoText("tcsetattr");
        return false;
    }
    return true;
}

void SimPort::Send(std::string_view bytes, unsigned baud)
{
    const long nanosecondsPerByte = baud ? 10L * 1000000000L / static_cast<long>(baud) : 0;
    timespec next{};
    ::clock_gettime(CLOCK_MONOTONIC, &next);
    // One byte at a time when pacing, all at once otherwise.
    const std::size_t chunk = baud ? 1 : bytes.size();
    std::size_t sent = 0;
    while (sent < bytes.size() && m_master.Valid()) {
        const ssize_t written = ::write(m_master.Get(), bytes.data() + sent, std::min(chunk, bytes.size() - sent));
        if (written > 0) {
            sent += static_cast<std::size_t>(written);
            if (baud) {
                // Absolute deadlines on the monotonic clock, so the pace
                // does not drift with the time spent writing.
                AddNanoseconds(next, nanosecondsPerByte * written);
                while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
                }
            }
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno == EAGAIN) {
            pollfd fd{m_master.Get(), POLLOUT, 0};
            if (::poll(&fd, 1, SendStallMs) > 0 && (fd.revents & POLLOUT))
                continue;
        }
        return;
    }
}

void SimPort::HangUp()
{
    // The terminal moves written bytes to the reading side a little later,
    // so the queue may look empty for a moment right after a write.
    constexpr long SettleNs = 20L * 1000000L;
    constexpr int DrainPolls = 200; // 5 ms each
    timespec settle{0, SettleNs};
    ::nanosleep(&settle, nullptr);
    // What the program has not read yet is only visible from the device
    // side. A program that holds it in exclusive mode keeps us out (unless
    // we are root); then the settle time has to do.
    const UniqueFd slave(::open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    for (int i = 0; i < DrainPolls && slave.Valid(); ++i) {
        int unread = 0;
        if (::ioctl(slave.Get(), TIOCINQ, &unread) != 0 || unread == 0)
            break;
        timespec pause{0, 5L * 1000000L};
        ::nanosleep(&pause, nullptr);
    }
    m_master.Reset();
}
