#pragma once

#include <string>

// Exclusive use of an open terminal device, held for as long as the object
// lives. Two locks are taken because neither is enough alone: flock() is
// honoured by every well-behaved serial program and cannot be bypassed by
// root, but it is advisory; TIOCEXCL makes the kernel refuse further opens
// of the device, but root is exempt. A device on which either is already
// held by someone else counts as taken.
class ExclusiveClaim
{
public:
    enum class Mode {
        Hold,  // take both locks and keep them
        Probe, // only find out whether both could be had; set nothing
    };

    ExclusiveClaim() = default;
    ~ExclusiveClaim() { Release(); }
    ExclusiveClaim(const ExclusiveClaim&) = delete;
    ExclusiveClaim& operator=(const ExclusiveClaim&) = delete;

    // False, with the reason in *error, when the device is taken.
    bool Acquire(int fd, Mode mode, std::string* error);
    // TIOCNXCL before the flock is dropped, so no window opens in which the
    // device is unlocked but still refuses others.
    void Release();

private:
    int m_fd = -1;
    bool m_exclusiveMode = false;
    bool m_locked = false;
};
