// Why a device cannot be used, against real pseudo-terminals, device nodes
// and other processes holding them; and the by-id names, against a folder
// of symlinks standing in for /dev/serial/by-id.
#include "fakesystem.h"
#include "holderprocess.h"
#include "portdiagnosis.h"
#include "portholders.h"
#include "ptypair.h"
#include "serialbyid.h"
#include "tqcomm.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

namespace {

using State = PortDiagnosis::State;

// flock(1) takes its lock after it has started; wait until /proc shows it.
bool WaitForLock(const std::string& path)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < until) {
        for (const auto& holder : PortHolders::Of(path))
            if (holder.locked)
                return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string Process(const char* program, pid_t pid)
{
    return program + std::string(" (process ") + std::to_string(pid) + ")";
}

class TempFolder
{
public:
    TempFolder()
    {
        char pattern[] = "/tmp/qxp-ports-XXXXXX";
        if (::mkdtemp(pattern))
            m_path = pattern;
    }
    ~TempFolder() { std::system(("rm -rf '" + m_path + "'").c_str()); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace

TEST(SerialPortDiagnosis, ReasonsFromRealDevices)
{
    PtyPair free;
    PtyPair open;
    PtyPair locked;
    PtyPair hostile;
    TempFolder folder;
    const std::string file = folder.Path() + "/plain-file";
    std::system(("touch '" + file + "'").c_str());
    // A program's name is whatever its file was called: this one would
    // retitle and recolour the terminal, and end the line early.
    const std::string hostileName = folder.Path() + "/\x1b]0;T\a\x1b[31m\n";
    ASSERT_EQ(::symlink("/bin/sleep", hostileName.c_str()), 0);

    const HolderProcess opener({"/bin/sleep", "30"}, open.Path());
    const HolderProcess escaper({hostileName, "30"}, hostile.Path());
    const HolderProcess locker({"/usr/bin/flock", locked.Path(), "/bin/sleep", "30"});
    ASSERT_GT(opener.Pid(), 0);
    ASSERT_TRUE(WaitForLock(locked.Path())) << "flock(1) is needed for this test";

    const struct {
        const char* what;
        std::string path;
        State state;
        std::string reason; // a part of it
    } cases[] = {
        {"missing", "/dev/qxp-no-such-device", State::Missing,
         "it does not exist: the cable is unplugged, or the name is wrong."},
        {"not a terminal", "/dev/null", State::NotSerial, "it is not a serial device."},
        {"a plain file", file, State::NotSerial, "it is not a serial device."},
        {"free", free.Path(), State::Usable, "it is free."},
        {"open without a lock", open.Path(), State::Held,
         "another program has it open without a lock, and would take the radio's replies: " +
             Process("sleep", opener.Pid()) + "; close that program first."},
        {"locked", locked.Path(), State::Held, "another program has it open: " + Process("flock", locker.Pid())},
        {"a name with control characters", hostile.Path(), State::Held,
         ": " + Process("\\e]0;T\\a\\e[31m\\n", escaper.Pid()) + "; close that program first."},
    };
    for (const auto& c : cases) {
        const PortDiagnosis::Result result = PortDiagnosis::Diagnose(c.path);
        EXPECT_EQ(result.state, c.state) << c.what << ": " << result.reason;
        EXPECT_NE(result.reason.find(c.reason), std::string::npos) << c.what << ": " << result.reason;
        EXPECT_EQ(TQComm().CheckCommportValid(c.path), c.state == State::Usable) << c.what;
    }
    EXPECT_TRUE(PortHolders::Of(free.Path()).empty()) << "our own master side holds nothing";
}

TEST(SerialPortDiagnosis, PermissionAdviceFitsTheUsersGroups)
{
    const struct {
        const char* what;
        PortDiagnosis::Access access;
        std::string reason;
    } cases[] = {
        {"not in the group",
         {"alice", "root", "dialout", true, false, false},
         "permission denied: it belongs to the group \"dialout\", and alice is not in it. Run  sudo usermod -aG "
         "dialout alice  and log out and in again."},
        {"added after this login",
         {"alice", "root", "dialout", true, false, true},
         "permission denied: alice is in the group \"dialout\", but was added after this session began, which still "
         "runs without it; log in again (or restart) to use it."},
        {"only the owner may",
         {"alice", "root", "tty", false, false, false},
         "permission denied: only its owner root may open it; ask the administrator to give it to a group such as "
         "dialout."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortDiagnosis::PermissionReason(c.access), c.reason) << c.what;
}

// The causes outside the device, each from a fake /sys, /proc and /etc.
TEST(CableDoctor, BrlttyIsNamedWhenItKeepsAnAdapterFromBecomingATty)
{
    const std::string brlttyCause =
        "a USB serial adapter (1a86:7523) is plugged in without a serial device: brltty, the braille display "
        "service, took it.";
    const struct {
        const char* what;
        std::function<void(FakeSystem&)> make;
        std::string reason; // a part of it; empty: not named
        const char* tty;    // below the adapter 1a86:7523, or none
    } cases[] = {
        {"running", [](FakeSystem& s) { s.Process(431, "brltty"); }, brlttyCause, ""},
        {"installed with its udev rule",
         [](FakeSystem& s) {
             s.Write("/usr/bin/brltty");
             s.Write("/usr/lib/udev/rules.d/85-brltty.rules");
         },
         brlttyCause, ""},
        {"installed, its rule disabled",
         [](FakeSystem& s) {
             s.Write("/usr/bin/brltty");
             s.Write("/lib/udev/rules.d/85-brltty.rules");
             s.Link("/dev/null", "/etc/udev/rules.d/85-brltty.rules");
         },
         "", ""},
        {"not there", [](FakeSystem& s) { s.Process(77, "brlttyd"); }, "", ""},
        {"the adapters have their ttys",
         [](FakeSystem& s) {
             s.Process(431, "brltty");
             s.UsbAdapter("1-2", "0403:6001", "ttyUSB0");
         },
         "", "ttyUSB1"},
        {"a usb-serial port without a tty",
         [](FakeSystem& s) {
             s.Process(431, "brltty");
             s.UsbAdapter("1-2", "10c4:ea60", "ttyUSB0");
             s.Write("/sys/bus/usb-serial/devices/ttyUSB1/port_number", "0\n");
         },
         "USB serial adapters (ttyUSB1, 1a86:7523) are plugged in without a serial device", ""},
    };
    for (const auto& c : cases) {
        FakeSystem system;
        system.UsbAdapter("1-1", "1a86:7523", c.tty);
        c.make(system);
        const PortDiagnosis::Result result = PortDiagnosis::Diagnose("/dev/qxp-no-such-device", system.Roots());
        EXPECT_EQ(result.state, State::Missing) << c.what;
        if (c.reason.empty()) {
            EXPECT_EQ(result.reason, "it does not exist: the cable is unplugged, or the name is wrong.") << c.what;
            EXPECT_EQ(result.command, "") << c.what;
            continue;
        }
        EXPECT_EQ(
            result.reason.find("it does not exist: the cable is unplugged, or the name is wrong; maybe " + c.reason),
            0u)
            << c.what << ": " << result.reason;
        EXPECT_NE(result.reason.find("remove brltty with  sudo apt-get remove brltty  or disable its udev rule with  "
                                     "sudo ln -s /dev/null /etc/udev/rules.d/85-brltty.rules  and replug the "
                                     "cable."),
                  std::string::npos)
            << c.what << ": " << result.reason;
        EXPECT_EQ(result.command, "sudo apt-get remove brltty") << c.what;
    }
}

TEST(CableDoctor, ModemManagerIsNamedForUsbDevicesItMayProbe)
{
    PtyPair device;
    struct stat info = {};
    ASSERT_EQ(::stat(device.Path().c_str(), &info), 0);
    const std::string usb = "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/ttyUSB0";
    const std::string numbers = std::to_string(major(info.st_rdev)) + ":" + std::to_string(minor(info.st_rdev));
    const std::string probes = "it is free, but ModemManager is running and may probe this port for a modem when the "
                               "cable is plugged in, taking the radio's replies meanwhile; stop it with  sudo "
                               "systemctl stop ModemManager  (disable it to keep it stopped), or exclude the cable "
                               "with a udev rule that sets ID_MM_DEVICE_IGNORE=1.";
    const struct {
        const char* what;
        std::string parent; // of the device in /sys
        bool running;
        std::string udev; // the device's udev data
        std::string reason;
    } cases[] = {
        {"a USB adapter", usb, true, "E:ID_BUS=usb\n", probes},
        {"excluded by udev", usb, true, "E:ID_BUS=usb\nE:ID_MM_DEVICE_IGNORE=1\n", "it is free."},
        {"ModemManager not running", usb, false, "", "it is free."},
        {"a built-in port", "platform/serial8250/tty/ttyS0", true, "", "it is free."},
    };
    for (const auto& c : cases) {
        FakeSystem system;
        system.CharDevice(info.st_rdev, c.parent);
        system.Process(812, c.running ? "ModemManager" : "NetworkManager");
        system.Write("/run/udev/data/c" + numbers, c.udev);
        const PortDiagnosis::Result result = PortDiagnosis::Diagnose(device.Path(), system.Roots());
        EXPECT_EQ(result.state, State::Usable) << c.what;
        EXPECT_EQ(result.reason, c.reason) << c.what;
        EXPECT_EQ(result.command, c.reason == probes ? "sudo systemctl stop ModemManager" : "") << c.what;
    }
}

TEST(CableDoctor, GroupMembershipComesFromTheGroupFile)
{
    // A group this process does not have: the device's, as the file names it.
    struct stat node = {};
    node.st_mode = S_IFCHR | 0660;
    node.st_gid = 4242;
    const std::string user = PortDiagnosis::AccessOf(node, {}).user;
    const struct {
        const char* what;
        std::string groupFile;
        std::string reason; // a part of it
        std::string command;
    } cases[] = {
        {"listed, not in this session", "radio:x:4242:daemon," + user + "\n",
         user + " is in the group \"radio\", but was added after this session began, which still runs without it; "
                "log in again (or restart) to use it.",
         ""},
        {"not listed", "wheel:x:10:" + user + "\nradio:x:4242:daemon\n",
         "it belongs to the group \"radio\", and " + user + " is not in it. Run  sudo usermod -aG radio " + user,
         "sudo usermod -aG radio " + user},
    };
    for (const auto& c : cases) {
        FakeSystem system;
        system.Write("/etc/group", c.groupFile);
        const PortDiagnosis::Access access = PortDiagnosis::AccessOf(node, system.Roots());
        EXPECT_EQ(access.group, "radio") << c.what;
        EXPECT_FALSE(access.inGroupNow) << c.what;
        EXPECT_NE(PortDiagnosis::PermissionReason(access).find(c.reason), std::string::npos)
            << c.what << ": " << PortDiagnosis::PermissionReason(access);
        EXPECT_EQ(PortDiagnosis::PermissionCommand(access), c.command) << c.what;
    }
}

TEST(SerialById, NamesLeadToTheirDevices)
{
    PtyPair first;
    PtyPair second;
    PtyPair unnamed;
    TempFolder byId;
    const std::string& folder = byId.Path();
    ASSERT_EQ(::symlink(first.Path().c_str(), (folder + "/usb-B-if00-port0").c_str()), 0);
    ASSERT_EQ(::symlink(first.Path().c_str(), (folder + "/usb-A-if00-port0").c_str()), 0);
    ASSERT_EQ(::symlink(second.Path().c_str(), (folder + "/usb-C-if00-port0").c_str()), 0);
    ASSERT_EQ(::symlink("/dev/qxp-unplugged", (folder + "/usb-Gone-if00-port0").c_str()), 0);

    EXPECT_EQ(SerialById::NameOf(first.Path(), folder), folder + "/usb-A-if00-port0") << "the first of two names";
    EXPECT_EQ(SerialById::NameOf(second.Path(), folder), folder + "/usb-C-if00-port0");
    EXPECT_EQ(SerialById::NameOf(unnamed.Path(), folder), "");
    EXPECT_EQ(SerialById::NameOf("/dev/qxp-unplugged", folder), "");

    EXPECT_EQ(SerialById::PathOf("usb-C-if00-port0", folder), folder + "/usb-C-if00-port0");
    EXPECT_EQ(SerialById::PathOf("usb-Gone-if00-port0", folder), folder + "/usb-Gone-if00-port0")
        << "an unplugged adapter keeps its name, to be reported missing";
    EXPECT_EQ(SerialById::PathOf("usb-Z-if00-port0", folder), "");
    EXPECT_EQ(SerialById::PathOf("../" + folder.substr(5), folder), "") << "not a bare name";
    EXPECT_EQ(PortDiagnosis::Diagnose(folder + "/usb-Gone-if00-port0").state, State::Missing);
    EXPECT_EQ(PortDiagnosis::Diagnose(folder + "/usb-C-if00-port0").state, State::Usable);
}
