#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// The causes of an unusable cable that lie outside the device node, the
// ones that cost Linux users the most time:
// - brltty, the braille display service, claims USB serial adapters it
//   takes for braille displays, so the adapter is plugged in and listed on
//   the USB bus but never becomes a tty;
// - ModemManager opens every new serial device to ask it for a modem and
//   reads the radio's replies away meanwhile, unless udev excludes it;
// - a group the user was added to counts only from the next login on.
// Each is learnt from files alone (/sys, /proc, the udev database,
// /etc/group and the installed packages' files); where they are is given,
// so a fake tree stands in for them.
class CableDoctor
{
public:
    struct Roots {
        std::string sys = "/sys";
        std::string proc = "/proc";
        std::string groupFile = "/etc/group";
        std::string udevData = "/run/udev/data";
        std::string files; // prefix of installed programs and udev rules, "" here
    };

    // A cause and the one command that fixes it, for a user to copy.
    struct Finding {
        std::string reason; // one or two sentences, without a capital first
        std::string command;
        bool Found() const { return !reason.empty(); }
    };

    // USB serial adapters plugged in without a tty ("1a86:7523"), from
    // /sys/bus/usb-serial and the USB device tree.
    static std::vector<std::string> AdaptersWithoutTty(const Roots& roots);
    // Such an adapter while brltty is running, or installed with its udev
    // rule in force: brltty and how to be rid of it. Nothing otherwise.
    static Finding BrlttyTookAdapter(const Roots& roots);
    // ModemManager running while the USB serial device with this number
    // is not excluded from its probing. Nothing otherwise, and for other
    // devices (ModemManager leaves built-in ports alone).
    static Finding ModemManagerMayProbe(dev_t device, const Roots& roots);
    // Whether a process of that name (its /proc/PID/comm) runs.
    static bool Running(const std::string& program, const Roots& roots);

    // A group as the group file names it; `found` false when it does not
    // hold that number (the group may come from a directory service).
    struct GroupEntry {
        bool found = false;
        std::string name;
        std::vector<std::string> members;
    };
    static GroupEntry Group(gid_t gid, const Roots& roots);
};
