// Why a device cannot be used, against real pseudo-terminals, device nodes
// and other processes holding them; and the by-id names, against a folder
// of symlinks standing in for /dev/serial/by-id.
#include "holderprocess.h"
#include "portdiagnosis.h"
#include "portholders.h"
#include "ptypair.h"
#include "serialbyid.h"
#include "tqcomm.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
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
         "permission denied: alice was added to the group \"dialout\" after this login began; log out and in again "
         "(or restart) to use it."},
        {"only the owner may",
         {"alice", "root", "tty", false, false, false},
         "permission denied: only its owner root may open it; ask the administrator to give it to a group such as "
         "dialout."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortDiagnosis::PermissionReason(c.access), c.reason) << c.what;
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
