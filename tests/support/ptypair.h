#pragma once

#include "tqcomm.h"
#include "uniquefd.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// A pseudo-terminal pair standing in for a serial line: the component opens
// the slave by its path, the test plays the far end on the master. Only the
// master is kept open, as a radio's far end would: a descriptor of the
// device side held here would count as another program holding the port.
// On Linux the master reads and changes the device side's line settings,
// so the test needs no descriptor of its own for those.
class PtyPair
{
public:
    PtyPair()
    {
        int master = -1;
        int slave = -1;
        char name[128] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            m_master.Reset(master);
            ::close(slave);
            m_path = name;
        }
    }

    bool Valid() const { return m_master.Valid(); }
    const std::string& Path() const { return m_path; }
    int MasterFd() const { return m_master.Get(); }
    // For tcgetattr, tcsetattr and the line speed of the device side.
    int SettingsFd() const { return m_master.Get(); }
    void CloseMaster() { m_master.Reset(); }

    // A descriptor of the device side, for what only it can do (exclusive
    // mode), as another program would hold it.
    UniqueFd OpenSlave() const { return UniqueFd(::open(m_path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)); }

    void Send(std::string_view bytes) const
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master.Get(), bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                return;
            done += static_cast<std::size_t>(n);
        }
    }

    // What the component sent, waiting at most `timeout` for `want` bytes.
    std::string Receive(std::size_t want, std::chrono::milliseconds timeout) const
    {
        std::string got;
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (got.size() < want) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            pollfd fd{m_master.Get(), POLLIN, 0};
            if (::poll(&fd, 1, static_cast<int>(left.count())) <= 0)
                break;
            char bytes[256];
            const ssize_t n = ::read(m_master.Get(), bytes, sizeof bytes);
            if (n <= 0)
                break;
            got.append(bytes, static_cast<std::size_t>(n));
        }
        return got;
    }

    termios SlaveSettings() const
    {
        termios settings{};
        ::tcgetattr(m_master.Get(), &settings);
        return settings;
    }

private:
    UniqueFd m_master;
    std::string m_path;
};

// What OnCommEvent saw, for tests on the owner's thread to wait on.
class EventLog
{
public:
    struct Event {
        std::uint32_t size;
        std::string bytes; // what the handler read
    };

    void Add(Event event)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_events.push_back(std::move(event));
        }
        m_changed.notify_all();
    }

    bool WaitFor(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return m_events.size() >= count; });
    }

    std::vector<Event> Events() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Event> m_events;
};
