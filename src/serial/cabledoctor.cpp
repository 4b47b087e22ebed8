#include "cabledoctor.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    const DirHandle dir(::opendir(folder.c_str()));
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get()))
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    std::sort(names.begin(), names.end());
    return names;
}

bool Exists(const std::string& path)
{
    struct stat info = {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A sysfs attribute or /proc file: its first line.
std::string FirstLine(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string RealPath(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

// The serial converter chips of programming cables, whose drivers
// (ftdi_sio, cp210x, ch341, pl2303) make a ttyUSB of them.
bool IsSerialChip(const std::string& vidPid)
{
    static const char* const chips[] = {
        "0403:6001", "0403:6010", "0403:6011", "0403:6014", "0403:6015", // FTDI
        "10c4:ea60", "10c4:ea70", "10c4:ea71",                           // Silicon Labs CP210x
        "1a86:7522", "1a86:7523", "1a86:5523", "1a86:55d4",              // WCH CH34x
        "067b:2303", "067b:23a3",                                        // Prolific
    };
    return std::find(std::begin(chips), std::end(chips), vidPid) != std::end(chips);
}

std::string VidPid(const std::string& usbDevice)
{
    const std::string vendor = FirstLine(usbDevice + "/idVendor");
    const std::string product = FirstLine(usbDevice + "/idProduct");
    return vendor.empty() || product.empty() ? std::string() : vendor + ":" + product;
}

// A bound serial driver puts the tty below the interface: "ttyUSB0" for
// the usb-serial drivers, "tty/ttyACM0" for cdc_acm.
bool HasTty(const std::string& folder)
{
    for (const std::string& name : Entries(folder))
        if (name == "tty" || name.compare(0, 3, "tty") == 0)
            return true;
    return false;
}

void AddOnce(std::vector<std::string>& list, const std::string& item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

std::string Numbers(dev_t device)
{
    return std::to_string(::major(device)) + ":" + std::to_string(::minor(device));
}

} // namespace

std::vector<std::string> CableDoctor::AdaptersWithoutTty(const Roots& roots)
{
    std::vector<std::string> found;
    // A usb-serial port whose tty went away (/sys/bus/usb-serial/devices/ttyUSB0/tty).
    const std::string ports = roots.sys + "/bus/usb-serial/devices";
    for (const std::string& name : Entries(ports)) {
        const std::string port = ports + "/" + name;
        if (Exists(port + "/tty"))
            continue;
        const std::string vidPid = VidPid(RealPath(port) + "/../..");
        AddOnce(found, vidPid.empty() ? name : vidPid);
    }
    // The interfaces ("1-1:1.0") of known converter chips without a tty:
    // what is left when another program claimed the adapter first.
    const std::string usb = roots.sys + "/bus/usb/devices";
    for (const std::string& name : Entries(usb)) {
        const std::size_t colon = name.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string vidPid = VidPid(usb + "/" + name.substr(0, colon));
        if (IsSerialChip(vidPid) && !HasTty(usb + "/" + name))
            AddOnce(found, vidPid);
    }
    return found;
}

CableDoctor::Finding CableDoctor::BrlttyTookAdapter(const Roots& roots)
{
    const std::vector<std::string> adapters = AdaptersWithoutTty(roots);
    if (adapters.empty())
        return {};
    bool installed = false;
    for (const char* program : {"/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty", "/sbin/brltty"})
        installed = installed || Exists(roots.files + program);
    bool rule = false;
    for (const char* folder : {"/usr/lib/udev/rules.d", "/lib/udev/rules.d"})
        rule = rule || Exists(roots.files + folder + "/85-brltty.rules");
    // A file of the same name in /etc replaces the package's rule: the
    // usual way to disable it is a link to /dev/null there.
    const bool ruleInForce = rule && !Exists(roots.files + "/etc/udev/rules.d/85-brltty.rules");
    if (!Running("brltty", roots) && !(installed && ruleInForce))
        return {};

    std::string list;
    for (const std::string& adapter : adapters)
        list += (list.empty() ? "" : ", ") + adapter;
    const bool one = adapters.size() == 1;
    Finding finding;
    finding.command = "sudo apt-get remove brltty";
    finding.reason = std::string(one ? "a USB serial adapter (" : "USB serial adapters (") + list +
                     (one ? ") is" : ") are") +
                     " plugged in without a serial device: brltty, the braille display service, took it. Unless a "
                     "braille display is used here, remove brltty with  " +
                     finding.command +
                     "  or disable its udev rule with  sudo ln -s /dev/null /etc/udev/rules.d/85-brltty.rules  and "
                     "replug the cable.";
    return finding;
}

CableDoctor::Finding CableDoctor::ModemManagerMayProbe(dev_t device, const Roots& roots)
{
    const std::string sys = RealPath(roots.sys);
    const std::string node = RealPath(roots.sys + "/dev/char/" + Numbers(device));
    if (sys.empty() || node.compare(0, sys.size(), sys) != 0 || node.find("/usb", sys.size()) == std::string::npos)
        return {};
    if (!Running("ModemManager", roots))
        return {};
    std::ifstream udev(roots.udevData + "/c" + Numbers(device));
    std::string line;
    while (std::getline(udev, line))
        if (line == "E:ID_MM_DEVICE_IGNORE=1" || line == "E:ID_MM_PORT_IGNORE=1")
            return {};
    Finding finding;
    finding.command = "sudo systemctl stop ModemManager";
    finding.reason = "ModemManager is running and may probe this port for a modem when the cable is plugged in, "
                     "taking the radio's replies meanwhile; stop it with  " +
                     finding.command +
                     "  (disable it to keep it stopped), or exclude the cable with a udev rule that sets "
                     "ID_MM_DEVICE_IGNORE=1.";
    return finding;
}

bool CableDoctor::Running(const std::string& program, const Roots& roots)
{
    for (const std::string& name : Entries(roots.proc)) {
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (FirstLine(roots.proc + "/" + name + "/comm") == program)
            return true;
    }
    return false;
}

CableDoctor::GroupEntry CableDoctor::Group(gid_t gid, const Roots& roots)
{
    std::ifstream in(roots.groupFile);
    std::string line;
    while (std::getline(in, line)) {
        // name:password:gid:member,member
        std::istringstream fields(line);
        std::string name, password, number, members;
        if (!std::getline(fields, name, ':') || !std::getline(fields, password, ':') ||
            !std::getline(fields, number, ':'))
            continue;
        std::getline(fields, members);
        char* end = nullptr;
        const unsigned long value = std::strtoul(number.c_str(), &end, 10);
        if (number.empty() || *end != '\0' || value != gid)
            continue;
        GroupEntry entry;
        entry.found = true;
        entry.name = name;
        std::istringstream list(members);
        std::string member;
        while (std::getline(list, member, ','))
            if (!member.empty())
                entry.members.push_back(member);
        return entry;
    }
    return {};
}
