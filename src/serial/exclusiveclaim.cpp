#include "exclusiveclaim.h"

#include "portholders.h"

#include <dirent.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <system_error>

namespace {

// Whether a descriptor of this process other than `fd` leads to the same
// device: another part of this program may hold it, which PortHolders,
// looking at other processes only, would not see.
bool OpenHereElsewhere(int fd)
{
    struct stat mine {
    };
    if (::fstat(fd, &mine) != 0)
        return true;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir("/proc/self/fd"), ::closedir);
    if (!dir)
        return true;
    while (const dirent* entry = ::readdir(dir.get())) {
        char* end = nullptr;
        const long other = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || other == fd || other == ::dirfd(dir.get()))
            continue;
        struct stat st {
        };
        if (::fstat(static_cast<int>(other), &st) == 0 && S_ISCHR(st.st_mode) && st.st_rdev == mine.st_rdev)
            return true;
    }
    return false;
}

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
        const bool heldElsewhere =
            OpenHereElsewhere(fd) || !PortHolders::Of("/proc/self/fd/" + std::to_string(fd)).empty();
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
