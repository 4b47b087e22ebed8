#include "exclusiveclaim.h"

#include "portholders.h"

#include <sys/file.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <system_error>

namespace {

std::string ErrnoText(const char* what, int error)
{
    return std::string(what) + ": " + std::error_code(error, std::generic_category()).message();
}

} // namespace

bool ExclusiveClaim::Acquire(int fd, Mode mode, std::string* error)
{
    Release();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (error)
            *error = ErrnoText("flock", errno);
        return false;
    }
    m_fd = fd;
    m_locked = true;

#ifdef TIOCGEXCL
    // Root can open a device despite another holder's TIOCEXCL; asking the
    // kernel whether the mode is set closes that gap. The mode outlives the
    // program that set it when that program was killed, though: with no
    // other process holding the device, it is a leftover, and it is cleared
    // (on the real open; a probe only reports the device as free).
    int exclusive = 0;
    if (::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) {
        const bool heldElsewhere = !PortHolders::Of("/proc/self/fd/" + std::to_string(fd)).empty();
        if (heldElsewhere || (mode == Mode::Hold && ::ioctl(fd, TIOCNXCL) != 0)) {
            if (error)
                *error = "device is held in exclusive mode by another program";
            Release();
            return false;
        }
    }
#endif

    if (mode == Mode::Probe) {
        Release();
        return true;
    }
    if (::ioctl(fd, TIOCEXCL) != 0) {
        if (error)
            *error = ErrnoText("TIOCEXCL", errno);
        Release();
        return false;
    }
    m_exclusiveMode = true;
    return true;
}

void ExclusiveClaim::Release()
{
    if (m_exclusiveMode)
        ::ioctl(m_fd, TIOCNXCL);
    if (m_locked)
        ::flock(m_fd, LOCK_UN);
    m_exclusiveMode = false;
    m_locked = false;
    m_fd = -1;
}
