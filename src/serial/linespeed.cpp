#include "linespeed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace LineSpeed {

bool Set(int fd, unsigned bitsPerSecond)
{
    // BOTHER takes the rate as a number, so one path serves the standard
    // and the odd rates alike and no table of Bxxx constants is needed.
    termios2 settings{};
    if (::ioctl(fd, TCGETS2, &settings) != 0)
        return false;
    settings.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    settings.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    settings.c_ispeed = bitsPerSecond;
    settings.c_ospeed = bitsPerSecond;
    return ::ioctl(fd, TCSETS2, &settings) == 0;
}

unsigned Get(int fd)
{
    termios2 settings{};
    if (::ioctl(fd, TCGETS2, &settings) != 0)
        return 0;
    return settings.c_ospeed;
}

} // namespace LineSpeed
