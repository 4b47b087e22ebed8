#pragma once

#include "uniquefd.h"

#include <string>
#include <string_view>

// The simulated radio's end of the line: the master side of a
// pseudo-terminal. The slave side, which the program opens as its serial
// port, is held open here too, so a program closing its port does not
// hang up the master (reads would fail with EIO until it reopened) and the
// same device path serves any number of connections.
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

    // Closes both sides: the program sees the line hang up. Bytes already
    // sent are given a moment to be read first, because a hang-up discards
    // what the other side has not read yet, and on a real line the last
    // reply would have been on the wire before the carrier dropped.
    void HangUp();

private:
    UniqueFd m_master;
    UniqueFd m_slave;
    std::string m_devicePath;
};
