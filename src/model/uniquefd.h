#pragma once

#include <unistd.h>

#include <utility>

// Sole owner of a file descriptor; closes it when it goes.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd() { Reset(); }

    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    int Release() { return std::exchange(m_fd, -1); }

    // Closes now, so that a failing close (a full disk on NFS) can be seen.
    bool Close()
    {
        const int fd = Release();
        return fd >= 0 && ::close(fd) == 0;
    }

    void Reset(int fd = -1)
    {
        // close() is not retried on EINTR: on Linux the descriptor is gone
        // either way, and a retry could close a descriptor another thread
        // has just been given.
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};
