#include "serialdevice.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

namespace {

UniqueFd OpenDevice(const std::string& path, std::string* error)
{
    int fd;
    do
        fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0 && error)
        *error = path + ": " + std::error_code(errno, std::generic_category()).message();
    return UniqueFd(fd);
}

bool IsTerminal(int fd, const std::string& path, std::string* error)
{
    termios settings{};
    if (::tcgetattr(fd, &settings) == 0)
        return true;
    if (error)
        *error = path + ": not a serial device";
    return false;
}

} // namespace

std::unique_ptr<SerialDevice> SerialDevice::Open(const std::string& path, std::string* error)
{
    std::unique_ptr<SerialDevice> device(new SerialDevice);
    device->m_fd = OpenDevice(path, error);
    if (!device->m_fd.Valid() || !IsTerminal(device->Fd(), path, error))
        return nullptr;
    if (!device->m_claim.Acquire(device->Fd(), ExclusiveClaim::Mode::Hold, error))
        return nullptr;
    device->m_saved.Save(device->Fd());
    return device;
}

bool SerialDevice::Probe(const std::string& path, std::string* error)
{
    UniqueFd fd = OpenDevice(path, error);
    if (!fd.Valid() || !IsTerminal(fd.Get(), path, error))
        return false;
    ExclusiveClaim claim;
    return claim.Acquire(fd.Get(), ExclusiveClaim::Mode::Probe, error);
}
