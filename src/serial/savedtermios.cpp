#include "savedtermios.h"

bool SavedTermios::Save(int fd)
{
    Restore();
    if (::tcgetattr(fd, &m_settings) != 0)
        return false;
    m_fd = fd;
    return true;
}

void SavedTermios::Restore()
{
    // TCSANOW: the queues have been purged by now, and waiting for output to
    // drain could hang on a line held by flow control.
    if (m_fd >= 0)
        ::tcsetattr(m_fd, TCSANOW, &m_settings);
    m_fd = -1;
}
