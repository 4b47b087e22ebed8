#include "treadthread.h"

#include <poll.h>
#include <sys/eventfd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <system_error>

namespace {

UniqueFd MakeEventFd()
{
    UniqueFd fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!fd.Valid())
        throw std::system_error(errno, std::generic_category(), "eventfd");
    return fd;
}

void Signal(int fd)
{
    const std::uint64_t one = 1;
    // Can only fail when the counter is about to overflow, and then the
    // descriptor is readable anyway.
    [[maybe_unused]] const ssize_t written = ::write(fd, &one, sizeof one);
}

void Drain(int fd)
{
    std::uint64_t count;
    [[maybe_unused]] const ssize_t read = ::read(fd, &count, sizeof count);
}

} // namespace

TReadThread::TReadThread(TQComm& comm, int portFd, TQComm::ExceptionReport report)
    : m_portFd(portFd), m_comm(&comm), m_report(std::move(report)), m_kickFd(MakeEventFd()), m_stopFd(MakeEventFd())
{
}

TReadThread::~TReadThread()
{
    if (m_thread.joinable()) {
        if (IsCurrentThread())
            m_thread.detach();
        else
            m_thread.join();
    }
}

void TReadThread::Start()
{
    // The thread holds its own reference, so it can outlive a component that
    // was closed or destroyed from inside its handler. It waits at the gate
    // until m_thread is assigned: a handler that closes the port asks
    // IsCurrentThread(), which reads m_thread.
    std::lock_guard<std::mutex> gate(m_startGate);
    m_thread = std::thread([self = shared_from_this()] {
        {
            std::lock_guard<std::mutex> passed(self->m_startGate);
        }
        self->Execute();
    });
}

void TReadThread::Terminate()
{
    m_terminated = true;
    Signal(m_stopFd.Get());
}

void TReadThread::Kick() const { Signal(m_kickFd.Get()); }

void TReadThread::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void TReadThread::Detach()
{
    if (m_thread.joinable())
        m_thread.detach();
}

bool TReadThread::IsCurrentThread() const { return m_thread.get_id() == std::this_thread::get_id(); }

void TReadThread::Report(const std::string& message) const
{
    if (m_report)
        m_report(message);
    else
        std::fprintf(stderr, "QXP-R46: %s\n", message.c_str());
}

void TReadThread::Execute()
{
    bool watchDevice = true;
    while (!m_terminated) {
        // A full input queue is not watched: the bytes wait in the driver
        // until the owner makes room and kicks us, instead of poll()
        // reporting them again and again.
        const bool watchNow = watchDevice && m_comm->InputRoom();
        pollfd fds[3] = {
            {m_stopFd.Get(), POLLIN, 0},
            {m_kickFd.Get(), POLLIN, 0},
            {watchNow ? m_portFd : -1, POLLIN, 0},
        };
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            Report(std::error_code(errno, std::generic_category()).message());
            break;
        }
        if (m_terminated)
            break;
        if (fds[1].revents & POLLIN)
            Drain(m_kickFd.Get());
        if (fds[2].revents != 0 && !m_comm->PullFromDevice())
            watchDevice = false;
        if (!m_comm->TakeEventPending())
            continue;
        try {
            m_comm->CreateCommEvent();
        } catch (const std::exception& e) {
            Report(e.what());
        } catch (...) {
            Report("Unknown exception in the port event handler");
        }
        // The handler may have closed the port, or destroyed the component:
        // from here on only our own members may be touched.
    }
}
