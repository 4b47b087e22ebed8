#pragma once

#include "cabledoctor.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

// A folder standing in for /sys, /proc, /etc/group, the udev database and
// the installed programs' files, for the cable doctor's causes.
class FakeSystem
{
public:
    FakeSystem()
    {
        char pattern[] = "/tmp/qxp-system-XXXXXX";
        if (::mkdtemp(pattern))
            m_root = pattern;
        m_roots.sys = m_root + "/sys";
        m_roots.proc = m_root + "/proc";
        m_roots.groupFile = m_root + "/etc/group";
        m_roots.udevData = m_root + "/run/udev/data";
        m_roots.files = m_root;
        for (const char* folder : {"/sys/bus/usb/devices", "/proc", "/etc", "/run/udev/data"})
            MakeFolder(m_root + folder);
    }
    ~FakeSystem() { std::system(("rm -rf '" + m_root + "'").c_str()); }
    FakeSystem(const FakeSystem&) = delete;
    FakeSystem& operator=(const FakeSystem&) = delete;

    const CableDoctor::Roots& Roots() const { return m_roots; }

    // A file below the root ("/usr/bin/brltty"), its folders made.
    void Write(const std::string& path, const std::string& text = {})
    {
        const std::string full = m_root + path;
        MakeFolder(full.substr(0, full.rfind('/')));
        std::ofstream(full, std::ios::binary) << text;
    }
    void Link(const std::string& target, const std::string& path)
    {
        const std::string full = m_root + path;
        MakeFolder(full.substr(0, full.rfind('/')));
        (void)::symlink(target.c_str(), full.c_str());
    }
    void Process(int pid, const std::string& name) { Write("/proc/" + std::to_string(pid) + "/comm", name + "\n"); }
    // A USB device "1-1" with its interface "1-1:1.0", and the tty a bound
    // serial driver puts below it ("ttyUSB0"), or none.
    void UsbAdapter(const std::string& device, const std::string& vidPid, const std::string& tty)
    {
        const std::string folder = "/sys/devices/pci0000:00/0000:00:14.0/usb1/" + device;
        Write(folder + "/idVendor", vidPid.substr(0, 4) + "\n");
        Write(folder + "/idProduct", vidPid.substr(5) + "\n");
        MakeFolder(m_root + folder + "/" + device + ":1.0" + (tty.empty() ? "" : "/" + tty + "/tty/" + tty));
        Link(m_root + folder, "/sys/bus/usb/devices/" + device);
        Link(m_root + folder + "/" + device + ":1.0", "/sys/bus/usb/devices/" + device + ":1.0");
    }
    // /sys/dev/char/M:m for a device number, leading to a tty below `parent`.
    void CharDevice(dev_t device, const std::string& parent)
    {
        const std::string tty = m_root + "/sys/devices/" + parent + "/tty/ttyX";
        MakeFolder(tty);
        Link(tty, "/sys/dev/char/" + std::to_string(::major(device)) + ":" + std::to_string(::minor(device)));
    }

private:
    static void MakeFolder(const std::string& path) { std::system(("mkdir -p '" + path + "'").c_str()); }

    std::string m_root;
    CableDoctor::Roots m_roots;
};
