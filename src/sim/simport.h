#pragma once

#include "uniquefd.h"

#include <string>
#include <string_view>

// The simulated radio's end of the line: the master side of a
// pseudo-terminal. Only the master is held: a process that keeps the
// device (the slave side) open counts as another program holding the
// port, and the program would refuse it. The price is that while no client
// has the device open, the master reports a hang-up (POLLHUP, reads fail
// with EIO) until the next client opens it; the serving loop waits that
// out (SimServer). The same device path serves any number of connections.
class SimPort
{
public:
    // A new raw pseudo-terminal. False, with the reason in *error, when
    // none can be had.
    bool Open(std::string* error);

    int MasterFd() const { return m_master.Get(); }
    const std::string& DevicePath() const { return m_devicePath; }

    // Sends the bytes, at the pace of a line of `baud` bit/s (8N1: ten bits
    // a byte) when baud is not 0. Bytes that nobody takes within a moment
    // are dropped, as a real line would lose them.
    void Send(std::string_view bytes, unsigned baud);

    // Closes the master: the program sees the line hang up. Bytes already
    // sent are given a moment to be read first, because a hang-up discards
    // what the other side has not read yet, and on a real line the last
    // reply would have been on the wire before the carrier dropped.
    void HangUp();

private:
    UniqueFd m_master;
    std::string m_devicePath;
};
