#pragma once

#include <termios.h>

// The settings a terminal device had before we changed them, put back when
// the object goes, so the next program finds the device as we found it.
class SavedTermios
{
public:
    SavedTermios() = default;
    ~SavedTermios() { Restore(); }
    SavedTermios(const SavedTermios&) = delete;
    SavedTermios& operator=(const SavedTermios&) = delete;

    // False when fd is not a terminal.
    bool Save(int fd);
    void Restore();

private:
    int m_fd = -1;
    termios m_settings{};
};
