#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

// Which other processes have a device open, learnt from /proc without
// touching the device. A lock is what well-behaved serial programs leave
// behind, but ModemManager and brltty open USB serial adapters without one
// and then read the radio's replies away from us; only their open file
// descriptors give them away.
//
// Two sources: every /proc/PID/fd entry that leads to the device (compared
// by device number, so /dev/serial/by-id names and other paths to the same
// node count too), and /proc/locks, which names lock holders even where
// their descriptors are hidden from us (another user's process, when we
// are not root). This process is never reported: its own ports are its own
// business. A holder's name is its /proc/PID/comm.
class PortHolders
{
public:
    struct Holder {
        pid_t pid = 0;
        std::string program; // as /proc says it, raw; empty when it would not say
        bool locked = false; // holds a lock on the device node
    };

    // Holders of the device at `path`; none when it is not a device.
    static std::vector<Holder> Of(const std::string& path);
    // Holders of several devices in one pass over /proc, by their paths.
    static std::map<std::string, std::vector<Holder>> Of(const std::vector<std::string>& paths);

    // "ModemManager (process 812)", or "process 812" without a name; the
    // name's control characters as visible escapes (VisibleText).
    static std::string Describe(const Holder& holder);
};
